// Page "Tabellen" of the plot window: the point grid, its table files (".dat") and the value
// table files (".wer") it can read.
#include "graph/grafiktexte.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <string>

namespace zol {

namespace {

const QStringList tabellenfilter = {QStringLiteral("Daten (*.dat)"),
                                    QStringLiteral("Wertetabelle (*.wer)")};

int erste_zeile_mit(const QStringList& zeilen, const char* marke, int ab) {
    for (int i = std::max(ab, 0); i < zeilen.size(); ++i)
        if (zeilen[i].contains(QLatin1String(marke))) return i;
    return -1;
}

} // namespace

void Tdialogfkt::tabellenzeilenSetzen(int anzahl) {
    anzahl = std::clamp(anzahl, 1, max_werte);
    if (StringGrid2->rowCount() != anzahl + 1) StringGrid2->setRowCount(anzahl + 1);
    tabellenkopf();
}

void Tdialogfkt::tabellenkopf() {
    StringGrid2->setCell(1, 0, QStringLiteral("x-Wert"));
    StringGrid2->setCell(2, 0, QStringLiteral("y-Wert"));
    for (int r = 1; r < StringGrid2->rowCount(); ++r)
        StringGrid2->setCell(0, r, QString::fromStdString(std::to_string(r)));
}

// "DATEN_ANFANG", one line per data row (its fields joined by TAB), "DATEN_ENDE".
QStringList Tdialogfkt::tabellentext(const QList<QStringList>& zeilen) {
    QStringList text{QString::fromLatin1(grafiktexte::daten_anfang)};
    for (const QStringList& z : zeilen)
        text << z.join(QLatin1Char('\t'));
    text << QString::fromLatin1(grafiktexte::daten_ende);
    return text;
}

// The data rows with columns 1 to the last.
QStringList Tdialogfkt::tabellenzeilen() const {
    QList<QStringList> zeilen;
    zeilen.reserve(StringGrid2->rowCount());
    for (int r = 1; r < StringGrid2->rowCount(); ++r) {
        QStringList zellen;
        for (int c = 1; c < StringGrid2->colCount(); ++c)
            zellen << StringGrid2->cell(c, r);
        zeilen << zellen;
    }
    return tabellentext(zeilen);
}

bool Tdialogfkt::tabelleSchreiben(const QString& datei) {
    return zeilen_schreiben(datei, tabellenzeilen(), this);
}

bool Tdialogfkt::tabelleSpeichern() {
    const QString datei = edit5->text().trimmed();
    if (datei.isEmpty()) return tabelleSpeichernUnter();
    return tabelleSchreiben(datei);
}

bool Tdialogfkt::tabelleSpeichernUnter() {
    const QString datei = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Speichern unter"), {tabellenfilter.first()}, QStringLiteral("dat"),
        edit5->text().trimmed());
    if (datei.isEmpty()) return false;
    edit5->setText(datei);
    return tabelleSchreiben(datei);
}

void Tdialogfkt::tabelleOeffnen() {
    const QString datei = Meldungsdienst::aktuell().datei_oeffnen(
        this, QStringLiteral("Öffnen"), tabellenfilter, QStringLiteral("dat"));
    if (!datei.isEmpty()) tabelleLaden(datei);
}

// A table file fills the grid from the lines between its markers, one field per column. A value
// table file has a header line after the marker and the row number in front of every line; both
// are left out. The grid changes only when the file was read.
bool Tdialogfkt::tabelleLaden(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toUpper();
    const bool wertetabelle = endung == QLatin1String("WER");
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    const int anfang = erste_zeile_mit(zeilen, grafiktexte::daten_anfang, 0);
    const int ende = erste_zeile_mit(zeilen, grafiktexte::daten_ende, anfang + 1);
    if (anfang < 0 || ende < 0) {
        meldung(QStringLiteral("Datei kann nicht geladen werden."), this);
        return false;
    }
    QList<QStringList> werte;
    for (int i = anfang + 1 + (wertetabelle ? 1 : 0); i < ende; ++i) {
        QStringList felder = zeilen[i].split(QLatin1Char('\t'));
        if (wertetabelle) felder.removeFirst();
        werte << felder;
    }
    if (werte.isEmpty()) {
        meldung(QStringLiteral("Die Datei enthält keine Werte."), this);
        return false;
    }
    if (werte.size() > max_werte) {
        meldung(QStringLiteral("Die Tabelle kann höchstens %1 Werte aufnehmen.").arg(max_werte),
                this);
        return false;
    }
    setzeTabelle(wertetabelle ? edit5->text() : datei, werte);
    return true;
}

void Tdialogfkt::setzeTabelle(const QString& datei, const QList<QStringList>& zeilen) {
    edit5->setText(datei);
    if (zeilen.size() > max_werte)
        meldung(QStringLiteral("Es werden nur die ersten %1 Werte gezeichnet.").arg(max_werte),
                this);
    const int anzahl = std::clamp(static_cast<int>(zeilen.size()), 1, max_werte);
    int spalten = 3;
    for (const QStringList& z : zeilen)
        spalten = std::max(spalten, static_cast<int>(z.size()) + 1);
    // Tens of thousands of cells: one repaint at the end instead of one per cell.
    StringGrid2->setUpdatesEnabled(false);
    StringGrid2->clearContents();
    StringGrid2->setColCount(spalten);
    spineditin1->setValue(anzahl);
    tabellenzeilenSetzen(anzahl);
    for (int r = 0; r < anzahl && r < zeilen.size(); ++r)
        for (int c = 0; c < zeilen[r].size(); ++c)
            StringGrid2->setCell(c + 1, r + 1, zeilen[r][c]);
    StringGrid2->setUpdatesEnabled(true);
    waehleFunktionsseite(seite_tabelle);
}

} // namespace zol
