#pragma once
// "Primzahlen/ggT/kgV": the primes of a range with the factorisation of every number, gcd and
// lcm of two numbers with their divisor and multiple sets, and the divisor or multiple sets of
// a range, each on a page of its own. The texts come from primzahlrechnung.h; this window
// reads the fields of the page shown and fills its memos.
#include "shell/rahmen/modulfenster.h"

class QPlainTextEdit;
class QTabWidget;

namespace zol {

class TlongintEdit;

class Tprimdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tprimdlg(QWidget* eltern = nullptr);

    // "Rechne": the page shown only. Its fields are first brought into 1 ... 999999999; a memo
    // that reached 100000 entries is cut off with a message.
    void rechne() override;

    // The first memo of the page shown.
    QPlainTextEdit* ergebnismemo() const override;
    // Batch mode prints all five memos.
    QList<QWidget*> ergebnisanzeigen() const override;

private:
    void aufbauen();
    QWidget* seitePrimzahlen();
    QWidget* seiteGgtKgv();
    QWidget* seiteTeilermenge();
    QWidget* seiteVielfachmenge();

    QTabWidget* TabbedNotebook1 = nullptr;
    TlongintEdit* longintEdit1 = nullptr;
    TlongintEdit* longintEdit2 = nullptr;
    TlongintEdit* longintEdit3 = nullptr;
    TlongintEdit* longintEdit4 = nullptr;
    TlongintEdit* longintEdit5 = nullptr;
    TlongintEdit* longintEdit6 = nullptr;
    TlongintEdit* longintEdit7 = nullptr;
    TlongintEdit* longintEdit8 = nullptr;
    TlongintEdit* longintEdit9 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;
};

// Makes the primes window known to projects, menus and templates (kind 50).
void primzahlen_registrieren();

} // namespace zol
