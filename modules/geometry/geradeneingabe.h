#pragma once
// The input of a straight line in space, shared by the space geometry windows ("Punkt - Gerade",
// "Gerade-Gerade", "Ebene - Gerade"): a notebook with the page "2 Punkte" (P1, P2) and the page
// "Gerade" (X = A + l·u), every coordinate a decimal field of its own, each point laid out as a
// column in brackets.
//
// The window chooses the object names (its data files and batch users know the fields by them),
// the captions and the direction of the conversion; the widget builds the pages and converts.
// Use:
//
//     Geradenvorgabe v;
//     v.notizbuch = "TabbedNotebook2";
//     v.p1 = {35, 36, 37}; v.p2 = {38, 39, 40}; v.a = {7, 8, 9}; v.u = {32, 33, 34};
//     v.richtung = Geradenvorgabe::Richtung::p1_minus_p2;
//     auto* eingabe = new Tgeradeneingabe(v, gruppe);
//     for (QWidget* w : eingabe->komponenten()) komponente(w);   // in the window's constructor
//     ...
//     const Gerade3 g = eingabe->gerade(format());                // in rechne()
//
// gerade() never shows a message: a zero direction is the window's computation to refuse.
#include "modules/geometry/raumrechnung.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QTabWidget;

namespace zol {

class Tergebnisfeld;
class TextendEdit;

struct Geradenvorgabe {
    // How "2 Punkte" becomes the line form: always A := P1, and u := P2 − P1 or P1 − P2.
    enum class Richtung { p2_minus_p1, p1_minus_p2 };

    QString notizbuch = QStringLiteral("TabbedNotebook1"); // object name of the notebook
    // Numbers NN of the fields "extendEditNN" (x1, x2, x3 of each point or vector).
    std::array<int, 3> p1{};
    std::array<int, 3> p2{};
    std::array<int, 3> a{};
    std::array<int, 3> u{};
    // Captions in front of the columns.
    QString text_p1 = QStringLiteral("P1  =");
    QString text_p2 = QStringLiteral("P2  =");
    QString text_x = QStringLiteral("X  =");
    QString text_l = QStringLiteral("+ l");
    Richtung richtung = Richtung::p2_minus_p1;
    // The page shown at first: 0 "2 Punkte", 1 "Gerade".
    int startseite = 1;
};

class Tgeradeneingabe : public QWidget {
    Q_OBJECT
public:
    static constexpr int seite_2punkte = 0;
    static constexpr int seite_gerade = 1;

    explicit Tgeradeneingabe(const Geradenvorgabe& vorgabe, QWidget* eltern = nullptr);

    QTabWidget* notizbuch() const { return notizbuch_; }
    // What a data file holds of the input, in file order: the notebook (its page), then P1, P2,
    // A and u, three fields each.
    QList<QWidget*> komponenten() const;

    // The line as the computation takes it. Every field read is first brought into its range.
    // With the page "2 Punkte" shown, A := P1 and u := the difference are written into the
    // fields of the page "Gerade" in the number format bild (so the user sees the converted form
    // there), and the unrounded values are returned.
    Gerade3 gerade(const QString& bild);
    // The page "Gerade" as it stands, without converting.
    Gerade3 geradenform() const;

    // The fields of a point or vector: 0 P1, 1 P2, 2 A, 3 u.
    const std::array<TextendEdit*, 3>& felder(int welche) const { return felder_[welche]; }

private:
    QWidget* seite(int erster, const QString& text1, const QString& zwischen, int zweiter,
                   const QString& text2);

    Geradenvorgabe vorgabe_;
    QTabWidget* notizbuch_ = nullptr;
    std::array<std::array<TextendEdit*, 3>, 4> felder_{};
};

// Three fields as a column vector: the fields one below the other between tall round brackets.
// Shared by every window that shows a point or vector of space.
QWidget* vektorspalte(QWidget* x1, QWidget* x2, QWidget* x3, QWidget* eltern);
template <class Feld> QWidget* vektorspalte(const std::array<Feld*, 3>& f, QWidget* eltern) {
    return vektorspalte(f[0], f[1], f[2], eltern);
}
// The three fields "extendEditNN" of a point or vector, with the numbers in nummern: input
// fields (default 0, keeping what the user typed) or read-only result fields.
std::array<TextendEdit*, 3> eingabespalte(const std::array<int, 3>& nummern, QWidget* eltern);
std::array<Tergebnisfeld*, 3> ergebnisspalte(const std::array<int, 3>& nummern, QWidget* eltern);
// The values of three input fields, each first brought into its range.
Vektor3 vektor_lesen(const std::array<TextendEdit*, 3>& felder);
// Writes a point or vector into input fields in the number format bild (a converted form the
// user reads).
void vektor_schreiben(const std::array<TextendEdit*, 3>& felder, Vektor3 wert, const QString& bild);
// Shows a result point or vector ("n. d." for a component that is not finite).
void vektor_zeigen(const std::array<Tergebnisfeld*, 3>& felder, Vektor3 wert);
// The point as text "(2,00;2,00;2,00)" from the fields' texts, for result lines.
QString vektortext(const std::array<Tergebnisfeld*, 3>& felder);

} // namespace zol
