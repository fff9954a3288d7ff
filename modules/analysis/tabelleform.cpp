#include "modules/analysis/tabelleform.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "modules/analysis/tabellegitter.h"
#include "modules/analysis/tabellenrechnung.h"
#include "modules/analysis/tabelleoptiondlg.h"
#include "modules/analysis/tabellesummedlg.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/expfordlg.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QFontDialog>
#include <QHeaderView>
#include <QLineEdit>

namespace zol {

namespace {

QString name_von(int spalte, int zeile) {
    return QString::fromStdString(zellname(spalte, zeile));
}

} // namespace

Ttabelleform::Ttabelleform(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Ttabelleform"), eltern), zellen_(std::make_unique<Tfktbaum>()) {
    aufbauen();
    zelleneditorEinsetzen();
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int zeile, int spalte, int, int) { zelleGewaehlt(zeile, spalte); });
    menuesAufbauen();
    werkzeugleisteAufbauen();
    summedlg_ = new Tsummedlg(this);
    connect(summedlg_, &Tsummedlg::einfuegen, this, &Ttabelleform::summeEinfuegen);
    optiondlg_ = new TTabOptiondlg(this);
    setzeFormat(QStringLiteral("0.000"));
    StringGrid1->setCurrentCell(1, 1);
    zelleGewaehlt(1, 1);
    resize(760, 560);
    StringGrid1->setFocus();
    fertig_ = true;
}

Ttabelleform::~Ttabelleform() {
    // The grids and the cell editor outlive this part of the window while it is torn down.
    editorAbkoppeln();
    StringGrid1->disconnect(this);
    Edit1->removeEventFilter(this);
}

QString Ttabelleform::eingabe(int spalte, int zeile) const {
    return StringGrid2->cell(spalte, zeile);
}

QString Ttabelleform::anzeige(int spalte, int zeile) const {
    return StringGrid1->cell(spalte, zeile);
}

QPoint Ttabelleform::aktuelleZelle() const {
    return QPoint(std::max(StringGrid1->currentColumn(), 1),
                  std::max(StringGrid1->currentRow(), 1));
}

Tdialogfkt* Ttabelleform::zeichenfenster() const {
    return qobject_cast<Tdialogfkt*>(zeichenfenster_.data());
}

int Ttabelleform::schriftgroesse() const {
    const int punkte = StringGrid1->font().pointSize();
    return punkte > 0 ? punkte : 10;
}

void Ttabelleform::groesseSetzen(int zeilen, int spalten) {
    bearbeitungAbschliessen();
    const QPoint z = aktuelleZelle();
    gittergroesse_setzen(*StringGrid1, zeilen, spalten);
    gittergroesse_setzen(*StringGrid2, zeilen, spalten);
    kopfzeilen_schreiben(*StringGrid1);
    kopfzeilen_schreiben(*StringGrid2);
    StringGrid1->setRowHidden(0, true);
    StringGrid1->setColumnHidden(0, true);
    StringGrid1->setCurrentCell(std::min(z.y(), StringGrid1->rowCount() - 1),
                                std::min(z.x(), StringGrid1->colCount() - 1));
    zeileAuffrischen();
}

// "Neu": an empty sheet of the same size. The cell table goes too, so no formula finds values
// of cells that are no longer there.
void Ttabelleform::neu() {
    bearbeitungAbschliessen();
    StringGrid1->clearContents();
    StringGrid2->clearContents();
    kopfzeilen_schreiben(*StringGrid1);
    kopfzeilen_schreiben(*StringGrid2);
    zellen_->alle_loeschen();
    zeileAuffrischen();
}

void Ttabelleform::rechne() {
    bearbeitungAbschliessen();
    anzeigenUebernehmen();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StringGrid1->setUpdatesEnabled(false);
    Gitterpaar blatt(*StringGrid1, *StringGrid2);
    blatt_rechnen(*zellen_, blatt, format().toStdString());
    StringGrid1->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    zeileAuffrischen();
}

void Ttabelleform::formelnAnzeigen() {
    bearbeitungAbschliessen();
    Gitterpaar blatt(*StringGrid1, *StringGrid2);
    formeln_anzeigen(blatt);
}

// A new number format shows at once.
void Ttabelleform::formatAnwenden() {
    Tmodulfenster::formatAnwenden();
    if (fertig_ && !laedt_) rechne();
}

void Ttabelleform::formelEinfuegen() {
    bearbeitungAbschliessen();
    QString formel;
    if (!formel_waehlen(formel) || formel.trimmed().isEmpty()) return;
    const QPoint z = aktuelleZelle();
    StringGrid1->setCell(z.x(), z.y(), formel);
    // The cell editor opens with the formula, so Enter takes it over.
    editorVorgabe_ = formel;
    editorVorgabeGesetzt_ = true;
    StringGrid1->setCurrentCell(z.y(), z.x());
    StringGrid1->setFocus();
    StringGrid1->editItem(StringGrid1->item(z.y(), z.x()));
}

void Ttabelleform::summe() {
    bearbeitungAbschliessen();
    const QRect a = StringGrid1->auswahl();
    const QPoint z = aktuelleZelle();
    summedlg_->setzeBereich(name_von(a.left(), a.top()), name_von(a.right(), a.bottom()),
                            name_von(z.x(), z.y() + 1));
    summedlg_->show();
    summedlg_->raise();
}

void Ttabelleform::summeEinfuegen(const QString& formel, const QString& ziel) {
    int spalte = 0, zeile = 0;
    if (!zellbezug(gross(ziel.trimmed().toStdString()), spalte, zeile) || spalte < 1 || zeile < 1 ||
        spalte >= StringGrid1->colCount() || zeile >= StringGrid1->rowCount()) {
        meldung(QStringLiteral("Die Zelle \"%1\" gibt es in dieser Tabelle nicht.").arg(ziel),
                this);
        return;
    }
    StringGrid2->setCell(spalte, zeile, formel);
    StringGrid1->setCell(spalte, zeile, formel);
    zelleRechnen(spalte, zeile);
    zeileAuffrischen();
}

void Ttabelleform::groesser() {
    zoomen(true);
}

void Ttabelleform::kleiner() {
    zoomen(false);
}

// Font size, every column width and every row height by the same factor.
void Ttabelleform::zoomen(bool groesser) {
    const int faktor = zoomfaktor(schriftgroesse(), groesser);
    if (faktor == 0) return;
    QFont schrift = StringGrid1->font();
    schrift.setPointSize(std::max(gezoomt(schriftgroesse(), faktor), 1));
    StringGrid1->setFont(schrift);
    // A new default size resizes every section, so the widths and heights are taken first.
    QList<int> breiten, hoehen;
    for (int c = 0; c < StringGrid1->colCount(); ++c)
        breiten << StringGrid1->columnWidth(c);
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        hoehen << StringGrid1->rowHeight(r);
    QHeaderView* spalten = StringGrid1->horizontalHeader();
    QHeaderView* zeilen = StringGrid1->verticalHeader();
    spalten->setDefaultSectionSize(gezoomt(spalten->defaultSectionSize(), faktor));
    zeilen->setMinimumSectionSize(std::min(zeilen->minimumSectionSize(), 4));
    zeilen->setDefaultSectionSize(gezoomt(zeilen->defaultSectionSize(), faktor));
    for (int c = 0; c < breiten.size(); ++c)
        StringGrid1->setColumnWidth(c, gezoomt(breiten[c], faktor));
    for (int r = 0; r < hoehen.size(); ++r)
        StringGrid1->setRowHeight(r, gezoomt(hoehen[r], faktor));
}

void Ttabelleform::schriftart() {
    bool ok = false;
    const QFont schrift = QFontDialog::getFont(&ok, StringGrid1->font(), this);
    if (ok) StringGrid1->setFont(schrift);
}

// The dialog of the project formulas, on this sheet's own table.
void Ttabelleform::formelnBearbeiten() {
    bearbeitungAbschliessen();
    Tdialogformel::instanz().bearbeiten(*zellen_);
}

void Ttabelleform::formelnUebernehmen() {
    bearbeitungAbschliessen();
    Texpfordlg& dialog = Texpfordlg::instanz();
    if (dialog.isVisible()) return;
    dialog.setze_quelle(zellen_.get());
    dialog.exec();
}

void Ttabelleform::einstellungen() {
    int zeilen = StringGrid1->rowCount();
    int spalten = StringGrid1->colCount();
    if (optiondlg_->ausfuehren(zeilen, spalten)) groesseSetzen(zeilen, spalten);
}

void Ttabelleform::zeichnen() {
    bearbeitungAbschliessen();
    const QRect a = StringGrid1->auswahl();
    const std::string fehler = zeichnen_pruefen({a.left(), a.top(), a.right(), a.bottom()});
    if (!fehler.empty()) {
        meldung(QString::fromStdString(fehler), this);
        return;
    }
    QList<QStringList> zeilen;
    for (int r = a.top(); r <= a.bottom(); ++r)
        zeilen << QStringList{StringGrid1->cell(a.left(), r), StringGrid1->cell(a.right(), r)};
    zeichenfenster_ = zeichnenUebergeben(zeilen);
}

// A new plot window draws the two columns as points: its table page gets the rows, the
// function pen is dotted while "Hinzufügen" runs and solid afterwards.
Tdialogfkt* Ttabelleform::zeichnenUebergeben(const QList<QStringList>& zeilen) {
    Tdialogfkt* fenster = neuesZeichenfenster(format());
    punkteZeichnen(*fenster, QStringLiteral("tabelle.dat"), zeilen, stil_kleiner_kreis);
    return fenster;
}

void tabelle_registrieren() {
    fensterart_registrieren(QStringLiteral("Ttabelleform"), [] { return new Ttabelleform; });
}

} // namespace zol
