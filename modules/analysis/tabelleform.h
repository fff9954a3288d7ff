#pragma once
// "Tabellenkalkulation": the spreadsheet window. Every cell holds an input text (a number, a
// formula, a range sum or free text); every computed cell becomes a named quantity such as A1
// or C12 in a formula table of this window alone. StringGrid1 shows the display texts, the
// hidden StringGrid2 holds the inputs; the rules live in tabellenrechnung.h.
//
// Other windows hand their result grids over through the frame's "Tabellenkalkulation"
// command: it creates this window and pastes into it (zwischenablage), which grows the grid and
// recalculates the pasted cells.
#include "shell/rahmen/modulfenster.h"

#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;

namespace zol {

class Tdialogfkt;
class Tfktbaum;
class TStringGrid;
class Tsummedlg;
class TTabOptiondlg;
class Tzelleneditor;

class Ttabelleform : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Ttabelleform(QWidget* eltern = nullptr);
    ~Ttabelleform() override;

    // ---- Cells ----
    TStringGrid* ergebnisgitter() const override { return StringGrid1; }
    TStringGrid* anzeigegitter() const { return StringGrid1; }
    TStringGrid* eingabegitter() const { return StringGrid2; }
    // The window's own formula table: one entry per computed cell.
    Tfktbaum& zelltabelle() { return *zellen_; }
    QString eingabe(int spalte, int zeile) const;
    QString anzeige(int spalte, int zeile) const;
    // The current cell, at least (1, 1).
    QPoint aktuelleZelle() const;
    // What accepting the edit line or the cell editor does: the text becomes the cell's input
    // and display text, and the cell is recalculated. A blank text empties the cell.
    void zelleEingeben(int spalte, int zeile, const QString& text);
    // Row and column count, fixed ones included; the headers are rewritten.
    void groesseSetzen(int zeilen, int spalten);

    // ---- Commands ----
    void neu() override;
    void rechne() override;
    void zeichnen() override;
    void formelnAnzeigen();
    void formelEinfuegen();
    void summe();
    // "Einfügen" of the range-sum dialog: the formula goes into the named cell.
    void summeEinfuegen(const QString& formel, const QString& ziel);
    void groesser();
    void kleiner();
    void schriftart();
    void formelnBearbeiten();
    // "Formeln aus der Tabelle in Projektformeln": the transfer dialog on this sheet's table.
    void formelnUebernehmen();
    void einstellungen();
    void alsBitmapKopieren();
    bool alsTextdateiSpeichern();
    bool markiertenBereichSpeichern();
    bool textdateiEinfuegen();
    // Text with TAB-separated cells from the selection's top-left on: with wachsen the grid
    // grows and the pasted cells are recalculated (the clipboard); otherwise what lies outside
    // is dropped and nothing is recalculated (a text file).
    void textEinsetzen(const QString& text, bool wachsen);

    // Clipboard commands on the grid act on both grids; paste grows the grid.
    void zwischenablage(Befehl befehl, QWidget* ziel = nullptr) override;

    Tsummedlg* summendialog() const { return summedlg_; }
    TTabOptiondlg* optionendialog() const { return optiondlg_; }
    // The plot window "Zeichnen" opened last.
    Tdialogfkt* zeichenfenster() const;
    int schriftgroesse() const;

    // ".tab" files: marker, number format, font and size line, component block.
    bool laden(const QString& datei) override;
    bool inDateiSchreiben(const QString& datei) override;

    // ---- Edit line ----
    // Focus arrives: the buttons are enabled and the current cell's input is shown.
    void Edit1Enter();
    // Focus leaves: the text goes into the cell, unless the line was cancelled.
    void Edit1Exit();
    void AnnehmenClick();
    void AbbrechenClick();

    // For the cell editor of the grid.
    QString editortext(int spalte, int zeile);
    void zelleneditorGetippt(const QString& text);

protected:
    void formatAnwenden() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Layout (tabelleform_aufbau.cpp).
    void aufbauen();
    void menuesAufbauen();
    void werkzeugleisteAufbauen();
    QAction* befehl(const char* name, const QString& text, std::function<void()> wirkung);

    // Editing (tabelleform_bearbeiten.cpp).
    void zelleneditorEinsetzen();
    void editorAbkoppeln();
    void zelleGewaehlt(int zeile, int spalte);
    void zeileAuffrischen();
    void zeileUebernehmen();
    void bearbeitungAbschliessen();
    void zelleRechnen(int spalte, int zeile);
    void anzeigenUebernehmen();
    void zoomen(bool groesser);

    // Files (tabelleform_datei.cpp).
    QString einstellungszeile() const;
    void einstellungenLesen(const QString& zeile);
    bool textSpeichern(const QString& titel, const QRect& bereich);
    void bereichLeeren(const QRect& bereich);

    // The hand-over to a new plot window.
    Tdialogfkt* zeichnenUebergeben(const QList<QStringList>& zeilen);

    std::unique_ptr<Tfktbaum> zellen_;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* Annehmen = nullptr;
    QToolButton* Abbrechen = nullptr;
    Tzelleneditor* editor_ = nullptr;
    Tsummedlg* summedlg_ = nullptr;
    TTabOptiondlg* optiondlg_ = nullptr;
    QAction* direktRechnen_ = nullptr;
    QPointer<Tmodulfenster> zeichenfenster_;

    // Edit line: active between entering and leaving; the cell it edits and its input then.
    bool zeileAktiv_ = false;
    bool abgebrochen_ = false;
    QPoint zeileZelle_{1, 1};
    QString zeileVorher_;
    // Text the next cell editor opens with instead of the input ("Formel einfügen").
    QString editorVorgabe_;
    bool editorVorgabeGesetzt_ = false;
    bool fertig_ = false; // constructed: a new number format recalculates
    bool laedt_ = false;
};

// Makes the spreadsheet known to projects, menus and the hand-overs (kind 20).
void tabelle_registrieren();

} // namespace zol
