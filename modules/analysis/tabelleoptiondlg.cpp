#include "modules/analysis/tabelleoptiondlg.h"

#include "shell/eingabe/zahleingaben.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

TTabOptiondlg::TTabOptiondlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("TTabOptiondlg"));
    setWindowTitle(QStringLiteral("Optionen"));
    setModal(true);

    auto spin = [this](const char* name) {
        auto* s = new Tspineditin(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setMinValue(minimum);
        s->setMaxValue(maximum);
        return s;
    };
    spineditin1 = spin("spineditin1");
    spineditin2 = spin("spineditin2");
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Anzahl der Zeilen"), spineditin1);
    felder->addRow(QStringLiteral("Anzahl der Spalten"), spineditin2);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setObjectName(QStringLiteral("AbbrechenButton"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);

    auto* lage = new QVBoxLayout(this);
    lage->addLayout(felder);
    lage->addLayout(knoepfe);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TTabOptiondlg::ausfuehren(int& zeilen, int& spalten) {
    spineditin1->setValue(zeilen);
    spineditin2->setValue(spalten);
    if (exec() != QDialog::Accepted) return false;
    // Value() clamps nothing itself; typed counts outside the range are brought into it.
    zeilen = std::clamp(spineditin1->Value(), minimum, maximum);
    spalten = std::clamp(spineditin2->Value(), minimum, maximum);
    return true;
}

} // namespace zol
