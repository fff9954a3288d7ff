// Layout of the number systems window: the two numbers with their systems side by side, the five
// result shapes with their captions, the table memo below them, menus and tool bar.
#include "modules/algebra/zahlsysdlg.h"
#include "shell/grafik/ttxtshape.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zol {

namespace {

const char* const systemnamen[] = {"Dezimal", "Dual (Binär)", "Hexadezimal", "Basis", "Römisch"};

Ttxtshape* ergebnisform(int nummer, QWidget* eltern) {
    auto* form = new Ttxtshape(eltern);
    form->setObjectName(QStringLiteral("txtshape%1").arg(nummer));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(11);
    form->setFont(schrift);
    QPalette farben = form->palette();
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    form->setPalette(farben);
    form->setTextposx(6);
    form->setTextposy(6);
    form->setFixedHeight(30);
    return form;
}

} // namespace

Tzahlsysdlg::Tzahlsysdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tzahlsysdlg"), eltern) {
    aufbauen();
    befehleAufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    setzeFormat(QStringLiteral("0.000"));
    resize(640, 700);
}

void Tzahlsysdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QHBoxLayout(eingabe);
    el->addWidget(eingabeAufbauen(1, eingabe));
    el->addWidget(eingabeAufbauen(2, eingabe));
    lage->addWidget(eingabe);
    lage->addWidget(ergebnisseAufbauen(mitte), 1);
    setCentralWidget(mitte);

    // The order of the data file.
    komponente(Edit1);
    komponente(Edit2);
    for (QRadioButton* r : RadioButton)
        komponente(r);
    komponente(ComboBox1);
    komponente(ComboBox2);
    komponente(Memo1);
}

// One number: its field and the radio buttons of its system in two columns, the drop-down beside
// "Basis". Each number's buttons share a group box of their own, so they exclude only each other.
QWidget* Tzahlsysdlg::eingabeAufbauen(int operand, QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Zahl %1").arg(operand), eltern);
    auto* gl = new QGridLayout(gruppe);
    auto* feld = new QLineEdit(QStringLiteral("0"), gruppe);
    feld->setObjectName(QStringLiteral("Edit%1").arg(operand));
    gl->addWidget(feld, 0, 0, 1, 3);
    auto* basis = new QComboBox(gruppe);
    basis->setObjectName(QStringLiteral("ComboBox%1").arg(operand));
    for (int b = 2; b <= 16; ++b)
        basis->addItem(QString::number(b));
    basis->setCurrentText(QStringLiteral("8"));
    // Decimal, binary, hexadecimal on the left; base and Roman on the right.
    const int zeile[] = {1, 2, 3, 1, 2};
    const int spalte[] = {0, 0, 0, 1, 1};
    for (int i = 0; i < 5; ++i) {
        const int nummer = (operand - 1) * 5 + i;
        auto* knopf = new QRadioButton(QString::fromUtf8(systemnamen[i]), gruppe);
        knopf->setObjectName(QStringLiteral("RadioButton%1").arg(nummer + 1));
        knopf->setChecked(i == 0);
        RadioButton[static_cast<std::size_t>(nummer)] = knopf;
        gl->addWidget(knopf, zeile[i], spalte[i]);
    }
    gl->addWidget(basis, 1, 2, Qt::AlignLeft);
    gl->setColumnStretch(2, 1);
    if (operand == 1) {
        Edit1 = feld;
        ComboBox1 = basis;
        connect(basis, &QComboBox::currentIndexChanged, this, [this] { captionAnpassen(); });
    } else {
        Edit2 = feld;
        ComboBox2 = basis;
    }
    feld->installEventFilter(this);
    connect(feld, &QLineEdit::returnPressed, this, [this, operand] { zahlZeigen(operand); });
    return gruppe;
}

QWidget* Tzahlsysdlg::ergebnisseAufbauen(QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Ergebnisse"), eltern);
    auto* gl = new QGridLayout(gruppe);
    for (int i = 0; i < 5; ++i) {
        auto* titel = new QLabel(QString::fromUtf8(systemnamen[i]), gruppe);
        titel->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Label[static_cast<std::size_t>(i)] = titel;
        txtshape[static_cast<std::size_t>(i)] = ergebnisform(i + 1, gruppe);
        gl->addWidget(titel, i, 0);
        gl->addWidget(txtshape[static_cast<std::size_t>(i)], i, 1);
    }
    captionAnpassen();
    Memo1 = new QPlainTextEdit(gruppe);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Two tabs separate the columns: narrow stops keep all five in view.
    Memo1->setTabStopDistance(60);
    gl->addWidget(Memo1, 5, 0, 1, 2);
    gl->setColumnStretch(1, 1);
    gl->setRowStretch(5, 1);
    return gruppe;
}

// The operations and the table in a menu "&Rechne" and as buttons; the copies of the result
// under "&Bearbeiten"; the field exits for batch mode only.
void Tzahlsysdlg::befehleAufbauen() {
    const QString rechne = QStringLiteral("&Rechne");
    static constexpr Rechenart arten[] = {Rechenart::plus, Rechenart::minus, Rechenart::mal,
                                          Rechenart::geteilt};
    grundrechenarten(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral(":")},
        [this](int i) { rechnen(arten[i]); }, rechne);
    QAction* t = eigenerBefehl(QStringLiteral("Tabelle1"), QStringLiteral("&Tabelle"), rechne,
                               QStringLiteral("Tabelle"), QStringLiteral("T"));
    connect(t, &QAction::triggered, this, [this] { tabelle(); });
    for (int operand = 1; operand <= 2; ++operand) {
        QAction* a = eigenerBefehl(QStringLiteral("ErgebnisZahl%1").arg(operand),
                                   QStringLiteral("Ergebnis -> Zahl &%1").arg(operand),
                                   QStringLiteral("&Bearbeiten"),
                                   QStringLiteral("Ergebnis -> Zahl %1").arg(operand),
                                   QStringLiteral(">Z%1").arg(operand));
        connect(a, &QAction::triggered, this, [this, operand] { ergebnisUebernehmen(operand); });
        QAction* verlassen = eigenerBefehl(QStringLiteral("Edit%1Exit").arg(operand),
                                           QStringLiteral("Zahl %1 umwandeln").arg(operand));
        connect(verlassen, &QAction::triggered, this, [this, operand] { zahlZeigen(operand); });
    }
}

} // namespace zol
