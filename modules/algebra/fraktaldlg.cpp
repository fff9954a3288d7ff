#include "modules/algebra/fraktaldlg.h"

#include "modules/algebra/fraktalbild.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

namespace zol {

namespace {
constexpr std::uint32_t weiss = 0xFFFFFFFFu;
}

Tfraktaldlg::~Tfraktaldlg() {
    // The threads write into the rechner and post to this window: both must outlive them.
    rechner_.abbrechen();
    rechner_.warten();
}

fraktal::Vorgaben Tfraktaldlg::vorgaben() {
    fraktal::Vorgaben v;
    v.julia = book1->currentIndex() == 1;
    if (v.julia) {
        v.cx = felder::imBereich(*extendEdit5);
        v.cy = felder::imBereich(*extendEdit6);
        v.xweite = felder::imBereich(*extendEdit7);
        v.yweite = felder::imBereich(*extendEdit8);
        v.tiefe = felder::imBereich(*longintEdit3);
    } else {
        v.xmin = felder::imBereich(*extendEdit1);
        v.xmax = felder::imBereich(*extendEdit2);
        v.ymin = felder::imBereich(*extendEdit3);
        v.ymax = felder::imBereich(*extendEdit4);
        v.tiefe = felder::imBereich(*longintEdit2);
    }
    v.breite = felder::imBereich(*breite);
    v.hoehe = felder::imBereich(*hoehe);
    v.schranke = felder::imBereich(*longintEdit1);
    return v;
}

void Tfraktaldlg::rechne() {
    if (laeuft_)
        abbrechen();
    else
        starten();
}

void Tfraktaldlg::starten() {
    const fraktal::Vorgaben v = vorgaben();
    QImage leer(v.breite, v.hoehe, QImage::Format_RGB32);
    leer.fill(weiss);
    Image1->setzeBild(leer);

    const int lauf = ++lauf_;
    // Called on a worker thread: only post to the window, which runs them on its own thread
    // (and drops them if it is gone).
    fraktal::Fraktalrechner::Rueckmeldungen rueck;
    rueck.durchgang = [this](int) {
        QMetaObject::invokeMethod(
            this, [this] { bildHolen(); }, Qt::QueuedConnection);
    };
    rueck.ende = [this, lauf](bool) {
        QMetaObject::invokeMethod(
            this, [this, lauf] { beendet(lauf); }, Qt::QueuedConnection);
    };
    rechner_.starten(v, farben_, weiss, threads_, rueck);
    laeuft_ = true;
    gezeigt_ = 0;
    Gauge1->setValue(0);
    Label13->setText(
        QStringLiteral("Iterationstiefe: %1%2")
            .arg(v.tiefe)
            .arg(rechner_.erweitert() ? QStringLiteral(" (80-Bit-Rechnung)") : QString()));
    zustandZeigen();
    anzeige_->start();
    // Nobody watches the passes of a hidden window, and batch mode wants the whole picture.
    if (!isVisible()) fertigstellen();
}

void Tfraktaldlg::bildHolen() {
    if (rechner_.breite() != Image1->bild().width() || rechner_.hoehe() != Image1->bild().height())
        return; // a loaded bitmap took the place
    const std::uint64_t stand = rechner_.stand();
    if (stand != gezeigt_) {
        rechner_.bildKopieren(Image1->pixel());
        gezeigt_ = stand;
        Image1->update();
    }
    if (laeuft_) Gauge1->setValue(rechner_.fertigeDurchgaenge() * 10);
}

void Tfraktaldlg::abbrechen() {
    if (!laeuft_) return;
    rechner_.abbrechen();
    fertigstellen();
}

void Tfraktaldlg::fertigstellen() {
    if (!laeuft_) return;
    rechner_.warten();
    beendet(lauf_);
}

void Tfraktaldlg::beendet(int lauf) {
    if (lauf != lauf_ || !laeuft_) return; // an earlier computation, or handled already
    // The threads end right after reporting; waiting for them takes no time.
    rechner_.warten();
    anzeige_->stop();
    bildHolen();
    laeuft_ = false;
    if (!rechner_.abgebrochen()) Gauge1->setValue(100);
    zustandZeigen();
}

void Tfraktaldlg::zustandZeigen() {
    QAction* rechnen = aktion(Befehl::rechne);
    rechnen->setText(laeuft_ ? QStringLiteral("&Abbrechen") : QStringLiteral("&Rechne"));
    rechnen->setToolTip(laeuft_ ? QStringLiteral("Zeichnen abbrechen")
                                : QStringLiteral("Ergebnisse berechnen"));
    for (QAction* a : {aktion(Befehl::oeffnen), bitmapLaden_})
        a->setEnabled(!laeuft_);
    breite->setEnabled(!laeuft_);
    hoehe->setEnabled(!laeuft_);
}

QImage Tfraktaldlg::bild() const {
    return Image1->bild();
}

QList<QWidget*> Tfraktaldlg::ergebnisanzeigen() const {
    // Asked for once the commands have run: the picture printed is the whole one.
    const_cast<Tfraktaldlg*>(this)->fertigstellen();
    return {Image1};
}

void Tfraktaldlg::closeEvent(QCloseEvent* ereignis) {
    if (laeuft_) {
        if (mitNachfrage()) {
            meldung(QStringLiteral("Klicken Sie zuerst auf Abbrechen!"), this);
            ereignis->ignore();
            return;
        }
        abbrechen();
    }
    Tmodulfenster::closeEvent(ereignis);
}

void fraktale_registrieren() {
    fensterart_registrieren(QStringLiteral("Tfraktaldlg"), [] { return new Tfraktaldlg; });
}

} // namespace zol
