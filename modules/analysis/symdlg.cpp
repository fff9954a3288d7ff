#include "modules/analysis/symdlg.h"

#include "engine/fktbaum.h"
#include "modules/analysis/symbolischrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/formelbaum.h"
#include "shell/formeln/funktionseingabe.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

Tsymdlg::Tsymdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tsymdlg"), eltern) {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QHBoxLayout(eingabe);
    Edit1 = new QLineEdit(QStringLiteral("fsym(x)=x^4"), eingabe);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Funktionein = projektformelKnopf(Edit1, eingabe);
    Funktionein->setText(QStringLiteral("Projektformeln"));
    el->addWidget(Edit1, 1);
    el->addWidget(Funktionein);
    lage->addWidget(eingabe);

    auto* ergebnis = new QGroupBox(QStringLiteral("Ergebnis"), mitte);
    auto* rl = new QVBoxLayout(ergebnis);
    Edit2 = new QLineEdit(ergebnis);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Probe = new QLabel(ergebnis);
    Probe->setObjectName(QStringLiteral("Probe"));
    Probe->setWordWrap(true);
    Probe->setStyleSheet(QStringLiteral("color: #b00000"));
    rl->addWidget(Edit2);
    rl->addWidget(Probe);
    lage->addWidget(ergebnis);
    lage->addStretch(1);
    setCentralWidget(mitte);

    komponente(Edit1);
    komponente(Edit2);
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::rechne, Befehl::zeichnen,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    // An empty format writes the numbers of the derivative in their general form.
    setzeFormat(QString());
    resize(560, 240);
}

QList<QWidget*> Tsymdlg::ergebnisanzeigen() const {
    return {Edit2, Probe};
}

bool Tsymdlg::ableiten() {
    Tfktzelle* zelle = nullptr;
    const std::string definition = Edit1->text().toStdString();
    if (!formelbaum().suchezeigerstr(definition, zelle) || zelle == nullptr || !zelle->funktion) {
        meldung(QStringLiteral("Fehlerhafter Ausdruck"), this);
        return false;
    }
    const Symbolergebnis e = symbolisch_ableiten(definition, format().toStdString());
    for (const std::string& text : e.meldungen)
        meldung(QString::fromStdString(text), this);
    if (!e.ok) return false;
    Edit2->setText(QString::fromStdString(e.text));
    const Ableitungsprobe probe = ableitung_pruefen(formelbaum(), *zelle->funktion, e.text);
    Probe->setText(QString::fromStdString(probentext(probe)));
    return true;
}

void Tsymdlg::rechne() {
    ableiten();
}

void Tsymdlg::zeichnen() {
    if (!ableiten()) return;
    Tdialogfkt* fenster = funktionZeichnen(format(), Edit1->text());
    fenster->setzeDefinition(Edit2->text());
    fenster->hinzufuegen();
}

void symbolisch_registrieren() {
    fensterart_registrieren(QStringLiteral("Tsymdlg"), [] { return new Tsymdlg; });
}

} // namespace zol
