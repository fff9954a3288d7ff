// Fuzz target: any bytes as the arguments of batch mode (one argument per line: the kind,
// --set, --command ...) or, when the first line is "export", of the picture export (--size,
// --scale, --crop) of a small plot file. Arguments that name files are left out: the target
// must not read or write files of this machine.
#include "fuzz/fenster/fuzzumgebung.h"
#include "shell/rahmen/stapel.h"
#include "shell/zeichnen/bildexport_befehl.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdint>

namespace {

// The plot file the export draws, written once by a plot window itself.
QString plotdatei(const QDir& ordner) {
    static QString datei;
    if (datei.isEmpty()) {
        datei = ordner.filePath(QStringLiteral("k.fkt"));
        auto* f = new zol::Tdialogfkt;
        f->inDateiSchreiben(datei);
        delete f;
    }
    return datei;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > 4096) return 0;
    zol::fuzz::Umgebung& u = zol::fuzz::umgebung("fuzz_kommandozeile");
    const QStringList zeilen =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse))
            .split(QLatin1Char('\n'));
    if (zeilen.size() > 64) return 0;
    const QDir ordner(u.ordner.path());
    if (zeilen.first() == QLatin1String("export") && zeilen.size() >= 2) {
        // Only the picture's kind is taken from the input, never its folder.
        QString endung = zeilen[1];
        endung.remove(QRegularExpression(QStringLiteral("[^a-z]")));
        QStringList argumente{QStringLiteral("zol"), QStringLiteral("--export"), plotdatei(ordner),
                              ordner.filePath("b." + endung.left(4))};
        for (int i = 2; i < zeilen.size(); ++i) {
            if (!zeilen[i].startsWith(QLatin1String("--")) && i > 2 &&
                zeilen[i - 1] != QLatin1String("--size") &&
                zeilen[i - 1] != QLatin1String("--scale"))
                continue;
            argumente << zeilen[i];
        }
        zol::export_ausfuehren(argumente, u.leer);
    } else {
        QStringList argumente{QStringLiteral("zol"), QStringLiteral("--batch")};
        for (int i = 0; i < zeilen.size(); ++i) {
            if (zeilen[i] == QLatin1String("--load") || zeilen[i] == QLatin1String("--save")) {
                ++i;
                continue;
            }
            argumente << zeilen[i];
        }
        zol::stapel_ausfuehren(argumente, u.leer, u.leer);
    }
    zol::fuzz::Umgebung::aufraeumen();
    return 0;
}
