#pragma once
// "Abbildungen": maps a list of plane points by a translation, a reflection (in the origin, a
// point, an axis or a line), a rotation or a central dilation, lists the images beside the
// points and draws both in a new plot window. The arithmetic lives in abbildungsrechnung.h.
#include "modules/geometry/abbildungsrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

#include <array>

class QLabel;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class TextendEdit;
class TRadioGroup;
class Tspineditin;
class TStringGrid;

class Tabbilddlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tabbilddlg(QWidget* eltern = nullptr);

    TStringGrid* ergebnisgitter() const override { return StringGrid2; }
    TStringGrid* punktgitter() const { return StringGrid1; }

    // "Rechne": the mapping of the page shown applied to every point; the images go into the
    // same rows of StringGrid2. A cell that is no number, or a line that two equal points
    // cannot fix, is reported and empties the images.
    void rechne() override;
    // "Zeichnen": computes, then hands the points ("urbild.dat") and their images ("bild.dat")
    // to a new plot window whose range shows them all. Without points it says so.
    void zeichnen() override;
    // "Ergebnis->Eingabe": the images become the points, so mappings can be chained.
    void ergebnisAlsEingabe();
    // The plot window the last "Zeichnen" opened, while it lives.
    Tdialogfkt* zeichenfenster() const;

    bool laden(const QString& datei) override;

private:
    // Layout (abbilddlg_aufbau.cpp).
    void aufbauen();
    QWidget* seiteVerschiebung();
    QWidget* seiteSpiegelung();
    QWidget* seiteDrehung();
    QWidget* seiteStreckung();
    // The captions of the reflection's value fields for the button chosen; unused fields hide.
    void spiegelbeschriftung(int art);

    // Both grids for n points; typed values stay, empty cells get "0".
    void gitterAnpassen(int n);
    // The mapping of the page shown; false after a message.
    bool abbildungLesen(Ebenenabbildung& abbildung);
    // The points of StringGrid1; false after the message naming a bad cell.
    bool punkteLesen(std::vector<Vektor2>& punkte);
    bool berechnen();

    Tspineditin* spineditin1 = nullptr;
    // The image grid holds the images of the points: "0" cells a new or loaded window shows
    // are no results, and "Ergebnis->Eingabe" must not copy them over the user's points.
    bool bilderBerechnet_ = false;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    QTabWidget* Note = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    // extendEdit1 … extendEdit12 at index 0 … 11.
    std::array<TextendEdit*, 12> extendEdit{};
    // Reflection captions: the heading of the first and of the second point, and the labels of
    // extendEdit3, extendEdit5, extendEdit6, extendEdit4.
    QLabel* punkt1titel = nullptr;
    QLabel* punkt2titel = nullptr;
    std::array<QLabel*, 4> spiegelfeldtitel{};
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the mappings window known to projects, menus and batch mode (kind 190).
void abbildungen_registrieren();

} // namespace zol
