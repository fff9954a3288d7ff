#pragma once
// The input of a plane in space, shared by the plane windows ("Ebenengleichung", "Punkt - Ebene ",
// "Ebene - Gerade", "Schnitt zwischen Ebenen"): a notebook with one page per form of the plane,
//   "Parameterform"   X = A + l·u + m·v
//   "Normalenform"    [X − P]·n = 0
//   "Koordinatenform" a x1 + b x2 + c x3 + d = 0 (captioned "Hesseform" in "Ebenengleichung")
//   "3 Punkte"        P1, P2, P3
// every coordinate a decimal field "extendEditNN" of its own. The fields are numbered from
// Ebenenvorgabe::erste on in the order of the pages and, on a page, from left to right (each
// point or vector x1, x2, x3), 28 in all.
//
//     Ebenenvorgabe v;                     // "TabbedNotebook1", fields extendEdit1..28
//     auto* eingabe = new Tebeneneingabe(v, gruppe);
//     for (QWidget* w : eingabe->komponenten()) komponente(w);   // in the window's constructor
//     const Koordinatenebene e = eingabe->ebene(format());        // in rechne()
//
// ebene() never shows a message: a plane without a normal is the window's computation to refuse.
#include "modules/geometry/ebenenrechnung.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QTabWidget;

namespace zol {

class TextendEdit;

enum class Ebenenform { parameter, normale, koordinaten, punkte };

struct Ebenenvorgabe {
    QString notizbuch = QStringLiteral("TabbedNotebook1"); // object name of the notebook
    int erste = 1;                                         // NN of the first field
    // The page order of "Ebenengleichung": "3 Punkte", "Parameterform", "Normalenform",
    // "Hesseform"; otherwise "Parameterform", "Normalenform", "Koordinatenform", "3 Punkte".
    bool ebenengleichung = false;
};

class Tebeneneingabe : public QWidget {
    Q_OBJECT
public:
    explicit Tebeneneingabe(const Ebenenvorgabe& vorgabe, QWidget* eltern = nullptr);

    QTabWidget* notizbuch() const { return notizbuch_; }
    // What a data file holds of the input, in file order: the notebook (its page), then the
    // fields in the order of their numbers.
    QList<QWidget*> komponenten() const;

    // The form of the page shown, and the page of a form.
    Ebenenform form() const;
    int seite(Ebenenform form) const;

    // A page's values as they stand; every field read is first brought into its range.
    Dreipunkteebene punkte() const;
    Parameterebene parameterform() const;
    Normalenebene normalenform() const;
    Koordinatenebene koordinatenform() const;

    // The plane in coordinate form from the page shown: "3 Punkte" goes through the parametric
    // and the normal form, "Parameterform" through the normal form. Each converted form is
    // written into its page in the number format bild (so the user sees it there); the result
    // is computed from the unrounded values.
    Koordinatenebene ebene(const QString& bild);

    // The fields of a page in the order of their numbers (9, 6, 4 or 9).
    QList<TextendEdit*> felder(Ebenenform form) const;

private:
    QWidget* parameterseite();
    QWidget* normalenseite();
    QWidget* koordinatenseite();
    QWidget* punkteseite();
    std::array<TextendEdit*, 3> spalte();
    TextendEdit* einzelfeld();

    Ebenenvorgabe vorgabe_;
    QTabWidget* notizbuch_ = nullptr;
    int naechste_ = 0; // the number of the next field built
    QList<Ebenenform> seiten_;
    std::array<std::array<TextendEdit*, 3>, 3> parameter_{}; // A, u, v
    std::array<std::array<TextendEdit*, 3>, 2> normale_{};   // P, n
    std::array<TextendEdit*, 4> koordinaten_{};              // a, b, c, d
    std::array<std::array<TextendEdit*, 3>, 3> punkte_{};    // P1, P2, P3
};

} // namespace zol
