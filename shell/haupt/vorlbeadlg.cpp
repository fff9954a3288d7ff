#include "shell/haupt/vorlbeadlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/haupt/datenordner.h"
#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/mainform.h"
#include "shell/haupt/vorlagenliste.h"
#include "shell/rahmen/datei.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zol {

Tvorlbeadlg::Tvorlbeadlg(TMainForm& haupt) : QDialog(&haupt), haupt_(haupt) {
    setObjectName(QStringLiteral("Vorlbeadlg"));
    setWindowTitle(QStringLiteral("Vorlagen bearbeiten"));
    auto* layout = new QHBoxLayout(this);

    Outline1 = new QTreeWidget;
    Outline1->setObjectName(QStringLiteral("Outline1"));
    Outline1->setHeaderHidden(true);
    Outline1->setMinimumWidth(380);
    layout->addWidget(Outline1, 1);

    auto* rechts = new QVBoxLayout;
    layout->addLayout(rechts);
    auto* gruppe = new QGroupBox(QStringLiteral("Projekt bearbeiten "));
    gruppe->setObjectName(QStringLiteral("GroupBox1"));
    auto* felder = new QGridLayout(gruppe);
    felder->addWidget(new QLabel(QStringLiteral("Beschreibung:")), 0, 0, 1, 2);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    felder->addWidget(Edit1, 1, 0, 1, 2);
    felder->addWidget(new QLabel(QStringLiteral("Projektname:")), 2, 0, 1, 2);
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    felder->addWidget(Edit2, 3, 0, 1, 2);
    auto knopf = [this](const char* name, const char* text, void (Tvorlbeadlg::*wirkung)()) {
        auto* k = new QPushButton(QString::fromUtf8(text));
        k->setObjectName(QString::fromUtf8(name));
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, wirkung);
        return k;
    };
    felder->addWidget(knopf("GleicheEbene", "Gleiche Ebene", &Tvorlbeadlg::GleicheEbeneClick), 4,
                      0);
    felder->addWidget(knopf("UntergeordneteEbene", "Untergeordnete Ebene",
                            &Tvorlbeadlg::UntergeordneteEbeneClick),
                      4, 1);
    felder->addWidget(knopf("Ersetzen", "Ersetzen", &Tvorlbeadlg::ErsetzenClick), 5, 0);
    felder->addWidget(knopf("Bearbeiten", "&Bearbeiten", &Tvorlbeadlg::BearbeitenClick), 5, 1);
    felder->addWidget(
        knopf("AktuellesProjekt", "Aktuelles &Projekt", &Tvorlbeadlg::AktuellesProjektClick), 6, 0);
    felder->addWidget(knopf("Loeschen", "&Löschen", &Tvorlbeadlg::LoeschenClick), 6, 1);
    rechts->addWidget(gruppe);

    auto* schritte = new QHBoxLayout;
    auto pfeil = [this, schritte](const char* name, const char* hinweis, int tag,
                                  void (Tvorlbeadlg::*wirkung)()) {
        auto* k = new QToolButton;
        k->setObjectName(QString::fromUtf8(name));
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setIcon(knopfsymbol(tag));
        k->setIconSize(QSize(20, 20));
        connect(k, &QToolButton::clicked, this, wirkung);
        schritte->addWidget(k);
    };
    pfeil("Vorheriger", "Vorheriger Eintrag", 50, &Tvorlbeadlg::VorherigerClick);
    pfeil("Naechster", "Nächster Eintrag", 51, &Tvorlbeadlg::NaechsterClick);
    schritte->addStretch();
    rechts->addLayout(schritte);

    CheckBox1 = new QCheckBox(QStringLiteral("Vorlagen als Projekt laden"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    rechts->addWidget(CheckBox1);
    rechts->addStretch();

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    rechts->addWidget(knoepfe);

    resize(720, 440);
}

bool Tvorlbeadlg::alsProjekt() const {
    return CheckBox1->isChecked();
}

QString Tvorlbeadlg::eintragstext() const {
    const QString beschreibung = Edit1->text().trimmed();
    const QString name = Edit2->text().trimmed();
    if (name.isEmpty()) return beschreibung;
    if (beschreibung.isEmpty()) return QStringLiteral("(") + name + QStringLiteral(")");
    return beschreibung + QStringLiteral(" (") + name + QStringLiteral(")");
}

void Tvorlbeadlg::laden() {
    gliederung_laden(Outline1);
    Outline1->expandAll();
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    waehlen(eintraege.isEmpty() ? nullptr : eintraege.first());
}

void Tvorlbeadlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    laden();
}

void Tvorlbeadlg::waehlen(QTreeWidgetItem* eintrag) {
    Outline1->setCurrentItem(eintrag);
    if (eintrag) Outline1->scrollToItem(eintrag);
}

void Tvorlbeadlg::GleicheEbeneClick() {
    const QString text = eintragstext();
    if (text.isEmpty()) return;
    QTreeWidgetItem* neben = Outline1->currentItem();
    auto* neu = new QTreeWidgetItem(QStringList{text});
    if (neben == nullptr) {
        Outline1->addTopLevelItem(neu);
    } else if (QTreeWidgetItem* eltern = neben->parent()) {
        eltern->insertChild(eltern->indexOfChild(neben) + 1, neu);
    } else {
        Outline1->insertTopLevelItem(Outline1->indexOfTopLevelItem(neben) + 1, neu);
    }
    waehlen(neu);
}

void Tvorlbeadlg::UntergeordneteEbeneClick() {
    const QString text = eintragstext();
    if (text.isEmpty()) return;
    QTreeWidgetItem* eltern = Outline1->currentItem();
    auto* neu = new QTreeWidgetItem(QStringList{text});
    if (eltern == nullptr) {
        Outline1->addTopLevelItem(neu);
    } else {
        eltern->addChild(neu);
        eltern->setExpanded(true);
    }
    waehlen(neu);
}

void Tvorlbeadlg::ErsetzenClick() {
    QTreeWidgetItem* eintrag = Outline1->currentItem();
    const QString text = eintragstext();
    if (eintrag == nullptr || text.isEmpty()) return;
    eintrag->setText(0, text);
}

void Tvorlbeadlg::BearbeitenClick() {
    QTreeWidgetItem* eintrag = Outline1->currentItem();
    if (eintrag == nullptr) return;
    Edit1->setText(vorlagenbeschreibung(eintrag->text(0)));
    Edit2->setText(vorlagenname(eintrag->text(0)));
}

void Tvorlbeadlg::AktuellesProjektClick() {
    Edit2->setText(haupt_.projektname());
}

void Tvorlbeadlg::LoeschenClick() {
    QTreeWidgetItem* eintrag = Outline1->currentItem();
    if (eintrag == nullptr) return;
    // The entry that follows the deleted one and its children keeps the selection.
    const auto stelle = gliederung_eintraege(Outline1).indexOf(eintrag);
    delete eintrag;
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (eintraege.isEmpty())
        waehlen(nullptr);
    else
        waehlen(eintraege[std::min(stelle, eintraege.size() - 1)]);
}

void Tvorlbeadlg::schritt(int richtung) {
    Outline1->expandAll();
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (eintraege.isEmpty()) return;
    const auto n = eintraege.size();
    const auto jetzt = eintraege.indexOf(Outline1->currentItem());
    const auto neu = jetzt < 0 ? 0 : (jetzt + richtung + n) % n;
    waehlen(eintraege[neu]);
}

void Tvorlbeadlg::VorherigerClick() {
    schritt(-1);
}

void Tvorlbeadlg::NaechsterClick() {
    schritt(1);
}

bool Tvorlbeadlg::speichern() {
    const QString ziel = datenpfad(vorlagenindex, true);
    if (ziel.isEmpty()) {
        meldung(QStringLiteral("Die Vorlagenliste kann nicht gespeichert werden."), this);
        return false;
    }
    return zeilen_schreiben(ziel, gliederung_zeilen(Outline1), this);
}

void Tvorlbeadlg::accept() {
    if (speichern()) QDialog::accept();
}

} // namespace zol
