// Layout of the parabola–line window: the parabola's and the line's input forms side by side,
// below them the intersection points and angles and the result lines, menus and tool bar.
#include "modules/geometry/parageradedlg.h"
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

Tparageradlg::Tparageradlg(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Tparageradlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::projektformeln, Befehl::hilfe, Befehl::hauptmenue});
    resize(900, 520);
}

void Tparageradlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    auto* pg = new QGroupBox(QStringLiteral("Parabel"), mitte);
    auto* pl = new QVBoxLayout(pg);
    TabbedNotebook1 = new QTabWidget(pg);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    const int naechstes = parabel_.aufbauen(
        TabbedNotebook1,
        {Parabelform::allgemein, Parabelform::scheitelform, Parabelform::linearfaktoren,
         Parabelform::formfaktor_zwei_punkte, Parabelform::drei_punkte},
        1);
    // Every page starts with y = x² − 2x − 3 and y = x + 1.
    parabel_.setzeWerte(Parabelform::allgemein, {"1", "-2", "-3"});
    parabel_.setzeWerte(Parabelform::scheitelform, {"1", "1", "-4"});
    parabel_.setzeWerte(Parabelform::linearfaktoren, {"1", "3", "-1"});
    parabel_.setzeWerte(Parabelform::formfaktor_zwei_punkte, {"1", "3", "0", "-1", "0"});
    parabel_.setzeWerte(Parabelform::drei_punkte, {"3", "0", "-1", "0", "0", "-3"});
    pl->addWidget(TabbedNotebook1);
    eingaben->addWidget(pg, 1);

    auto* gg = new QGroupBox(QStringLiteral("Gerade"), mitte);
    auto* gl = new QVBoxLayout(gg);
    TabbedNotebook2 = new QTabWidget(gg);
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));
    gerade_.aufbauen(TabbedNotebook2,
                     {Geradenform::steigung_abschnitt, Geradenform::steigung_punkt,
                      Geradenform::abschnitt_punkt, Geradenform::zwei_punkte},
                     naechstes);
    TabbedNotebook2->setTabText(0, QStringLiteral("Allgemeine Form"));
    gerade_.setzeWerte(Geradenform::steigung_abschnitt, {"1", "1"});
    gerade_.setzeWerte(Geradenform::steigung_punkt, {"1", "0", "1"});
    gerade_.setzeWerte(Geradenform::abschnitt_punkt, {"1", "2", "1"});
    gerade_.setzeWerte(Geradenform::zwei_punkte, {"0", "1", "1", "2"});
    gl->addWidget(TabbedNotebook2);
    eingaben->addWidget(gg, 1);
    lage->addLayout(eingaben);
    lage->addWidget(ergebnisgruppe(mitte), 1);
    setCentralWidget(mitte);

    komponente(TabbedNotebook1);
    komponente(TabbedNotebook2);
    for (TextendEdit* f : parabel_.felder())
        komponente(f);
    for (TextendEdit* f : gerade_.felder())
        komponente(f);
}

QWidget* Tparageradlg::ergebnisgruppe(QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Ergebnisse"), eltern);
    auto* lage = new QHBoxLayout(gruppe);
    auto* bereich = new QWidget(gruppe);
    auto* gl = new QGridLayout(bereich);
    for (std::size_t i = 0; i < ergebnis_.size(); ++i) {
        ergebnis_[i] = felder::ergebnisfeld(
            QStringLiteral("extendEdit%1").arg(33 + i).toLatin1().constData(), bereich);
        ergebnis_[i]->setMaximumWidth(felder::zahlbreite);
    }
    const auto text = [bereich](const QString& t) { return new QLabel(t, bereich); };
    gl->addWidget(text(QStringLiteral("Schnittpunkte:")), 0, 0, 1, 5);
    for (int p = 0; p < 2; ++p) {
        gl->addWidget(text(QStringLiteral("P%1(").arg(p + 1)), p + 1, 0);
        gl->addWidget(ergebnis_[static_cast<std::size_t>(2 * p)], p + 1, 1);
        gl->addWidget(text(QStringLiteral("|")), p + 1, 2);
        gl->addWidget(ergebnis_[static_cast<std::size_t>(2 * p + 1)], p + 1, 3);
        gl->addWidget(text(QStringLiteral(")")), p + 1, 4);
    }
    Label1 = new QLabel(bereich);
    Label1->setObjectName(QStringLiteral("Label1"));
    gl->addWidget(Label1, 3, 0, 1, 5);
    gl->addWidget(text(QStringLiteral("Schnittwinkel:")), 4, 0, 1, 5);
    gl->addWidget(text(QStringLiteral("alpha1=")), 5, 0);
    gl->addWidget(ergebnis_[4], 5, 1);
    gl->addWidget(text(QStringLiteral("alpha2=")), 6, 0);
    gl->addWidget(ergebnis_[5], 6, 1);
    gl->setRowStretch(7, 1);
    lage->addWidget(bereich);
    Memo1 = new QPlainTextEdit(gruppe);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    lage->addWidget(Memo1, 1);
    return gruppe;
}

} // namespace zol
