#pragma once
// The plot engine's own texts, in one place.
#include <string>

namespace zol::grafiktexte {

inline constexpr const char* logy_unmoeglich =
    "Die y-Achse kann nicht logarithmisch gezeichnet werden! Y-Bereich muss positiv sein.";
inline constexpr const char* logx_unmoeglich =
    "Die x-Achse kann nicht logarithmisch gezeichnet werden! X-Bereich muss positiv sein.";
inline constexpr const char* ungueltiger_bereich = "Ungültiger Bereich";
inline constexpr const char* zu_viele_punkte =
    "Die Seite hätte mehr als 10 Millionen Punkte. Kurven, die nicht mehr hineinpassen, werden "
    "nicht gezeichnet; verringern Sie die Auflösung oder die Zahl der Scharkurven.";

inline constexpr const char* standard_xtext = "x-Achse";
inline constexpr const char* standard_ytext = "y-Achse";
inline constexpr const char* standard_uebertext = "Überschrift";

// Table files of the plot window.
inline constexpr const char* daten_anfang = "DATEN_ANFANG";
inline constexpr const char* daten_ende = "DATEN_ENDE";

inline std::string tabelle_fehlt(const std::string& datei) {
    return "Die Tabellendatei " + datei + " kann nicht gelesen werden.";
}
inline std::string tabelle_ohne_tabulator(const std::string& datei, int zeile) {
    return "Tabellendatei " + datei + ", Zeile " + std::to_string(zeile) +
           ": x- und y-Wert müssen durch einen Tabulator getrennt sein.";
}
inline std::string tabelle_falsche_zahl(const std::string& datei, int zeile) {
    return "Tabellendatei " + datei + ", Zeile " + std::to_string(zeile) + ": Fehlerhafte Zahl.";
}

} // namespace zol::grafiktexte
