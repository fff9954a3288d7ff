// Point tables handed over by other windows. They all use fixed names ("werte.dat", …), and the
// window re-reads its tables at every rebuild; so each hand-over is drawn from a copy the window
// keeps, while the named file is still written for the user. A saved ".fkt" file cannot point
// at these copies, which go with the window: saving puts a copy beside the ".fkt" file.
#include "shell/rahmen/datei.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>

namespace zol {

bool Tdialogfkt::uebergabeHinzufuegen(const QString& datei,
                                      const QList<QList<QStringList>>& teile) {
    QList<QStringList> alle;
    for (const QList<QStringList>& teil : teile)
        alle << teil;
    if (alle.isEmpty()) return false;
    setzeTabelle(datei, alle);
    // The named file is for the user; when it cannot be written (reported), the drawing still
    // comes from the window's copy.
    tabelleSchreiben(datei);
    int rest = max_werte;
    bool hinzu = false;
    // The runs of one hand-over are one curve, in one colour.
    const Tstift stift = neuerStift();
    for (const QList<QStringList>& teil : teile) {
        if (rest <= 0) break;
        const QList<QStringList> zeilen = teil.first(std::min<qsizetype>(rest, teil.size()));
        rest -= static_cast<int>(zeilen.size());
        Teinzelnefkt e;
        e.art = Teinzelnefkt::tabelle;
        e.farbe = stift.farbe;
        e.breite = stift.breite;
        e.stil = static_cast<std::uint8_t>(stift.stil);
        const QString kopie = eigeneKopie(datei, tabellentext(zeilen));
        if (kopie.isEmpty()) {
            // Without a copy the table is drawn from the named file, as the user's own are.
            if (teile.size() > 1) break;
            e.name = datei.toStdString();
        } else {
            e.name = kopie.toStdString();
        }
        eintragAnhaengen(e);
        hinzu = true;
    }
    edit5->clear();
    if (!hinzu) return false;
    stiftVerbraucht();
    auffrischen();
    if (!automatisch()) neuaufbauen(false);
    return true;
}

// A new file in the window's own folder holding text; empty when it could not be written.
QString Tdialogfkt::eigeneKopie(const QString& datei, const QStringList& text) {
    if (!kopien_) kopien_ = std::make_unique<QTemporaryDir>();
    if (!kopien_->isValid()) return {};
    const QString kopie = kopien_->filePath(
        QStringLiteral("%1-%2").arg(uebergaben_.size() + 1).arg(QFileInfo(datei).fileName()));
    if (!zeilen_schreiben(kopie, text, this)) return {};
    uebergaben_.insert(kopie, datei);
    return kopie;
}

// The entries as a ".fkt" file at fktdatei stores them: hand-over tables point at a copy beside
// it ("kurven_werte.dat" for "kurven.fkt"), so the file reloads with the data it was saved with.
std::vector<Teinzelnefkt> Tdialogfkt::gespeicherteEintraege(const QString& fktdatei) {
    std::vector<Teinzelnefkt> r = eintraege_;
    const QFileInfo fkt(fktdatei);
    QSet<QString> vergeben;
    for (Teinzelnefkt& e : r) {
        const QString kopie = QString::fromStdString(e.name);
        const auto it = uebergaben_.constFind(kopie);
        if (e.art != Teinzelnefkt::tabelle || it == uebergaben_.constEnd()) continue;
        const QFileInfo name(*it);
        QString ziel;
        for (int n = 1; ziel.isEmpty() || vergeben.contains(ziel); ++n) {
            const QString zusatz = n == 1 ? QString() : QStringLiteral("_%1").arg(n);
            ziel = fkt.absoluteDir().filePath(fkt.completeBaseName() + QLatin1Char('_') +
                                              name.completeBaseName() + zusatz + QLatin1Char('.') +
                                              name.suffix());
        }
        vergeben.insert(ziel);
        QStringList text;
        if (zeilen_lesen(kopie, text, this) && zeilen_schreiben(ziel, text, this))
            e.name = QDir::cleanPath(ziel).toStdString();
    }
    return r;
}

} // namespace zol
