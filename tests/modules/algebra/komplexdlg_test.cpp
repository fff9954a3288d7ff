// The complex numbers window: controls and commands, the operations on either form, page
// synchronisation, the angle units, copying the result back, ".lex" files and batch mode.
#include "modules/algebra/komplexdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

TextendEdit* feld(Tkomplexdlg& f, int nummer) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1());
}

// The texts of the fields extendEdit1..8.
QStringList feldtexte(Tkomplexdlg& f) {
    QStringList t;
    for (int i = 1; i <= 8; ++i)
        t << feld(f, i)->text();
    return t;
}

QString polar(Tkomplexdlg& f) {
    return steuer<Ttxtshape>(f, "txtshape1")->text();
}
QString normal(Tkomplexdlg& f) {
    return steuer<Ttxtshape>(f, "txtshape2")->text();
}

QTabWidget* buch(Tkomplexdlg& f, int operand) {
    return steuer<QTabWidget>(f, operand == 1 ? "TabbedNotebook1" : "TabbedNotebook2");
}

// Operand 1 or 2 in normal form (page 0) or polar form (page 1).
void eingeben(Tkomplexdlg& f, int operand, int seite, const QString& x, const QString& y) {
    buch(f, operand)->setCurrentIndex(seite);
    const int erster = (operand - 1) * 4 + seite * 2 + 1;
    feld(f, erster)->setText(x);
    feld(f, erster + 1)->setText(y);
}

QAction* befehl(Tkomplexdlg& f, const QString& knopftext) {
    for (QAction* a : f.fensterbefehle())
        if (a->iconText() == knopftext) return a;
    ADD_FAILURE() << knopftext.toStdString();
    return nullptr;
}

class Komplexdlg : public ::testing::Test {
protected:
    void SetUp() override { komplex_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Komplexdlg, AufbauUndVorgaben) {
    Tkomplexdlg f;
    EXPECT_EQ(f.windowTitle(), "Komplexe Zahlen");
    EXPECT_EQ(f.format(), "0.000");
    EXPECT_EQ(f.art().hilfekontext, 315);
    for (int operand = 1; operand <= 2; ++operand) {
        ASSERT_EQ(buch(f, operand)->count(), 2);
        EXPECT_EQ(buch(f, operand)->tabText(0), "Normalform");
        EXPECT_EQ(buch(f, operand)->tabText(1), "Polarform");
        EXPECT_EQ(buch(f, operand)->currentIndex(), 0);
    }
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(feld(f, i)->text(), "0") << i;
    }
    auto* einheit = steuer<TRadioGroup>(f, "RadioGroup1");
    EXPECT_EQ(einheit->title(), "Winkelberechnungen");
    EXPECT_EQ(einheit->items(), (QStringList{"Grad", "Radiant", "Gon"}));
    EXPECT_EQ(einheit->itemIndex(), 0);
    EXPECT_EQ(polar(f), "0");
    EXPECT_EQ(normal(f), "0");

    // One handler tells the operations by their tags 1 to 4.
    const QList<std::tuple<QString, QString, int>> knoepfe = {
        {"+", "Addieren", 1},   {"-", "Subtrahieren", 2},         {"*", "Multiplizieren", 3},
        {"/", "Dividieren", 4}, {">Z1", "Ergebnis -> Zahl 1", 0}, {">Z2", "Ergebnis -> Zahl 2", 0}};
    for (const auto& [text, hinweis, tag] : knoepfe) {
        QAction* a = befehl(f, text);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->toolTip(), hinweis);
        if (tag != 0) {
            EXPECT_EQ(a->data().toInt(), tag);
        }
    }
    QStringList rechne;
    for (QAction* m : f.menuBar()->actions())
        if (m->menu() && m->text() == "&Rechne")
            for (QAction* a : m->menu()->actions())
                rechne << a->text();
    EXPECT_EQ(rechne,
              (QStringList{"&Addieren", "&Subtrahieren", "&Multiplizieren", "&Dividieren"}));
}

TEST_F(Komplexdlg, Operationen) {
    struct Fall {
        QString op;
        int seite1;
        QString x1, y1;
        int seite2;
        QString x2, y2;
        QString polar, normal;
    };
    const Fall faelle[] = {
        {"*", 0, "3", "4", 0, "1", "-2", "5,000 E(53,130) *2,236 E(296,565)  =   11,180 E(349,695)",
         "(3,000+4,000 i) *(1,000+-2,000 i)  =   11,000+-2,000 i"},
        {"+", 0, "1", "1", 0, "1", "-1", "1,414 E(45,000) +1,414 E(315,000)  =   2,000 E(0,000)",
         "(1,000+1,000 i) +(1,000+-1,000 i)  =   2,000+0,000 i"},
        {"*", 0, "0", "1", 0, "0", "1", "1,000 E(90,000) *1,000 E(90,000)  =   1,000 E(180,000)",
         "(0,000+1,000 i) *(0,000+1,000 i)  =   -1,000+0,000 i"},
        {"-", 0, "-3", "0", 0, "0", "2", "3,000 E(180,000) -2,000 E(90,000)  =   3,606 E(213,690)",
         "(-3,000+0,000 i) -(0,000+2,000 i)  =   -3,000+-2,000 i"},
        // Polar operands; the quotient's angle is not reduced.
        {"/", 1, "2", "90", 1, "4", "270",
         "2,000 E(90,000) :4,000 E(270,000)  =   0,500 E(-180,000)",
         "(0,000+2,000 i) :(0,000+-4,000 i)  =   -0,500+0,000 i"},
        {"*", 1, "2", "270", 0, "0", "3", "2,000 E(270,000) *3,000 E(90,000)  =   6,000 E(360,000)",
         "(0,000+-2,000 i) *(0,000+3,000 i)  =   6,000+0,000 i"},
        // The operand 0 + 0i has the angle 0.
        {"+", 0, "0", "0", 0, "2", "0", "0,000 E(0,000) +2,000 E(0,000)  =   2,000 E(0,000)",
         "(0,000+0,000 i) +(2,000+0,000 i)  =   2,000+0,000 i"},
    };
    for (const Fall& fall : faelle) {
        Tkomplexdlg f;
        eingeben(f, 1, fall.seite1, fall.x1, fall.y1);
        eingeben(f, 2, fall.seite2, fall.x2, fall.y2);
        befehl(f, fall.op)->trigger();
        EXPECT_EQ(polar(f), fall.polar) << fall.polar.toStdString();
        EXPECT_EQ(normal(f), fall.normal) << fall.normal.toStdString();
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// An operation writes each operand's other form beside the page it was read from.
TEST_F(Komplexdlg, OperationSchreibtDieAndereForm) {
    Tkomplexdlg f;
    eingeben(f, 1, 0, "3", "4");
    eingeben(f, 2, 1, "2", "90");
    befehl(f, "+")->trigger();
    EXPECT_EQ(feldtexte(f),
              (QStringList{"3", "4", "5,000", "53,130", "0,000", "2,000", "2", "90"}));
    EXPECT_EQ(normal(f), "(3,000+4,000 i) +(0,000+2,000 i)  =   3,000+6,000 i");
}

TEST_F(Komplexdlg, SeitenwechselRechnetUm) {
    struct Fall {
        int einheit;
        QString a, b;
        QString r, phi;
    };
    const Fall faelle[] = {
        {0, "-3", "0", "3,000", "180,000"}, {1, "-3", "0", "3,000", "3,142"},
        {2, "-3", "0", "3,000", "200,000"}, {0, "0", "-2", "2,000", "270,000"},
        {0, "1", "1", "1,414", "45,000"},
    };
    for (const Fall& fall : faelle) {
        Tkomplexdlg f;
        steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(fall.einheit);
        eingeben(f, 2, 0, fall.a, fall.b);
        buch(f, 2)->setCurrentIndex(1);
        EXPECT_EQ(feld(f, 7)->text(), fall.r);
        EXPECT_EQ(feld(f, 8)->text(), fall.phi);
        EXPECT_EQ(feld(f, 3)->text(), "0"); // the other number stays
    }
    // And back: the polar form being left gives the normal form.
    Tkomplexdlg f;
    eingeben(f, 1, 1, "2", "270");
    buch(f, 1)->setCurrentIndex(0);
    EXPECT_EQ(feld(f, 1)->text(), "0,000");
    EXPECT_EQ(feld(f, 2)->text(), "-2,000");
    // A value outside the field's range is first brought into it.
    eingeben(f, 1, 0, "1E70", "0");
    buch(f, 1)->setCurrentIndex(1);
    EXPECT_EQ(feld(f, 1)->Value(), 1e60L);
    EXPECT_EQ(feld(f, 4)->text(), "0,000");
}

TEST_F(Komplexdlg, DivisionDurchNullAendertNichts) {
    Tkomplexdlg f;
    eingeben(f, 1, 0, "3", "4");
    eingeben(f, 2, 0, "1", "-2");
    befehl(f, "*")->trigger();
    const QString vorher = normal(f);
    eingeben(f, 2, 0, "0", "0");
    befehl(f, "/")->trigger();
    EXPECT_EQ(dienst.meldungen, QStringList{"Division durch 0 ist nicht erlaubt."});
    EXPECT_EQ(normal(f), vorher);
    EXPECT_EQ(static_cast<double>(f.ergebnis().a), 11.0);
    // A polar divisor of modulus 0 alike.
    eingeben(f, 2, 1, "0", "45");
    dienst.meldungen.clear();
    befehl(f, "/")->trigger();
    EXPECT_EQ(dienst.meldungen, QStringList{"Division durch 0 ist nicht erlaubt."});
    EXPECT_EQ(normal(f), vorher);
}

TEST_F(Komplexdlg, ErgebnisInDieZahlenUndZahlenformat) {
    Tkomplexdlg f;
    eingeben(f, 1, 0, "3", "4");
    eingeben(f, 2, 0, "1", "-2");
    befehl(f, "*")->trigger();
    befehl(f, ">Z2")->trigger();
    EXPECT_EQ(feldtexte(f).mid(4), (QStringList{"11,000", "-2,000", "11,180", "349,695"}));
    befehl(f, ">Z1")->trigger();
    EXPECT_EQ(feldtexte(f).mid(0, 4), (QStringList{"11,000", "-2,000", "11,180", "349,695"}));

    // A new format shows in the next equations and written fields; typed values stay.
    f.setzeFormat("0.0");
    EXPECT_EQ(feld(f, 4)->text(), "349,695");
    eingeben(f, 1, 0, "3,25", "4");
    eingeben(f, 2, 0, "1", "-2");
    befehl(f, "-")->trigger();
    EXPECT_EQ(normal(f), "(3,3+4,0 i) -(1,0+-2,0 i)  =   2,3+6,0 i");
    EXPECT_EQ(feldtexte(f), (QStringList{"3,25", "4", "5,2", "50,9", "1", "-2", "2,2", "296,6"}));
}

TEST_F(Komplexdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("zahlen.lex");
    Tkomplexdlg f;
    eingeben(f, 1, 0, "3", "4");
    eingeben(f, 2, 1, "2", "1,5");
    steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(1);
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "komplex");
    EXPECT_EQ(z[1], "0.000");

    // Loading sets the pages without converting anything.
    Tkomplexdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f)) << zustand(g).join("|").toStdString() << "\n"
                                      << zustand(f).join("|").toStdString();
    EXPECT_EQ(buch(g, 2)->currentIndex(), 1);
    EXPECT_EQ(feldtexte(g), feldtexte(f));
    EXPECT_EQ(g.einheit(), Winkeleinheit::radiant);
    EXPECT_EQ(g.windowTitle(), "zahlen.lex");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    const QString fremd = ordner.filePath("fremd.lex");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("zahlensystem\r\n0.00\r\n0#400#300#0#0#\r\n1\r\n");
    ff.close();
    Tkomplexdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Komplexdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "extendEdit1=3", "--set", "extendEdit2=4", "--set", "extendEdit5=1", "--set",
          "extendEdit6=-2", "--command", "*"},
         {"txtshape1: 5,000 E(53,130) *2,236 E(296,565)  =   11,180 E(349,695)",
          "txtshape2: (3,000+4,000 i) *(1,000+-2,000 i)  =   11,000+-2,000 i"}},
        // Turning the page in batch mode converts as a click would.
        {{"--set", "RadioGroup1=2", "--set", "extendEdit1=-3", "--set", "TabbedNotebook1=1",
          "--command", "Addieren"},
         {"txtshape1: 3,000 E(200,000) +0,000 E(0,000)  =   3,000 E(200,000)"}},
        {{"--set", "extendEdit1=1", "--command", "Dividieren"},
         {"Meldung: Division durch 0 ist nicht erlaubt.", "txtshape1: 0"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "185"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tkomplexdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The template opens as a project: the window of kind 185 with 3 + 4i and 2 E(30) on its polar
// page.
TEST_F(Komplexdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tkomplexdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/komplex1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Komplexe Zahlen");
    EXPECT_EQ(buch(*f, 2)->currentIndex(), 1);
    const QString produkt = "5,000 E(53,130) *2,000 E(30,000)  =   10,000 E(83,130)";
    EXPECT_EQ(polar(*f), produkt); // it opens with the product worked out
    befehl(*f, "*")->trigger();
    EXPECT_EQ(polar(*f), produkt);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Komplexdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(185);
    ASSERT_NE(qobject_cast<Tkomplexdlg*>(f), nullptr);
    delete f;
}

} // namespace
