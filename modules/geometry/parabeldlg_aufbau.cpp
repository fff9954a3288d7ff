// Layout of the parabola window: the group "Eingabe" with the five input forms, the group
// "Ergebnisse" with one page per form, the axis intercepts and the result lines, menus and tool
// bar.
#include "modules/geometry/parabeldlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Tparabelgleich::Tparabelgleich(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Tparabelgleich"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::projektformeln, Befehl::hilfe, Befehl::hauptmenue});
    resize(760, 420);
}

void Tparabelgleich::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QVBoxLayout(eingabe);
    Tabbednotebook = new QTabWidget(eingabe);
    Tabbednotebook->setObjectName(QStringLiteral("Tabbednotebook"));
    eingabe_.aufbauen(Tabbednotebook,
                      {Parabelform::drei_punkte, Parabelform::formfaktor_zwei_punkte,
                       Parabelform::scheitelform, Parabelform::allgemein,
                       Parabelform::linearfaktoren},
                      1);
    // Every page starts with the parabola y = x² − 4x + 3.
    eingabe_.setzeWerte(Parabelform::drei_punkte, {"0", "3", "1", "0", "3", "0"});
    eingabe_.setzeWerte(Parabelform::formfaktor_zwei_punkte, {"1", "1", "0", "3", "0"});
    eingabe_.setzeWerte(Parabelform::scheitelform, {"1", "2", "-1"});
    eingabe_.setzeWerte(Parabelform::allgemein, {"1", "-4", "3"});
    eingabe_.setzeWerte(Parabelform::linearfaktoren, {"1", "3", "1"});
    el->addWidget(Tabbednotebook);
    lage->addWidget(eingabe, 1);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* rl = new QVBoxLayout(ergebnisse);
    rl->addWidget(ergebnisseiten());
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    komponente(Tabbednotebook);
    for (TextendEdit* f : eingabe_.felder())
        komponente(f);
}

QWidget* Tparabelgleich::ergebnisseiten() {
    TabbedNotebook1 = new QTabWidget;
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    for (std::size_t i = 0; i < ergebnis_.size(); ++i) {
        ergebnis_[i] = felder::ergebnisfeld(
            QStringLiteral("extendEdit%1").arg(21 + i).toLatin1().constData(), TabbedNotebook1);
        ergebnis_[i]->setMaximumWidth(felder::zahlbreite);
    }
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    struct Seite {
        const char* titel;
        const char* kopf;
        const char* beschriftung[3];
        QLabel* hinweis;
    };
    const Seite seiten[] = {
        {"Allgemeine Form", "y = a·x² + b·x + c", {"a =", "b =", "c ="}, nullptr},
        {"Scheitelform", "y = a·(x − xs)² + ys", {"a =", "xs =", "ys ="}, nullptr},
        {"Linear Faktoren", "y = a·(x − x1)·(x − x2)", {"a =", "X1 =", "X2 ="}, Label1},
        {"Achsenschnittpunkte", "", {"X1=", "X2=", "Y="}, Label2},
    };
    for (std::size_t s = 0; s < 4; ++s) {
        auto* seite = new QWidget;
        auto* fl = new QFormLayout(seite);
        if (*seiten[s].kopf) fl->addRow(new QLabel(QString::fromUtf8(seiten[s].kopf), seite));
        for (std::size_t i = 0; i < 3; ++i) {
            Tergebnisfeld* f = ergebnis_[s * 3 + i];
            f->setParent(seite);
            fl->addRow(QString::fromUtf8(seiten[s].beschriftung[i]), f);
        }
        if (seiten[s].hinweis) {
            seiten[s].hinweis->setParent(seite);
            fl->addRow(seiten[s].hinweis);
        }
        TabbedNotebook1->addTab(seite, QString::fromUtf8(seiten[s].titel));
    }
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    TabbedNotebook1->addTab(Memo1, QStringLiteral("Text"));
    return TabbedNotebook1;
}

} // namespace zol
