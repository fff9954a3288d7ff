#include "shell/formeln/einffordlg.h"

#include "shell/formeln/dialogformel.h"
#include "shell/formeln/formelbaum.h"
#include "shell/formeln/formelhilfen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zol {

Teinffordlg& Teinffordlg::instanz() {
    return einzelstueck<Teinffordlg>();
}

Teinffordlg::Teinffordlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("einffordlg"));
    setWindowTitle(QStringLiteral("Formel auswählen"));

    zeigeformel = new QListWidget;
    zeigeformel->setObjectName(QStringLiteral("zeigeformel"));
    connect(zeigeformel, &QListWidget::itemClicked, this, &Teinffordlg::zeigeformelClick);
    connect(zeigeformel, &QListWidget::currentRowChanged, this, &Teinffordlg::zeigeformelClick);
    connect(zeigeformel, &QListWidget::itemDoubleClicked, this, [this] {
        zeigeformelClick();
        if (einfuegen_->isEnabled()) accept();
    });

    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);

    auto* bearbeiten = new QPushButton(QStringLiteral("Projektformeln bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("Bearbeiten"));
    bearbeiten->setAutoDefault(false);
    einfuegen_ = new QPushButton(QStringLiteral("Formel einfügen"));
    einfuegen_->setObjectName(QStringLiteral("OKBtn"));
    einfuegen_->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("CancelBtn"));
    abbrechen->setAutoDefault(false);
    connect(bearbeiten, &QPushButton::clicked, this, &Teinffordlg::BearbeitenClick);
    connect(einfuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    // Inserting nothing would only empty the caller's field.
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString& text) { einfuegen_->setEnabled(!text.isEmpty()); });
    einfuegen_->setEnabled(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bearbeiten);
    knoepfe->addStretch();
    knoepfe->addWidget(einfuegen_);
    knoepfe->addWidget(abbrechen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(zeigeformel, 1);
    haupt->addWidget(Edit1);
    haupt->addLayout(knoepfe);
    resize(420, 320);
}

QString Teinffordlg::formel() const {
    return Edit1->text();
}

void Teinffordlg::aktualisieren() {
    const QSignalBlocker sperre(zeigeformel);
    liste_fuellen(zeigeformel, formelliste(formelbaum()));
}

void Teinffordlg::zeigeformelClick() {
    if (const QListWidgetItem* item = zeigeformel->currentItem()) Edit1->setText(item->text());
}

void Teinffordlg::BearbeitenClick() {
    Tdialogformel& editor = Tdialogformel::instanz();
    if (!editor.isVisible()) editor.exec();
    aktualisieren();
}

void Teinffordlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    aktualisieren();
}

void Teinffordlg::changeEvent(QEvent* ereignis) {
    QDialog::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) aktualisieren();
}

bool formel_waehlen(QString& ziel) {
    Teinffordlg& dialog = Teinffordlg::instanz();
    if (dialog.isVisible() || dialog.exec() != QDialog::Accepted) return false;
    ziel = dialog.formel();
    return true;
}

} // namespace zol
