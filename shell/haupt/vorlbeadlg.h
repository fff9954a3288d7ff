#pragma once
// "Vorlagen bearbeiten": edits the outline of lesson templates and writes it back to the
// user's "Lektion/lekt.out".
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zol {

class TMainForm;

class Tvorlbeadlg : public QDialog {
    Q_OBJECT
public:
    explicit Tvorlbeadlg(TMainForm& haupt);

    // "Vorlagen als Projekt laden": templates open as projects, keeping their names.
    bool alsProjekt() const;

    // The entry the two fields make: the description, then the project name in parentheses.
    QString eintragstext() const;

    void GleicheEbeneClick();
    void UntergeordneteEbeneClick();
    void ErsetzenClick();
    void BearbeitenClick();
    void AktuellesProjektClick();
    void LoeschenClick();
    void VorherigerClick();
    void NaechsterClick();
    // OK: writes the outline; false (after a message) when it cannot be written.
    bool speichern();
    // OK writes the outline first and stays open if that fails.
    void accept() override;

    QTreeWidget* gliederung() const { return Outline1; }
    QLineEdit* beschreibung() const { return Edit1; }
    QLineEdit* projektname() const { return Edit2; }
    QCheckBox* alsProjektFeld() const { return CheckBox1; }

    // Loads the outline from the index file, expanded, the first entry selected.
    void laden();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void waehlen(QTreeWidgetItem* eintrag);
    void schritt(int richtung);

    TMainForm& haupt_;
    QTreeWidget* Outline1 = nullptr;
    QLineEdit* Edit1 = nullptr; // description
    QLineEdit* Edit2 = nullptr; // project name
    QCheckBox* CheckBox1 = nullptr;
};

} // namespace zol
