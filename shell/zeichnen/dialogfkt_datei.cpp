// ".fkt" files of the plot window (format in fktdatei.h). Loading changes nothing unless the
// whole file was read: the header and the entries are read into temporary values, and the
// controls, which the component block sets directly, are put back if a later line is damaged.
#include "shell/dienste/meldungsdienst.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/fktdatei.h"
#include "shell/zeichnen/seitenansicht.h"

#include <QAction>
#include <QListWidget>

namespace zol {

namespace {

void nicht_ladbar(QWidget* fenster, int zeile) {
    QString text = QStringLiteral("Datei kann nicht geladen werden.");
    if (zeile > 1) text += QStringLiteral("\nFehler in Zeile %1.").arg(zeile);
    meldung(text, fenster);
}

} // namespace

bool Tdialogfkt::inDateiSchreiben(const QString& datei) {
    fktdatei::Kopf kopf;
    kopf.zahlformat = format();
    kopf.ansichtsfaktor = ansichtsfaktor();
    kopf.achsenstift = achsenstift_;
    kopf.funktionsstift = funktionsstift_;
    kopf.schrift = schrift_;
    kopf.eingabe_zeigen = eingabeSichtbar();
    Tsaveloadlist liste;
    liste.zeilen = fktdatei::kopf_schreiben(kopf);
    liste.componentenspeichern(this, komponenten());
    liste.zeilen << fktdatei::eintraege_schreiben(gespeicherteEintraege(datei));
    // A file this window could not load again is not written.
    if (const int zeile = fktdatei::zu_lange_zeile(liste.zeilen)) {
        meldung(QStringLiteral("Die Datei wird nicht gespeichert: Zeile %1 wäre länger als %2 "
                               "Zeichen, so ließe sie sich nicht wieder laden. Bitte kürzen Sie "
                               "den Text (Zahlenformat, Beschriftung, Text oder Tabelle).")
                    .arg(zeile)
                    .arg(zeile == 2 ? fktdatei::max_formatlaenge : fktdatei::max_zeilenlaenge),
                this);
        return false;
    }
    return zeilen_schreiben(datei, liste.zeilen, this);
}

bool Tdialogfkt::laden(const QString& datei) {
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    fktdatei::Kopf kopf;
    int fehlerzeile = 0;
    if (!fktdatei::kopf_lesen(zeilen, kopf, fehlerzeile)) {
        nicht_ladbar(this, fehlerzeile);
        return false;
    }
    // Checked before any control takes a text: a caption or a line of the free text of a
    // megabyte is damage, not a setting.
    if (const int zeile = fktdatei::zu_lange_zeile(zeilen)) {
        nicht_ladbar(this, zeile);
        return false;
    }

    laedt_ = true;
    Tsaveloadlist vorher;
    vorher.componentenspeichern(this, komponenten());
    Tsaveloadlist block;
    block.zeilen = zeilen;
    int index = 3;
    const bool vollstaendig = block.componentenladen(this, komponenten(), index);
    std::vector<Teinzelnefkt> neu;
    if (!fktdatei::eintraege_lesen(zeilen, index, neu, fehlerzeile)) {
        int anfang = 0;
        vorher.componentenladen(this, komponenten(), anfang);
        laedt_ = false;
        texteMerken();
        nicht_ladbar(this, fehlerzeile);
        return false;
    }

    setzeFormat(kopf.zahlformat);
    achsenstift_ = kopf.achsenstift;
    funktionsstift_ = kopf.funktionsstift;
    schrift_ = kopf.schrift;
    setzeAnsichtsfaktor(kopf.ansichtsfaktor);
    eingabeZeigen(kopf.eingabe_zeigen);
    eintraege_.clear();
    // New curves go on with the palette after the loaded ones.
    stiftGewaehlt_ = false;
    stiftEinmal_ = false;
    farbzaehler_ = static_cast<int>(neu.size());
    uebergaben_.clear();
    bearbeiteteUebergabe_.clear();
    ListBox1->clear();
    for (const Teinzelnefkt& e : neu)
        eintragAnhaengen(e);
    // Range fields hold the file's texts now, not a zoomed value.
    genau_.clear();
    setzeDateiname(datei);
    laedt_ = false;
    auffrischen();
    nachDemLaden(vollstaendig);
    return true;
}

} // namespace zol
