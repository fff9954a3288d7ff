#include "shell/rahmen/felder.h"

#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QCheckBox>

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

bool grenzenOrdnen(TSpinEditex& kleinster, TSpinEditex& groesster) {
    const long double a = kleinster.Value(), b = groesster.Value();
    if (!(b < a)) return false;
    kleinster.setValue(b);
    groesster.setValue(a);
    return true;
}

} // namespace zol::felder
