// Layout of the primes window: a notebook of four pages, each with its inputs under "Eingabe"
// and its read-only memos below.
#include "modules/algebra/primzahldlg.h"
#include "modules/algebra/primzahlrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

constexpr qint32 groesste = static_cast<qint32>(primzahlen::feldgrenze);

TlongintEdit* eingabefeld(const char* name, qint32 wert, QWidget* eltern) {
    return felder::ganzfeld(name, wert, 1, groesste, eltern);
}

QPlainTextEdit* memo(const char* name, QWidget* eltern) {
    auto* m = new QPlainTextEdit(eltern);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    // Set lines are ended at about 100 characters; longer lines scroll instead of wrapping.
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

// The group "Eingabe" with caption and field side by side.
QGroupBox* eingabegruppe(const QList<QPair<QString, QWidget*>>& felder, QWidget* eltern) {
    auto* g = new QGroupBox(QStringLiteral("Eingabe"), eltern);
    auto* lage = new QHBoxLayout(g);
    for (const auto& [text, feld] : felder) {
        auto* l = new QLabel(text, g);
        l->setBuddy(feld);
        lage->addWidget(l);
        lage->addWidget(feld);
        lage->addSpacing(12);
    }
    lage->addStretch(1);
    return g;
}

QWidget* seite(QGroupBox* eingaben, const QString& titel, const QList<QWidget*>& memos,
               const QList<int>& anteile) {
    auto* s = new QWidget;
    auto* lage = new QVBoxLayout(s);
    lage->addWidget(eingaben);
    auto* ergebnisse = new QGroupBox(titel, s);
    auto* el = new QHBoxLayout(ergebnisse);
    for (int i = 0; i < memos.size(); ++i)
        el->addWidget(memos[i], anteile.value(i, 1));
    lage->addWidget(ergebnisse, 1);
    return s;
}

} // namespace

Tprimdlg::Tprimdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tprimdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::rechne, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(492, 385);
}

void Tprimdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);
    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seitePrimzahlen(), QStringLiteral("Primzahlen"));
    TabbedNotebook1->addTab(seiteGgtKgv(), QStringLiteral("ggT/kgV"));
    TabbedNotebook1->addTab(seiteTeilermenge(), QStringLiteral("Teilermenge"));
    TabbedNotebook1->addTab(seiteVielfachmenge(), QStringLiteral("Vielfachmenge"));
    lage->addWidget(TabbedNotebook1);
    setCentralWidget(mitte);

    // Only the inputs are saved; the memos are computed again.
    for (QWidget* w : std::initializer_list<QWidget*>{
             TabbedNotebook1, longintEdit1, longintEdit2, longintEdit3, longintEdit4, longintEdit5,
             longintEdit6, longintEdit7, longintEdit8, longintEdit9})
        komponente(w);
}

QWidget* Tprimdlg::seitePrimzahlen() {
    longintEdit1 = eingabefeld("longintEdit1", 1, nullptr);
    longintEdit2 = eingabefeld("longintEdit2", 30, nullptr);
    Memo1 = memo("Memo1", nullptr);
    Memo2 = memo("Memo2", nullptr);
    return seite(eingabegruppe({{QStringLiteral("von:"), longintEdit1},
                                {QStringLiteral("bis:"), longintEdit2}},
                               nullptr),
                 QStringLiteral("Ergebnisse:Primzahlen                        Faktoren"),
                 {Memo1, Memo2}, {1, 2});
}

QWidget* Tprimdlg::seiteGgtKgv() {
    longintEdit3 = eingabefeld("longintEdit3", 6, nullptr);
    longintEdit4 = eingabefeld("longintEdit4", 30, nullptr);
    Memo3 = memo("Memo3", nullptr);
    return seite(eingabegruppe({{QStringLiteral("Zahl1:"), longintEdit3},
                                {QStringLiteral("Zahl2:"), longintEdit4}},
                               nullptr),
                 QStringLiteral("Ergebnisse:"), {Memo3}, {1});
}

QWidget* Tprimdlg::seiteTeilermenge() {
    longintEdit5 = eingabefeld("longintEdit5", 1, nullptr);
    longintEdit6 = eingabefeld("longintEdit6", 30, nullptr);
    Memo4 = memo("Memo4", nullptr);
    return seite(eingabegruppe({{QStringLiteral("von:"), longintEdit5},
                                {QStringLiteral("bis:"), longintEdit6}},
                               nullptr),
                 QStringLiteral("Ergebnisse:"), {Memo4}, {1});
}

QWidget* Tprimdlg::seiteVielfachmenge() {
    longintEdit7 = eingabefeld("longintEdit7", 1, nullptr);
    longintEdit9 = eingabefeld("longintEdit9", 30, nullptr);
    longintEdit8 = eingabefeld("longintEdit8", 100, nullptr);
    Memo5 = memo("Memo5", nullptr);
    return seite(eingabegruppe({{QStringLiteral("von:"), longintEdit7},
                                {QStringLiteral("bis:"), longintEdit9},
                                {QStringLiteral("maximale Vielfachzahl:"), longintEdit8}},
                               nullptr),
                 QStringLiteral("Ergebnisse:"), {Memo5}, {1});
}

} // namespace zol
