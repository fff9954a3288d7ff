#pragma once
// "Datenbereich": the range-sum dialog of the spreadsheet. It proposes the marked range and the
// cell below the current one; "Einfügen" hands "=Summe(first:second)" to the spreadsheet for
// that cell. It stays on top of its spreadsheet and does not block it.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zol {

class Tsummedlg : public QDialog {
    Q_OBJECT
public:
    explicit Tsummedlg(QWidget* eltern = nullptr);

    // Fills the fields: names of the range's top-left and bottom-right cells and of the cell
    // that takes the formula.
    void setzeBereich(const QString& erste, const QString& zweite, const QString& ziel);
    QString erste() const;
    QString zweite() const;
    QString ziel() const;
    // "=Summe(" + first + ":" + second + ")"
    QString formel() const;

    QLineEdit* daten1 = nullptr;
    QLineEdit* daten3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Einfuegen = nullptr;
    QPushButton* Schliessen = nullptr;

signals:
    // "Einfügen": the formula for the target cell.
    void einfuegen(const QString& formel, const QString& ziel);

public slots:
    void EinfuegenClick();
    void SchliessenClick();
};

} // namespace zol
