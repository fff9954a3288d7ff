// Fuzz target: any bytes as a project file, read, queried and written again.
#include "engine/ini.h"
#include "engine/textkodierung.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    zol::Inidatei ini;
    ini.einlesen(zol::zeilen_teilen(zol::datei_zu_utf8(bytes)));
    ini.lies("Hauptfenster", "Version", "0");
    const long n = ini.lies_zahl("Formeln", "Anzahl", 1);
    for (long i = 0; i < n && i < 64; ++i)
        ini.lies("Formeln", "Nr" + std::to_string(i), "f(x)=x");
    ini.lies_bool("Fenster", "visible", false);
    // What was read must come out the same after one more write and read.
    const auto zeilen = ini.zeilen();
    zol::Inidatei wieder;
    wieder.einlesen(zeilen);
    if (wieder.zeilen() != zeilen) __builtin_trap();
    return 0;
}
