// The command line's names for formats, scalings and sizes.
#include "graph/export/bildexport.h"

#include <gtest/gtest.h>

#include <optional>

namespace zol {
namespace {

struct Formatfall {
    const char* datei;
    std::optional<Bildformat> format;
};

TEST(Bildnamen, FormatKommtAusDerEndungOhneRuecksichtAufGrossschreibung) {
    const Formatfall faelle[] = {
        {"bild.png", Bildformat::png},
        {"BILD.PNG", Bildformat::png},
        {"/tmp/a.b/seite.Bmp", Bildformat::bmp},
        {"x.svg", Bildformat::svg},
        {"x.pdf", Bildformat::pdf},
        {"x.wmf", Bildformat::wmf},
        {"C:/Bilder/x.EMF", Bildformat::emf},
        {"seite.svg.png", Bildformat::png},
        {"bild.jpg", std::nullopt},
        {"bild", std::nullopt},
        {"bild.", std::nullopt},
        {"png", std::nullopt},
        {"/tmp/png/bild", std::nullopt},
    };
    for (const Formatfall& f : faelle) {
        SCOPED_TRACE(f.datei);
        EXPECT_EQ(bildformat_aus_dateiname(QString::fromUtf8(f.datei)), f.format);
    }
}

struct Skalierungsfall {
    const char* text;
    std::optional<Skalierung> skalierung;
};

TEST(Bildnamen, SkalierungMitUndOhneUmlaute) {
    const Skalierungsfall faelle[] = {
        {"willkürlich", Skalierung::willkuerlich},
        {"willkuerlich", Skalierung::willkuerlich},
        {"Willkürlich", Skalierung::willkuerlich},
        {"winkeltreu", Skalierung::winkeltreu},
        {"WINKELTREU", Skalierung::winkeltreu},
        {"maßstabstreu", Skalierung::massstabstreu},
        {"massstabstreu", Skalierung::massstabstreu},
        {"MASSSTABSTREU", Skalierung::massstabstreu},
        {"Maßstabstreu", Skalierung::massstabstreu},
        {"", std::nullopt},
        {"winkel", std::nullopt},
        {"masstabstreu", std::nullopt},
        {"0", std::nullopt},
    };
    for (const Skalierungsfall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(skalierung_aus_text(QString::fromUtf8(f.text)), f.skalierung);
    }
}

struct Groessenfall {
    const char* text;
    std::optional<QSize> groesse;
};

TEST(Bildnamen, GroesseAlsBreiteMalHoeheInDenGrenzenDesDialogs) {
    const Groessenfall faelle[] = {
        {"800x600", QSize(800, 600)},
        {"2X2", QSize(2, 2)},
        {"999999x999999", QSize(999999, 999999)},
        {" 300x400 ", QSize(300, 400)},
        {"0300x0400", QSize(300, 400)},
        {"1x400", std::nullopt},
        {"300x1000000", std::nullopt},
        {"99999999999x5", std::nullopt},
        {"-300x400", std::nullopt},
        {"+300x400", std::nullopt},
        {"300 x 400", std::nullopt},
        {"300*400", std::nullopt},
        {"300x", std::nullopt},
        {"x400", std::nullopt},
        {"300x400x5", std::nullopt},
        {"300,5x400", std::nullopt},
        {"", std::nullopt},
    };
    for (const Groessenfall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(bildgroesse_aus_text(QString::fromUtf8(f.text)), f.groesse);
    }
}

struct Auftragsfall {
    const char* datei;
    const char* groesse;
    const char* skalierung;
    std::optional<Exportauftrag> auftrag;
    const char* fehler_enthaelt;
};

TEST(Bildnamen, ExportauftragMitVorgabenUndDeutschenFehlern) {
    const Auftragsfall faelle[] = {
        {"a.png", "", "",
         Exportauftrag{"a.png", Bildformat::png, {300, 400}, Skalierung::willkuerlich}, ""},
        {"a.PDF", "1000x800", "maßstabstreu",
         Exportauftrag{"a.PDF", Bildformat::pdf, {1000, 800}, Skalierung::massstabstreu}, ""},
        {"a.emf", "", "winkeltreu",
         Exportauftrag{"a.emf", Bildformat::emf, {300, 400}, Skalierung::winkeltreu}, ""},
        {"a.gif", "", "", std::nullopt, "Unbekanntes Bildformat: a.gif"},
        {"a.png", "1x1", "", std::nullopt, "Ungültige Bildgröße: 1x1"},
        {"a.png", "", "schief", std::nullopt, "Unbekannte Skalierung: schief"},
    };
    for (const Auftragsfall& f : faelle) {
        SCOPED_TRACE(f.datei);
        QString fehler;
        const auto a = exportauftrag(QString::fromUtf8(f.datei), QString::fromUtf8(f.groesse),
                                     QString::fromUtf8(f.skalierung), &fehler);
        ASSERT_EQ(a.has_value(), f.auftrag.has_value()) << fehler.toStdString();
        if (a) {
            EXPECT_EQ(a->datei, f.auftrag->datei);
            EXPECT_EQ(a->format, f.auftrag->format);
            EXPECT_EQ(a->pixel, f.auftrag->pixel);
            EXPECT_EQ(a->skalierung, f.auftrag->skalierung);
        } else {
            EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.fehler_enthaelt)))
                << fehler.toStdString();
        }
    }
}

} // namespace
} // namespace zol
