// Result grids show numbers right-aligned, texts and headers as before.
#include "shell/rahmen/stringgrid.h"

#include <gtest/gtest.h>

namespace {

using zol::TStringGrid;

Qt::Alignment ausrichtung(const TStringGrid& g, int spalte, int zeile) {
    return Qt::Alignment(g.model()->index(zeile, spalte).data(Qt::TextAlignmentRole).toInt());
}

bool rechts(const TStringGrid& g, int spalte, int zeile) {
    return ausrichtung(g, spalte, zeile) & Qt::AlignRight;
}

TEST(Zellausrichtung, ZahlenRechtsbuendigTexteNicht) {
    TStringGrid g;
    const struct {
        const char* text;
        bool rechts;
    } faelle[] = {
        {"12,00", true},
        {"-1,5", true},
        {",5", true},
        {"+3", true},
        {"2,0E-03", true},
        {"3/4", true},
        {"n. d.", true},
        {"0", true},
        {"x", false},
        {"Nullstelle", false},
        {"-", false},
        {"-x", false},
        {"1. Nullstelle", false},
        {"n. d", false},
        {"", false},
    };
    for (const auto& f : faelle) {
        g.setCell(1, 1, QString::fromUtf8(f.text));
        EXPECT_EQ(rechts(g, 1, 1), f.rechts) << f.text;
    }
}

TEST(Zellausrichtung, KopfzellenUndGewaehlteAusrichtungBleiben) {
    TStringGrid g;
    g.setCell(0, 1, "1"); // fixed column: a row number
    g.setCell(1, 0, "2"); // fixed row
    EXPECT_FALSE(rechts(g, 0, 1));
    EXPECT_FALSE(rechts(g, 1, 0));
    g.setCell(2, 2, "5");
    g.item(2, 2)->setTextAlignment(Qt::AlignCenter);
    EXPECT_EQ(ausrichtung(g, 2, 2), Qt::AlignCenter);
    // A fixed cell that becomes an input cell shows its number like the others.
    g.setFixedCols(0);
    EXPECT_TRUE(rechts(g, 0, 1));
}

TEST(Zellausrichtung, GetippteZahlenAuchRechts) {
    TStringGrid g;
    ASSERT_EQ(g.item(3, 3), nullptr);
    // What the cell editor does when the user types into an empty cell.
    ASSERT_TRUE(g.model()->setData(g.model()->index(3, 3), QStringLiteral("7,5")));
    EXPECT_TRUE(rechts(g, 3, 3));
    ASSERT_TRUE(g.model()->setData(g.model()->index(3, 3), QStringLiteral("Text")));
    EXPECT_FALSE(rechts(g, 3, 3));
}

} // namespace
