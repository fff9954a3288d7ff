// Layout of the complex numbers window: the two numbers side by side, each in a notebook with a
// normal-form and a polar-form page, the angle unit, the two result shapes, menus and tool bar.
#include "modules/algebra/komplexdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

// The fields keep what the user typed, also through loading a file; only the values the window
// writes (converted forms, copied results) are written with its number format.
TextendEdit* zahlfeld(int nummer, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QStringLiteral("extendEdit%1").arg(nummer));
    f->setMinimumWidth(felder::zahlbreite);
    return f;
}

Ttxtshape* ergebnisform(const char* name, QWidget* eltern) {
    auto* form = new Ttxtshape(eltern);
    form->setObjectName(QString::fromLatin1(name));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(12);
    form->setFont(schrift);
    QPalette farben = form->palette();
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    form->setPalette(farben);
    form->setTextposx(8);
    form->setTextposy(10);
    form->setMinimumHeight(44);
    form->setText(QStringLiteral("0"));
    return form;
}

// "Z=" field1 zwischen field2 ende, with the fields' captions above them.
QWidget* formseite(const QString& titel1, TextendEdit* feld1, const QString& zwischen,
                   const QString& titel2, TextendEdit* feld2, const QString& ende) {
    auto* seite = new QWidget;
    auto* gl = new QGridLayout(seite);
    gl->addWidget(new QLabel(titel1, seite), 0, 1);
    gl->addWidget(new QLabel(titel2, seite), 0, 3);
    gl->addWidget(new QLabel(QStringLiteral("Z="), seite), 1, 0);
    feld1->setParent(seite);
    feld2->setParent(seite);
    gl->addWidget(feld1, 1, 1);
    gl->addWidget(new QLabel(zwischen, seite), 1, 2);
    gl->addWidget(feld2, 1, 3);
    gl->addWidget(new QLabel(ende, seite), 1, 4);
    gl->setColumnStretch(5, 1);
    gl->setRowStretch(2, 1);
    return seite;
}

} // namespace

Tkomplexdlg::Tkomplexdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tkomplexdlg"), eltern) {
    aufbauen();
    befehleAufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    setzeFormat(QStringLiteral("0.000"));
    resize(700, 420);
}

void Tkomplexdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* zahlen = new QHBoxLayout;
    zahlen->addWidget(operandAufbauen(1, mitte), 1);
    zahlen->addWidget(operandAufbauen(2, mitte), 1);
    lage->addLayout(zahlen);

    RadioGroup1 = new TRadioGroup(QStringLiteral("Winkelberechnungen"), mitte);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItems(
        {QStringLiteral("Grad"), QStringLiteral("Radiant"), QStringLiteral("Gon")});
    RadioGroup1->setColumns(3);
    RadioGroup1->setItemIndex(0);
    lage->addWidget(RadioGroup1);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* el = new QVBoxLayout(ergebnisse);
    txtshape1 = ergebnisform("txtshape1", ergebnisse);
    txtshape2 = ergebnisform("txtshape2", ergebnisse);
    el->addWidget(txtshape1);
    el->addWidget(txtshape2);
    el->addStretch(1);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    // The order of the data file: each number's notebook with its fields, then the angle unit.
    komponente(TabbedNotebook1);
    for (std::size_t i = 0; i < 4; ++i)
        komponente(extendEdit[i]);
    komponente(TabbedNotebook2);
    for (std::size_t i = 4; i < 8; ++i)
        komponente(extendEdit[i]);
    komponente(RadioGroup1);
}

// The page being left is converted into the other form, so both pages always show one number.
QWidget* Tkomplexdlg::operandAufbauen(int operand, QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Komplexe Zahl %1").arg(operand), eltern);
    auto* gl = new QVBoxLayout(gruppe);
    const int erster = (operand - 1) * 4;
    for (int i = 0; i < 4; ++i)
        extendEdit[static_cast<std::size_t>(erster + i)] = zahlfeld(erster + i + 1, gruppe);
    const std::array<TextendEdit*, 4> f = felder(operand);
    auto* buch = new QTabWidget(gruppe);
    buch->setObjectName(QStringLiteral("TabbedNotebook%1").arg(operand));
    buch->addTab(formseite(QStringLiteral("Realteil"), f[0], QStringLiteral("+"),
                           QStringLiteral("Imaginärteil"), f[1], QStringLiteral("i")),
                 QStringLiteral("Normalform"));
    buch->addTab(formseite(QStringLiteral("Betrag"), f[2], QStringLiteral("E"),
                           QStringLiteral("Winkel"), f[3], QString()),
                 QStringLiteral("Polarform"));
    gl->addWidget(buch);
    (operand == 1 ? TabbedNotebook1 : TabbedNotebook2) = buch;
    seitenwechsel(buch, [this, operand](int alt, int) { umrechnen(operand, alt); });
    return gruppe;
}

// The four operations under "&Rechne" and as buttons; the result hand-overs under "&Bearbeiten".
void Tkomplexdlg::befehleAufbauen() {
    static constexpr Komplexart arten[] = {Komplexart::plus, Komplexart::minus, Komplexart::mal,
                                           Komplexart::geteilt};
    const QList<QAction*> operationen = grundrechenarten(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")},
        [this](int i) { rechnen(arten[i]); });
    // Each operation carries its tag (1 to 4), as the window's one handler knows them.
    for (int i = 0; i < 4; ++i)
        operationen[i]->setData(static_cast<int>(arten[i]));
    for (int operand = 1; operand <= 2; ++operand) {
        QAction* a = eigenerBefehl(QStringLiteral("ErgebnisZahl%1").arg(operand),
                                   QStringLiteral("Ergebnis -> Zahl &%1").arg(operand),
                                   QStringLiteral("&Bearbeiten"),
                                   QStringLiteral("Ergebnis -> Zahl %1").arg(operand),
                                   QStringLiteral(">Z%1").arg(operand));
        connect(a, &QAction::triggered, this, [this, operand] { ergebnisUebernehmen(operand); });
    }
}

} // namespace zol
