#pragma once
// "Formel auswählen": a window asks the user for one project formula and puts its text into
// its own formula field.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zol {

class Teinffordlg : public QDialog {
    Q_OBJECT
public:
    static Teinffordlg& instanz();
    explicit Teinffordlg(QWidget* eltern = nullptr);

    // The chosen formula (the read-only field Edit1).
    QString formel() const;

public slots:
    void aktualisieren();
    void zeigeformelClick();
    void BearbeitenClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    QListWidget* zeigeformel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* einfuegen_ = nullptr;
};

// The window side: shows the picker modally; on "Formel einfügen" the chosen text goes into
// ziel and the result is true.
bool formel_waehlen(QString& ziel);

} // namespace zol
