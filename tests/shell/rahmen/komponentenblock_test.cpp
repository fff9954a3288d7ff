// The component block: what each kind of control writes, and reading it back.
#include "shell/rahmen/komponentenblock.h"
#include "tests/shell/rahmen/testfenster.h"

#include <gtest/gtest.h>

namespace {

using namespace zol;

void fuellen(Testfenster& f) {
    f.zahl->setText(QStringLiteral("2,5"));
    f.ganz->setText(QStringLiteral("7"));
    f.spinzahl->setText(QStringLiteral("1,5"));
    f.spinganz->setText(QStringLiteral("3"));
    f.edit->setText(QStringLiteral("f(x)=x^2"));
    f.versteckt->setText(QStringLiteral("nicht gespeichert"));
    f.haken->setChecked(true);
    f.gruppe->setItemIndex(2);
    f.reiter->setCurrentIndex(1);
    f.memo->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    f.auswahl->addItems({QStringLiteral("eins"), QStringLiteral("zwei")});
    f.auswahl->setEditText(QStringLiteral("drei"));
    f.liste->addItems({QStringLiteral("L1"), QStringLiteral("L2")});
    f.gitter->setColCount(2);
    f.gitter->setRowCount(2);
    f.gitter->setCell(0, 0, QStringLiteral("x"));
    f.gitter->setCell(1, 1, QStringLiteral("4,5"));
}

TEST(Komponentenblock, JedeArtSchreibtIhreZeilen) {
    Testfenster f;
    fuellen(f);
    Tsaveloadlist liste;
    liste.componentenspeichern(&f, f.komponenten());
    ASSERT_FALSE(liste.zeilen.isEmpty());
    EXPECT_TRUE(liste.zeilen.first().contains(QRegularExpression("^0#\\d+#\\d+#-?\\d+#-?\\d+#$")))
        << liste.zeilen.first().toStdString();
    const QStringList erwartet = {
        "2,5",
        "2,5", // decimal field: twice
        "7",
        "7", // whole-number field: twice
        "1,5",
        "3",        // spin fields: once
        "f(x)=x^2", // plain edit; the Tag 1 field is skipped
        "1",
        "0",
        "2",
        "1", // check box, radio button, group, notebook
        "DATEN_ANFANG",
        "Zeile 1",
        "Zeile 2",
        "DATEN_ENDE",
        "DATEN_ANFANG",
        "drei",
        "eins",
        "zwei",
        "DATEN_ENDE",
        "DATEN_ANFANG",
        "L1",
        "L2",
        "DATEN_ENDE",
        "DATEN_ANFANG",
        "x\t",
        "\t4,5",
        "DATEN_ENDE",
    };
    EXPECT_EQ(liste.zeilen.mid(1), erwartet);

    Testfenster g;
    int index = 0;
    liste.componentenladen(&g, g.komponenten(), index);
    EXPECT_EQ(index, liste.zeilen.size());
    EXPECT_EQ(g.zahl->text(), "2,5");
    EXPECT_EQ(g.ganz->text(), "7");
    EXPECT_EQ(g.spinzahl->text(), "1,5");
    EXPECT_EQ(g.spinganz->text(), "3");
    EXPECT_EQ(g.edit->text(), "f(x)=x^2");
    EXPECT_EQ(g.versteckt->text(), "");
    EXPECT_TRUE(g.haken->isChecked());
    EXPECT_EQ(g.gruppe->itemIndex(), 2);
    EXPECT_EQ(g.reiter->currentIndex(), 1);
    EXPECT_EQ(g.memo->toPlainText(), "Zeile 1\nZeile 2");
    EXPECT_EQ(g.auswahl->currentText(), "drei");
    EXPECT_EQ(g.auswahl->count(), 2);
    EXPECT_EQ(g.liste->count(), 2);
    EXPECT_EQ(g.gitter->colCount(), 2);
    EXPECT_EQ(g.gitter->rowCount(), 2);
    EXPECT_EQ(g.gitter->cell(1, 1), "4,5");
}

// A block cut short anywhere, or lines of another layout, are read as far as they go.
TEST(Komponentenblock, KurzeOderFremdeBloeckeStuerzenNichtAb) {
    Testfenster f;
    fuellen(f);
    Tsaveloadlist voll;
    voll.componentenspeichern(&f, f.komponenten());
    for (int n = 0; n <= voll.zeilen.size(); ++n) {
        Tsaveloadlist kurz;
        kurz.zeilen = voll.zeilen.mid(0, n);
        Testfenster g;
        int index = 0;
        kurz.componentenladen(&g, g.komponenten(), index);
        EXPECT_LE(index, n);
    }
    Tsaveloadlist fremd;
    fremd.zeilen = {"kaputt#x#", "abc",        "DATEN_ANFANG", "", "DATEN_ENDE", "99999999999",
                    "-5",        "DATEN_ENDE", "DATEN_ANFANG"};
    Testfenster g;
    int index = 0;
    fremd.componentenladen(&g, g.komponenten(), index);
    EXPECT_LE(index, fremd.zeilen.size());
    EXPECT_EQ(g.zahl->text(), "DATEN_ANFANG"); // read line by line, as the block has no check
}

} // namespace
