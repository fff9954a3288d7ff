#pragma once
// Enhanced metafile (EMF): 32-bit coordinates, texts in UTF-16.
#include "graph/metadatei/gdiaufnahme.h"

namespace zol {

class Emfaufnahme : public Gdiaufnahme {
public:
    // A picture of the given pixels at dpi dots per inch.
    Emfaufnahme(QSize pixel, int dpi);

    std::unique_ptr<Gdiaufnahme> klon() const override;

    void linie(Lpunkt a, Lpunkt b) override;
    void linienzug(const std::vector<Lpunkt>& punkte) override;
    void vielecke(const std::vector<std::vector<Lpunkt>>& vielecke) override;
    void ellipse(const Lrechteck& r) override;
    void rechteck(const Lrechteck& r) override;
    void text(const Gditext& t) override;

protected:
    void erzeuge_stift(std::uint32_t nr, const Gdistift& s) override;
    void erzeuge_pinsel(std::uint32_t nr, const Gdipinsel& p) override;
    void erzeuge_schrift(std::uint32_t nr, const Gdischrift& s) override;
    void waehle(std::uint32_t nr) override;
    void loesche(std::uint32_t nr) override;
    void schreibe_textfarbe(QRgb farbe) override;
    void schreibe_fuellmodus(bool nonzero) override;
    void abschliessen() override;
    QByteArray zusammensetzen() const override;

private:
    void einfach(std::uint32_t typ, std::initializer_list<std::int32_t> werte);
    // Device bounds (pixels, inclusive) of logical points.
    Lrechteck grenzen(const std::vector<Lpunkt>& punkte) const;

    QSize pixel_;
    int dpi_;
};

} // namespace zol
