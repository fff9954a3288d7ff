#include "graph/metadatei/wmfaufnahme.h"

#include "engine/textkodierung.h"
#include "graph/symbolschrift.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace zol {

namespace {

// Record functions.
constexpr std::uint16_t meta_eof = 0x0000;
constexpr std::uint16_t meta_setbkmode = 0x0102;
constexpr std::uint16_t meta_setmapmode = 0x0103;
constexpr std::uint16_t meta_setpolyfillmode = 0x0106;
constexpr std::uint16_t meta_settextalign = 0x012E;
constexpr std::uint16_t meta_selectobject = 0x012D;
constexpr std::uint16_t meta_deleteobject = 0x01F0;
constexpr std::uint16_t meta_settextcolor = 0x0209;
constexpr std::uint16_t meta_setwindoworg = 0x020B;
constexpr std::uint16_t meta_setwindowext = 0x020C;
constexpr std::uint16_t meta_lineto = 0x0213;
constexpr std::uint16_t meta_moveto = 0x0214;
constexpr std::uint16_t meta_createpenindirect = 0x02FA;
constexpr std::uint16_t meta_createfontindirect = 0x02FB;
constexpr std::uint16_t meta_createbrushindirect = 0x02FC;
constexpr std::uint16_t meta_polygon = 0x0324;
constexpr std::uint16_t meta_polyline = 0x0325;
constexpr std::uint16_t meta_intersectcliprect = 0x0416;
constexpr std::uint16_t meta_ellipse = 0x0418;
constexpr std::uint16_t meta_rectangle = 0x041B;
constexpr std::uint16_t meta_polypolygon = 0x0538;
constexpr std::uint16_t meta_exttextout = 0x0A32;

constexpr std::uint32_t placeable_key = 0x9AC6CDD7;
constexpr std::int32_t mm_anisotropic = 8;
constexpr std::int32_t transparent = 1;
constexpr std::int32_t ta_baseline = 24;
constexpr std::int32_t max_wort = 32767;
// Logical units per inch for pictures small enough: 15 per pixel at 96 dpi. Larger pictures
// get coarser units so that the picture fits 16 bits.
constexpr int bevorzugt_je_zoll = 1440;
constexpr int max_bildgroesse = 32767;
// Point counts are 16-bit; long lines are written in pieces.
constexpr std::size_t max_punkte = 8000;

std::int16_t kurz(std::int32_t v) {
    return static_cast<std::int16_t>(std::clamp(v, -max_wort, max_wort));
}

void farbe_schreiben(Bytefolge& r, QRgb farbe) {
    r.u8(static_cast<std::uint8_t>(qRed(farbe)));
    r.u8(static_cast<std::uint8_t>(qGreen(farbe)));
    r.u8(static_cast<std::uint8_t>(qBlue(farbe)));
    r.u8(0);
}

Bytefolge anfang(std::uint16_t funktion) {
    Bytefolge r;
    r.u32(0);
    r.u16(funktion);
    return r;
}

void punkte_schreiben(Bytefolge& r, const std::vector<Lpunkt>& punkte) {
    for (const Lpunkt& p : punkte) {
        r.i16(kurz(p.x));
        r.i16(kurz(p.y));
    }
}

// Keeps every n-th point of a polygon too long for one record (only areas with tens of
// thousands of corners get here; their outline is approximated).
std::vector<Lpunkt> ausduennen(const std::vector<Lpunkt>& punkte) {
    if (punkte.size() <= max_wort) return punkte;
    const std::size_t schritt = (punkte.size() + max_wort - 1) / max_wort;
    std::vector<Lpunkt> aus;
    for (std::size_t i = 0; i < punkte.size(); i += schritt)
        aus.push_back(punkte[i]);
    return aus;
}

// Characters of the Symbol font by Unicode character (the text language draws Greek letters
// and mathematical signs that Windows-1252 lacks).
const std::unordered_map<char32_t, unsigned char>& symbolcodes() {
    static const auto tabelle = [] {
        std::unordered_map<char32_t, unsigned char> t;
        for (int code = 0x21; code <= 0xFF; ++code) {
            const char16_t z = symbolzeichen(static_cast<unsigned char>(code));
            if (z != u' ') t.emplace(z, static_cast<unsigned char>(code));
        }
        return t;
    }();
    return tabelle;
}

QByteArray cp1252(const QString& text) {
    QByteArray aus;
    for (char32_t z : text.toUcs4())
        aus.append(static_cast<char>(unicode_zu_cp1252(z).value_or('?')));
    return aus;
}

} // namespace

int Wmfaufnahme::je_zoll_fuer(QSize pixel, int dpi) {
    const int groesste = std::max({pixel.width(), pixel.height(), 1});
    const double je_zoll = std::floor(double(max_bildgroesse) * dpi / groesste);
    return static_cast<int>(std::clamp(je_zoll, 1.0, double(bevorzugt_je_zoll)));
}

Lrechteck Wmfaufnahme::bild_fuer(QSize pixel, int je_zoll, int dpi) {
    const double k = double(je_zoll) / dpi;
    return {0, 0, std::max(1, int(std::lround(pixel.width() * k))),
            std::max(1, int(std::lround(pixel.height() * k)))};
}

Wmfaufnahme::Wmfaufnahme(QSize pixel, int dpi)
    : Wmfaufnahme(bild_fuer(pixel, je_zoll_fuer(pixel, dpi), dpi), je_zoll_fuer(pixel, dpi), dpi) {}

Wmfaufnahme::Wmfaufnahme(Lrechteck bild, int je_zoll, int dpi)
    : Gdiaufnahme(bild, double(je_zoll) / dpi, 0), je_zoll_(je_zoll) {
    einfach(meta_setmapmode, {mm_anisotropic});
    einfach(meta_setwindoworg, {0, 0});
    einfach(meta_setwindowext, {bild.unten, bild.rechts});
    einfach(meta_setbkmode, {transparent});
    einfach(meta_settextalign, {ta_baseline});
    // What lies outside the picture is not part of it.
    rechteckssatz(meta_intersectcliprect, bild);
    // An invisible frame: players that place the picture by the extent of what is drawn
    // (libwmf, so ImageMagick and GIMP) then show the whole picture, not just its drawing.
    stift({ps_null, 0});
    pinsel({true});
    rechteck(bild);
}

std::unique_ptr<Gdiaufnahme> Wmfaufnahme::klon() const {
    return std::unique_ptr<Gdiaufnahme>(new Wmfaufnahme(*this));
}

void Wmfaufnahme::einfach(std::uint16_t funktion, std::initializer_list<std::int32_t> worte) {
    Bytefolge r;
    r.u32(static_cast<std::uint32_t>(3 + worte.size()));
    r.u16(funktion);
    for (std::int32_t w : worte)
        r.i16(kurz(w));
    satz(r);
}

void Wmfaufnahme::rechteckssatz(std::uint16_t funktion, const Lrechteck& r) {
    einfach(funktion, {r.unten, r.rechts, r.oben, r.links});
}

void Wmfaufnahme::linie(Lpunkt a, Lpunkt b) {
    einfach(meta_moveto, {a.y, a.x});
    einfach(meta_lineto, {b.y, b.x});
}

void Wmfaufnahme::linienzug(const std::vector<Lpunkt>& punkte) {
    for (std::size_t von = 0; von + 1 < punkte.size(); von += max_punkte - 1) {
        const std::size_t bis = std::min(punkte.size(), von + max_punkte);
        Bytefolge r = anfang(meta_polyline);
        r.i16(static_cast<std::int16_t>(bis - von));
        punkte_schreiben(r, std::vector<Lpunkt>(punkte.begin() + von, punkte.begin() + bis));
        r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
        satz(r);
    }
}

void Wmfaufnahme::vielecke(const std::vector<std::vector<Lpunkt>>& vielecke) {
    std::vector<std::vector<Lpunkt>> teile;
    for (const auto& v : vielecke)
        if (v.size() >= 2) teile.push_back(ausduennen(v));
    if (teile.empty()) return;
    Bytefolge r = anfang(teile.size() == 1 ? meta_polygon : meta_polypolygon);
    if (teile.size() == 1) {
        r.i16(static_cast<std::int16_t>(teile[0].size()));
    } else {
        r.u16(static_cast<std::uint16_t>(std::min<std::size_t>(teile.size(), 0xFFFF)));
        teile.resize(std::min<std::size_t>(teile.size(), 0xFFFF));
        for (const auto& t : teile)
            r.u16(static_cast<std::uint16_t>(t.size()));
    }
    for (const auto& t : teile)
        punkte_schreiben(r, t);
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

void Wmfaufnahme::ellipse(const Lrechteck& r) {
    rechteckssatz(meta_ellipse, r);
}

void Wmfaufnahme::rechteck(const Lrechteck& r) {
    rechteckssatz(meta_rectangle, r);
}

void Wmfaufnahme::textlauf(Lpunkt ursprung, const QByteArray& bytes,
                           const std::vector<std::int32_t>& dx) {
    Bytefolge r = anfang(meta_exttextout);
    r.i16(kurz(ursprung.y));
    r.i16(kurz(ursprung.x));
    r.i16(static_cast<std::int16_t>(bytes.size()));
    r.u16(0); // no options, so no rectangle follows
    r.bytes(bytes);
    r.auffuellen(2);
    for (std::int32_t d : dx)
        r.i16(kurz(d));
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

// Windows-1252 holds the text's Latin characters; Greek letters and mathematical signs go in
// runs of the Symbol font, as the program's own Symbol font texts are written; anything else
// becomes "?". Each run starts where the advances of the runs before it end.
void Wmfaufnahme::text(const Gditext& t) {
    textfarbe(t.farbe);
    const double winkel = t.schrift.winkel / 10.0 * 3.14159265358979323846 / 180.0;
    const double cx = std::cos(winkel), cy = -std::sin(winkel);

    QByteArray lauf;
    std::vector<std::int32_t> dx;
    bool symbol = false;
    std::int64_t laufanfang = 0, position = 0;
    auto ausgeben = [&] {
        if (lauf.isEmpty()) return;
        Gdischrift s = t.schrift;
        s.hoehe = std::clamp(s.hoehe, -max_wort, max_wort);
        if (symbol) s.name = QStringLiteral("Symbol");
        s.zeichensatz = symbol ? symbol_charset : ansi_charset;
        schrift(s);
        const Lpunkt p{t.ursprung.x + std::int32_t(std::lround(laufanfang * cx)),
                       t.ursprung.y + std::int32_t(std::lround(laufanfang * cy))};
        for (qsizetype von = 0; von < lauf.size(); von += max_wort)
            textlauf(p, lauf.mid(von, max_wort),
                     std::vector<std::int32_t>(dx.begin() + von,
                                               dx.begin() + std::min(lauf.size(), von + max_wort)));
        lauf.clear();
        dx.clear();
    };

    const QString& s = t.text;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t z = s[i].unicode();
        std::int64_t vorschub = i < qsizetype(t.vorschub.size()) ? t.vorschub[i] : 0;
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            z = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
            if (i < qsizetype(t.vorschub.size())) vorschub += t.vorschub[i];
        }
        unsigned char byte = '?';
        bool ist_symbol = false;
        if (auto b = unicode_zu_cp1252(z)) {
            byte = *b;
        } else if (auto it = symbolcodes().find(z); it != symbolcodes().end()) {
            byte = it->second;
            ist_symbol = true;
        }
        if (ist_symbol != symbol) {
            ausgeben();
            symbol = ist_symbol;
            laufanfang = position;
        }
        lauf.append(static_cast<char>(byte));
        dx.push_back(static_cast<std::int32_t>(vorschub));
        position += vorschub;
    }
    ausgeben();
}

// GDI draws a plain pen wider than one pixel solid whatever its style; a dashed pen about one
// pixel wide is written with width 0 (one pixel of the player) so that it keeps its dashes.
void Wmfaufnahme::erzeuge_stift(std::uint32_t, const Gdistift& s) {
    const bool gestrichelt = s.art != ps_solid && s.art != ps_null;
    const bool duenn = s.breite <= std::lround(1.5 * einheiten_je_pixel());
    Bytefolge r = anfang(meta_createpenindirect);
    r.u16(static_cast<std::uint16_t>(s.art));
    r.i16(gestrichelt && duenn ? 0 : kurz(s.breite));
    r.i16(0);
    farbe_schreiben(r, s.farbe);
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

void Wmfaufnahme::erzeuge_pinsel(std::uint32_t, const Gdipinsel& p) {
    Bytefolge r = anfang(meta_createbrushindirect);
    r.u16(p.leer ? 1 : 0); // BS_NULL, BS_SOLID
    farbe_schreiben(r, p.farbe);
    r.u16(0);
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

void Wmfaufnahme::erzeuge_schrift(std::uint32_t, const Gdischrift& s) {
    Bytefolge r = anfang(meta_createfontindirect);
    r.i16(kurz(s.hoehe));
    r.i16(0);
    r.i16(static_cast<std::int16_t>(s.winkel));
    r.i16(static_cast<std::int16_t>(s.winkel));
    r.i16(static_cast<std::int16_t>(s.gewicht));
    r.u8(s.kursiv);
    r.u8(s.unterstrichen);
    r.u8(s.durchgestrichen);
    r.u8(s.zeichensatz);
    r.u8(0); // OUT_DEFAULT_PRECIS
    r.u8(0); // CLIP_DEFAULT_PRECIS
    r.u8(0); // DEFAULT_QUALITY
    r.u8(0); // DEFAULT_PITCH | FF_DONTCARE
    QByteArray name = cp1252(s.name).left(31);
    name.append(32 - name.size(), '\0');
    r.bytes(name);
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

void Wmfaufnahme::waehle(std::uint32_t nr) {
    einfach(meta_selectobject, {std::int32_t(nr)});
}

void Wmfaufnahme::loesche(std::uint32_t nr) {
    einfach(meta_deleteobject, {std::int32_t(nr)});
}

void Wmfaufnahme::schreibe_textfarbe(QRgb farbe) {
    Bytefolge r = anfang(meta_settextcolor);
    farbe_schreiben(r, farbe);
    r.setze_u32(0, static_cast<std::uint32_t>(r.groesse() / 2));
    satz(r);
}

void Wmfaufnahme::schreibe_fuellmodus(bool nonzero) {
    einfach(meta_setpolyfillmode, {nonzero ? 2 : 1});
}

// WMF has no stock objects to select instead; a player that refuses to delete a selected
// object frees it with the table at the end of the file.
void Wmfaufnahme::abschliessen() {
    alle_loeschen();
}

QByteArray Wmfaufnahme::zusammensetzen() const {
    Bytefolge kopf;
    const Lrechteck b = bild();
    const std::uint16_t worte[] = {std::uint16_t(placeable_key & 0xFFFF),
                                   std::uint16_t(placeable_key >> 16),
                                   0,
                                   0,
                                   0,
                                   std::uint16_t(b.rechts),
                                   std::uint16_t(b.unten),
                                   std::uint16_t(je_zoll_),
                                   0,
                                   0};
    std::uint16_t pruefsumme = 0;
    for (std::uint16_t w : worte) {
        kopf.u16(w);
        pruefsumme ^= w;
    }
    kopf.u16(pruefsumme);

    constexpr std::uint32_t kopfworte = 9, endworte = 3;
    kopf.u16(1); // in memory
    kopf.u16(kopfworte);
    kopf.u16(0x0300);
    kopf.u32(kopfworte + static_cast<std::uint32_t>(saetze().groesse() / 2) + endworte);
    kopf.u16(static_cast<std::uint16_t>(tabellengroesse()));
    kopf.u32(std::max<std::uint32_t>(endworte, static_cast<std::uint32_t>(groesster_satz() / 2)));
    kopf.u16(0);

    kopf.bytes(saetze().daten());
    kopf.u32(endworte);
    kopf.u16(meta_eof);
    return kopf.daten();
}

} // namespace zol
