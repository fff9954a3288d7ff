#include "engine/zahlwert.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

TEST(Zahlwert, DezimalkommaUndFehlerposition) {
    struct Fall {
        const char* text;
        bool ok;
        long double wert;
        int fehlerposition; // only checked when > 0
    };
    const Fall faelle[] = {
        {"1,5", true, 1.5L, 0},       {"-2,25", true, -2.25L, 0}, {"+3", true, 3, 0},
        {"1,5E-3", true, 0.0015L, 0}, {"1e3", true, 1000, 0},     {"12", true, 12, 0},
        {",5", true, 0.5L, 0},        {"5,", true, 5, 0},         {"1E-5000", true, 0, 0},
        {"1.5", false, 0, 2},         {"", false, 0, 0},          {"abc", false, 0, 1},
        {"1,2,3", false, 0, 4},       {"1E", false, 0, 0},        {"E1", false, 0, 1},
        {"1E99999", false, 0, 0},     {"--1", false, 0, 2},       {" 1", false, 0, 1},
    };
    for (const Fall& f : faelle) {
        long double w = -99;
        int pos = -1;
        EXPECT_EQ(zol::zahlwert(f.text, w, pos), f.ok) << f.text;
        if (f.ok) {
            EXPECT_EQ(pos, 0) << f.text;
            EXPECT_EQ(w, f.wert) << f.text;
        } else {
            EXPECT_NE(pos, 0) << f.text;
            EXPECT_EQ(w, 0) << f.text;
            if (f.fehlerposition > 0) {
                EXPECT_EQ(pos, f.fehlerposition) << f.text;
            }
        }
    }
}

// Qt sets the process locale from the environment; the conversion must not follow it.
TEST(Zahlwert, UnabhaengigVomProzessGebietsschema) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    const std::string gemerkt = vorher ? vorher : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
    long double w = 0;
    EXPECT_TRUE(zol::zahlwert("2,5", w));
    EXPECT_EQ(w, 2.5L);
    EXPECT_FALSE(zol::zahlwert("2.5", w));
    std::setlocale(LC_NUMERIC, gemerkt.c_str());
}

} // namespace
