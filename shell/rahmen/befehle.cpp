#include "shell/rahmen/befehle.h"

#include <algorithm>
#include <vector>

namespace zol {

const std::vector<Befehlsbeschreibung>& alle_befehle() {
    static const std::vector<Befehlsbeschreibung> liste = {
        {Befehl::neu, "&Datei", "&Neu", "", {}, "Neu"},
        {Befehl::oeffnen, "&Datei", "Ö&ffnen...", "Datei öffnen", {}, "Oeffnen"},
        {Befehl::speichern, "&Datei", "&Speichern", "Datei speichern", {}, "Speichern"},
        {Befehl::speichern_unter,
         "&Datei",
         "Speichern &unter...",
         "Datei speichern unter",
         {},
         "Speichernunter"},
        {Befehl::druckereinrichtung,
         "&Datei",
         "Drucker&einrichtung...",
         "",
         {},
         "Druckereinrichtung"},
        {Befehl::drucken, "&Datei", "&Drucken...", "", {}, "Drucken"},
        {Befehl::beenden, "&Datei", "&Beenden", "Beenden", {}, "Beenden"},
        {Befehl::ausschneiden, "&Bearbeiten", "&Ausschneiden", "",
         QKeySequence(Qt::CTRL | Qt::Key_X), "Ausschneiden"},
        {Befehl::kopieren, "&Bearbeiten", "&Kopieren", "", QKeySequence(Qt::CTRL | Qt::Key_C),
         "Kopieren"},
        {Befehl::einfuegen, "&Bearbeiten", "&Einfügen", "", QKeySequence(Qt::CTRL | Qt::Key_V),
         "Einfuegen"},
        {Befehl::loeschen, "&Bearbeiten", "Lösc&hen", "", QKeySequence(Qt::CTRL | Qt::Key_Delete),
         "Loeschen"},
        {Befehl::alles_auswaehlen, "&Bearbeiten", "Alles ausw&ählen", "", {}, "Allesauswaehlen"},
        {Befehl::rechne, "-", "&Rechne", "Ergebnisse berechnen", {}, "Rechne"},
        {Befehl::tabellenkalkulation,
         "&Ausgabe",
         "&Tabellenkalkulation",
         "Tabellenkalkulation",
         {},
         "Tabellenkalkulation"},
        {Befehl::zeichnen, "&Ausgabe", "&Zeichnen", "Zeichnen", {}, "Zeichnen"},
        {Befehl::rechnenfenster,
         "&Ausgabe",
         "&Rechnenfenster",
         "Neues Rechnenfenster",
         {},
         "Rechnenfenster"},
        {Befehl::ergebnisse_definieren,
         "&Ausgabe",
         "&Ergebnisse definieren",
         "Ergebnisse definieren",
         {},
         "Ergebnissedefinieren"},
        {Befehl::zahlenformat,
         "&Eigenschaften",
         "&Zahlenformat...",
         "Zahlenformat",
         {},
         "Zahlenformat"},
        {Befehl::projektformeln,
         "&Eigenschaften",
         "&Projekt-Formeln...",
         "Projektformeln bearbeiten",
         {},
         "Projektformeln"},
        {Befehl::hilfe, "&Hilfe", "&Inhalt", "Hilfe", QKeySequence(Qt::Key_F1), "Hilfe"},
        {Befehl::hauptmenue, "", "Hauptmenü", "Hauptmenü", {}, "Hauptmenue"},
    };
    return liste;
}

const Befehlsbeschreibung& beschreibung(Befehl befehl) {
    // The list is in menu order, which need not be the order of the enumeration.
    const std::vector<Befehlsbeschreibung>& alle = alle_befehle();
    return *std::find_if(alle.begin(), alle.end(),
                         [befehl](const Befehlsbeschreibung& b) { return b.befehl == befehl; });
}

} // namespace zol
