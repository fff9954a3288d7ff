#include "graph/tabellendatei.h"

#include "engine/hilfen.h"
#include "engine/zahlwert.h"
#include "graph/grafiktexte.h"

namespace zol {

namespace {

long erste_zeile_mit(const std::vector<std::string>& zeilen, const char* marke) {
    const long letzte = static_cast<long>(zeilen.size()) - 1;
    for (long i = 0; i < letzte; ++i)
        if (zeilen[static_cast<std::size_t>(i)].find(marke) != std::string::npos) return i;
    return letzte;
}

} // namespace

Datenbereich datenbereich(const std::vector<std::string>& zeilen) {
    const long a = erste_zeile_mit(zeilen, grafiktexte::daten_anfang);
    const long e = erste_zeile_mit(zeilen, grafiktexte::daten_ende);
    return {a + 1, e > a + 1 ? e : a + 1};
}

Tabellenpunkte tabellenpunkte(const std::vector<std::string>& zeilen) {
    Tabellenpunkte t;
    const Datenbereich b = datenbereich(zeilen);
    for (long i = b.anfang; i < b.ende; ++i) {
        const std::string& z = zeilen[static_cast<std::size_t>(i)];
        const std::size_t tab = z.find('\t');
        if (tab == std::string::npos) {
            if (i == b.anfang) {
                t.fehler = Tabellenpunkte::kein_tabulator;
                t.zeile = static_cast<int>(i + 1);
                t.punkte.clear();
                return t;
            }
            continue;
        }
        Tabellenpunkt p;
        if (!zahlwert(leerzeichenweg(z.substr(0, tab)), p.x) ||
            !zahlwert(leerzeichenweg(z.substr(tab + 1)), p.y)) {
            t.fehler = Tabellenpunkte::keine_zahl;
            t.zeile = static_cast<int>(i + 1);
            t.punkte.clear();
            return t;
        }
        t.punkte.push_back(p);
    }
    return t;
}

} // namespace zol
