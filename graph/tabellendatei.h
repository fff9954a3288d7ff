#pragma once
// Table files of the plot window: data lines stand between a line containing "DATEN_ANFANG"
// and a line containing "DATEN_ENDE", x and y separated by a TAB, numbers with the decimal
// comma.
#include <string>
#include <vector>

namespace zol {

// Indices [anfang, ende) of the data lines. Both markers are searched from the first line
// through all lines but the last; a marker that is not found counts as the last line.
struct Datenbereich {
    long anfang = 0;
    long ende = 0;
};
Datenbereich datenbereich(const std::vector<std::string>& zeilen);

struct Tabellenpunkt {
    long double x = 0;
    long double y = 0;
};

struct Tabellenpunkte {
    enum Fehler { keiner, kein_tabulator, keine_zahl };
    std::vector<Tabellenpunkt> punkte;
    Fehler fehler = keiner;
    int zeile = 0; // 1-based line of the fault
};

// The points of the data lines. The first data line must hold a TAB; later lines without one
// are skipped. A field that is not a number is a fault.
Tabellenpunkte tabellenpunkte(const std::vector<std::string>& zeilen);

} // namespace zol
