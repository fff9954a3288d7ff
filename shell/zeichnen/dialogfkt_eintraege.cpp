// The function list of the plot window: adding the entry that the current function page shows,
// taking an entry back into the controls, deleting it.
#include "engine/fktbaum.h"
#include "engine/zahlformat.h"
#include "engine/zahlwert.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/fktdatei.h"
#include "shell/zeichnen/meldungsumleitung.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace zol {

namespace {

const QString keine_markierung = QStringLiteral("Keine Funktion in der Liste markiert");

// Programs and files may put any text into a spin field; what an entry takes stays in bounds.
qint32 begrenzt(const Tspineditin* feld) {
    return std::clamp(feld->Value(), feld->MinValue(), feld->MaxValue());
}

bool fehlerhaft(const QString& text, QWidget* fenster) {
    meldung(QStringLiteral("Fehlerhafte Eingabe:") + text, fenster);
    return false;
}

bool definiere(const QString& text) {
    return formelbaum().definiere(text.toStdString());
}

} // namespace

bool Tdialogfkt::hinzufuegen() {
    Teinzelnefkt e;
    e.art = TabbedNotebook2->currentIndex();
    const Tstift stift = neuerStift();
    e.farbe = stift.farbe;
    e.breite = stift.breite;
    e.stil = static_cast<std::uint8_t>(stift.stil);
    {
        // Refused recursive definitions are reported by the engine.
        const Meldungsumleitung umleitung(this);
        if (!eintragErzeugen(e)) return false;
    }
    stiftVerbraucht();
    eintragAnhaengen(e);
    auffrischen();
    if (!automatisch()) neuaufbauen(false);
    return true;
}

bool Tdialogfkt::eintragErzeugen(Teinzelnefkt& e) {
    switch (e.art) {
    case Teinzelnefkt::funktion: {
        if (!definiere(Edit1->text())) return fehlerhaft(Edit1->text(), this);
        fktdatei::setze_kurvenziffer(e, artableit->isChecked()     ? 1
                                        : art2ableit->isChecked()  ? 2
                                        : artintegral->isChecked() ? 3
                                                                   : 0);
        e.aufloesung = begrenzt(aufloesung);
        e.einschraenken = arteinsch->isChecked();
        e.von = vonx->Value();
        e.bis = bisx->Value();
        e.integralkonst = integralkonst->Value();
        e.simpson = anzahlsimp->Value();
        e.name = Edit1->text().toStdString();
        return true;
    }
    case Teinzelnefkt::schar: {
        const QString parameter = Scharparam->text() + QLatin1Char('=') +
                                  QString::fromStdString(allgemeinformat(vonschar->Value()));
        if (!definiere(parameter)) return fehlerhaft(parameter, this);
        if (!definiere(Edit2->text())) return fehlerhaft(Edit2->text(), this);
        e.name2 = Scharparam->text().toStdString();
        e.scharvon = vonschar->Value();
        e.scharschritt = bisschar->Value();
        e.scharanzahl = begrenzt(aufloesungschar);
        e.von = vonscharx->Value();
        e.bis = bisscharx->Value();
        e.aufloesung = begrenzt(aufloesungscharx);
        e.einschraenken = arteinschscharx->isChecked();
        e.name = Edit2->text().toStdString();
        return true;
    }
    case Teinzelnefkt::parameter:
        if (!definiere(Edit3->text())) return fehlerhaft(Edit3->text(), this);
        if (!definiere(Edit4->text())) return fehlerhaft(Edit4->text(), this);
        e.name = Edit3->text().toStdString();
        e.name2 = Edit4->text().toStdString();
        e.scharvon = vonpara->Value();
        e.scharschritt = bispara->Value();
        e.scharanzahl = begrenzt(aufloesungpara);
        return true;
    default:
        e.art = Teinzelnefkt::tabelle;
        return tabellenEintrag(e);
    }
}

// The grid is checked first, so a table with a wrong cell neither asks for a file nor
// overwrites one.
bool Tdialogfkt::tabellenEintrag(Teinzelnefkt& e) {
    for (int r = 1; r < StringGrid2->rowCount(); ++r) {
        for (int c = 1; c < StringGrid2->colCount(); ++c) {
            const QString zelle = StringGrid2->cell(c, r).trimmed();
            long double w = 0;
            if (zelle.isEmpty()) {
                meldung(
                    QStringLiteral("Die Tabelle ist in Zeile %1, Spalte %2 leer.").arg(r).arg(c),
                    this);
                return false;
            }
            if (!zahlwert(zelle.toStdString(), w)) {
                meldung(
                    QStringLiteral("'%1' ist keine gültige Zahl (Tabelle, Zeile %2, Spalte %3).")
                        .arg(zelle)
                        .arg(r)
                        .arg(c),
                    this);
                return false;
            }
        }
    }
    if (edit5->text().trimmed().isEmpty()) {
        if (!tabelleSpeichernUnter()) return false;
    } else if (!tabelleSpeichern()) {
        return false;
    }
    const QString datei = edit5->text().trimmed();
    e.name = datei.toStdString();
    // An edited hand-over table stays the window's own.
    if (datei == bearbeiteteUebergabe_) {
        const QString kopie = eigeneKopie(datei, tabellenzeilen());
        if (!kopie.isEmpty()) e.name = kopie.toStdString();
    }
    bearbeiteteUebergabe_.clear();
    edit5->clear();
    return true;
}

int Tdialogfkt::markierterEintrag() {
    const int zeile = ListBox1->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(eintraege_.size()) ||
        !ListBox1->item(zeile)->isSelected()) {
        meldung(keine_markierung, this);
        return -1;
    }
    return zeile;
}

void Tdialogfkt::eintragAnhaengen(const Teinzelnefkt& e) {
    eintraege_.push_back(e);
    ListBox1->addItem(listentext(e));
}

Tstift Tdialogfkt::neuerStift() const {
    Tstift s = funktionsstift_;
    if (!stiftGewaehlt_ && !stiftEinmal_) s.farbe = kurvenfarbe(farbzaehler_);
    return s;
}

void Tdialogfkt::stiftVerbraucht() {
    if (!stiftGewaehlt_ && !stiftEinmal_) ++farbzaehler_;
    stiftEinmal_ = false;
}

// A hand-over table shows the name it was handed over with, not the window's copy.
QString Tdialogfkt::listentext(const Teinzelnefkt& e) const {
    const auto it = uebergaben_.constFind(QString::fromStdString(e.name));
    if (e.art == Teinzelnefkt::tabelle && it != uebergaben_.constEnd())
        return QStringLiteral("Tab:") + *it;
    return fktdatei::listentext(e);
}

void Tdialogfkt::eintragEntfernen(int index) {
    eintraege_.erase(eintraege_.begin() + index);
    delete ListBox1->takeItem(index);
}

// The entry goes back into the controls of its page and leaves the list; "&Hinzufügen" adds
// it again as edited.
void Tdialogfkt::bearbeiten() {
    const int index = markierterEintrag();
    if (index < 0) return;
    const Teinzelnefkt e = eintraege_[static_cast<std::size_t>(index)];
    TabbedNotebook1->setCurrentIndex(seite_funktionen);
    TabbedNotebook2->setCurrentIndex(std::clamp<int>(e.art, 0, TabbedNotebook2->count() - 1));
    funktionsstift_ = {e.farbe, e.breite, e.stil};
    stiftEinmal_ = true; // added again, the entry keeps its colour
    eintragZurueck(e);
    eintragEntfernen(index);
    auffrischen();
}

void Tdialogfkt::loeschen() {
    const int index = markierterEintrag();
    if (index < 0) return;
    eintragEntfernen(index);
    auffrischen();
}

void Tdialogfkt::eintragZurueck(const Teinzelnefkt& e) {
    const QString name = QString::fromStdString(e.name);
    const QString name2 = QString::fromStdString(e.name2);
    switch (e.art) {
    case Teinzelnefkt::funktion: {
        Edit1->setText(name);
        QRadioButton* kurve[] = {artwert, artableit, art2ableit, artintegral};
        kurve[fktdatei::kurvenziffer(e)]->setChecked(true);
        arteinsch->setChecked(e.einschraenken);
        vonx->setValue(e.von);
        bisx->setValue(e.bis);
        aufloesung->setValue(e.aufloesung);
        integralkonst->setValue(e.integralkonst);
        anzahlsimp->setValue(e.simpson);
        break;
    }
    case Teinzelnefkt::schar:
        Edit2->setText(name);
        Scharparam->setText(name2);
        vonschar->setValue(e.scharvon);
        bisschar->setValue(e.scharschritt);
        aufloesungschar->setValue(e.scharanzahl);
        arteinschscharx->setChecked(e.einschraenken);
        vonscharx->setValue(e.von);
        bisscharx->setValue(e.bis);
        aufloesungscharx->setValue(e.aufloesung);
        break;
    case Teinzelnefkt::parameter:
        Edit3->setText(name);
        Edit4->setText(name2);
        vonpara->setValue(e.scharvon);
        bispara->setValue(e.scharschritt);
        aufloesungpara->setValue(e.scharanzahl);
        break;
    default: {
        tabelleLaden(name);
        const auto it = uebergaben_.constFind(name);
        bearbeiteteUebergabe_ = it != uebergaben_.constEnd() ? *it : QString();
        edit5->setText(it != uebergaben_.constEnd() ? *it : name);
        break;
    }
    }
}

} // namespace zol
