#pragma once
// "Linien und Farben": the user picks pen style, pen width and colour. The caller hands its pen
// in, shows the dialog modally and on OK takes the pen back.
#include "graph/zeichenmittel.h"

#include <QDialog>

class QListWidget;

namespace zol {

class Tfarbgitter;
class Tlinienvorschau;

class Tliniedlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int stilzahl = 5;     // line, small/large circle, small/large square
    static constexpr int breitenzahl = 25; // widths 1 to 25

    explicit Tliniedlg(QWidget* eltern = nullptr);

    // The pen shown in the preview; the lists and the grid mark its style, width and colour.
    void setze_stift(const Tstift& stift);
    Tstift stift() const { return stift_; }
    // The background colour chosen in the grid (the fill of markers).
    QColor pinselfarbe() const { return pinsel_; }

    // Shows the dialog modally on the pen; true and the new pen on OK, the pen unchanged on
    // Cancel.
    static bool bearbeite(Tstift& stift, QWidget* eltern = nullptr);

private:
    void stil_gewaehlt(int zeile);
    void breite_gewaehlt(int zeile);
    void vorschau();

    Tstift stift_;
    QColor pinsel_ = Qt::white;
    QListWidget* linienart_ = nullptr;
    QListWidget* stiftbreite_ = nullptr;
    Tfarbgitter* farbe_ = nullptr;
    Tlinienvorschau* image1_ = nullptr;
};

} // namespace zol
