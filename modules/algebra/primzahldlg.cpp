#include "modules/algebra/primzahldlg.h"

#include "modules/algebra/primzahlrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace zol {

namespace {

// Each memo's text is set once, replacing the old one: a memo that grows line by line would lay
// itself out again for every line.
void zeigen(QPlainTextEdit& memo, const primzahlen::Memotext& text) {
    memo.setPlainText(QString::fromStdString(text.text()));
}

} // namespace

QPlainTextEdit* Tprimdlg::ergebnismemo() const {
    const QList<QPlainTextEdit*> erste = {Memo1, Memo3, Memo4, Memo5};
    const int seite = TabbedNotebook1 ? TabbedNotebook1->currentIndex() : 0;
    return erste.value(seite, Memo1);
}

QList<QWidget*> Tprimdlg::ergebnisanzeigen() const {
    return {Memo1, Memo2, Memo3, Memo4, Memo5};
}

void Tprimdlg::rechne() {
    const int seite = TabbedNotebook1->currentIndex();
    bool abgebrochen = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (seite) {
    case 0: {
        const primzahlen::Primseite s = primzahlen::primseite(
            felder::verwendeterWert(*longintEdit1), felder::verwendeterWert(*longintEdit2));
        zeigen(*Memo1, s.primzahlen);
        zeigen(*Memo2, s.faktoren);
        abgebrochen = s.primzahlen.abgebrochen() || s.faktoren.abgebrochen();
        break;
    }
    case 1: {
        const qint32 a = felder::verwendeterWert(*longintEdit3);
        const qint32 b = felder::verwendeterWert(*longintEdit4);
        const primzahlen::Memotext t = primzahlen::ggt_kgv(a, b, longintEdit3->text().toStdString(),
                                                           longintEdit4->text().toStdString());
        zeigen(*Memo3, t);
        abgebrochen = t.abgebrochen();
        break;
    }
    case 2: {
        const primzahlen::Memotext t = primzahlen::teilermengen(
            felder::verwendeterWert(*longintEdit5), felder::verwendeterWert(*longintEdit6));
        zeigen(*Memo4, t);
        abgebrochen = t.abgebrochen();
        break;
    }
    case 3: {
        const qint32 von = felder::verwendeterWert(*longintEdit7);
        const qint32 bis = felder::verwendeterWert(*longintEdit9);
        const primzahlen::Memotext t =
            primzahlen::vielfachmengen(von, bis, felder::verwendeterWert(*longintEdit8));
        zeigen(*Memo5, t);
        abgebrochen = t.abgebrochen();
        break;
    }
    default:
        break;
    }
    QApplication::restoreOverrideCursor();
    if (abgebrochen) meldung(QString::fromUtf8(primzahlen::abbruchmeldung), this);
}

void primzahlen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tprimdlg"), [] { return new Tprimdlg; });
}

} // namespace zol
