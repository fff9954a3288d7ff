// Fuzz target: any bytes as the component block of a window with one control of every kind.
#include "engine/textkodierung.h"
#include "shell/rahmen/komponentenblock.h"
#include "tests/shell/rahmen/testfenster.h"

#include <QApplication>

#include <cstdint>

namespace {
// Lives as long as the process; destroying widgets after the application object is gone crashes.
zol::Testfenster* fenster = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qt_argc = 1;
    static char* qt_argv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QApplication(qt_argc, qt_argv);
    fenster = new zol::Testfenster;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > 65536) return 0;
    if (!fenster) {
        int argc = 1;
        char name[] = "fuzz_block";
        char* argv_[] = {name, nullptr};
        char** argv = argv_;
        LLVMFuzzerInitialize(&argc, &argv);
    }
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    zol::Tsaveloadlist liste;
    for (const std::string& z : zol::zeilen_teilen(zol::datei_zu_utf8(bytes)))
        liste.zeilen << QString::fromStdString(z);
    int index = 0;
    liste.componentenladen(fenster, fenster->komponenten(), index);
    if (index < 0 || index > liste.zeilen.size()) __builtin_trap();
    // What was read must write out again.
    zol::Tsaveloadlist wieder;
    wieder.componentenspeichern(fenster, fenster->komponenten());
    return 0;
}
