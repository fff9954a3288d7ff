#include "shell/formeln/expfordlg.h"

#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/formeln/formelhilfen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

namespace {

QPushButton* knopf(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

Texpfordlg& Texpfordlg::instanz() {
    return einzelstueck<Texpfordlg>();
}

Texpfordlg::Texpfordlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("expfordlg"));
    setWindowTitle(QStringLiteral("Formeln aus der Tabelle in Projektformeln"));

    listbox2 = new QListWidget;
    listbox2->setObjectName(QStringLiteral("listbox2"));
    listbox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    zeigeformel = new QListWidget;
    zeigeformel->setObjectName(QStringLiteral("zeigeformel"));

    auto* uebernehmen = knopf(QStringLiteral(">"), "Uebernehmen");
    auto* alle = knopf(QStringLiteral(">>"), "Alleuebernehmen");
    auto* schliessen = knopf(QStringLiteral("Schließen"), "Schliessen");
    connect(uebernehmen, &QPushButton::clicked, this, &Texpfordlg::UebernehmenClick);
    connect(alle, &QPushButton::clicked, this, &Texpfordlg::AlleuebernehmenClick);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* mitte = new QVBoxLayout;
    mitte->addStretch();
    mitte->addWidget(uebernehmen);
    mitte->addWidget(alle);
    mitte->addStretch();

    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Formeln aus der Tabelle")), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Projektformeln ")), 0, 2);
    raster->addWidget(listbox2, 1, 0);
    raster->addLayout(mitte, 1, 1);
    raster->addWidget(zeigeformel, 1, 2);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(schliessen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(raster, 1);
    haupt->addLayout(unten);
    resize(560, 340);
}

void Texpfordlg::setze_quelle(Tfktbaum* quelle) {
    quelle_ = quelle;
}

void Texpfordlg::projektformeln_zeigen() {
    liste_fuellen(zeigeformel, formelliste(formelbaum()));
}

void Texpfordlg::aktualisieren() {
    liste_fuellen(listbox2, quelle_ ? formelliste(*quelle_) : QStringList());
    projektformeln_zeigen();
}

// Cells stand in the order they were computed, each after the ones it uses, so they are
// defined in that order.
void Texpfordlg::UebernehmenClick() {
    QList<QListWidgetItem*> auswahl;
    for (int i = 0; i < listbox2->count(); ++i)
        if (listbox2->item(i)->isSelected()) auswahl << listbox2->item(i);
    for (QListWidgetItem* item : std::as_const(auswahl)) {
        definieren(formelbaum(), item->text(), this);
        delete item;
    }
    projektformeln_zeigen();
}

void Texpfordlg::AlleuebernehmenClick() {
    if (quelle_ != nullptr)
        for (const QString& text : formelliste(*quelle_))
            definieren(formelbaum(), text, this);
    aktualisieren();
}

void Texpfordlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    aktualisieren();
}

void Texpfordlg::hideEvent(QHideEvent* ereignis) {
    QDialog::hideEvent(ereignis);
    quelle_ = nullptr;
}

} // namespace zol
