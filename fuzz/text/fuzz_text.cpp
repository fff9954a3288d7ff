// Fuzz target for the text language: the input is laid out and painted as a page text object
// (several lines) and in the text shape control's dialect, and read as an object stream.
#include "engine/textkodierung.h"
#include "graph/seite.h"
#include "graph/textmalen.h"
#include "graph/tlist1.h"

#include <QByteArray>
#include <QDataStream>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void anwendung_anlegen() {
    static QGuiApplication* app = nullptr;
    if (app) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_text";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    anwendung_anlegen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    anwendung_anlegen(); // the replay program does not call LLVMFuzzerInitialize
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const std::vector<std::string> zeilen = zol::zeilen_teilen(zol::datei_zu_utf8(bytes));

    QImage bild(120, 160, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.setTransform(zol::seitenansicht(0.05));
        zol::Ttext text({100, -100}, zol::Tschrift{}, zeilen);
        text.zeichne(maler);
        text.trifft({text.rect.x2, text.rect.y2});

        maler.resetTransform();
        zol::Satzvorgaben v;
        v.dialekt = zol::Textdialekt::textform;
        v.grundschrift.setFamily("Arial");
        v.groesse = 10;
        std::vector<QString> q;
        for (const std::string& z : zeilen)
            q.push_back(QString::fromStdString(z));
        zol::male_textsatz(maler, zol::setze_text(q, QPointF(2, 2), v), Qt::black, QPen());
    }

    QDataStream strom(QByteArray::fromRawData(reinterpret_cast<const char*>(daten),
                                              static_cast<qsizetype>(groesse)));
    zol::Tlist1 liste;
    liste.lade(strom);
    return 0;
}
