#pragma once
// "Formeln aus der Tabelle in Projektformeln": copies formulas of another formula table (a
// spreadsheet's cells) into the project formulas.
#include <QDialog>

class QListWidget;

namespace zol {

class Tfktbaum;

class Texpfordlg : public QDialog {
    Q_OBJECT
public:
    static Texpfordlg& instanz();
    explicit Texpfordlg(QWidget* eltern = nullptr);

    // The table to copy from, set before the dialog is shown. Hiding the dialog forgets it, so
    // a table released later is never touched.
    void setze_quelle(Tfktbaum* quelle);
    Tfktbaum* quelle() const { return quelle_; }

public slots:
    // Fills both lists: the source formulas and the project formulas.
    void aktualisieren();
    void UebernehmenClick();
    void AlleuebernehmenClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void projektformeln_zeigen();

    Tfktbaum* quelle_ = nullptr;
    QListWidget* listbox2 = nullptr;    // source formulas
    QListWidget* zeigeformel = nullptr; // project formulas
};

} // namespace zol
