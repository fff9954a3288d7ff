#pragma once
// The drawing operations that both metafile formats share, in logical units of the file; the
// formats differ only in how they write them. Pens, brushes and fonts are created just before a
// drawing needs them and deleted as soon as the next one has been selected, so the file's object
// table stays small and nothing is left behind at the end.
#include "graph/metadatei/bytefolge.h"

#include <QByteArray>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zol {

struct Lpunkt {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Lpunkt&, const Lpunkt&) = default;
};

struct Lrechteck {
    std::int32_t links = 0;
    std::int32_t oben = 0;
    std::int32_t rechts = 0;
    std::int32_t unten = 0;
};

// Pen styles, caps and joins with the numbers GDI gives them.
enum Gdistiftart : std::uint32_t {
    ps_solid = 0,
    ps_dash = 1,
    ps_dot = 2,
    ps_dashdot = 3,
    ps_dashdotdot = 4,
    ps_null = 5,
};
enum Gdikappe : std::uint32_t {
    ps_endcap_round = 0,
    ps_endcap_square = 0x100,
    ps_endcap_flat = 0x200
};
enum Gdiecke : std::uint32_t { ps_join_round = 0, ps_join_bevel = 0x1000, ps_join_miter = 0x2000 };

struct Gdistift {
    std::uint32_t art = ps_solid;
    std::int32_t breite = 1; // logical units; 0 is one pixel of whatever device plays the file
    QRgb farbe = 0xFF000000;
    std::uint32_t kappe = ps_endcap_round;
    std::uint32_t ecke = ps_join_round;
    friend bool operator==(const Gdistift&, const Gdistift&) = default;
};

struct Gdipinsel {
    bool leer = false;
    QRgb farbe = 0xFFFFFFFF;
    friend bool operator==(const Gdipinsel&, const Gdipinsel&) = default;
};

inline constexpr std::uint8_t ansi_charset = 0;
inline constexpr std::uint8_t default_charset = 1;
inline constexpr std::uint8_t symbol_charset = 2;

struct Gdischrift {
    QString name;
    std::int32_t hoehe = 0;  // negative: character height (em) in logical units
    std::int32_t winkel = 0; // escapement and orientation, tenths of a degree counter-clockwise
    std::int32_t gewicht = 400;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    std::uint8_t zeichensatz = default_charset;
    friend bool operator==(const Gdischrift&, const Gdischrift&) = default;
};

// A text to be written: its reference point is on the baseline at the left end; vorschub
// holds the advance of every UTF-16 unit in logical units along the baseline (0 for the second
// half of a surrogate pair).
struct Gditext {
    Lpunkt ursprung;
    QString text;
    std::vector<std::int32_t> vorschub;
    Gdischrift schrift;
    QRgb farbe = 0xFF000000;
};

class Gdiaufnahme {
public:
    virtual ~Gdiaufnahme() = default;

    virtual std::unique_ptr<Gdiaufnahme> klon() const = 0;

    // Logical units per pixel of the picture.
    double einheiten_je_pixel() const { return je_pixel_; }
    // The picture in logical units (origin top-left, y downward).
    Lrechteck bild() const { return bild_; }
    // Drawings are cut to the picture: coordinates far outside it could not be stored, and
    // some players size the picture by the extent of everything drawn.
    QRectF schutzrahmen() const;

    void stift(const Gdistift& s);
    void pinsel(const Gdipinsel& p);
    void schrift(const Gdischrift& s);
    void textfarbe(QRgb farbe);
    void fuellmodus(bool nonzero);

    virtual void linie(Lpunkt a, Lpunkt b) = 0;
    virtual void linienzug(const std::vector<Lpunkt>& punkte) = 0;
    virtual void vielecke(const std::vector<std::vector<Lpunkt>>& vielecke) = 0;
    virtual void ellipse(const Lrechteck& r) = 0;
    virtual void rechteck(const Lrechteck& r) = 0;
    // Selects the font and colour itself.
    virtual void text(const Gditext& t) = 0;

    // The complete file: header, the records so far, the deletion of the objects still
    // selected, and the end record. Drawing may go on afterwards.
    QByteArray daten() const;

protected:
    Gdiaufnahme(Lrechteck bild, double je_pixel, std::uint32_t erste_nummer)
        : bild_(bild), je_pixel_(je_pixel), erste_nummer_(erste_nummer) {}
    Gdiaufnahme(const Gdiaufnahme&) = default;

    // Writers of the format's records.
    virtual void erzeuge_stift(std::uint32_t nr, const Gdistift& s) = 0;
    virtual void erzeuge_pinsel(std::uint32_t nr, const Gdipinsel& p) = 0;
    virtual void erzeuge_schrift(std::uint32_t nr, const Gdischrift& s) = 0;
    virtual void waehle(std::uint32_t nr) = 0;
    virtual void loesche(std::uint32_t nr) = 0;
    virtual void schreibe_textfarbe(QRgb farbe) = 0;
    virtual void schreibe_fuellmodus(bool nonzero) = 0;
    // Releases the objects still selected at the end.
    virtual void abschliessen() = 0;
    // Header plus records plus end record.
    virtual QByteArray zusammensetzen() const = 0;

    // Appends one complete record.
    void satz(const Bytefolge& r);

    struct Auswahl {
        std::optional<Gdistift> stift;
        std::optional<Gdipinsel> pinsel;
        std::optional<Gdischrift> schrift;
        std::uint32_t stift_nr = 0;
        std::uint32_t pinsel_nr = 0;
        std::uint32_t schrift_nr = 0;
    };
    const Auswahl& auswahl() const { return auswahl_; }
    // Deletes every object still selected (after the format has selected defaults instead).
    void alle_loeschen();

    const Bytefolge& saetze() const { return saetze_; }
    std::uint32_t satzanzahl() const { return anzahl_; }
    qsizetype groesster_satz() const { return groesster_; } // bytes
    // Entries the object table needs: highest number ever used + 1.
    std::uint32_t tabellengroesse() const { return tabelle_max_; }

private:
    std::uint32_t neue_nummer();
    void freigeben(std::uint32_t nr);
    template <class T> void ersetze(std::optional<T>& aktuell, std::uint32_t& nr, const T& neu);
    void erzeuge(std::uint32_t nr, const Gdistift& s) { erzeuge_stift(nr, s); }
    void erzeuge(std::uint32_t nr, const Gdipinsel& p) { erzeuge_pinsel(nr, p); }
    void erzeuge(std::uint32_t nr, const Gdischrift& s) { erzeuge_schrift(nr, s); }

    Lrechteck bild_;
    double je_pixel_;
    std::uint32_t erste_nummer_;
    Bytefolge saetze_;
    std::uint32_t anzahl_ = 0;
    qsizetype groesster_ = 0;
    std::vector<bool> belegt_;
    std::uint32_t tabelle_max_ = 0;
    Auswahl auswahl_;
    std::optional<QRgb> textfarbe_;
    bool nonzero_ = false;
};

} // namespace zol
