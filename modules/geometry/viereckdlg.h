#pragma once
// "Vierecke": a square from one given quantity, a rectangle from two, with sides, diagonal,
// perimeter, area and circle radii in the memo. The arithmetic lives in viereckrechnung.h.
#include "shell/rahmen/modulfenster.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace zol {

class TextendEdit;
class TRadioGroup;

class Tviereckdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tviereckdlg(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }

    // "Rechne": the figure of the page shown; data that admit none give a message and an
    // empty memo.
    void rechne() override;
    void neu() override;
    bool laden(const QString& datei) override;

private:
    QWidget* seiteQuadrat();
    QWidget* seiteRechteck();
    TRadioGroup* gruppe(int nummer, const QString& titel, const QStringList& eintraege, int vorwahl,
                        QWidget* eltern);
    void vorgaben();
    // A group's caption follows its choice; a user's choice of the other rectangle group's
    // quantity is refused.
    void beschriften(int gruppe);
    void gewaehlt(int gruppe);

    QTabWidget* TabbedNotebook1 = nullptr;
    // RadioGroup1 … 3, their captions and extendEdit1 … 3 at index 0 … 2.
    std::array<TRadioGroup*, 3> RadioGroup{};
    std::array<QLabel*, 3> Label{};
    std::array<TextendEdit*, 3> wertfeld{};
    QPlainTextEdit* Memo1 = nullptr;
};

// Makes the quadrilaterals window known to projects, menus and batch mode (kind 60).
void vierecke_registrieren();

} // namespace zol
