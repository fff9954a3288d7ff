#pragma once
// Where each help context number points: a page of the bundled help and an anchor on it.
// Every window hands its number to hilfe_anzeigen(); this table is the only place that knows
// the pages.
#include <QString>
#include <QUrl>

#include <vector>

namespace zol {

// The contents page, opened for context 0 and for every number the table does not know.
inline constexpr int hilfekontext_inhalt = 0;

struct Hilfekontext {
    int kontext;
    const char* ziel; // page file, optionally followed by "#anchor"
};

// All known context numbers with their targets.
const std::vector<Hilfekontext>& hilfekontexte();

// Page and anchor for a context number ("rechnen.html", "funktionen.html#wertetabelle");
// the contents page for an unknown number.
QString hilfeziel(int kontext);

// The resource folder of the pages and the address of a page in it.
inline constexpr const char* hilfeordner = ":/hilfe";
QUrl hilfeadresse(const QString& ziel);

} // namespace zol
