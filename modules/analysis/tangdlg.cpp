#include "modules/analysis/tangdlg.h"

#include "modules/analysis/tangentenrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/funktionseingabe.h"
#include "shell/rahmen/felder.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Ttangdlg::Ttangdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Ttangdlg"), eltern) {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);

    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    auto* eingabe = new QWidget;
    auto* el = new QVBoxLayout(eingabe);
    auto* zeile = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("Fkttang(x)=x^4"), eingabe);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Funktionein = projektformelKnopf(Edit1, eingabe);
    Funktionein->setText(QStringLiteral("Projektformeln"));
    zeile->addWidget(Edit1, 1);
    zeile->addWidget(Funktionein);
    el->addLayout(zeile);
    auto* stelle = new QFormLayout;
    extendEdit1 =
        felder::dezimalfeld("extendEdit1", 1, -1e60L, 1e60L, QStringLiteral("0.00"), eingabe);
    stelle->addRow(QStringLiteral("Tangente/Normale an der Stelle:"), extendEdit1);
    el->addLayout(stelle);
    TabbedNotebook1->addTab(eingabe, QStringLiteral("Eingabe"));

    auto* optionen = new QWidget;
    auto* ol = new QFormLayout(optionen);
    extendEdit2 = felder::dezimalfeld("extendEdit2", 0.001L, 1e-30L, 1e60L,
                                      QStringLiteral("0.0e-0"), optionen);
    ol->addRow(QStringLiteral("h für Ableitung"), extendEdit2);
    TabbedNotebook1->addTab(optionen, QStringLiteral("Optionen"));
    lage->addWidget(TabbedNotebook1);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* rl = new QFormLayout(ergebnisse);
    Edit2 = new QLineEdit(ergebnisse);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3 = new QLineEdit(ergebnisse);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    rl->addRow(QStringLiteral("Tangente:"), Edit2);
    rl->addRow(QStringLiteral("Normale:"), Edit3);
    lage->addWidget(ergebnisse);
    lage->addStretch(1);
    setCentralWidget(mitte);

    for (QWidget* w : std::initializer_list<QWidget*>{TabbedNotebook1, Edit1, extendEdit1,
                                                      extendEdit2, Edit2, Edit3})
        komponente(w);
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(520, 280);
}

bool Ttangdlg::berechnen() {
    const tfunktion* f = funktionNachschlagen(Edit1->text(), this);
    if (f == nullptr) {
        ergebnisseVerwerfen();
        return false;
    }
    const long double x0 = extendEdit1->Value();
    const long double h = felder::imBereich(*extendEdit2);
    const Tangentenergebnis e =
        tangente_und_normale(als_diskussionsfunktion(*f), x0, h, format().toStdString());
    if (!e.ok) {
        ergebnisseVerwerfen();
        meldung(QString::fromUtf8(nicht_differenzierbar), this);
        return false;
    }
    Edit2->setText(QString::fromStdString(e.tangente));
    Edit3->setText(QString::fromStdString(e.normale));
    return true;
}

void Ttangdlg::rechne() {
    berechnen();
}

void Ttangdlg::zeichnen() {
    if (!berechnen()) return;
    Tdialogfkt* fenster = funktionZeichnen(format(), Edit1->text());
    for (const QLineEdit* linie : {Edit2, Edit3}) {
        if (linie->text().isEmpty()) continue;
        fenster->setzeDefinition(linie->text());
        fenster->hinzufuegen();
    }
}

void tangente_registrieren() {
    fensterart_registrieren(QStringLiteral("Ttangdlg"), [] { return new Ttangdlg; });
}

} // namespace zol
