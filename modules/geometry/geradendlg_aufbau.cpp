// Layout of the line window: the group "Eingabe" with the four input forms, the group
// "Ergebnisse" with the pages "Dialog" (result fields) and "Text" (the result lines), menus and
// tool bar.
#include "modules/geometry/geradendlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Tgeradengleich::Tgeradengleich(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Tgeradengleich"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::projektformeln, Befehl::hilfe, Befehl::hauptmenue});
    resize(720, 400);
}

void Tgeradengleich::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QVBoxLayout(eingabe);
    TabbedNotebook1 = new QTabWidget(eingabe);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    eingabe_.aufbauen(TabbedNotebook1,
                      {Geradenform::zwei_punkte, Geradenform::steigung_punkt,
                       Geradenform::abschnitt_punkt, Geradenform::steigung_abschnitt},
                      1);
    // Every page starts with the line y = 2x + 1.
    eingabe_.setzeWerte(Geradenform::zwei_punkte, {"0", "1", "2", "5"});
    eingabe_.setzeWerte(Geradenform::steigung_punkt, {"2", "1", "3"});
    eingabe_.setzeWerte(Geradenform::abschnitt_punkt, {"1", "3", "1"});
    eingabe_.setzeWerte(Geradenform::steigung_abschnitt, {"2", "1"});
    el->addWidget(TabbedNotebook1);
    lage->addWidget(eingabe, 1);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* rl = new QVBoxLayout(ergebnisse);
    TabbedNotebook2 = new QTabWidget(ergebnisse);
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));
    TabbedNotebook2->addTab(ergebnisseite(), QStringLiteral("Dialog"));
    Memo1 = new QPlainTextEdit(TabbedNotebook2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    TabbedNotebook2->addTab(Memo1, QStringLiteral("Text"));
    rl->addWidget(TabbedNotebook2);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    // The order of the data file: the input page and its fields; results are computed again.
    komponente(TabbedNotebook1);
    for (TextendEdit* f : eingabe_.felder())
        komponente(f);
}

QWidget* Tgeradengleich::ergebnisseite() {
    auto* seite = new QWidget;
    auto* gl = new QGridLayout(seite);
    for (std::size_t i = 0; i < ergebnis_.size(); ++i) {
        ergebnis_[i] = felder::ergebnisfeld(
            QStringLiteral("extendEdit%1").arg(13 + i).toLatin1().constData(), seite);
        ergebnis_[i]->setMaximumWidth(felder::zahlbreite);
    }
    const auto text = [seite](const QString& t) { return new QLabel(t, seite); };
    gl->addWidget(text(QStringLiteral("Geradengleichung:")), 0, 0, 1, 5);
    gl->addWidget(text(QStringLiteral("y =")), 1, 0);
    gl->addWidget(ergebnis_[0], 1, 1);
    gl->addWidget(text(QStringLiteral("x +")), 1, 2);
    gl->addWidget(ergebnis_[1], 1, 3);
    gl->addWidget(text(QStringLiteral("Schnittpunkte mit den Koordinatenachsen:")), 2, 0, 1, 5);
    gl->addWidget(text(QStringLiteral("P1(")), 3, 0);
    gl->addWidget(ergebnis_[2], 3, 1);
    gl->addWidget(text(QStringLiteral("|")), 3, 2);
    gl->addWidget(ergebnis_[3], 3, 3);
    gl->addWidget(text(QStringLiteral(")")), 3, 4);
    gl->addWidget(text(QStringLiteral("P2(")), 4, 0);
    gl->addWidget(ergebnis_[4], 4, 1);
    gl->addWidget(text(QStringLiteral("|")), 4, 2);
    gl->addWidget(ergebnis_[5], 4, 3);
    gl->addWidget(text(QStringLiteral(")")), 4, 4);
    gl->addWidget(text(QStringLiteral("Winkel zwischen Gerade und x-Achse")), 5, 0, 1, 5);
    gl->addWidget(text(QStringLiteral("w =")), 6, 0);
    gl->addWidget(ergebnis_[6], 6, 1);
    gl->setRowStretch(7, 1);
    gl->setColumnStretch(5, 1);
    return seite;
}

} // namespace zol
