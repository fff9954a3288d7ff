// Fuzz target: any bytes as the lesson outline ("lekt.out"): filled into the tree and written
// back, which must give the same tree again.
#include "engine/textkodierung.h"
#include "shell/haupt/vorlagenliste.h"

#include <QApplication>
#include <QTreeWidget>

#include <cstdint>

namespace {
QTreeWidget* baum = nullptr; // lives as long as the process
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qt_argc = 1;
    static char* qt_argv[] = {(*argv)[0], nullptr};
    new QApplication(qt_argc, qt_argv);
    baum = new QTreeWidget;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > (1u << 20)) return 0;
    if (baum == nullptr) {
        char name[] = "fuzz_gliederung";
        char* argv_[] = {name, nullptr};
        char** argv = argv_;
        LLVMFuzzerInitialize(nullptr, &argv);
    }
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    if (!zol::zeilen_im_rahmen(bytes)) return 0;
    QStringList zeilen;
    for (const std::string& z : zol::zeilen_teilen(zol::datei_zu_utf8(bytes)))
        zeilen << QString::fromStdString(z);
    zol::gliederung_fuellen(baum, zeilen);
    const QStringList geschrieben = zol::gliederung_zeilen(baum);
    for (QTreeWidgetItem* e : zol::gliederung_eintraege(baum)) {
        (void)zol::vorlagenname(e->text(0));
        (void)zol::vorlagenbeschreibung(e->text(0));
    }
    zol::gliederung_fuellen(baum, geschrieben);
    if (zol::gliederung_zeilen(baum) != geschrieben) __builtin_trap();
    return 0;
}
