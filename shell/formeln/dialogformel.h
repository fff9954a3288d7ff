#pragma once
// "Projektformeln bearbeiten": the modal editor of the project formulas. It owns the formula
// table of the whole program (see formelbaum.h).
#include <QDialog>
#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

namespace zol {

class Tfktbaum;

inline constexpr int hilfekontext_projektformeln = 120;

class Tdialogformel : public QDialog {
    Q_OBJECT
public:
    // Created on first use (with the formula table), lives until the program ends.
    static Tdialogformel& instanz();

    explicit Tdialogformel(QWidget* eltern = nullptr);
    ~Tdialogformel() override;

    // The project formulas.
    Tfktbaum& projekttabelle() { return *formelbaum_; }
    // The table being edited: the project formulas, or another one during bearbeiten().
    Tfktbaum& tabelle() { return *tabelle_; }
    // Runs the dialog modally on another table (a spreadsheet's cells), then returns to the
    // project formulas.
    int bearbeiten(Tfktbaum& andere);

signals:
    // "Hilfe" was pressed. The help itself opens through hilfe_anzeigen (programmhaken.h);
    // this only tells observers.
    void hilfeAngefordert(int kontext);

public slots:
    // Lists the formulas and the values of the constants in the current number format.
    void aktualisieren();

    void DefinierenClick();
    void TasteClick();
    void ListBox3Click(QListWidgetItem* item);
    void ListBox4Click(QListWidgetItem* item);
    void LoeschenClick();
    void LoeschenalleClick();
    void zeigeformelClick();
    void FormeldateioeffnenClick();
    void EinfuegenClick();
    void AlleeinfuegenClick();
    void SpeichernunterClick();
    void ZahlenformatClick();
    void HilfeClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* seite_eingeben();
    QWidget* seite_importieren();
    QWidget* seite_berechnen();
    // Replaces the field's selection (kept while another control has the focus) by text.
    void einsetzen(const QString& text);

    std::unique_ptr<Tfktbaum> formelbaum_;
    Tfktbaum* tabelle_;

    QTabWidget* seiten_ = nullptr;
    QLineEdit* Edit1 = nullptr;
    QListWidget* zeigeformel = nullptr;
    QListWidget* ListBox1 = nullptr; // values of the constants
    QListWidget* listbox2 = nullptr; // lines of a formula file
    QListWidget* ListBox3 = nullptr; // function names
    QListWidget* ListBox4 = nullptr; // examples

    // Selection of Edit1 when it last lost the focus, valid while its text is unchanged.
    struct Auswahl {
        QString text;
        int anfang = -1;
        int laenge = 0;
    } auswahl_;
};

} // namespace zol
