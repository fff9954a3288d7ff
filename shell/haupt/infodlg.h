#pragma once
// The about window: shown briefly as the start screen, and by "In&fo...".
#include <QDialog>

namespace zol {

class Tinfodlg : public QDialog {
    Q_OBJECT
public:
    // startbild: a frameless start screen without buttons.
    explicit Tinfodlg(QWidget* eltern = nullptr, bool startbild = false);
};

// The program's icon (a drawn coordinate system with a curve).
QIcon programmsymbol();

// The program's version ("0.1.0"), as the build gave it.
QString programmversion();

} // namespace zol
