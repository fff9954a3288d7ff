// Fuzz target: any bytes as the cells of a spreadsheet (TAB between cells, one line a row),
// computed with "Rechne" and with one cell typed again.
#include "engine/fktbaum.h"
#include "modules/analysis/tabellenrechnung.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const zol::Einfuegeplan plan = zol::einfuegen_planen(bytes, 1, 1, 2, 2, /*wachsen=*/true);
    if (plan.zeilen > 400 || plan.spalten > 100) return 0;
    zol::Tabellenblatt blatt(std::max(plan.zeilen, 2), std::max(plan.spalten, 2));
    for (const zol::Einfuegefeld& f : plan.felder)
        blatt.setzeEingabe(f.spalte, f.zeile, f.text);
    zol::Tfktbaum baum;
    zol::blatt_rechnen(baum, blatt, "0.00");
    if (blatt.zeilen() > 1 && blatt.spalten() > 1) zol::zelle_rechnen(baum, blatt, 1, 1, "0.00");
    return 0;
}
