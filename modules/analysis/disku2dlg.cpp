#include "modules/analysis/disku2dlg.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/reellefunktion.h"
#include "engine/zahlformat.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace zol {

namespace {

// The cell of a definition entered into the project formulas; nullptr when it is refused.
Tfktzelle* eintragen(const QString& definition) {
    Tfktzelle* zelle = nullptr;
    if (!formelbaum().suchezeigerstr(definition.toStdString(), zelle) || zelle == nullptr ||
        !zelle->funktion)
        return nullptr;
    return zelle;
}

// Looked up through the cell at every call: entering a later definition may replace the
// cell's compiled program.
Diskussionsfunktion ueber_zelle(const Tfktzelle* zelle) {
    return [zelle](long double x) {
        Funktionswert w;
        w.gueltig = zelle->funktion->funktionsberechnung(x, w.wert);
        return w;
    };
}

// A function's name as typed ("fkt1" of "fkt1(x)=x^2"), for the generated definition.
std::string name_wie_getippt(const QString& definition, const std::string& gross) {
    return leerzeichenweg(definition.toStdString()).substr(0, gross.size());
}

void leeren(TStringGrid& g, int spalten) {
    g.setColCount(spalten);
    g.setRowCount(g.fixedRows() + 1);
    for (int c = 0; c < g.colCount(); ++c)
        g.setCell(c, g.fixedRows(), QString());
}

} // namespace

QList<QWidget*> Tdisku2dlg::ergebnisanzeigen() const {
    return {StringGrid1, StringGrid2, Label3};
}

void Tdisku2dlg::ergebnisseVerwerfen() {
    leeren(*StringGrid1, 4);
    leeren(*StringGrid2, 2);
}

Zweifunktionenauftrag Tdisku2dlg::auftrag() {
    Zweifunktionenauftrag a;
    a.xmin = xmin->Value();
    a.xmax = xmax->Value();
    a.aufloesung = felder::imBereich(*aufloesung);
    a.grenzen.toleranz = felder::imBereich(*Toleranz);
    a.grenzen.grenze = felder::imBereich(*Iterationmax);
    a.h = felder::imBereich(*deltah);
    a.simpson = felder::imBereich(*simpson);
    a.art = static_cast<Schnittart>(std::clamp(RadioGroup1->itemIndex(), 0, 2));
    return a;
}

void Tdisku2dlg::ablehnen(const QString& text) {
    ergebnisseVerwerfen();
    meldung(QStringLiteral("Fehlerhafte Eingabe:") + text, this);
}

void Tdisku2dlg::rechne() {
    felder::grenzenOrdnen(*xmin, *xmax);
    Label3->clear();
    const Zweifunktionenauftrag a = auftrag();

    // The same name twice would make the second field replace the first: the difference
    // would be 0 everywhere.
    std::string name1, name2, rechts, variable;
    Tfktbaum::aufspalten(Edit1->text().toStdString(), name1, rechts, variable);
    Tfktbaum::aufspalten(Edit2->text().toStdString(), name2, rechts, variable);
    Tfktzelle* erste = eintragen(Edit1->text());
    if (erste == nullptr) return ablehnen(Edit1->text());
    Tfktzelle* zweite = name1 == name2 ? nullptr : eintragen(Edit2->text());
    if (zweite == nullptr) return ablehnen(Edit2->text());
    const QString definition = QString::fromStdString(
        differenzdefinition(name_wie_getippt(Edit1->text(), erste->name),
                            name_wie_getippt(Edit2->text(), zweite->name), a.art));
    Tfktzelle* differenz = eintragen(definition);
    // Refused when a field itself defines "Differenz" (the definition would call itself).
    if (differenz == nullptr || differenz == erste || differenz == zweite)
        return ablehnen(definition);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Zweifunktionenergebnis e =
        zwei_funktionen(ueber_zelle(erste), ueber_zelle(zweite), ueber_zelle(differenz), a);
    ergebnisseSchreiben(e);
    QApplication::restoreOverrideCursor();
    Label3->setText(QString::fromStdString(e.iterationsmeldung));
}

void Tdisku2dlg::ergebnisseSchreiben(const Zweifunktionenergebnis& e) {
    const std::string bild = format().toStdString();
    auto text = [&bild](long double w) { return QString::fromStdString(ergebnistext(bild, w)); };

    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->setColCount(4);
    StringGrid1->setRowCount(static_cast<int>(e.schnittpunkte.size()) + 1);
    if (e.schnittpunkte.empty()) leeren(*StringGrid1, 4);
    StringGrid1->setCell(0, 0, QString());
    StringGrid1->setCell(1, 0, QStringLiteral("x-Wert"));
    StringGrid1->setCell(2, 0, QStringLiteral("y-Wert"));
    StringGrid1->setCell(3, 0, QStringLiteral("Schnittwinkel"));
    for (std::size_t i = 0; i < e.schnittpunkte.size(); ++i) {
        const Schnittpunkt& s = e.schnittpunkte[i];
        const int zeile = static_cast<int>(i) + 1;
        StringGrid1->setCell(0, zeile, QString::number(zeile) + QStringLiteral(".Schnittpunkt"));
        StringGrid1->setCell(1, zeile, text(s.x));
        StringGrid1->setCell(2, zeile, text(s.y));
        StringGrid1->setCell(3, zeile, text(s.winkel));
    }
    StringGrid1->setUpdatesEnabled(true);

    StringGrid2->setColCount(2);
    StringGrid2->setRowCount(static_cast<int>(e.flaechen.size()) + 1);
    StringGrid2->setCell(0, 0, QStringLiteral("Bereich"));
    StringGrid2->setCell(1, 0, QStringLiteral("Fläche"));
    for (std::size_t i = 0; i < e.flaechen.size(); ++i) {
        const Flaeche& f = e.flaechen[i];
        const int zeile = static_cast<int>(i) + 1;
        StringGrid2->setCell(0, zeile,
                             QStringLiteral("[") + text(f.von) + QStringLiteral(",") + text(f.bis) +
                                 QStringLiteral("]"));
        StringGrid2->setCell(1, zeile, text(f.wert));
    }
}

void Tdisku2dlg::zeichnen() {
    Tdialogfkt* fenster = funktionZeichnen(format(), Edit1->text());
    fenster->setzeDefinition(Edit2->text());
    fenster->hinzufuegen();
}

void zweifunktionen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tdisku2dlg"), [] { return new Tdisku2dlg; });
}

} // namespace zol
