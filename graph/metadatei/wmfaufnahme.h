#pragma once
// Windows metafile (WMF) with the placeable header: 16-bit coordinates, texts in Windows-1252.
#include "graph/metadatei/gdiaufnahme.h"

namespace zol {

class Wmfaufnahme : public Gdiaufnahme {
public:
    // A picture of the given pixels at dpi dots per inch.
    Wmfaufnahme(QSize pixel, int dpi);

    std::unique_ptr<Gdiaufnahme> klon() const override;

    // Logical units per inch, as the placeable header states it.
    int einheiten_je_zoll() const { return je_zoll_; }

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
    Wmfaufnahme(Lrechteck bild, int je_zoll, int dpi);
    static int je_zoll_fuer(QSize pixel, int dpi);
    static Lrechteck bild_fuer(QSize pixel, int je_zoll, int dpi);
    void einfach(std::uint16_t funktion, std::initializer_list<std::int32_t> worte);
    void rechteckssatz(std::uint16_t funktion, const Lrechteck& r);
    void textlauf(Lpunkt ursprung, const QByteArray& bytes, const std::vector<std::int32_t>& dx);

    int je_zoll_;
};

} // namespace zol
