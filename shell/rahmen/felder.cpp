#include "shell/rahmen/felder.h"

#include "engine/zahlengitter.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QCheckBox>

#include <algorithm>

namespace zol::felder {

TSpinEditex* bereichsfeld(const char* name, long double wert, QWidget* eltern) {
    auto* f = new TSpinEditex(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(-1e60L);
    f->setMaxValue(1e60L);
    f->setIncrement(1);
    f->setValue(wert);
    f->setMinimumWidth(zahlbreite);
    return f;
}

TlongintEdit* ganzfeld(const char* name, qint32 wert, qint32 min, qint32 max, QWidget* eltern) {
    auto* f = new TlongintEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(min);
    f->setMaxValue(max);
    f->setValue(wert);
    f->setMaximumWidth(zahlbreite);
    return f;
}

TextendEdit* dezimalfeld(const char* name, long double wert, long double min, long double max,
                         const QString& bild, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(min);
    f->setMaxValue(max);
    f->setFormatstr(bild);
    f->setValue(wert);
    f->setMaximumWidth(zahlbreite);
    return f;
}

QCheckBox* kaestchen(const char* name, const QString& text, bool an, QWidget* eltern) {
    auto* k = new QCheckBox(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setChecked(an);
    return k;
}

TStringGrid* ergebnisgitter(const char* name, int spaltenbreite, int spalten, int zeilen,
                            QWidget* eltern) {
    auto* g = new TStringGrid(eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setDefaultColWidth(spaltenbreite);
    g->setDefaultRowHeight(24);
    g->setColCount(spalten);
    g->setRowCount(zeilen);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return g;
}

Tergebnisfeld* ergebnisfeld(const char* name, QWidget* eltern) {
    auto* f = new Tergebnisfeld(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinimumWidth(zahlbreite);
    return f;
}

TStringGrid* eingabegitter(const char* name, int spaltenbreite, int spalten, int zeilen,
                           QWidget* eltern) {
    TStringGrid* g = ergebnisgitter(name, spaltenbreite, spalten, zeilen, eltern);
    // Typing into a cell starts editing it, as in a spreadsheet; moving alone does not.
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    g->setTabKeyNavigation(true);
    eingabegroesse(*g, spalten, zeilen);
    return g;
}

void eingabegroesse(TStringGrid& gitter, int spalten, int zeilen) {
    spalten = std::max(spalten, gitter.fixedCols() + 1);
    zeilen = std::max(zeilen, gitter.fixedRows() + 1);
    gitter.setUpdatesEnabled(false);
    if (gitter.colCount() != spalten) gitter.setColCount(spalten);
    if (gitter.rowCount() != zeilen) gitter.setRowCount(zeilen);
    for (int c = gitter.fixedCols(); c < spalten; ++c)
        for (int r = gitter.fixedRows(); r < zeilen; ++r)
            if (gitter.cell(c, r).isEmpty()) gitter.setCell(c, r, QStringLiteral("0"));
    gitter.setUpdatesEnabled(true);
}

void nullSetzen(TStringGrid& gitter) {
    gitter.setUpdatesEnabled(false);
    for (int c = gitter.fixedCols(); c < gitter.colCount(); ++c)
        for (int r = gitter.fixedRows(); r < gitter.rowCount(); ++r)
            gitter.setCell(c, r, QStringLiteral("0"));
    gitter.setUpdatesEnabled(true);
}

void kopfzeile(TStringGrid& gitter, const QStringList& koepfe) {
    for (int c = 1; c < gitter.colCount(); ++c)
        gitter.setCell(c, 0, c - 1 < koepfe.size() ? koepfe[c - 1] : QString());
}

void zeilennummern(TStringGrid& gitter) {
    for (int r = 1; r < gitter.rowCount(); ++r)
        gitter.setCell(0, r, QString::number(r));
}

void groesseFolgen(Tspineditin& feld, std::function<void(int)> anpassen) {
    QObject::connect(&feld, &Tspinbasis::textChanged, &feld,
                     [&feld, anpassen] { anpassen(begrenzterWert(feld)); });
    anpassen(begrenzterWert(feld));
}

bool gitterLesen(const TStringGrid& gitter, const QRect& bereich,
                 std::vector<std::vector<long double>>& werte, QWidget* fenster,
                 const QString& matrix) {
    Gitterstelle fehler;
    const bool ok = zahlengitter_lesen(
        bereich.left(), bereich.width(), bereich.top(), bereich.height(),
        [&gitter](int c, int r) { return gitter.cell(c, r).toStdString(); }, werte, fehler);
    if (!ok)
        meldung(QString::fromStdString(gitterfehlertext(fehler, matrix.toStdString())), fenster);
    return ok;
}

long double imBereich(TextendEdit& feld) {
    const long double w = feld.Value();
    // Written so that NaN counts as outside.
    if (!(w >= feld.MinValue() && w <= feld.MaxValue())) feld.setValue(w);
    return feld.Value();
}

qint32 imBereich(TlongintEdit& feld) {
    const qint32 n = feld.Value();
    if (n < feld.MinValue() || n > feld.MaxValue()) feld.setValue(n);
    return feld.Value();
}

qint32 verwendeterWert(TlongintEdit& feld) {
    const qint32 n = imBereich(feld);
    if (feld.text() != QString::number(n)) feld.setValue(n);
    return n;
}

qint32 begrenzterWert(const Tspineditin& feld) {
    const qint32 n = feld.Value();
    if (feld.MinValue() == feld.MaxValue()) return n;
    return eingabe::begrenzt(n, feld.MinValue(), feld.MaxValue());
}

qint32 imBereich(Tspineditin& feld) {
    const qint32 n = feld.Value();
    if (n != begrenzterWert(feld)) feld.setValue(n);
    return feld.Value();
}

long double imBereich(TSpinEditex& feld) {
    const long double w = feld.Value();
    if (feld.MinValue() == feld.MaxValue()) return w;
    if (!(w >= feld.MinValue() && w <= feld.MaxValue())) feld.setValue(w);
    return feld.Value();
}

bool grenzenOrdnen(TSpinEditex& kleinster, TSpinEditex& groesster) {
    const long double a = kleinster.Value(), b = groesster.Value();
    if (!(b < a)) return false;
    kleinster.setValue(b);
    groesster.setValue(a);
    return true;
}

} // namespace zol::felder
