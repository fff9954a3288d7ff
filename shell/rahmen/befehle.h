#pragma once
// The frame commands every topic window may offer, with their menu captions, tool-bar hints and
// short cuts. A window names the commands it offers; the frame builds menus and tool bar.
#include <QKeySequence>
#include <QString>

namespace zol {

enum class Befehl {
    neu,
    oeffnen,
    speichern,
    speichern_unter,
    druckereinrichtung,
    drucken,
    beenden,
    ausschneiden,
    kopieren,
    einfuegen,
    loeschen,
    alles_auswaehlen,
    rechne,
    zeichnen,
    tabellenkalkulation,
    rechnenfenster,
    ergebnisse_definieren,
    zahlenformat,
    projektformeln,
    hilfe,
    hauptmenue,
};

struct Befehlsbeschreibung {
    Befehl befehl;
    const char* menue;   // menu it stands under; empty: tool bar only; "-": directly in the bar
    const char* text;    // menu caption
    const char* hinweis; // tool-bar hint; empty: no tool button
    QKeySequence kurz;
    const char* name; // object name of the action, also the command's name in batch mode
};

const Befehlsbeschreibung& beschreibung(Befehl befehl);
// All commands in the order of the menus.
const std::vector<Befehlsbeschreibung>& alle_befehle();

} // namespace zol
