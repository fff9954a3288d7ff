#include "graph/metadatei/metamaler.h"

#include "graph/metadatei/kappung.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

constexpr double pi = 3.14159265358979323846;

Lpunkt rund(QPointF p) {
    return {static_cast<std::int32_t>(std::lround(p.x())),
            static_cast<std::int32_t>(std::lround(p.y()))};
}

// Rounded points without repeats.
std::vector<Lpunkt> rund(const std::vector<QPointF>& punkte) {
    std::vector<Lpunkt> aus;
    aus.reserve(punkte.size());
    for (QPointF p : punkte) {
        const Lpunkt l = rund(p);
        if (aus.empty() || !(aus.back() == l)) aus.push_back(l);
    }
    return aus;
}

Lrechteck rund(const QRectF& r) {
    const QRectF n = r.normalized();
    const Lpunkt a = rund(n.topLeft()), b = rund(n.bottomRight());
    return {a.x, a.y, b.x, b.y};
}

bool innen(const std::vector<std::vector<QPointF>>& vielecke, const QRectF& r) {
    for (const auto& v : vielecke)
        for (QPointF p : v)
            if (!r.contains(p)) return false;
    return true;
}

std::vector<QPointF> punkte(const QPolygonF& p) {
    return {p.begin(), p.end()};
}

QColor pinselfarbe(const QBrush& b) {
    if (const QGradient* g = b.gradient(); g && !g->stops().isEmpty())
        return g->stops().first().second;
    return b.color();
}

std::uint32_t gdi_stil(Qt::PenStyle s) {
    switch (s) {
    case Qt::DashLine:
    case Qt::CustomDashLine:
        return ps_dash;
    case Qt::DotLine:
        return ps_dot;
    case Qt::DashDotLine:
        return ps_dashdot;
    case Qt::DashDotDotLine:
        return ps_dashdotdot;
    default:
        return ps_solid;
    }
}

} // namespace

Tmetamaler::Tmetamaler(Gdiaufnahme& aufnahme)
    : QPaintEngine(QPaintEngine::AllFeatures), aufnahme_(aufnahme) {}

bool Tmetamaler::begin(QPaintDevice*) {
    setActive(true);
    return true;
}

bool Tmetamaler::end() {
    setActive(false);
    return true;
}

void Tmetamaler::updateState(const QPaintEngineState& zustand) {
    const DirtyFlags f = zustand.state();
    if (f & DirtyPen) pen_ = zustand.pen();
    if (f & DirtyBrush) brush_ = zustand.brush();
    if (f & DirtyFont) font_ = zustand.font();
    if (f & DirtyTransform) transform_ = zustand.transform();
    if (f & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) {
        clip_.reset();
        // Clipping is kept as its bounding rectangle in device pixels.
        if (QPainter* p = painter(); p && p->hasClipping())
            clip_ = p->combinedTransform().map(p->clipPath()).boundingRect();
    }
}

QTransform Tmetamaler::abbildung() const {
    const double k = aufnahme_.einheiten_je_pixel();
    return transform_ * QTransform::fromScale(k, k);
}

std::optional<QRectF> Tmetamaler::rahmen() {
    QRectF r = aufnahme_.schutzrahmen();
    if (clip_) {
        const double k = aufnahme_.einheiten_je_pixel();
        r = r.intersected(QRectF(clip_->topLeft() * k, clip_->size() * k));
        if (r.isEmpty()) return std::nullopt;
    }
    return r;
}

bool Tmetamaler::mit_stift() const {
    return pen_.style() != Qt::NoPen && pen_.color().alpha() != 0;
}

bool Tmetamaler::mit_pinsel() const {
    return brush_.style() != Qt::NoBrush && pinselfarbe(brush_).alpha() != 0;
}

Gdistift Tmetamaler::stift() const {
    Gdistift s;
    if (!mit_stift()) {
        s.art = ps_null;
        s.breite = 0;
        return s;
    }
    // A cosmetic pen is as wide in pixels as it says (at least one); any other is scaled with
    // the drawing, by the mean scale of the transform.
    double pixel = pen_.widthF();
    if (pen_.isCosmetic() || pixel <= 0)
        pixel = std::max(pixel, 1.0);
    else
        pixel *= std::sqrt(std::abs(transform_.determinant()));
    s.breite = std::max<std::int32_t>(
        1, static_cast<std::int32_t>(std::lround(pixel * aufnahme_.einheiten_je_pixel())));
    s.art = gdi_stil(pen_.style());
    s.farbe = pen_.color().rgb();
    s.kappe = pen_.capStyle() == Qt::FlatCap     ? ps_endcap_flat
              : pen_.capStyle() == Qt::SquareCap ? ps_endcap_square
                                                 : ps_endcap_round;
    s.ecke = pen_.joinStyle() == Qt::BevelJoin   ? ps_join_bevel
             : pen_.joinStyle() == Qt::RoundJoin ? ps_join_round
                                                 : ps_join_miter;
    return s;
}

Gdipinsel Tmetamaler::pinsel() const {
    if (!mit_pinsel()) return {true, 0xFFFFFFFF};
    return {false, pinselfarbe(brush_).rgb()};
}

void Tmetamaler::drawLines(const QLineF* linien, int anzahl) {
    const auto r = rahmen();
    if (!r || !mit_stift()) return;
    const QTransform t = abbildung();
    for (int i = 0; i < anzahl; ++i) {
        QPointF a = t.map(linien[i].p1()), b = t.map(linien[i].p2());
        if (!kappe_strecke(a, b, *r)) continue;
        aufnahme_.stift(stift());
        aufnahme_.linie(rund(a), rund(b));
    }
}

void Tmetamaler::linienzug(const std::vector<QPointF>& zug, const QRectF& r) {
    for (const auto& teil : kappe_linienzug(zug, r)) {
        const std::vector<Lpunkt> p = rund(teil);
        if (p.size() < 2) continue;
        aufnahme_.stift(stift());
        aufnahme_.linienzug(p);
    }
}

void Tmetamaler::flaeche(const std::vector<std::vector<QPointF>>& vielecke, bool nonzero,
                         bool umriss, int kurzform, const QRectF& form) {
    const auto r = rahmen();
    if (!r) return;
    const bool fuellen = mit_pinsel();
    umriss = umriss && mit_stift();
    if (!fuellen && !umriss) return;

    if (innen(vielecke, *r)) {
        aufnahme_.stift(umriss ? stift() : Gdistift{ps_null, 0});
        aufnahme_.pinsel(pinsel());
        if (kurzform == 1) {
            aufnahme_.rechteck(rund(form));
        } else if (kurzform == 2) {
            aufnahme_.ellipse(rund(form));
        } else {
            std::vector<std::vector<Lpunkt>> l;
            for (const auto& v : vielecke)
                l.push_back(rund(v));
            aufnahme_.fuellmodus(nonzero);
            aufnahme_.vielecke(l);
        }
        return;
    }
    // Partly outside: the cut area is filled without outline, and the outline is drawn as
    // lines, so that the cut edges do not show as outline.
    if (fuellen) {
        std::vector<std::vector<Lpunkt>> l;
        for (const auto& v : vielecke) {
            const std::vector<Lpunkt> p = rund(kappe_vieleck(v, *r));
            if (p.size() >= 3) l.push_back(p);
        }
        if (!l.empty()) {
            aufnahme_.stift({ps_null, 0});
            aufnahme_.pinsel(pinsel());
            aufnahme_.fuellmodus(nonzero);
            aufnahme_.vielecke(l);
        }
    }
    if (umriss) {
        for (auto v : vielecke) {
            if (v.empty()) continue;
            v.push_back(v.front());
            linienzug(v, *r);
        }
    }
}

void Tmetamaler::drawRects(const QRectF* rechtecke, int anzahl) {
    const QTransform t = abbildung();
    const bool achsen = t.type() <= QTransform::TxScale;
    for (int i = 0; i < anzahl; ++i) {
        const QRectF& q = rechtecke[i];
        const std::vector<QPointF> ecken = {t.map(q.topLeft()), t.map(q.topRight()),
                                            t.map(q.bottomRight()), t.map(q.bottomLeft())};
        flaeche({ecken}, false, true, achsen ? 1 : 0, t.mapRect(rechtecke[i]));
    }
}

void Tmetamaler::drawEllipse(const QRectF& e) {
    const QTransform t = abbildung();
    QPainterPath pfad;
    pfad.addEllipse(e);
    std::vector<std::vector<QPointF>> v;
    for (const QPolygonF& p : pfad.toSubpathPolygons(t))
        v.push_back(punkte(p));
    flaeche(v, false, true, t.type() <= QTransform::TxScale ? 2 : 0, t.mapRect(e));
}

void Tmetamaler::drawPolygon(const QPointF* p, int anzahl, PolygonDrawMode modus) {
    if (anzahl <= 0) return;
    const QTransform t = abbildung();
    std::vector<QPointF> v;
    v.reserve(std::size_t(anzahl));
    for (int i = 0; i < anzahl; ++i)
        v.push_back(t.map(p[i]));
    if (modus == PolylineMode) {
        const auto r = rahmen();
        if (r && mit_stift()) linienzug(v, *r);
        return;
    }
    flaeche({v}, modus == WindingMode, true);
}

// Paths come as polygons: filled as one area, their outlines as lines, so that open subpaths
// are not closed.
void Tmetamaler::drawPath(const QPainterPath& pfad) {
    if (pfad.isEmpty()) return;
    std::vector<std::vector<QPointF>> v;
    bool alle_geschlossen = true;
    for (const QPolygonF& p : pfad.toSubpathPolygons(abbildung())) {
        if (p.size() < 2) continue;
        alle_geschlossen = alle_geschlossen && p.isClosed();
        v.push_back(punkte(p));
    }
    if (v.empty()) return;
    const bool nonzero = pfad.fillRule() == Qt::WindingFill;
    if (mit_pinsel()) flaeche(v, nonzero, alle_geschlossen);
    if (mit_pinsel() && alle_geschlossen) return;
    const auto r = rahmen();
    if (!r || !mit_stift()) return;
    for (const auto& zug : v)
        linienzug(zug, *r);
}

// A point is a line of one logical unit, which the pen's round caps make a dot.
void Tmetamaler::drawPoints(const QPointF* p, int anzahl) {
    const auto r = rahmen();
    if (!r || !mit_stift()) return;
    const QTransform t = abbildung();
    for (int i = 0; i < anzahl; ++i) {
        const QPointF a = t.map(p[i]);
        if (!r->contains(a)) continue;
        aufnahme_.stift(stift());
        aufnahme_.linie(rund(a), rund(a + QPointF(1, 0)));
    }
}

// The text is written at its baseline point with the font's character height, its rotation
// and the advance of every character as Qt measured it, so that pieces set next to each other
// by the text layout stay in place whatever font the player picks.
void Tmetamaler::drawTextItem(const QPointF& p, const QTextItem& item) {
    const QString text = item.text();
    const auto r = rahmen();
    if (text.isEmpty() || !r || !mit_stift()) return;
    const QTransform t = abbildung();
    const QPointF ursprung = t.map(p);
    if (!r->contains(ursprung)) return;

    const QPointF a = t.map(p + QPointF(1, 0)) - ursprung;
    const QPointF b = t.map(p + QPointF(0, 1)) - ursprung;
    const double laengs = std::hypot(a.x(), a.y());
    if (laengs <= 0) return;
    const double quer = std::abs(a.x() * b.y() - a.y() * b.x()) / laengs;

    const QFont f = item.font();
    QPaintDevice* geraet = paintDevice();
    const double em = f.pixelSize() > 0
                          ? f.pixelSize()
                          : f.pointSizeF() * (geraet ? geraet->logicalDpiY() : 96) / 72.0;
    const QFontMetricsF mass = geraet ? QFontMetricsF(f, geraet) : QFontMetricsF(f);

    Gditext g;
    g.ursprung = rund(ursprung);
    g.text = text;
    g.farbe = pen_.color().rgb();
    g.vorschub.assign(std::size_t(text.size()), 0);
    double bisher = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype ende = i + 1;
        if (text[i].isHighSurrogate() && ende < text.size() && text[ende].isLowSurrogate()) ++ende;
        const double x = mass.horizontalAdvance(text.left(ende));
        g.vorschub[std::size_t(i)] =
            static_cast<std::int32_t>(std::lround(x * laengs) - std::lround(bisher * laengs));
        bisher = x;
        i = ende - 1;
    }

    Gdischrift& s = g.schrift;
    s.name = f.families().isEmpty() ? f.family() : f.families().first();
    if (s.name.isEmpty()) s.name = QFontInfo(f).family();
    s.hoehe = -std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(em * quer)));
    const long zehntel = std::lround(std::atan2(-a.y(), a.x()) * 1800.0 / pi);
    s.winkel = static_cast<std::int32_t>(((zehntel % 3600) + 3600) % 3600);
    s.gewicht = std::clamp(static_cast<int>(f.weight()), 1, 1000);
    s.kursiv = f.style() != QFont::StyleNormal;
    s.unterstrichen = f.underline();
    s.durchgestrichen = f.strikeOut();
    aufnahme_.text(g);
}

} // namespace zol
