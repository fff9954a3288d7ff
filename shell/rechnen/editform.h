#pragma once
// "Rechnen": the free-text calculator. In direct mode Enter computes or defines the current
// line; in program mode the whole text runs once and its outputs go to a new window.
#include "shell/rahmen/modulfenster.h"

class QAction;
class QPlainTextEdit;
class QToolButton;

namespace zol {

class TEditForm : public Tmodulfenster {
    Q_OBJECT
public:
    explicit TEditForm(QWidget* eltern = nullptr);

    // 1 direct mode, 0 program mode.
    int modus() const { return modus_; }
    void setzeModus(int modus);
    QPlainTextEdit* memo() const { return Memo1; }
    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    QList<QWidget*> ergebnisanzeigen() const override;

    // ".ref" files are window files; any other extension is the text alone.
    bool laden(const QString& datei) override;
    bool inDateiSchreiben(const QString& datei) override;

    QStringList speichernFilter() const override;

    // A new calculation window with the picture last confirmed in the number-format dialog.
    void neu() override;
    // Program mode: runs the text; the output window it opened, if any.
    TEditForm* programmStarten();
    void formelnAusgeben();
    // Direct mode: handles the line holding the caret as if Enter had been pressed there.
    void direktzeileAusfuehren();

protected:
    // Prints the lines of the text in the text's font.
    void drucken() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void menuesAufbauen();
    void werkzeugleisteAufbauen();
    void schriftWaehlen();
    void raenderSetzen();
    QString einstellungszeile() const;
    void einstellungenLesen(const QString& zeile);

    QPlainTextEdit* Memo1;
    int modus_ = 1;
    QAction* programmStarten_ = nullptr;
    QAction* direktModus_ = nullptr;
    QAction* programmModus_ = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPointer<TEditForm> ausgabe_;
};

// Makes the calculation window known to projects, menus and batch mode (kind 5).
void editform_registrieren();

} // namespace zol
