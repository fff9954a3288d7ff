#pragma once
// Reads WMF and EMF files back for the tests: walks the records, keeps the header fields, and
// replays the object table (create, select, delete) so that every drawing record carries the
// pen, brush and font that a player would use for it. Inconsistencies are collected as errors.
#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zol::test {

struct Lesestift {
    std::uint32_t stil = 0; // with cap and join bits
    std::int32_t breite = 0;
    QRgb farbe = 0;
};

struct Lesepinsel {
    std::uint32_t art = 0; // 0 solid, 1 null
    QRgb farbe = 0;
};

struct Leseschrift {
    std::int32_t hoehe = 0;
    std::int32_t winkel = 0;
    std::int32_t orientierung = 0;
    std::int32_t gewicht = 0;
    bool kursiv = false;
    std::uint8_t zeichensatz = 0;
    QString name;
};

// A record that draws, with the state it is drawn in.
struct Zeichnung {
    enum Art { linie, linienzug, vieleck, vielecke, ellipse, rechteck, text };
    Art art = linie;
    std::vector<QPoint> punkte;    // linie: from, to; ellipse and rechteck: top-left, bottom-right
    std::vector<int> teilgroessen; // vielecke
    QString inhalt;                // text
    std::vector<int> vorschub;
    std::optional<Lesestift> stift;
    std::optional<Lesepinsel> pinsel;
    std::optional<Leseschrift> schrift;
    std::optional<QRgb> textfarbe;
};

struct Metabild {
    std::vector<std::string> fehler;
    std::vector<std::uint32_t> satztypen; // every record, header and end included

    // WMF
    std::uint32_t schluessel = 0;
    QRect umriss; // placeable header: left, top, right, bottom as x1, y1, x2, y2
    int je_zoll = 0;
    bool pruefsumme_stimmt = false;
    std::uint32_t groesse_worte = 0;
    int objekte = 0;
    std::uint32_t groesster_satz = 0; // words

    // EMF
    QRect grenzen; // x1, y1, x2, y2 inclusive
    QRect rahmen;  // 0.01 mm, inclusive
    std::uint32_t signatur = 0;
    std::uint32_t bytes = 0;
    std::uint32_t saetze = 0;
    int griffe = 0;
    QPoint geraet_pixel;
    QPoint geraet_mm;
    QPoint geraet_mikrometer;
    QPoint viewport_ausdehnung;

    // both
    int abbildungsmodus = 0;
    QPoint fenster_ursprung;
    QPoint fenster_ausdehnung;
    int hoechste_nummer = -1;     // of the object table ever in use
    int offen_am_ende = 0;        // objects not deleted
    int geloeschte_gewaehlte = 0; // deletions of an object while it was selected
    bool endsatz = false;
    std::vector<Zeichnung> zeichnungen; // those that show something (not null pen and null brush)
    std::vector<Zeichnung> alle(Zeichnung::Art art) const;
};

Metabild lies_wmf(const QByteArray& daten);
Metabild lies_emf(const QByteArray& daten);

} // namespace zol::test
