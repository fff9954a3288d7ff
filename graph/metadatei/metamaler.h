#pragma once
// The paint engine of Tmetadatei: turns what QPainter draws (lines, polylines, polygons,
// rectangles, ellipses, paths, text) into GDI operations in the file's logical units, with the
// painter's transform, pen, brush, font and clip rectangle applied. Pictures are left out.
#include "graph/metadatei/gdiaufnahme.h"

#include <QBrush>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>

#include <optional>

namespace zol {

class Tmetamaler : public QPaintEngine {
public:
    explicit Tmetamaler(Gdiaufnahme& aufnahme);

    bool begin(QPaintDevice* geraet) override;
    bool end() override;
    void updateState(const QPaintEngineState& zustand) override;

    void drawLines(const QLineF* linien, int anzahl) override;
    void drawRects(const QRectF* rechtecke, int anzahl) override;
    void drawEllipse(const QRectF& r) override;
    void drawPath(const QPainterPath& pfad) override;
    void drawPoints(const QPointF* punkte, int anzahl) override;
    void drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode modus) override;
    void drawTextItem(const QPointF& p, const QTextItem& text) override;
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    Type type() const override { return QPaintEngine::User; }

private:
    // Device pixels to logical units of the file.
    QTransform abbildung() const;
    // Where drawings may go: the stored range, narrowed by the painter's clip.
    std::optional<QRectF> rahmen();
    Gdistift stift() const;
    Gdipinsel pinsel() const;
    bool mit_stift() const;
    bool mit_pinsel() const;

    void linienzug(const std::vector<QPointF>& punkte, const QRectF& r);
    // Closed areas; kurzform writes the shape as rectangle (1) or ellipse (2) record when it
    // lies wholly inside the frame.
    void flaeche(const std::vector<std::vector<QPointF>>& vielecke, bool nonzero, bool umriss,
                 int kurzform = 0, const QRectF& form = {});

    Gdiaufnahme& aufnahme_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    QTransform transform_;
    std::optional<QRectF> clip_; // in device pixels
};

} // namespace zol
