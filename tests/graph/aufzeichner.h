#pragma once
// A paint device that records what a QPainter asks of it, so drawing can be checked by its
// primitives rather than by pixels.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygonF>
#include <QRectF>
#include <QTextItem>

#include <vector>

namespace zol::test {

class Aufzeichnung : public QPaintEngine {
public:
    std::vector<QLineF> linien;
    std::vector<QRectF> rechtecke;
    std::vector<QRectF> ellipsen;
    std::vector<QPolygonF> zuege;
    std::vector<QString> texte;

    Aufzeichnung() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawLines(const QLineF* l, int n) override { linien.insert(linien.end(), l, l + n); }
    void drawRects(const QRectF* r, int n) override { rechtecke.insert(rechtecke.end(), r, r + n); }
    void drawEllipse(const QRectF& r) override { ellipsen.push_back(r); }
    void drawPolygon(const QPointF* p, int n, PolygonDrawMode modus) override {
        if (modus == PolylineMode) zuege.emplace_back(QList<QPointF>(p, p + n));
    }
    void drawTextItem(const QPointF&, const QTextItem& t) override { texte.push_back(t.text()); }
};

class Aufzeichner : public QPaintDevice {
public:
    Aufzeichnung aufzeichnung;
    QPaintEngine* paintEngine() const override { return const_cast<Aufzeichnung*>(&aufzeichnung); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 10000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 1000;
        }
    }
};

} // namespace zol::test
