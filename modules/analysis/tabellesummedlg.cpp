#include "modules/analysis/tabellesummedlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

Tsummedlg::Tsummedlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("Tsummedlg"));
    setWindowTitle(QStringLiteral("Datenbereich"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    daten1 = new QLineEdit(this);
    daten1->setObjectName(QStringLiteral("daten1"));
    daten3 = new QLineEdit(this);
    daten3->setObjectName(QStringLiteral("daten3"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    for (QLineEdit* e : {daten1, daten3, Edit1})
        e->setMaximumWidth(80);

    auto* felder = new QGridLayout;
    felder->addWidget(new QLabel(QStringLiteral("Markierter Datenbereich:"), this), 0, 0, 1, 3);
    felder->addWidget(daten1, 1, 0);
    auto* daten2 = new QLabel(QStringLiteral(":"), this);
    daten2->setObjectName(QStringLiteral("daten2"));
    felder->addWidget(daten2, 1, 1);
    felder->addWidget(daten3, 1, 2);
    felder->addWidget(new QLabel(QStringLiteral("Formel ablegen:"), this), 2, 0, 1, 3);
    felder->addWidget(Edit1, 3, 0);

    Einfuegen = new QPushButton(QStringLiteral("Einfügen"), this);
    Einfuegen->setObjectName(QStringLiteral("Einfuegen"));
    Einfuegen->setDefault(true);
    Schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(Einfuegen);
    knoepfe->addWidget(Schliessen);

    auto* lage = new QVBoxLayout(this);
    lage->addLayout(felder);
    lage->addLayout(knoepfe);

    connect(Einfuegen, &QPushButton::clicked, this, &Tsummedlg::EinfuegenClick);
    connect(Schliessen, &QPushButton::clicked, this, &Tsummedlg::SchliessenClick);
}

void Tsummedlg::setzeBereich(const QString& erste, const QString& zweite, const QString& ziel) {
    daten1->setText(erste);
    daten3->setText(zweite);
    Edit1->setText(ziel);
}

QString Tsummedlg::erste() const {
    return daten1->text().trimmed();
}

QString Tsummedlg::zweite() const {
    return daten3->text().trimmed();
}

QString Tsummedlg::ziel() const {
    return Edit1->text().trimmed();
}

QString Tsummedlg::formel() const {
    return QStringLiteral("=Summe(") + erste() + QLatin1Char(':') + zweite() + QLatin1Char(')');
}

void Tsummedlg::EinfuegenClick() {
    emit einfuegen(formel(), ziel());
    accept();
}

void Tsummedlg::SchliessenClick() {
    reject();
}

} // namespace zol
