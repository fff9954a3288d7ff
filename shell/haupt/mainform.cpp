#include "shell/haupt/mainform.h"

#include "engine/fktbaum.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/programmhaken.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/anzeigedlg.h"
#include "shell/formeln/formelbaum.h"
#include "shell/haupt/datenordner.h"
#include "shell/haupt/fensterdlg.h"
#include "shell/haupt/infodlg.h"
#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/vorlbeadlg.h"
#include "shell/haupt/zeitdlg.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/modulfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

const QString titel_leer = QStringLiteral("Mathematik ZOL");
const QStringList projektfilter = {QStringLiteral("Formelprojekt (*.pro)")};

int zustand_von(const QWidget* w) {
    if (w->windowState() & Qt::WindowMinimized) return 1;
    if (w->windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

Fensterlage lage_von(const QWidget* w) {
    return {w->isVisible(), w->width(), w->height(), w->y(), w->x(), zustand_von(w)};
}

// Position 0, 0 first; only a normal window takes the stored size and place.
void lage_setzen(QWidget* w, const Fensterlage& l) {
    w->move(0, 0);
    if (l.zustand == 0) {
        const QRect lage =
            im_bildschirm({l.links, l.oben, std::max(l.breite, w->minimumSizeHint().width()),
                           std::max(l.hoehe, w->minimumSizeHint().height())});
        w->resize(lage.size());
        w->move(lage.topLeft());
    }
    w->setWindowState(l.zustand == 1   ? Qt::WindowMinimized
                      : l.zustand == 2 ? Qt::WindowMaximized
                                       : Qt::WindowNoState);
}

} // namespace

TMainForm::TMainForm(QWidget* eltern) : QMainWindow(eltern) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(titel_leer);
    menuesAufbauen();
    knoepfeAufbauen();
    flaecheAufbauen();
    resize(780, 560);

    palette_ = std::make_unique<Tfensterdlg>(*this);
    demo_ = std::make_unique<Tzeitdlg>(*this);
    vorlbeadlg_ = new Tvorlbeadlg(*this);

    // Every topic window's "Hauptmenü" button comes back here.
    setze_hauptfensteranzeige([this] {
        palette_->hide();
        if (isMinimized()) showNormal();
        show();
        raise();
        activateWindow();
    });
    vorlagenLaden();
}

TMainForm::~TMainForm() {
    beendet_ = true;
    setze_hauptfensteranzeige({});
    alleFensterSchliessen();
    // The palette may hold the tool buttons; they belong to this window.
    knoepfeZurueck();
    demo_.reset();
    palette_.reset();
}

// ---- project ----

// Changed windows are offered for saving once, before anything is discarded.
bool TMainForm::leeren() {
    if (!aenderungenBehandeln(Tmodulfenster::alleFenster(), this)) return false;
    formelbaum().alle_loeschen();
    alleFensterSchliessen();
    return true;
}

void TMainForm::neuesProjekt() {
    if (!leeren()) return;
    setWindowTitle(QStringLiteral("Neues Projekt"));
    projektname_.clear();
    vorgabeformat_ = QStringLiteral("0.00");
    gelistet_.clear();
    ListBox1->clear();
}

// The project's folder becomes the current one, so module files kept beside it are found by
// their bare names.
bool TMainForm::projektLaden(const QString& datei, bool mitNamen) {
    if (!leeren()) return false;
    const QFileInfo info(datei);
    QDir::setCurrent(info.absolutePath());
    setWindowTitle(mitNamen ? info.fileName() : titel_leer);
    projektname_ = mitNamen ? info.absoluteFilePath() : QString();
    TWinRestorer(info.absoluteFilePath()).restore(*this, !mitNamen);
    return true;
}

bool TMainForm::projektOeffnen(const QString& datei) {
    if (!QFileInfo(datei).isFile()) {
        meldung(QStringLiteral("Datei nicht vorhanden."), this);
        return false;
    }
    if (!projektLaden(datei, true)) return false;
    gelistet_.clear();
    ListBox1->clear();
    return true;
}

void TMainForm::projektOeffnenDialog() {
    const QString datei = Meldungsdienst::aktuell().datei_oeffnen(
        this, QStringLiteral("Projekt öffnen"), projektfilter, QStringLiteral("pro"));
    if (!datei.isEmpty()) projektOeffnen(datei);
}

bool TMainForm::projektSpeichern() {
    if (projektname_.isEmpty()) return projektSpeichernUnter();
    return TWinRestorer(projektname_).save(*this);
}

bool TMainForm::projektSpeichernUnter() {
    const QString datei = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Projekt speichern unter"), projektfilter, QStringLiteral("pro"),
        projektname_);
    if (datei.isEmpty()) return false;
    TWinRestorer projekt(datei);
    // The new name only shows once the project was saved under it.
    if (!projekt.save(*this)) return false;
    projektname_ = projekt.datei();
    setWindowTitle(QFileInfo(projektname_).fileName());
    return true;
}

void TMainForm::vorgabeZahlenformat() {
    zahlenformat_waehlen(vorgabeformat_, this);
}

void TMainForm::startprojektLaden() {
    const QString datei = datenpfad(QStringLiteral("Standard.pro"));
    if (datei.isEmpty()) {
        meldung(QStringLiteral("Datei nicht vorhanden."), this);
        return;
    }
    const QFileInfo ordner(QFileInfo(datei).absolutePath());
    projektLaden(datei, QFileInfo(datei).isWritable() && ordner.isWritable());
    gelistet_.clear();
    ListBox1->clear();
}

// ---- topic windows ----

Tmodulfenster* TMainForm::fensterErzeugen(int art) {
    Tmodulfenster* f = fenster_erzeugen(art);
    if (f == nullptr) return nullptr;
    f->setzeFormat(vorgabeformat_);
    f->winkelmodus = Tzahlenform::instanz().winkelmodus;
    letzte_.insert(art, f);
    return f;
}

Tmodulfenster* TMainForm::fensterOeffnen(int art) {
    Tmodulfenster* f = fensterErzeugen(art);
    if (f == nullptr) return nullptr;
    f->setzeDateiname({});
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

Tmodulfenster* TMainForm::letztesFenster(int art) const {
    return letzte_.value(art);
}

QList<Tmodulfenster*> TMainForm::modulfenster() const {
    return Tmodulfenster::alleFenster();
}

void TMainForm::fensterlisteAktualisieren() {
    ListBox1->clear();
    gelistet_.clear();
    for (Tmodulfenster* f : Tmodulfenster::alleFenster()) {
        gelistet_ << f;
        ListBox1->addItem(f->windowTitle());
    }
}

void TMainForm::fensterlisteKlick(int zeile) {
    if (zeile < 0 || zeile >= gelistet_.size()) return;
    Tmodulfenster* f = gelistet_[zeile];
    if (f == nullptr) return; // closed since the list was made
    f->showNormal();
    f->raise();
    f->activateWindow();
}

void TMainForm::alleFensterZustand(Qt::WindowState zustand) {
    for (Tmodulfenster* f : Tmodulfenster::alleFenster()) {
        if (zustand == Qt::WindowMinimized)
            f->showMinimized();
        else if (zustand == Qt::WindowMaximized)
            f->showMaximized();
        else
            f->showNormal();
    }
}

void TMainForm::verdeckteFensterAnzeigen() {
    for (Tmodulfenster* f : Tmodulfenster::alleFenster()) {
        f->showNormal();
        f->raise();
    }
}

// The caller has offered the changes for saving already.
void TMainForm::alleFensterSchliessen() {
    for (const QPointer<Tmodulfenster> f : Tmodulfenster::alleFenster()) {
        if (f) f->schliessenOhneNachfrage();
        delete f.data();
    }
    letzte_.clear();
}

// ---- palette, demo, help ----

void TMainForm::symbolleisteUmschalten() {
    if (palette_->isVisible())
        palette_->hide();
    else
        palette_->show();
}

void TMainForm::knoepfeZurueck() {
    if (SpeedBar->parentWidget() == centralWidget()) return;
    SpeedBar->setParent(centralWidget());
    SpeedBar->setFixedHeight(2 * knopfzelle);
    SpeedBar->setMinimumWidth(26 * knopfzelle);
    flaeche_->insertWidget(0, SpeedBar);
    knoepfe_anordnen(SpeedBar, 26 * knopfzelle);
    SpeedBar->show();
}

void TMainForm::demoZeigen() {
    demo_->show();
    demo_->raise();
}

void TMainForm::info() {
    Tinfodlg info(this);
    info.exec();
}

// ---- Projektumgebung ----

Fensterlage TMainForm::hauptfenster() const {
    return lage_von(this);
}

void TMainForm::setzeHauptfenster(const Fensterlage& lage) {
    lage_setzen(this, lage);
}

Fensterlage TMainForm::werkzeugfenster() const {
    return lage_von(palette_.get());
}

void TMainForm::setzeWerkzeugfenster(const Fensterlage& lage) {
    lage_setzen(palette_.get(), lage);
    palette_->setVisible(lage.sichtbar);
}

Fensterlage TMainForm::anzeigefenster() const {
    return lage_von(&Tanzeigedlg::instanz());
}

void TMainForm::setzeAnzeigefenster(const Fensterlage& lage) {
    lage_setzen(&Tanzeigedlg::instanz(), lage);
    Tanzeigedlg::instanz().setVisible(lage.sichtbar);
}

// ---- closing ----

void TMainForm::closeEvent(QCloseEvent* ereignis) {
    if (!frage(QStringLiteral("ZOL beenden?"), this) ||
        !aenderungenBehandeln(Tmodulfenster::alleFenster(), this)) {
        ereignis->ignore();
        return;
    }
    beendet_ = true;
    demo_->hide();
    palette_->hide();
    Tanzeigedlg::instanz().hide();
    alleFensterSchliessen();
    ereignis->accept();
    // The main window may have been hidden behind the palette, so the last-window rule of the
    // application does not apply; end the main loop explicitly.
    QCoreApplication::quit();
}

} // namespace zol
