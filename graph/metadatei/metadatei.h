#pragma once
// A paint device that records what a QPainter draws as a Windows metafile: a plain metafile
// (WMF, with the placeable header) or an enhanced metafile (EMF). The picture is breite x hoehe
// pixels at a resolution in dots per inch, and the file states that size, so players show it
// at the same physical size as a bitmap of those pixels at that resolution. The background is
// left empty.
//
// Drawing uses the painter's transform, pen (colour, width, solid/dash/dot/dash-dot), brush
// (solid or none), font (family, size, bold, italic, rotation, colour) and clip rectangle.
// Bitmaps drawn into the device are left out.
#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

namespace zol {

class Gdiaufnahme;
class Tmetamaler;

enum class Metaformat {
    wmf, // plain metafile, 16-bit coordinates, Windows-1252 texts
    emf, // enhanced metafile, 32-bit coordinates, UTF-16 texts
};

class Tmetadatei : public QPaintDevice {
public:
    static constexpr int standard_dpi = 96;
    static constexpr int min_dpi = 72;
    static constexpr int max_dpi = 9600;
    static constexpr int max_pixel = 1'000'000;

    // Sizes are cut to 1 ... max_pixel, the resolution to min_dpi ... max_dpi.
    Tmetadatei(Metaformat format, QSize pixel, int dpi = standard_dpi);
    ~Tmetadatei() override;
    Tmetadatei(const Tmetadatei&) = delete;
    Tmetadatei& operator=(const Tmetadatei&) = delete;

    Metaformat format() const { return format_; }
    QSize groesse() const { return pixel_; }
    int aufloesung() const { return dpi_; }

    QPaintEngine* paintEngine() const override;

    // The whole file as drawn so far (painting may go on afterwards).
    QByteArray daten() const;
    // Writes the file through a temporary file that replaces the target only when complete,
    // so a failed save leaves an existing file as it was. False on failure.
    bool speichern(const QString& datei) const;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    Metaformat format_;
    QSize pixel_;
    int dpi_;
    std::unique_ptr<Gdiaufnahme> aufnahme_;
    std::unique_ptr<Tmetamaler> maler_;
};

} // namespace zol
