// Fuzz target: any bytes as a table file of the plot window (data lines between DATEN_ANFANG
// and DATEN_ENDE), read within the line bounds every text file reader keeps.
#include "engine/textkodierung.h"
#include "graph/tabellendatei.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > (1u << 20)) return 0;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    if (!zol::zeilen_im_rahmen(bytes)) return 0;
    const std::vector<std::string> zeilen = zol::zeilen_teilen(zol::datei_zu_utf8(bytes));
    zol::datenbereich(zeilen);
    zol::tabellenpunkte(zeilen);
    return 0;
}
