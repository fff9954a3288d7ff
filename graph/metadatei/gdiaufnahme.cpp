#include "graph/metadatei/gdiaufnahme.h"

#include <algorithm>

namespace zol {

QRectF Gdiaufnahme::schutzrahmen() const {
    return QRectF(bild_.links, bild_.oben, bild_.rechts - bild_.links, bild_.unten - bild_.oben);
}

void Gdiaufnahme::satz(const Bytefolge& r) {
    saetze_.bytes(r.daten());
    ++anzahl_;
    groesster_ = std::max(groesster_, r.groesse());
}

std::uint32_t Gdiaufnahme::neue_nummer() {
    if (belegt_.size() < erste_nummer_) belegt_.resize(erste_nummer_, true);
    auto frei = std::find(belegt_.begin() + erste_nummer_, belegt_.end(), false);
    const auto nr = static_cast<std::uint32_t>(frei - belegt_.begin());
    if (frei == belegt_.end())
        belegt_.push_back(true);
    else
        *frei = true;
    tabelle_max_ = std::max(tabelle_max_, nr + 1);
    return nr;
}

void Gdiaufnahme::freigeben(std::uint32_t nr) {
    loesche(nr);
    belegt_[nr] = false;
}

// The new object is selected before the old one is deleted: GDI does not delete an object
// while it is selected.
template <class T>
void Gdiaufnahme::ersetze(std::optional<T>& aktuell, std::uint32_t& nr, const T& neu) {
    if (aktuell && *aktuell == neu) return;
    const std::uint32_t neue = neue_nummer();
    erzeuge(neue, neu);
    waehle(neue);
    if (aktuell) freigeben(nr);
    aktuell = neu;
    nr = neue;
}

void Gdiaufnahme::stift(const Gdistift& s) {
    ersetze(auswahl_.stift, auswahl_.stift_nr, s);
}

void Gdiaufnahme::pinsel(const Gdipinsel& p) {
    ersetze(auswahl_.pinsel, auswahl_.pinsel_nr, p);
}

void Gdiaufnahme::schrift(const Gdischrift& s) {
    ersetze(auswahl_.schrift, auswahl_.schrift_nr, s);
}

void Gdiaufnahme::textfarbe(QRgb farbe) {
    farbe &= 0x00FFFFFF;
    if (textfarbe_ == farbe) return;
    schreibe_textfarbe(farbe);
    textfarbe_ = farbe;
}

void Gdiaufnahme::fuellmodus(bool nonzero) {
    if (nonzero_ == nonzero) return;
    schreibe_fuellmodus(nonzero);
    nonzero_ = nonzero;
}

void Gdiaufnahme::alle_loeschen() {
    if (auswahl_.stift) freigeben(auswahl_.stift_nr);
    if (auswahl_.pinsel) freigeben(auswahl_.pinsel_nr);
    if (auswahl_.schrift) freigeben(auswahl_.schrift_nr);
    auswahl_ = {};
}

QByteArray Gdiaufnahme::daten() const {
    std::unique_ptr<Gdiaufnahme> ende = klon();
    ende->abschliessen();
    return ende->zusammensetzen();
}

} // namespace zol
