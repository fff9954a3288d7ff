// Fuzz target: any bytes as the head and curve list of a plot file, then the whole page built
// from them (under the page's bound on samples).
#include "engine/fktbaum.h"
#include "engine/textkodierung.h"
#include "graph/neuaufbau.h"
#include "shell/zeichnen/fktdatei.h"

#include <QApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qt_argc = 1;
    static char* qt_argv[] = {(*argv)[0], nullptr};
    new QApplication(qt_argc, qt_argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > (1u << 20)) return 0;
    if (QCoreApplication::instance() == nullptr) {
        char name[] = "fuzz_fkt";
        char* argv_[] = {name, nullptr};
        char** argv = argv_;
        LLVMFuzzerInitialize(nullptr, &argv);
    }
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    if (!zol::zeilen_im_rahmen(bytes)) return 0;
    QStringList zeilen;
    for (const std::string& z : zol::zeilen_teilen(zol::datei_zu_utf8(bytes)))
        zeilen << QString::fromStdString(z);
    zol::fktdatei::Kopf kopf;
    int fehlerzeile = 0;
    zol::fktdatei::kopf_lesen(zeilen, kopf, fehlerzeile);
    std::vector<zol::Teinzelnefkt> eintraege;
    int index = 3;
    if (!zol::fktdatei::eintraege_lesen(zeilen, index, eintraege, fehlerzeile)) return 0;
    // Table entries would read files of this machine; the table reader has its own target.
    std::erase_if(eintraege,
                  [](const zol::Teinzelnefkt& e) { return e.art == zol::Teinzelnefkt::tabelle; });
    zol::Tfktbaum baum;
    zol::Tzeichenvorgaben v;
    v.formeln = &baum;
    v.zahlformat = kopf.zahlformat.toStdString();
    zol::Tlist1 liste;
    zol::neuaufbau(liste, v, eintraege);
    return 0;
}
