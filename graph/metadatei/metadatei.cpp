#include "graph/metadatei/metadatei.h"

#include "graph/metadatei/emfaufnahme.h"
#include "graph/metadatei/metamaler.h"
#include "graph/metadatei/wmfaufnahme.h"

#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

std::unique_ptr<Gdiaufnahme> neue_aufnahme(Metaformat format, QSize pixel, int dpi) {
    if (format == Metaformat::wmf) return std::make_unique<Wmfaufnahme>(pixel, dpi);
    return std::make_unique<Emfaufnahme>(pixel, dpi);
}

} // namespace

Tmetadatei::Tmetadatei(Metaformat format, QSize pixel, int dpi)
    : format_(format),
      pixel_(std::clamp(pixel.width(), 1, max_pixel), std::clamp(pixel.height(), 1, max_pixel)),
      dpi_(std::clamp(dpi, min_dpi, max_dpi)), aufnahme_(neue_aufnahme(format_, pixel_, dpi_)),
      maler_(std::make_unique<Tmetamaler>(*aufnahme_)) {}

Tmetadatei::~Tmetadatei() = default;

QPaintEngine* Tmetadatei::paintEngine() const {
    return maler_.get();
}

QByteArray Tmetadatei::daten() const {
    return aufnahme_->daten();
}

bool Tmetadatei::speichern(const QString& datei) const {
    const QByteArray bytes = daten();
    QSaveFile f(datei);
    // Unbuffered, so that a short write (disk full, file size limit) shows in the count written;
    // through the buffer Qt would commit the shortened file.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        f.commit(); // removes the temporary file
        return false;
    }
    return f.commit();
}

int Tmetadatei::metric(PaintDeviceMetric m) const {
    auto mm = [this](int pixel) { return int(std::lround(pixel * 25.4 / dpi_)); };
    switch (m) {
    case PdmWidth:
        return pixel_.width();
    case PdmHeight:
        return pixel_.height();
    case PdmWidthMM:
        return mm(pixel_.width());
    case PdmHeightMM:
        return mm(pixel_.height());
    case PdmNumColors:
        return 0xFFFFFF;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(m);
    }
}

} // namespace zol
