// Layout of the combinatorics window: n and k under "Eingabe", then the groups of factorials,
// combinations and variations, each result field with its name, its formula and whether
// elements repeat; the frame's menus and tool bar.
#include "modules/stochastics/kombidlg.h"
#include "modules/stochastics/kombinatorikrechnung.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

namespace {

// A formula drawn with the text language, without a frame.
Ttxtshape* formel(const QString& text, QWidget* eltern) {
    auto* t = new Ttxtshape(eltern);
    t->setShowRahmen(false);
    t->setFont(QFont(QStringLiteral("Arial"), 11));
    t->setTextposx(2);
    t->setTextposy(14);
    t->setText(text);
    t->setFixedHeight(46);
    t->setMinimumWidth(150);
    return t;
}

struct Ergebniszeile {
    const char* name;
    Tergebnisfeld* feld;
    const char* formel;
    const char* art;
};

QGroupBox* gruppe(const char* titel, std::initializer_list<Ergebniszeile> zeilen, QWidget* eltern) {
    auto* g = new QGroupBox(QString::fromUtf8(titel), eltern);
    auto* lage = new QGridLayout(g);
    int r = 0;
    for (const Ergebniszeile& z : zeilen) {
        z.feld->setParent(g);
        z.feld->setMinimumWidth(180);
        lage->addWidget(new QLabel(QString::fromUtf8(z.name), g), r, 0);
        lage->addWidget(z.feld, r, 1);
        if (z.formel) lage->addWidget(formel(QString::fromUtf8(z.formel), g), r, 2);
        if (z.art) lage->addWidget(new QLabel(QString::fromUtf8(z.art), g), r, 3);
        ++r;
    }
    lage->setColumnStretch(3, 1);
    return g;
}

} // namespace

Tkombidlg::Tkombidlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tkombidlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::rechne, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(640, 520);
}

void Tkombidlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QHBoxLayout(eingabe);
    longintEdit1 = felder::ganzfeld("longintEdit1", 0, -kombi_grenze, kombi_grenze, eingabe);
    longintEdit2 = felder::ganzfeld("longintEdit2", 0, -kombi_grenze, kombi_grenze, eingabe);
    for (const auto& [text, feld] : {std::pair{"&n =", longintEdit1}, {"&k =", longintEdit2}}) {
        auto* l = new QLabel(QString::fromUtf8(text), eingabe);
        l->setBuddy(feld);
        el->addWidget(l);
        el->addWidget(feld);
        el->addSpacing(12);
    }
    el->addStretch(1);
    lage->addWidget(eingabe);

    extendEdit1 = felder::ergebnisfeld("extendEdit1", mitte);
    extendEdit2 = felder::ergebnisfeld("extendEdit2", mitte);
    extendEdit3 = felder::ergebnisfeld("extendEdit3", mitte);
    extendEdit4 = felder::ergebnisfeld("extendEdit4", mitte);
    extendEdit5 = felder::ergebnisfeld("extendEdit5", mitte);
    extendEdit6 = felder::ergebnisfeld("extendEdit6", mitte);
    lage->addWidget(gruppe(
        "Permutation (Fakultät)",
        {{"n! =", extendEdit1, nullptr, nullptr}, {"k! =", extendEdit2, nullptr, nullptr}}, mitte));
    lage->addWidget(gruppe(
        "Kombination (Ohne Berücksichtigung der Anordnung)",
        {{"K1=", extendEdit3, "K1 = \\f(n!;k!\\m (n-k)!)", "Ohne Wiederholung der Elemente"},
         {"K2=", extendEdit4, "K2 = \\f((n+k-1)!;k!\\m (n-1)!)", "Mit Wiederholung der Elemente"}},
        mitte));
    lage->addWidget(
        gruppe("Variation (Mit Berücksichtigung der Anordnung)",
               {{"V1=", extendEdit5, "V1 = \\f(n!;(n-k)!)", "Ohne Wiederholung der Elemente"},
                {"V2=", extendEdit6, "V2 = n\\z(k; )", "Mit Wiederholung der Elemente"}},
               mitte));
    lage->addStretch(1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w :
         std::initializer_list<QWidget*>{longintEdit1, longintEdit2, extendEdit1, extendEdit2,
                                         extendEdit3, extendEdit4, extendEdit5, extendEdit6})
        komponente(w);
}

} // namespace zol
