// Layout of the fractions window: two notebooks for the operands under "Eingabe", the two
// equations under "Ergebnisse", the operation buttons and menus.
#include "modules/algebra/bruchdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMap>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zol {

namespace {

// Nine digits with a sign; the whole part and the numerator carry the sign of a negative
// value, the denominator is at least 1.
constexpr qint32 groesste = static_cast<qint32>(bruch::feldgrenze);

Ttxtshape* ergebnisform(const char* name, QWidget* eltern) {
    auto* t = new Ttxtshape(eltern);
    t->setObjectName(QString::fromLatin1(name));
    QFont schrift(QStringLiteral("Arial"), 12);
    t->setFont(schrift);
    QPalette farben = t->palette();
    farben.setColor(QPalette::WindowText, Qt::red);
    t->setPalette(farben);
    t->setShowRahmen(false);
    t->setTextposx(8);
    t->setTextposy(6);
    t->setText(QStringLiteral("0"));
    t->setMinimumHeight(52);
    return t;
}

} // namespace

Tbruchdlg::Tbruchdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tbruchdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::zahlenformat, Befehl::hilfe, Befehl::hauptmenue});
    befehleAufbauen();
    setzeFormat(QStringLiteral("0.000"));
    resize(464, 373);
}

QTabWidget* Tbruchdlg::notizbuch(Operand& o, int nummer, const char* seitenname,
                                 const char* ganzname, const char* zaehlername,
                                 const char* nennername, const char* dezimalname,
                                 const char* kaestchenname) {
    auto* seiten = new QTabWidget;
    seiten->setObjectName(QString::fromLatin1(seitenname));
    o.seiten = seiten;

    auto* bruchseite = new QWidget;
    auto* gitter = new QGridLayout(bruchseite);
    o.ganze = felder::ganzfeld(ganzname, 0, -groesste, groesste, bruchseite);
    o.zaehler = felder::ganzfeld(zaehlername, 1, -groesste, groesste, bruchseite);
    o.nenner = felder::ganzfeld(nennername, 3, 1, groesste, bruchseite);
    auto* strich = new QFrame(bruchseite);
    strich->setFrameShape(QFrame::HLine);
    strich->setLineWidth(2);
    strich->setFrameShadow(QFrame::Plain);
    gitter->addWidget(o.ganze, 0, 0, 3, 1, Qt::AlignVCenter);
    gitter->addWidget(o.zaehler, 0, 1);
    gitter->addWidget(strich, 1, 1);
    gitter->addWidget(o.nenner, 2, 1);
    gitter->setColumnStretch(2, 1);
    gitter->setRowStretch(3, 1);
    seiten->addTab(bruchseite, QStringLiteral("Bruch %1").arg(nummer));

    auto* dezimalseite = new QWidget;
    auto* lage = new QVBoxLayout(dezimalseite);
    o.dezimal =
        felder::dezimalfeld(dezimalname, 0, -1e60L, 1e60L, QStringLiteral("0.000"), dezimalseite);
    o.dezimal->setFormatenabled(true);
    o.unendlich =
        felder::kaestchen(kaestchenname, QStringLiteral("Unendliche Zahl"), true, dezimalseite);
    lage->addWidget(o.dezimal);
    lage->addWidget(o.unendlich);
    lage->addStretch(1);
    seiten->addTab(dezimalseite, QStringLiteral("Dezimal %1").arg(nummer));
    return seiten;
}

void Tbruchdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QHBoxLayout(eingabe);
    el->addWidget(notizbuch(op1_, 1, "TabbedNotebook1", "longintEdit1", "longintEdit2",
                            "longintEdit3", "extendEdit1", "CheckBox1"));
    el->addWidget(notizbuch(op2_, 2, "TabbedNotebook2", "longintEdit4", "longintEdit5",
                            "longintEdit6", "extendEdit2", "CheckBox2"));
    // Only the first operand's box offers the grey third state.
    op1_.unendlich->setTristate(true);
    lage->addWidget(eingabe);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* rl = new QVBoxLayout(ergebnisse);
    txtshape1 = ergebnisform("txtshape1", ergebnisse);
    txtshape2 = ergebnisform("txtshape2", ergebnisse);
    rl->addWidget(txtshape1, 1);
    rl->addWidget(txtshape2, 1);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    // Leaving a page carries its operand over to the other page; loading a file does not.
    seitenwechsel(op1_.seiten,
                  [this](int alt, int) { abgleichen(alt, op2_.seiten->currentIndex()); });
    seitenwechsel(op2_.seiten,
                  [this](int alt, int) { abgleichen(op1_.seiten->currentIndex(), alt); });

    for (const Operand* o : {&op1_, &op2_})
        for (QWidget* w : std::initializer_list<QWidget*>{o->seiten, o->ganze, o->zaehler,
                                                          o->nenner, o->dezimal, o->unendlich})
            komponente(w);
}

void Tbruchdlg::befehleAufbauen() {
    static constexpr bruch::Rechenart arten[] = {bruch::Rechenart::plus, bruch::Rechenart::minus,
                                                 bruch::Rechenart::mal, bruch::Rechenart::durch};
    grundrechenarten(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")},
        [this](int i) { operation(arten[i]); }, QStringLiteral("&Rechne"), QStringLiteral("1"));
    for (int n : {1, 2}) {
        QAction* a = eigenerBefehl(
            QStringLiteral("ErgebnisBruch%1").arg(n) + QLatin1Char('1'),
            QStringLiteral("Ergebnis -> Bruch &%1").arg(n), QStringLiteral("&Bearbeiten"),
            QStringLiteral("Ergebnis -> Bruch %1").arg(n), QStringLiteral(">B%1").arg(n));
        connect(a, &QAction::triggered, this, [this, n] { ergebnisNachBruch(n); });
    }
}

} // namespace zol
