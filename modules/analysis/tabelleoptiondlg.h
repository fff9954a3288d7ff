#pragma once
// "Optionen": row and column count of the spreadsheet, fixed ones included, 2 to 1000 each.
#include <QDialog>

class QPushButton;

namespace zol {

class Tspineditin;

class TTabOptiondlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int minimum = 2;
    static constexpr int maximum = 1000;

    explicit TTabOptiondlg(QWidget* eltern = nullptr);

    // Shows the counts, runs the dialog modally; on OK the chosen counts come back and the
    // result is true.
    bool ausfuehren(int& zeilen, int& spalten);

    Tspineditin* spineditin1 = nullptr; // "Anzahl der Zeilen"
    Tspineditin* spineditin2 = nullptr; // "Anzahl der Spalten"
    QPushButton* OKButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;
};

} // namespace zol
