#include "graph/metadatei/kappung.h"

#include <cmath>

namespace zol {

// Liang-Barsky: the segment as a + t (b - a), t in [0, 1], narrowed edge by edge.
bool kappe_strecke(QPointF& a, QPointF& b, const QRectF& rahmen) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    auto grenze = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
        return true;
    };
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    if (!grenze(-dx, a.x() - rahmen.left()) || !grenze(dx, rahmen.right() - a.x()) ||
        !grenze(-dy, a.y() - rahmen.top()) || !grenze(dy, rahmen.bottom() - a.y()))
        return false;
    const QPointF start = a;
    if (t1 < 1) b = start + t1 * QPointF(dx, dy);
    if (t0 > 0) a = start + t0 * QPointF(dx, dy);
    return true;
}

std::vector<std::vector<QPointF>> kappe_linienzug(const std::vector<QPointF>& punkte,
                                                  const QRectF& rahmen) {
    std::vector<std::vector<QPointF>> teile;
    if (punkte.size() == 1 && rahmen.contains(punkte[0])) teile.push_back(punkte);
    std::vector<QPointF> teil;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        QPointF a = punkte[i], b = punkte[i + 1];
        if (!kappe_strecke(a, b, rahmen)) continue;
        // A new piece starts where the line re-enters the rectangle.
        if (!teil.empty() && teil.back() != a) {
            teile.push_back(std::move(teil));
            teil.clear();
        }
        if (teil.empty()) teil.push_back(a);
        teil.push_back(b);
        if (b != punkte[i + 1]) {
            teile.push_back(std::move(teil));
            teil.clear();
        }
    }
    if (!teil.empty()) teile.push_back(std::move(teil));
    return teile;
}

// Sutherland-Hodgman against the four edges in turn.
std::vector<QPointF> kappe_vieleck(const std::vector<QPointF>& punkte, const QRectF& rahmen) {
    std::vector<QPointF> ein = punkte, aus;
    for (int kante = 0; kante < 4 && !ein.empty(); ++kante) {
        auto innen = [&](QPointF p) {
            switch (kante) {
            case 0:
                return p.x() >= rahmen.left();
            case 1:
                return p.x() <= rahmen.right();
            case 2:
                return p.y() >= rahmen.top();
            default:
                return p.y() <= rahmen.bottom();
            }
        };
        auto schnitt = [&](QPointF p, QPointF q) {
            double t = 0;
            switch (kante) {
            case 0:
                t = (rahmen.left() - p.x()) / (q.x() - p.x());
                break;
            case 1:
                t = (rahmen.right() - p.x()) / (q.x() - p.x());
                break;
            case 2:
                t = (rahmen.top() - p.y()) / (q.y() - p.y());
                break;
            default:
                t = (rahmen.bottom() - p.y()) / (q.y() - p.y());
                break;
            }
            return p + t * (q - p);
        };
        aus.clear();
        for (std::size_t i = 0; i < ein.size(); ++i) {
            const QPointF p = ein[i], q = ein[(i + 1) % ein.size()];
            const bool p_innen = innen(p), q_innen = innen(q);
            if (p_innen) aus.push_back(p);
            if (p_innen != q_innen) aus.push_back(schnitt(p, q));
        }
        std::swap(ein, aus);
    }
    if (ein.size() < 3) ein.clear();
    return ein;
}

} // namespace zol
