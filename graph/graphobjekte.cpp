#include "graph/graphobjekte.h"

#include <QDataStream>
#include <QPainter>

#include <algorithm>

namespace zol {

namespace {

void rechteck_schreiben(QDataStream& s, const Trechteck& r) {
    s << qint32(r.x1) << qint32(r.y1) << qint32(r.x2) << qint32(r.y2);
}

QPointF malpunkt(std::int32_t x, std::int32_t y) {
    return {double(std::clamp(x, -seitengrenze, seitengrenze)),
            double(std::clamp(y, -seitengrenze, seitengrenze))};
}

QPointF malpunkt(Tpunkt p) {
    return malpunkt(p.x, p.y);
}

void griff(QPainter& maler, std::int64_t x, std::int64_t y) {
    maler.drawRect(QRectF(double(x) - 10, double(y) - 10, 20, 20));
}

} // namespace

bool tGraphObject::lade(QDataStream& strom) {
    strom.setByteOrder(QDataStream::LittleEndian);
    quint8 k = 0;
    qint32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    strom >> k >> x1 >> y1 >> x2 >> y2;
    if (strom.status() != QDataStream::Ok || k != art) return false;
    rect = {x1, y1, x2, y2};
    return true;
}

void tGraphObject::speichere(QDataStream& strom) const {
    strom.setByteOrder(QDataStream::LittleEndian);
    strom << quint8(art);
    rechteck_schreiben(strom, rect);
}

bool tGraphObject::liegtin(const Trechteck& r) const {
    const Trechteck n = r.normalisiert();
    return n.enthaelt({rect.x1, rect.y1}) && n.enthaelt({rect.x2, rect.y2});
}

bool tGraphObject::trifft(Tpunkt p) const {
    const Trechteck n = rect.normalisiert();
    const std::int64_t x = p.x, y = p.y;
    return x >= std::int64_t(n.x1) - 15 && x <= std::int64_t(n.x2) + 15 &&
           y >= std::int64_t(n.y1) - 15 && y <= std::int64_t(n.y2) + 15;
}

// --- Tline

void Tline::zeichne(QPainter& maler) {
    maler.save();
    setze_pinsel(maler, pinsel);
    maler.setPen(malstift(maler, stift));
    maler.drawLine(malpunkt(rect.x1, rect.y1), malpunkt(rect.x2, rect.y2));
    if (ausgewaehlt) {
        griff(maler, rect.x1, rect.y1);
        griff(maler, rect.x2, rect.y2);
        griff(maler, (std::int64_t(rect.x1) + rect.x2) / 2, (std::int64_t(rect.y1) + rect.y2) / 2);
    }
    maler.restore();
}

void Tline::zeichneziehen(const Trechteck& r, QPainter& maler) {
    if (ziehmodus == 0) {
        rect = r;
    } else if (ziehmodus == 1) {
        const std::int64_t dx = std::int64_t(r.x2) - r.x1, dy = std::int64_t(r.y2) - r.y1;
        auto schieben = [](std::int32_t& k, std::int64_t d) {
            k = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(k + d, -seitengrenze, seitengrenze));
        };
        schieben(rect.x1, dx);
        schieben(rect.x2, dx);
        schieben(rect.y1, dy);
        schieben(rect.y2, dy);
    }
    maler.save();
    maler.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    maler.setPen(malstift(maler, Tstift{Qt::red, stift.breite, stil_linie}, true));
    maler.drawLine(malpunkt(rect.x1, rect.y1), malpunkt(rect.x2, rect.y2));
    maler.restore();
}

bool Tline::trifftgriff(Tpunkt p) {
    const std::int64_t mx = (std::int64_t(rect.x1) + rect.x2) / 2;
    const std::int64_t my = (std::int64_t(rect.y1) + rect.y2) / 2;
    const bool getroffen = std::abs(p.x - mx) <= 10 && std::abs(p.y - my) <= 10;
    ziehmodus = getroffen ? 1 : 0;
    return getroffen;
}

// --- Tpolyline

void Tpolyline::setze_punkte(std::span<const Tpunkt> p) {
    anzahl = static_cast<std::int32_t>(std::min<std::size_t>(p.size(), max_punkte));
    std::copy_n(p.begin(), anzahl, punkte.begin());
    std::fill(punkte.begin() + anzahl, punkte.end(), Tpunkt{});
    if (anzahl == 0) return;
    Trechteck r{punkte[0].x, punkte[0].y, punkte[0].x, punkte[0].y};
    for (int i = 1; i < anzahl; ++i) {
        r.x1 = std::min(r.x1, punkte[i].x);
        r.y1 = std::min(r.y1, punkte[i].y);
        r.x2 = std::max(r.x2, punkte[i].x);
        r.y2 = std::max(r.y2, punkte[i].y);
    }
    rect = r;
}

bool Tpolyline::lade(QDataStream& strom) {
    if (!tGraphObject::lade(strom)) return false;
    std::array<Tpunkt, max_punkte> neu{};
    for (Tpunkt& p : neu) {
        qint32 x = 0, y = 0;
        strom >> x >> y;
        p = {x, y};
    }
    qint32 n = 0;
    strom >> n;
    if (strom.status() != QDataStream::Ok || n < 0 || n > max_punkte) return false;
    punkte = neu;
    anzahl = n;
    return true;
}

void Tpolyline::speichere(QDataStream& strom) const {
    tGraphObject::speichere(strom);
    for (const Tpunkt& p : punkte)
        strom << qint32(p.x) << qint32(p.y);
    strom << qint32(anzahl);
}

void Tpolyline::zeichne(QPainter& maler) {
    if (anzahl <= 0) return;
    const int n = std::min<int>(anzahl, max_punkte);
    const int marke = stift.stil & 0x7F;
    if (stift.stil != stil_linie && (marke < 1 || marke > 4)) return;
    maler.save();
    setze_pinsel(maler, pinsel);
    if (stift.stil == stil_linie) {
        maler.setPen(malstift(maler, stift));
        std::vector<QPointF> zug(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            zug[static_cast<std::size_t>(i)] = malpunkt(punkte[static_cast<std::size_t>(i)]);
        maler.drawPolyline(zug.data(), n);
    } else {
        maler.setPen(malstift(maler, stift, true));
        const double r = (marke == 1 || marke == 3) ? 5.0 : 10.0;
        const bool kreis = marke <= 2;
        for (int i = 0; i < n; ++i) {
            const QPointF m = malpunkt(punkte[static_cast<std::size_t>(i)]);
            if (kreis)
                maler.drawEllipse(m, r, r);
            else
                maler.drawRect(QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r));
        }
    }
    maler.restore();
}

std::unique_ptr<tGraphObject> graphobjekt_fuer_art(std::uint8_t art) {
    switch (art) {
    case art_linie:
        return std::make_unique<Tline>();
    case art_linienzug:
        return std::make_unique<Tpolyline>();
    case art_text:
        return std::make_unique<Ttext>();
    default:
        return nullptr;
    }
}

} // namespace zol
