// "Projektformeln bearbeiten": what its controls do.
#include "shell/formeln/dialogformel.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/zahlformat.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/programmhaken.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/formeldatei.h"
#include "shell/formeln/formelhilfen.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace zol {

Tdialogformel& Tdialogformel::instanz() {
    return einzelstueck<Tdialogformel>();
}

Tdialogformel::~Tdialogformel() = default;

int Tdialogformel::bearbeiten(Tfktbaum& andere) {
    if (isVisible()) return Rejected;
    tabelle_ = &andere;
    const int ergebnis = exec();
    tabelle_ = formelbaum_.get();
    return ergebnis;
}

void Tdialogformel::aktualisieren() {
    const QSignalBlocker sperre(zeigeformel);
    zeigeformel->clear();
    ListBox1->clear();
    const std::string bild = Tzahlenform::instanz().format.toStdString();
    Tfktbaum& t = tabelle();
    for (int i = 0; i < t.anzahl(); ++i) {
        const std::string& text = t.eintrag(i);
        zeigeformel->addItem(QString::fromStdString(text));
        // "A=3*5" is asked as "A="; a function has no value unless its variable names a
        // constant.
        const std::string teil = leerzeichenweg(text.substr(0, text.find('=') + 1));
        std::string anfrage = teil;
        long double wert = 0;
        if (!teil.ends_with('=') || !t.untersuche(anfrage, wert)) continue;
        ListBox1->addItem(QString::fromStdString(teil + format(bild, wert)));
    }
}

void Tdialogformel::DefinierenClick() {
    definieren(tabelle(), Edit1->text(), this);
    aktualisieren();
    Edit1->setFocus();
}

void Tdialogformel::einsetzen(const QString& text) {
    if (!Edit1->hasFocus() && auswahl_.anfang >= 0 && auswahl_.text == Edit1->text()) {
        if (auswahl_.laenge > 0)
            Edit1->setSelection(auswahl_.anfang, auswahl_.laenge);
        else
            Edit1->setCursorPosition(auswahl_.anfang);
    }
    auswahl_ = {};
    Edit1->insert(text);
    Edit1->setFocus();
}

void Tdialogformel::TasteClick() {
    if (auto* taste = qobject_cast<QPushButton*>(sender())) einsetzen(taste->text());
}

void Tdialogformel::ListBox3Click(QListWidgetItem* item) {
    if (item == nullptr) return;
    einsetzen(item->text() + QStringLiteral("()"));
    const int pos = Edit1->cursorPosition();
    if (pos > 0 && Edit1->text().at(pos - 1) == QLatin1Char(')')) Edit1->setCursorPosition(pos - 1);
}

void Tdialogformel::ListBox4Click(QListWidgetItem* item) {
    if (item == nullptr) return;
    Edit1->setText(item->text());
    // The empty example only clears the field; there is nothing to define.
    if (item->text().trimmed().isEmpty())
        Edit1->setFocus();
    else
        DefinierenClick();
}

void Tdialogformel::zeigeformelClick() {
    const QListWidgetItem* item = zeigeformel->currentItem();
    if (item == nullptr) return;
    Edit1->setText(item->text());
    if (seiten_->currentIndex() == 0) Edit1->setFocus();
}

void Tdialogformel::LoeschenClick() {
    const QListWidgetItem* item = zeigeformel->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    Tfktbaum& t = tabelle();
    const std::string name = formelname(item->text()).toStdString();
    const int index = name.empty() ? -1 : t.sucheeintrag(name);
    if (index >= 0) {
        // A plain text search: a name inside a longer name (F in FA) also counts as used.
        bool enthalten = false;
        for (int i = 0; i < t.anzahl() && !enthalten; ++i) {
            std::string n, rechts, v;
            if (i != index && Tfktbaum::aufspalten(t.eintrag(i), n, rechts, v))
                enthalten = rechts.find(name) != std::string::npos;
        }
        if (enthalten)
            meldung(Edit1->text() + formelmeldungen::nicht_loeschbar, this);
        else if (frage(Edit1->text() + formelmeldungen::wirklich_loeschen, this))
            t.loesche_fkt(name);
    }
    aktualisieren();
}

void Tdialogformel::LoeschenalleClick() {
    if (frage(formelmeldungen::alle_loeschen, this)) tabelle().alle_loeschen();
    aktualisieren();
}

void Tdialogformel::FormeldateioeffnenClick() {
    const QString pfad = Meldungsdienst::aktuell().datei_oeffnen(
        this, QStringLiteral("Formeldatei öffnen"), formeldatei_filter(), formeldatei_endung);
    if (pfad.isEmpty()) return;
    QString fehler;
    const auto zeilen = formeldatei_lesen(pfad, fehler);
    if (!zeilen) {
        meldung(fehler, this);
        return;
    }
    liste_fuellen(listbox2, *zeilen);
}

// The selected lines in list order, so that a formula is defined after the ones it uses,
// as they stand in a saved file.
void Tdialogformel::EinfuegenClick() {
    QList<QListWidgetItem*> auswahl;
    for (int i = 0; i < listbox2->count(); ++i)
        if (listbox2->item(i)->isSelected()) auswahl << listbox2->item(i);
    for (QListWidgetItem* item : std::as_const(auswahl)) {
        definieren(tabelle(), item->text(), this);
        delete item;
    }
    aktualisieren();
}

void Tdialogformel::AlleeinfuegenClick() {
    QStringList zeilen;
    for (int i = 0; i < listbox2->count(); ++i)
        zeilen << listbox2->item(i)->text();
    for (const QString& zeile : std::as_const(zeilen))
        definieren(tabelle(), zeile, this);
    aktualisieren();
}

void Tdialogformel::SpeichernunterClick() {
    const QString pfad = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Speichern unter"), formeldatei_filter(), formeldatei_endung);
    if (pfad.isEmpty()) return;
    QStringList zeilen;
    for (int i = 0; i < zeigeformel->count(); ++i)
        zeilen << zeigeformel->item(i)->text();
    QString fehler;
    if (!formeldatei_schreiben(pfad, zeilen, fehler)) meldung(fehler, this);
}

void Tdialogformel::ZahlenformatClick() {
    Tzahlenform::instanz().exec();
    aktualisieren();
}

void Tdialogformel::HilfeClick() {
    emit hilfeAngefordert(hilfekontext_projektformeln);
    hilfe_anzeigen(hilfekontext_projektformeln, this);
}

void Tdialogformel::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    aktualisieren();
    if (seiten_->currentIndex() == 0) Edit1->setFocus();
}

void Tdialogformel::changeEvent(QEvent* ereignis) {
    QDialog::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) aktualisieren();
}

// Clicking a list takes the focus from the field, and a line edit drops its selection then;
// the keypad and the function list still replace what was selected.
bool Tdialogformel::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Edit1 && ereignis->type() == QEvent::FocusOut) {
        auswahl_.text = Edit1->text();
        auswahl_.anfang =
            Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
        auswahl_.laenge = Edit1->hasSelectedText() ? Edit1->selectionLength() : 0;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace zol
