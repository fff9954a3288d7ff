#pragma once
// The number-format dialog "Zahlenformat": one instance for the whole program.
#include <QDialog>
#include <QString>

class QComboBox;
class QListWidget;
class QGroupBox;
class QRadioButton;

namespace zol {

class Tzahlenform : public QDialog {
    Q_OBJECT
public:
    // The picture confirmed last ("0.00E-0" after creation) and the confirmed angle unit
    // (1 radians, 2 degrees, 3 grads) with the one chosen but not yet confirmed.
    QString format = QStringLiteral("0.00E-0");
    int winkelmodus = 1;
    int winkelmodus_neu = 1;

    // Created on first use, lives until the program ends.
    static Tzahlenform& instanz();

    explicit Tzahlenform(QWidget* eltern = nullptr);
};

// The window side: the window's picture goes in, the dialog runs modally, and only OK copies
// the new picture back. True on OK.
bool zahlenformat_waehlen(QString& format, QWidget* eltern = nullptr);

} // namespace zol
