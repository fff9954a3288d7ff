// Fuzz target: arbitrary lines defined, evaluated, looked up and removed in one table.
#include "engine/fktbaum.h"
#include "engine/rechnen.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        const std::size_t ende = text.find('\n', anfang);
        zeilen.push_back(
            text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
        if (ende == std::string::npos) break;
        anfang = ende + 1;
    }
    zol::Tfktbaum baum;
    for (const std::string& z : zeilen) {
        if (!z.empty() && z[0] == '!') {
            baum.loesche_fkt(z.substr(1));
            continue;
        }
        std::string t = z;
        long double w = 0;
        baum.untersuche(t, w);
        zol::Tfktzelle* zelle = nullptr;
        if (baum.suchezeigerstr(z, zelle))
            for (long double x : {0.0L, -1.5L, 2.0L, 1e300L})
                zelle->funktion->funktionsberechnung(x, w);
    }
    for (int i = 0; i < baum.anzahl(); ++i) {
        long double w = 0;
        baum.zelle(i)->funktion->funktionsberechnung(0.5L, w);
    }
    zol::programmlauf(baum, zeilen, "0.00");
    return 0;
}
