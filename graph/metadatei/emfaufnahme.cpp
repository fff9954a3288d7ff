#include "graph/metadatei/emfaufnahme.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zol {

namespace {

// Record types.
constexpr std::uint32_t emr_header = 1;
constexpr std::uint32_t emr_polygon = 3;
constexpr std::uint32_t emr_polyline = 4;
constexpr std::uint32_t emr_polypolygon = 8;
constexpr std::uint32_t emr_setwindowextex = 9;
constexpr std::uint32_t emr_setwindoworgex = 10;
constexpr std::uint32_t emr_setviewportextex = 11;
constexpr std::uint32_t emr_setviewportorgex = 12;
constexpr std::uint32_t emr_eof = 14;
constexpr std::uint32_t emr_setmapmode = 17;
constexpr std::uint32_t emr_setbkmode = 18;
constexpr std::uint32_t emr_setpolyfillmode = 19;
constexpr std::uint32_t emr_settextalign = 22;
constexpr std::uint32_t emr_settextcolor = 24;
constexpr std::uint32_t emr_movetoex = 27;
constexpr std::uint32_t emr_intersectcliprect = 30;
constexpr std::uint32_t emr_selectobject = 37;
constexpr std::uint32_t emr_createbrushindirect = 39;
constexpr std::uint32_t emr_deleteobject = 40;
constexpr std::uint32_t emr_ellipse = 42;
constexpr std::uint32_t emr_rectangle = 43;
constexpr std::uint32_t emr_lineto = 54;
constexpr std::uint32_t emr_extcreatefontindirectw = 82;
constexpr std::uint32_t emr_exttextoutw = 84;
constexpr std::uint32_t emr_polygon16 = 86;
constexpr std::uint32_t emr_polyline16 = 87;
constexpr std::uint32_t emr_polypolygon16 = 91;
constexpr std::uint32_t emr_extcreatepen = 95;

constexpr std::uint32_t emf_signatur = 0x464D4520; // " EMF"
constexpr std::int32_t mm_anisotropic = 8;
constexpr std::int32_t transparent = 1;
constexpr std::int32_t ta_baseline = 24;
constexpr std::uint32_t ps_geometric = 0x00010000;
constexpr std::uint32_t gm_compatible = 1;
// Stock objects, selected before the last objects are deleted.
constexpr std::uint32_t white_brush = 0x80000000;
constexpr std::uint32_t black_pen = 0x80000007;
constexpr std::uint32_t system_font = 0x8000000D;

// Logical units per pixel: fine enough that rounding never shows.
constexpr int je_pixel = 16;

Bytefolge anfang(std::uint32_t typ) {
    Bytefolge r;
    r.u32(typ);
    r.u32(0);
    return r;
}

void farbe_schreiben(Bytefolge& r, QRgb farbe) {
    r.u8(static_cast<std::uint8_t>(qRed(farbe)));
    r.u8(static_cast<std::uint8_t>(qGreen(farbe)));
    r.u8(static_cast<std::uint8_t>(qBlue(farbe)));
    r.u8(0);
}

void rechteck_schreiben(Bytefolge& r, const Lrechteck& q) {
    r.i32(q.links);
    r.i32(q.oben);
    r.i32(q.rechts);
    r.i32(q.unten);
}

bool passt_16(const std::vector<std::vector<Lpunkt>>& teile) {
    constexpr std::int32_t lo = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int16_t>::max();
    for (const auto& t : teile)
        for (const Lpunkt& p : t)
            if (p.x < lo || p.x > hi || p.y < lo || p.y > hi) return false;
    return true;
}

void punkte_schreiben(Bytefolge& r, const std::vector<Lpunkt>& punkte, bool kurz) {
    for (const Lpunkt& p : punkte) {
        if (kurz) {
            r.i16(static_cast<std::int16_t>(p.x));
            r.i16(static_cast<std::int16_t>(p.y));
        } else {
            r.i32(p.x);
            r.i32(p.y);
        }
    }
}

// Reference device: whole millimetres and whole pixels in the exact ratio of the resolution
// (127 mm are 5 * dpi pixels), large enough for the picture.
int referenzmass(int pixel, int dpi) {
    return std::max(1, (pixel + 5 * dpi - 1) / (5 * dpi));
}

void utf16_schreiben(Bytefolge& r, const QString& text, qsizetype zeichen) {
    for (qsizetype i = 0; i < zeichen; ++i)
        r.u16(i < text.size() ? text[i].unicode() : 0);
}

} // namespace

Emfaufnahme::Emfaufnahme(QSize pixel, int dpi)
    : Gdiaufnahme(
          {0, 0, std::max(1, pixel.width()) * je_pixel, std::max(1, pixel.height()) * je_pixel},
          je_pixel, 1),
      pixel_(std::max(1, pixel.width()), std::max(1, pixel.height())), dpi_(dpi) {
    const Lrechteck b = bild();
    einfach(emr_setmapmode, {mm_anisotropic});
    einfach(emr_setwindoworgex, {0, 0});
    einfach(emr_setwindowextex, {b.rechts, b.unten});
    einfach(emr_setviewportorgex, {0, 0});
    einfach(emr_setviewportextex, {pixel_.width(), pixel_.height()});
    einfach(emr_setbkmode, {transparent});
    einfach(emr_settextalign, {ta_baseline});
    // What lies outside the picture is not part of it.
    einfach(emr_intersectcliprect, {b.links, b.oben, b.rechts, b.unten});
}

std::unique_ptr<Gdiaufnahme> Emfaufnahme::klon() const {
    return std::unique_ptr<Gdiaufnahme>(new Emfaufnahme(*this));
}

void Emfaufnahme::einfach(std::uint32_t typ, std::initializer_list<std::int32_t> werte) {
    Bytefolge r;
    r.u32(typ);
    r.u32(static_cast<std::uint32_t>(8 + 4 * werte.size()));
    for (std::int32_t w : werte)
        r.i32(w);
    satz(r);
}

Lrechteck Emfaufnahme::grenzen(const std::vector<Lpunkt>& punkte) const {
    if (punkte.empty()) return {0, 0, -1, -1};
    std::int64_t x1 = punkte[0].x, y1 = punkte[0].y, x2 = x1, y2 = y1;
    for (const Lpunkt& p : punkte) {
        x1 = std::min<std::int64_t>(x1, p.x);
        y1 = std::min<std::int64_t>(y1, p.y);
        x2 = std::max<std::int64_t>(x2, p.x);
        y2 = std::max<std::int64_t>(y2, p.y);
    }
    auto unten = [](std::int64_t v) { return std::int32_t(std::floor(double(v) / je_pixel)); };
    auto oben = [](std::int64_t v) { return std::int32_t(std::ceil(double(v) / je_pixel)); };
    return {unten(x1), unten(y1), oben(x2), oben(y2)};
}

void Emfaufnahme::linie(Lpunkt a, Lpunkt b) {
    einfach(emr_movetoex, {a.x, a.y});
    einfach(emr_lineto, {b.x, b.y});
}

void Emfaufnahme::linienzug(const std::vector<Lpunkt>& punkte) {
    if (punkte.size() < 2) return;
    const bool kurz = passt_16({punkte});
    Bytefolge r = anfang(kurz ? emr_polyline16 : emr_polyline);
    rechteck_schreiben(r, grenzen(punkte));
    r.u32(static_cast<std::uint32_t>(punkte.size()));
    punkte_schreiben(r, punkte, kurz);
    r.auffuellen(4);
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::vielecke(const std::vector<std::vector<Lpunkt>>& vielecke) {
    std::vector<std::vector<Lpunkt>> teile;
    std::vector<Lpunkt> alle;
    for (const auto& v : vielecke) {
        if (v.size() < 2) continue;
        teile.push_back(v);
        alle.insert(alle.end(), v.begin(), v.end());
    }
    if (teile.empty()) return;
    const bool kurz = passt_16(teile);
    const bool eines = teile.size() == 1;
    Bytefolge r = anfang(eines ? (kurz ? emr_polygon16 : emr_polygon)
                               : (kurz ? emr_polypolygon16 : emr_polypolygon));
    rechteck_schreiben(r, grenzen(alle));
    if (!eines) {
        r.u32(static_cast<std::uint32_t>(teile.size()));
        r.u32(static_cast<std::uint32_t>(alle.size()));
        for (const auto& t : teile)
            r.u32(static_cast<std::uint32_t>(t.size()));
    } else {
        r.u32(static_cast<std::uint32_t>(alle.size()));
    }
    punkte_schreiben(r, alle, kurz);
    r.auffuellen(4);
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::ellipse(const Lrechteck& q) {
    einfach(emr_ellipse, {q.links, q.oben, q.rechts, q.unten});
}

void Emfaufnahme::rechteck(const Lrechteck& q) {
    einfach(emr_rectangle, {q.links, q.oben, q.rechts, q.unten});
}

void Emfaufnahme::text(const Gditext& t) {
    if (t.text.isEmpty()) return;
    Gdischrift s = t.schrift;
    s.zeichensatz = default_charset;
    schrift(s);
    textfarbe(t.farbe);

    // Rough device bounds: the advance along the baseline, a character height above it.
    std::int64_t laenge = 0;
    for (std::int32_t d : t.vorschub)
        laenge += d;
    const double w = s.winkel / 10.0 * 3.14159265358979323846 / 180.0;
    const double ux = std::cos(w), uy = -std::sin(w), h = std::abs(double(s.hoehe));
    auto punkt = [&](double entlang, double hoch) {
        return Lpunkt{t.ursprung.x + std::int32_t(std::lround(entlang * ux + hoch * uy)),
                      t.ursprung.y + std::int32_t(std::lround(entlang * uy - hoch * ux))};
    };
    const std::vector<Lpunkt> ecken = {punkt(0, -h / 3), punkt(double(laenge), -h / 3), punkt(0, h),
                                       punkt(double(laenge), h)};

    const auto n = static_cast<std::uint32_t>(t.text.size());
    const std::uint32_t fest = 76;
    const std::uint32_t text_bytes = (2 * n + 3) / 4 * 4;
    Bytefolge r = anfang(emr_exttextoutw);
    rechteck_schreiben(r, grenzen(ecken));
    r.u32(gm_compatible);
    // 0.01 mm per logical unit
    const float skala = float(2540.0 / dpi_ / je_pixel);
    r.f32(skala);
    r.f32(skala);
    r.i32(t.ursprung.x);
    r.i32(t.ursprung.y);
    r.u32(n);
    r.u32(fest);
    r.u32(0); // no options: the rectangle below is ignored
    rechteck_schreiben(r, {0, 0, -1, -1});
    r.u32(fest + text_bytes);
    utf16_schreiben(r, t.text, n);
    r.auffuellen(4);
    for (std::uint32_t i = 0; i < n; ++i)
        r.i32(i < t.vorschub.size() ? t.vorschub[i] : 0);
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::erzeuge_stift(std::uint32_t nr, const Gdistift& s) {
    Bytefolge r = anfang(emr_extcreatepen);
    r.u32(nr);
    r.u32(0); // no bitmap: offBmi, cbBmi, offBits, cbBits
    r.u32(0);
    r.u32(0);
    r.u32(0);
    // Dashes get flat ends: round ends would close the gaps between dots.
    const bool gestrichelt = s.art != ps_solid && s.art != ps_null;
    const std::uint32_t kappe = gestrichelt ? std::uint32_t(ps_endcap_flat) : s.kappe;
    r.u32(s.art == ps_null ? ps_null : ps_geometric | s.art | kappe | s.ecke);
    r.u32(static_cast<std::uint32_t>(std::max(0, s.breite)));
    r.u32(0); // BS_SOLID
    farbe_schreiben(r, s.farbe);
    r.u32(0); // hatch
    r.u32(0); // no style entries
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::erzeuge_pinsel(std::uint32_t nr, const Gdipinsel& p) {
    Bytefolge r = anfang(emr_createbrushindirect);
    r.u32(nr);
    r.u32(p.leer ? 1 : 0); // BS_NULL, BS_SOLID
    farbe_schreiben(r, p.farbe);
    r.u32(0);
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

// LOGFONTW followed by the empty full name, style and PANOSE of the fixed-size form that
// Windows itself writes.
void Emfaufnahme::erzeuge_schrift(std::uint32_t nr, const Gdischrift& s) {
    Bytefolge r = anfang(emr_extcreatefontindirectw);
    r.u32(nr);
    r.i32(s.hoehe);
    r.i32(0);
    r.i32(s.winkel);
    r.i32(s.winkel);
    r.i32(s.gewicht);
    r.u8(s.kursiv);
    r.u8(s.unterstrichen);
    r.u8(s.durchgestrichen);
    r.u8(s.zeichensatz);
    r.u8(0); // OUT_DEFAULT_PRECIS
    r.u8(0); // CLIP_DEFAULT_PRECIS
    r.u8(0); // DEFAULT_QUALITY
    r.u8(0); // DEFAULT_PITCH | FF_DONTCARE
    utf16_schreiben(r, s.name.left(31), 32);
    r.nullen(128 + 64);       // full name, style
    r.nullen(6 * 4 + 10 + 2); // version, style size, match, reserved, vendor, culture, PANOSE
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::waehle(std::uint32_t nr) {
    einfach(emr_selectobject, {std::int32_t(nr)});
}

void Emfaufnahme::loesche(std::uint32_t nr) {
    einfach(emr_deleteobject, {std::int32_t(nr)});
}

void Emfaufnahme::schreibe_textfarbe(QRgb farbe) {
    Bytefolge r = anfang(emr_settextcolor);
    farbe_schreiben(r, farbe);
    r.setze_u32(4, static_cast<std::uint32_t>(r.groesse()));
    satz(r);
}

void Emfaufnahme::schreibe_fuellmodus(bool nonzero) {
    einfach(emr_setpolyfillmode, {nonzero ? 2 : 1});
}

void Emfaufnahme::abschliessen() {
    const Auswahl& a = auswahl();
    if (a.stift) einfach(emr_selectobject, {std::int32_t(black_pen)});
    if (a.pinsel) einfach(emr_selectobject, {std::int32_t(white_brush)});
    if (a.schrift) einfach(emr_selectobject, {std::int32_t(system_font)});
    alle_loeschen();
}

QByteArray Emfaufnahme::zusammensetzen() const {
    constexpr std::uint32_t kopfgroesse = 108, endgroesse = 20;
    const int w = pixel_.width(), h = pixel_.height();
    const int mx = referenzmass(w, dpi_), my = referenzmass(h, dpi_);
    auto hundertstel_mm = [&](int pixel) {
        return std::int32_t(std::lround(double(pixel) * 2540.0 / dpi_));
    };

    Bytefolge k;
    k.u32(emr_header);
    k.u32(kopfgroesse);
    rechteck_schreiben(k, {0, 0, w - 1, h - 1});                                 // bounds, pixels
    rechteck_schreiben(k, {0, 0, hundertstel_mm(w) - 1, hundertstel_mm(h) - 1}); // frame
    k.u32(emf_signatur);
    k.u32(0x00010000);
    k.u32(kopfgroesse + static_cast<std::uint32_t>(saetze().groesse()) + endgroesse);
    k.u32(satzanzahl() + 2);
    k.u16(static_cast<std::uint16_t>(std::max<std::uint32_t>(tabellengroesse(), 1)));
    k.u16(0);
    k.u32(0); // no description
    k.u32(0);
    k.u32(0); // no palette
    k.i32(5 * dpi_ * mx);
    k.i32(5 * dpi_ * my);
    k.i32(127 * mx);
    k.i32(127 * my);
    k.u32(0); // no pixel format, no OpenGL
    k.u32(0);
    k.u32(0);
    k.i32(127000 * mx);
    k.i32(127000 * my);

    k.bytes(saetze().daten());
    k.u32(emr_eof);
    k.u32(endgroesse);
    k.u32(0);  // no palette entries
    k.u32(16); // offset of the (empty) palette
    k.u32(endgroesse);
    return k.daten();
}

} // namespace zol
