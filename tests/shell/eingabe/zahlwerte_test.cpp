// Reading and writing Value: conversion, clamping, formatting, defaults.
#include "shell/eingabe/zahleingaben.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint32 ganz_min = std::numeric_limits<qint32>::min();
constexpr qint32 ganz_max = std::numeric_limits<qint32>::max();

TEST(Zahlwerte, AnfangszustandUndVorgaben) {
    zol::TextendEdit extend;
    EXPECT_EQ(extend.text(), "0");
    EXPECT_EQ(extend.MinValue(), -1e60L);
    EXPECT_EQ(extend.MaxValue(), 1e60L);
    EXPECT_EQ(extend.Formatstr(), "000.00");
    EXPECT_FALSE(extend.Formatenabled());

    zol::TlongintEdit lang;
    EXPECT_EQ(lang.text(), "0");
    EXPECT_EQ(lang.MinValue(), 0);
    EXPECT_EQ(lang.MaxValue(), 0);

    zol::Tspineditin in;
    EXPECT_EQ(in.text(), "0");
    EXPECT_EQ(in.Increment(), 1);
    EXPECT_TRUE(in.EditorEnabled());
    EXPECT_TRUE(in.spinEnabled());
    EXPECT_FALSE(in.Ergekont());

    zol::TSpinEditex ex;
    EXPECT_EQ(ex.text(), "0");
    EXPECT_EQ(ex.MinValue(), 0.0L);
    EXPECT_EQ(ex.MaxValue(), 0.0L);
    EXPECT_EQ(ex.Increment(), 1.0L);
    EXPECT_EQ(ex.Formatstr(), "000.00");
    EXPECT_FALSE(ex.Formatenabled());
}

// Both decimal controls read the same way; reading never clamps.
TEST(Zahlwerte, DezimalLesen) {
    const struct {
        const char* text;
        long double wert;
    } tabelle[] = {
        {"1,5E3", 1500}, {"abc", 0},        {"", 0},         {" 2,5\t", 2.5L}, {"1.5", 0},
        {"5E70", 5e70L}, {"-0,25", -0.25L}, {"1e-6", 1e-6L}, {"1,5E", 0},      {"E5", 0},
        {"+,5", 0.5L},   {"1E99999", 0},    {"-", 0},
    };
    for (const auto& z : tabelle) {
        zol::TextendEdit extend;
        zol::TSpinEditex ex;
        extend.setText(z.text);
        ex.setText(z.text);
        EXPECT_EQ(extend.Value(), z.wert) << z.text;
        EXPECT_EQ(ex.Value(), z.wert) << z.text;
    }
}

TEST(Zahlwerte, GanzzahlLesen) {
    const struct {
        const char* text;
        qint32 wert;
    } tabelle[] = {
        {"123", 123},
        {"-7", -7},
        {"+7", 7},
        {" 42 ", 42},
        {"", 0},
        {"abc", 0},
        {"1,5", 0},
        {"1E3", 0},
        {"-", 0},
        {"12 3", 0},
        {"2147483647", ganz_max},
        {"-2147483648", ganz_min},
        {"2147483648", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& z : tabelle) {
        zol::TlongintEdit lang;
        lang.setText(z.text);
        EXPECT_EQ(lang.Value(), z.wert) << z.text;
        zol::Tspineditin in; // no bounds: a failed conversion gives MinValue 0
        in.setText(z.text);
        EXPECT_EQ(in.Value(), z.wert) << z.text;
    }
}

// Tspineditin falls back to MinValue, but reads a number outside the bounds as it is.
TEST(Zahlwerte, TspineditinLiestOhneZahlMinValue) {
    zol::Tspineditin in;
    in.setMinValue(1);
    in.setMaxValue(10);
    for (const auto& [text, wert] : {std::pair{"", 1}, {"x", 1}, {"50", 50}, {"-3", -3}}) {
        in.setText(text);
        EXPECT_EQ(in.Value(), wert) << text;
    }
}

struct Dezimalschreiben {
    long double min, max;
    bool formatiert;
    const char* bild;
    long double wert;
    const char* text;
};

TEST(Zahlwerte, TextendEditSchreiben) {
    const Dezimalschreiben tabelle[] = {
        {-1e60L, 1e60L, false, "000.00", 1500, "1500"},
        {-1e60L, 1e60L, false, "000.00", 0.1L, "0,1"},
        {-1e60L, 1e60L, false, "000.00", 1.00000034L, "1,00000034"},
        {-1e60L, 1e60L, true, "0.00", 2, "2,00"},
        {-1e60L, 1e60L, true, "0.00", 5e70L, "1E60"},
        {-1e60L, 1e60L, false, "", -5e70L, "-1E60"},
        {-1e60L, 1e60L, true, "000.00", -34.56744L, "-034,57"},
        {-1e60L, 1e60L, true, "0.00E-0", 123.78676L, "1,24E2"},
        {1, 10, false, "", 0.5L, "1"},
        {1, 10, false, "", 11, "10"},
        {0, 0, false, "", 5e70L, "5E70"}, // equal bounds: none
        {10, 1, false, "", 50, "50"},     // and none unless MinValue < MaxValue
    };
    for (const auto& z : tabelle) {
        zol::TextendEdit extend;
        extend.setMinValue(z.min);
        extend.setMaxValue(z.max);
        extend.setFormatstr(z.bild);
        extend.setFormatenabled(z.formatiert);
        extend.setValue(z.wert);
        EXPECT_EQ(extend.text().toStdString(), z.text);
    }
}

TEST(Zahlwerte, TSpinEditexSchreiben) {
    const Dezimalschreiben tabelle[] = {
        {0, 0, false, "000.00", 5e70L, "5E70"}, // no bounds by default
        {0, 0, true, "000.00", 2.5L, "002,50"}, {1, 10, false, "", 0.5L, "1"},
        {1, 10, true, "0.0", 10.04L, "10,0"},   {1, 10, true, "0.0", 12, "10,0"},
        {-2, 2, false, "", -2.5L, "-2"},
    };
    for (const auto& z : tabelle) {
        zol::TSpinEditex ex;
        ex.setMinValue(z.min);
        ex.setMaxValue(z.max);
        ex.setFormatstr(z.bild);
        ex.setFormatenabled(z.formatiert);
        ex.setValue(z.wert);
        EXPECT_EQ(ex.text().toStdString(), z.text);
    }
}

TEST(Zahlwerte, GanzzahlSchreiben) {
    const struct {
        qint32 min, max, wert;
        const char* text;
    } tabelle[] = {
        {0, 0, ganz_max, "2147483647"},
        {0, 0, ganz_min, "-2147483648"},
        {0, 0, -17, "-17"},
        {1, 10, 0, "1"},
        {1, 10, 11, "10"},
        {1, 10, 5, "5"},
        {-5, -5, 99, "99"}, // equal bounds: none
    };
    for (const auto& z : tabelle) {
        zol::TlongintEdit lang;
        zol::Tspineditin in;
        lang.setMinValue(z.min);
        lang.setMaxValue(z.max);
        in.setMinValue(z.min);
        in.setMaxValue(z.max);
        lang.setValue(z.wert);
        in.setValue(z.wert);
        EXPECT_EQ(lang.text().toStdString(), z.text);
        EXPECT_EQ(in.text().toStdString(), z.text);
    }
}

// Switching the picture or the format switch rewrites the shown value at once.
TEST(Zahlwerte, FormatwechselSchreibtNeu) {
    zol::TextendEdit extend;
    zol::TSpinEditex ex;
    const struct {
        std::function<void()> schritt;
        const char* text;
    } ablauf[] = {
        {[&] { extend.setFormatenabled(true), ex.setFormatenabled(true); }, "002,50"},
        {[&] { extend.setFormatstr("0.0E-0"), ex.setFormatstr("0.0E-0"); }, "2,5E0"},
        {[&] { extend.setFormatenabled(false), ex.setFormatenabled(false); }, "2,5"},
        {[&] { extend.setText("abc"), ex.setText("abc"); }, "abc"},
        {[&] { extend.setFormatstr("0.00"), ex.setFormatstr("0.00"); }, "0"},
    };
    extend.setText("2,5");
    ex.setText("2,5");
    for (const auto& s : ablauf) {
        s.schritt();
        EXPECT_EQ(extend.text().toStdString(), s.text);
        EXPECT_EQ(ex.text().toStdString(), s.text);
    }
}

// The raw text is kept exactly as set, so a saved window comes back as it was.
TEST(Zahlwerte, RohtextBleibtUnveraendert) {
    zol::TextendEdit extend;
    zol::TlongintEdit lang;
    zol::TSpinEditex ex;
    zol::Tspineditin in;
    extend.setFormatenabled(true);
    in.setMinValue(1);
    in.setMaxValue(10);
    for (const char* text : {"", "2,50000", "5E70", "abc", "-0"}) {
        extend.setText(text);
        lang.setText(text);
        ex.setText(text);
        in.setText(text);
        EXPECT_EQ(extend.text(), text);
        EXPECT_EQ(lang.text(), text);
        EXPECT_EQ(ex.text(), text);
        EXPECT_EQ(in.text(), text);
    }
}

} // namespace
