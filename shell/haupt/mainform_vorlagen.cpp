// The lesson templates: the outline, opening, stepping through and searching.
#include "shell/dienste/meldungsdienst.h"
#include "shell/haupt/datenordner.h"
#include "shell/haupt/mainform.h"
#include "shell/haupt/vorlagenliste.h"
#include "shell/haupt/vorlbeadlg.h"
#include "shell/haupt/zeitdlg.h"
#include "shell/rahmen/modulfenster.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace zol {

namespace {

// The template file for a name from the outline: the name itself if it is a file, else the
// name (with ".pro" when it has no extension) in a "Lektion" folder of the data folders; names
// written on Windows may differ in case or carry a folder, so the file name alone is matched
// without regard to case when the exact spelling is not there. Empty if none exists.
QString vorlagendatei(QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(name).isFile()) return name;
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pro");
    const QString genau = datenpfad(QStringLiteral("Lektion/") + name);
    if (!genau.isEmpty()) return genau;
    const QString bloss = QFileInfo(name).fileName();
    for (const QString& ordner : datenordner()) {
        const QDir lektion(QDir(ordner).filePath(QStringLiteral("Lektion")));
        for (const QString& datei : lektion.entryList(QDir::Files))
            if (datei.compare(bloss, Qt::CaseInsensitive) == 0) return lektion.filePath(datei);
    }
    return {};
}

} // namespace

void TMainForm::vorlagenLaden() {
    gliederung_laden(Outline1);
    Outline1->expandAll();
    suchposition_ = 0;
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (eintraege.isEmpty())
        eintragGewaehlt(nullptr);
    else
        Outline1->setCurrentItem(eintraege.first());
}

void TMainForm::eintragGewaehlt(QTreeWidgetItem* eintrag) {
    const QString text = eintrag ? eintrag->text(0) : QString();
    // An entry without a template name leaves nothing to open, not the previous template.
    vorlagenname_ = zol::vorlagenname(text);
    Edit2->setText(vorlagenname_.isEmpty() ? QString() : text);
    VorlageOeffnen->setEnabled(!vorlagenname_.isEmpty());
}

void TMainForm::eintragGeklickt(QTreeWidgetItem* eintrag) {
    if (eintrag == nullptr) return;
    eintragGewaehlt(eintrag);
    if (eintrag->childCount() > 0) eintrag->setExpanded(!eintrag->isExpanded());
}

void TMainForm::vorlageOeffnen() {
    if (vorlagenname_.isEmpty()) return;
    const QString datei = vorlagendatei(vorlagenname_);
    if (datei.isEmpty()) return; // a missing template is silently not opened
    if (!projektLaden(datei, vorlbeadlg_->alsProjekt())) return;
    // Windows the demo opened are its own: the next template replaces them without a question.
    if (demo_->isVisible())
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            f->setzeOhneNachfrage(true);
    gelistet_.clear();
    ListBox1->clear();
}

void TMainForm::vorlageWaehlen(int zeile) {
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (zeile < 0 || zeile >= eintraege.size()) return;
    Outline1->setCurrentItem(eintraege[zeile]);
    Outline1->scrollToItem(eintraege[zeile]);
}

void TMainForm::naechsteVorlage() {
    Outline1->expandAll();
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (eintraege.isEmpty()) return;
    const auto jetzt = eintraege.indexOf(Outline1->currentItem());
    vorlageWaehlen(static_cast<int>((jetzt + 1) % eintraege.size()));
    vorlageOeffnen();
}

void TMainForm::vorherigeVorlage() {
    Outline1->expandAll();
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    if (eintraege.isEmpty()) return;
    const auto jetzt = eintraege.indexOf(Outline1->currentItem());
    vorlageWaehlen(static_cast<int>(jetzt <= 0 ? eintraege.size() - 1 : jetzt - 1));
    vorlageOeffnen();
}

void TMainForm::suchen() {
    suchenAb(0);
}

void TMainForm::weitersuchen() {
    suchenAb(suchposition_);
}

void TMainForm::suchenAb(int zeile) {
    const QString text = Edit1->text();
    if (text.isEmpty()) return;
    Outline1->expandAll();
    const QList<QTreeWidgetItem*> eintraege = gliederung_eintraege(Outline1);
    for (int i = std::max(zeile, 0); i < eintraege.size(); ++i) {
        if (eintraege[i]->text(0).contains(text, Qt::CaseInsensitive)) {
            vorlageWaehlen(i);
            suchposition_ = i + 1;
            return;
        }
    }
    hinweis(QStringLiteral("Ausdruck nicht gefunden"), this);
    suchposition_ = 0;
}

void TMainForm::nurThemenAnzeigen() {
    Outline1->collapseAll();
}

void TMainForm::allesAnzeigen() {
    Outline1->expandAll();
}

void TMainForm::vorlagenBearbeiten() {
    if (vorlbeadlg_->exec() == QDialog::Accepted) vorlagenLaden();
}

bool TMainForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Outline1 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            vorlageOeffnen();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace zol
