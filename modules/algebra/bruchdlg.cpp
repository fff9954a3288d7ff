#include "modules/algebra/bruchdlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"

#include <QCheckBox>
#include <QTabWidget>

namespace zol {

bruch::Bruch Tbruchdlg::lesen(Operand& o) {
    bruch::Bruch b;
    b.ganze = felder::verwendeterWert(*o.ganze);
    b.zaehler = felder::verwendeterWert(*o.zaehler);
    b.nenner = felder::verwendeterWert(*o.nenner);
    return b;
}

bool Tbruchdlg::abgleichen(Operand& o, int seite) {
    if (seite == 1) {
        const long double x = felder::imBereich(*o.dezimal);
        // The grey third state of "Unendliche Zahl" counts as not checked.
        const bool unendlich = o.unendlich->checkState() == Qt::Checked;
        bruch::Bruch b;
        if (!bruch::aus_dezimal(x, bruch::toleranz(unendlich), b)) {
            meldung(QString::fromUtf8(bruch::meldung_dezimal_zu_gross), this);
            return false;
        }
        o.ganze->setValue(static_cast<qint32>(b.ganze));
        o.zaehler->setValue(static_cast<qint32>(b.zaehler));
        o.nenner->setValue(static_cast<qint32>(b.nenner));
        o.wert = x;
    } else {
        o.wert = bruch::wert(lesen(o));
        o.dezimal->setValue(o.wert);
    }
    return true;
}

bool Tbruchdlg::abgleichen(int seite1, int seite2) {
    return abgleichen(op2_, seite2) && abgleichen(op1_, seite1);
}

void Tbruchdlg::operation(bruch::Rechenart op) {
    if (!abgleichen(op1_.seiten->currentIndex(), op2_.seiten->currentIndex())) return;
    const bruch::Rechnung r =
        bruch::rechnung(lesen(op1_), op1_.wert, op, lesen(op2_), op2_.wert, format().toStdString());
    switch (r.status) {
    case bruch::Status::nenner_null:
        meldung(QString::fromUtf8(bruch::meldung_nenner_null), this);
        return;
    case bruch::Status::zu_gross:
        meldung(QString::fromUtf8(bruch::meldung_zu_gross), this);
        return;
    case bruch::Status::ok:
        break;
    }
    ergebnis_ = r.ergebnis;
    txtshape1->setText(QString::fromStdString(r.brueche));
    txtshape2->setText(QString::fromStdString(r.dezimal));
}

// The setters keep each value inside its field's range; a result always fits, since larger
// ones are refused.
void Tbruchdlg::ergebnisNachBruch(int operand) {
    Operand& o = operand == 1 ? op1_ : op2_;
    o.ganze->setValue(static_cast<qint32>(ergebnis_.ganze));
    o.zaehler->setValue(static_cast<qint32>(ergebnis_.zaehler));
    o.nenner->setValue(static_cast<qint32>(ergebnis_.nenner));
}

QList<QWidget*> Tbruchdlg::ergebnisanzeigen() const {
    return {txtshape1, txtshape2};
}

void Tbruchdlg::zusatzSpeichern(QStringList& zeilen) const {
    zeilen << txtshape1->text() << txtshape2->text();
}

void Tbruchdlg::zusatzLaden(const QStringList& zeilen, int& index) {
    if (index < zeilen.size()) txtshape1->setText(zeilen[index++]);
    if (index < zeilen.size()) txtshape2->setText(zeilen[index++]);
}

void Tbruchdlg::formatAnwenden() {
    for (const Operand* o : {&op1_, &op2_}) {
        TextendEdit* feld = o->dezimal;
        if (feld == nullptr || feld->Formatstr() == format()) continue;
        const QString text = feld->text();
        feld->setFormatstr(format());
        if (laedtGerade()) feld->setText(text);
    }
}

void bruchrechnung_registrieren() {
    fensterart_registrieren(QStringLiteral("Tbruchdlg"), [] { return new Tbruchdlg; });
}

} // namespace zol
