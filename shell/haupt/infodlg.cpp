#include "shell/haupt/infodlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

QIcon programmsymbol() {
    return QIcon(QStringLiteral(":/zol/zol.svg"));
}

QString programmversion() {
    return QStringLiteral(ZOL_VERSION);
}

Tinfodlg::Tinfodlg(QWidget* eltern, bool startbild)
    : QDialog(eltern, startbild ? Qt::SplashScreen | Qt::FramelessWindowHint : Qt::Dialog) {
    setObjectName(QStringLiteral("Infodlg"));
    setWindowTitle(QStringLiteral("Info"));
    auto* rahmen = new QFrame;
    rahmen->setFrameShape(QFrame::Panel);
    rahmen->setFrameShadow(QFrame::Raised);
    rahmen->setLineWidth(2);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(startbild ? 0 : 9, startbild ? 0 : 9, startbild ? 0 : 9,
                               startbild ? 0 : 9);
    aussen->addWidget(rahmen);

    auto* zeile = new QHBoxLayout(rahmen);
    zeile->setContentsMargins(18, 18, 24, 18);
    zeile->setSpacing(18);
    auto* bild = new QLabel;
    bild->setPixmap(programmsymbol().pixmap(96, 96));
    bild->setAlignment(Qt::AlignTop);
    zeile->addWidget(bild);

    auto* texte = new QVBoxLayout;
    zeile->addLayout(texte);
    auto* titel = new QLabel(QStringLiteral("Mathematik ZOL"));
    QFont gross = titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 2);
    gross.setBold(true);
    titel->setFont(gross);
    titel->setStyleSheet(QStringLiteral("color: #1f56b0;"));
    texte->addWidget(titel);
    texte->addWidget(
        new QLabel(QStringLiteral("Die Mathematik-Werkbank für Schule und Unterricht")));
    auto* version = new QLabel(QStringLiteral("Version %1").arg(programmversion()));
    version->setObjectName(QStringLiteral("Version"));
    texte->addWidget(version);
    texte->addSpacing(8);
    auto* inhalt = new QLabel(QStringLiteral(
        "Formeln mit Dezimalkomma eingeben, rechnen und als Projektformeln speichern,\n"
        "Funktionen zeichnen und untersuchen, Themenfenster von der Analysis bis zur\n"
        "Stochastik. Fertige Lektionen finden Sie unter „Vorlagen“ im Hauptfenster."));
    texte->addWidget(inhalt);
    texte->addStretch();
    if (!startbild) {
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok);
        knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
        connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
        texte->addWidget(knoepfe);
    }
}

} // namespace zol
