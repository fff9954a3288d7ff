#pragma once
// "Dreieck": solves a triangle from three chosen sides and angles, from the coordinates of its
// vertices, or (right angle at C) from two quantities, lists everything in the memo and draws
// the triangle in a new plot window. The arithmetic lives in dreieckrechnung.h.
#include "modules/geometry/dreieckrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

#include <array>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class TextendEdit;
class TRadioGroup;

class TDreieckdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit TDreieckdlg(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }

    // "Rechne": the triangle of the page shown. Impossible data give the messages and an empty
    // memo.
    void rechne() override;
    // "Zeichnen": the last solved triangle as a closed outline in a new plot window with equal
    // units on both axes, its values as free text. Without one: "Keine Werte berechnet!".
    void zeichnen() override;
    // "Neu": the inputs of a new window.
    void neu() override;
    bool laden(const QString& datei) override;

    bool berechnet() const { return loesung_.berechnet; }
    // The plot window the last "Zeichnen" opened, while it lives.
    Tdialogfkt* zeichenfenster() const;

private:
    // Layout (dreieckdlg_aufbau.cpp).
    void aufbauen();
    QWidget* seiteAllgemein();
    QWidget* seiteKoordinaten();
    QWidget* seiteRechtwinklig();
    TRadioGroup* gruppe(int nummer, const QStringList& eintraege, int vorwahl, QWidget* eltern);
    void vorgaben();

    // A group's caption follows its choice; a user's choice already made in another group of
    // the same page is refused.
    void beschriften(int gruppe);
    void gewaehlt(int gruppe);
    // The given quantities of a page with radio groups; false after a message on the choice.
    std::array<long double, dreiecksgroessen> groessenLesen(std::initializer_list<int> gruppen);

    QTabWidget* TabbedNotebook1 = nullptr;
    // RadioGroup1 … RadioGroup5, Label1 … Label5 and extendEdit1 … extendEdit5 at index 0 … 4;
    // extendEdit7 … extendEdit12 (coordinates xA, yA, xB, yB, xC, yC) at index 0 … 5.
    std::array<TRadioGroup*, 5> RadioGroup{};
    std::array<QLabel*, 5> Label{};
    std::array<TextendEdit*, 5> wertfeld{};
    std::array<TextendEdit*, 6> koordinate{};
    QPlainTextEdit* Memo1 = nullptr;
    Dreiecksloesung loesung_;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the triangle window known to projects, menus and batch mode (kind 55).
void dreieck_registrieren();

} // namespace zol
