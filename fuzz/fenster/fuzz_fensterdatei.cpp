// Fuzz target: any bytes as a window's data file after its marker line (the first byte chooses
// the window kind), loaded, computed and written again: the settings lines every window reads
// between the number format and its controls, and the controls' block.
#include "fuzz/fenster/fuzzumgebung.h"
#include "shell/rahmen/fensterarten.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1 || groesse > (1u << 20)) return 0;
    zol::fuzz::Umgebung& u = zol::fuzz::umgebung("fuzz_fensterdatei");
    std::vector<const zol::Fensterart*> arten;
    for (const zol::Fensterart& a : zol::fensterarten())
        if (a.erzeugen) arten.push_back(&a);
    if (arten.empty()) return 0;
    const zol::Fensterart& art = *arten[daten[0] % arten.size()];
    const QDir ordner(u.ordner.path());
    const QString datei = ordner.filePath(QStringLiteral("f.") + art.endung);
    {
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        // Most inputs should get past the marker line to what follows it.
        if (!art.kennung.isEmpty()) f.write(art.kennung.toLatin1() + "\r\n");
        f.write(reinterpret_cast<const char*>(daten) + 1, static_cast<qsizetype>(groesse - 1));
    }
    zol::Tmodulfenster* fenster = art.erzeugen();
    if (fenster->laden(datei)) {
        fenster->rechne();
        fenster->inDateiSchreiben(ordner.filePath(QStringLiteral("g.") + art.endung));
    }
    zol::fuzz::Umgebung::aufraeumen();
    return 0;
}
