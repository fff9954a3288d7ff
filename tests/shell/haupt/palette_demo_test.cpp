// The palette window that takes the tool buttons, and the timed demo.
#include "shell/eingabe/zahleingaben.h"
#include "shell/haupt/fensterdlg.h"
#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/zeitdlg.h"
#include "tests/shell/haupt/haupt_testhilfe.h"

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

using namespace zol;

class Palette : public HauptTest {
protected:
    // Cell (column, row) of the button with a Tag.
    QPoint zelle(int tag) {
        const QRect g = haupt().werkzeugknopf(tag)->geometry();
        EXPECT_EQ(g.size(), QSize(knopfzelle, knopfzelle)) << tag;
        return {g.x() / knopfzelle, g.y() / knopfzelle};
    }
};

TEST_F(Palette, NimmtDieKnoepfeUndGibtSieZurueck) {
    haupt().show();
    Tfensterdlg& palette = haupt().palette();
    EXPECT_EQ(palette.windowTitle(), "ZOL Mathematik");
    EXPECT_TRUE(palette.windowFlags() & Qt::WindowStaysOnTopHint);

    // In the main window: two rows laid out for a width of 650 pixels.
    EXPECT_EQ(zelle(1), QPoint(0, 0));
    EXPECT_EQ(zelle(26), QPoint(25, 0));
    EXPECT_EQ(zelle(27), QPoint(0, 1));
    EXPECT_EQ(zelle(51), QPoint(24, 1));

    haupt().befehl(1)->trigger(); // "Symbolleiste<->Hauptmenü"
    EXPECT_TRUE(palette.isVisible());
    EXPECT_FALSE(haupt().isVisible());
    EXPECT_EQ(haupt().speedBar()->parentWidget(), &palette);
    for (const Werkzeugknopf& k : werkzeugknoepfe())
        EXPECT_TRUE(palette.isAncestorOf(haupt().werkzeugknopf(k.tag))) << k.tag;

    // Rows of (client width / 25) buttons in Tag order; the height follows the rows.
    struct Fall {
        int breite;
        int zeilen;
        int tag;
        QPoint ort;
    };
    const Fall faelle[] = {
        {250, 6, 11, {0, 1}},   {250, 6, 51, {0, 5}},  {260, 6, 10, {9, 0}},   {100, 13, 5, {0, 1}},
        {100, 13, 51, {2, 12}}, {10, 51, 51, {0, 50}}, {1300, 1, 51, {50, 0}},
    };
    for (const Fall& f : faelle) {
        palette.resize(f.breite, 77);
        EXPECT_EQ(palette.zeilen(), f.zeilen) << f.breite;
        EXPECT_EQ(palette.height(), f.zeilen * knopfzelle) << f.breite;
        EXPECT_EQ(zelle(f.tag), f.ort) << f.breite << " Tag " << f.tag;
    }

    haupt().befehl(1)->trigger();
    EXPECT_FALSE(palette.isVisible());
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_EQ(haupt().speedBar()->parentWidget(), haupt().centralWidget());
    EXPECT_EQ(haupt().speedBar()->height(), 2 * knopfzelle);
    EXPECT_EQ(zelle(27), QPoint(0, 1));
    EXPECT_TRUE(haupt().werkzeugknopf(27)->isVisible());
}

TEST_F(Palette, SchliessenZeigtDasHauptfenster) {
    haupt().show();
    haupt().symbolleisteUmschalten();
    ASSERT_FALSE(haupt().isVisible());
    haupt().palette().close();
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_EQ(haupt().speedBar()->parentWidget(), haupt().centralWidget());
}

TEST_F(Palette, F2ImPalettenfensterHoltDasHauptfenster) {
    haupt().show();
    haupt().symbolleisteUmschalten();
    Tfensterdlg& palette = haupt().palette();
    palette.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&palette));
    QTest::keyClick(&palette, Qt::Key_F2);
    EXPECT_FALSE(palette.isVisible());
    EXPECT_TRUE(haupt().isVisible());
}

TEST_F(Palette, ProjektBestimmtDieSichtbarkeit) {
    haupt().show();
    haupt().setzeWerkzeugfenster({true, 200, 200, 0, 500, 0});
    EXPECT_TRUE(haupt().palette().isVisible());
    EXPECT_FALSE(haupt().isVisible());
    EXPECT_TRUE(haupt().werkzeugfenster().sichtbar);
    haupt().setzeWerkzeugfenster({false, 200, 200, 0, 500, 0});
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_EQ(haupt().speedBar()->parentWidget(), haupt().centralWidget());
}

class Demo : public HauptTest {
protected:
    void SetUp() override {
        HauptTest::SetUp();
        testvorlagen();
    }
};

TEST_F(Demo, SeiteEinsUndStart) {
    Tzeitdlg& demo = haupt().demo();
    EXPECT_EQ(demo.windowTitle(), "Demo");
    EXPECT_TRUE(demo.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(demo.seite(), 0);
    EXPECT_EQ(demo.intervall()->Value(), 10);

    demo.intervall()->setText("3");
    demo.findChild<QPushButton*>("Starten")->click();
    EXPECT_EQ(demo.seite(), 1);
    EXPECT_TRUE(demo.laeuft());
    EXPECT_EQ(demo.zeitgeber().interval(), 300);
    EXPECT_EQ(offeneVorlage(), 1);

    // Out-of-range intervals are clamped to 1 ... 600 seconds.
    demo.hide();
    demo.intervall()->setText("9999");
    demo.starten();
    EXPECT_EQ(demo.zeitgeber().interval(), 60000);
    demo.hide();
}

TEST_F(Demo, ZehnTakteOeffnenDieNaechsteVorlage) {
    Tzeitdlg& demo = haupt().demo();
    demo.starten();
    ASSERT_EQ(offeneVorlage(), 1);
    for (int i = 1; i <= 9; ++i) {
        demo.takt();
        EXPECT_EQ(demo.anzeige()->value(), i * 10);
        EXPECT_EQ(offeneVorlage(), 1);
    }
    demo.takt();
    EXPECT_EQ(demo.anzeige()->value(), 0);
    EXPECT_EQ(ausgewaehlt(), "Thema A");
    for (int i = 0; i < 10; ++i)
        demo.takt();
    EXPECT_EQ(offeneVorlage(), 2);
    demo.hide();
}

TEST_F(Demo, SchreitetMitDemZeitgeberFort) {
    Tzeitdlg& demo = haupt().demo();
    demo.starten();
    demo.zeitgeber().setInterval(1); // a short interval instead of seconds
    QDeadlineTimer frist(20000);
    while (offeneVorlage() != 2 && !frist.hasExpired())
        QTest::qWait(5);
    EXPECT_EQ(offeneVorlage(), 2);
    EXPECT_EQ(ausgewaehlt(), "Zweite Vorlage (t2)");
    demo.hide();
}

// A chosen subject plays only its own templates, from the first again after the last.
TEST_F(Demo, SpieltEinGewaehltesThema) {
    Tzeitdlg& demo = haupt().demo();
    demo.show();
    QStringList themen;
    for (int i = 0; i < demo.thema()->count(); ++i)
        themen << demo.thema()->itemText(i);
    EXPECT_EQ(themen, QStringList({"Alle Vorlagen", "Thema A", "Thema B"}));
    demo.thema()->setCurrentText("Thema B");
    demo.starten();
    EXPECT_EQ(offeneVorlage(), 3);
    for (int i = 0; i < 10; ++i)
        demo.takt();
    EXPECT_EQ(offeneVorlage(), 3);
    EXPECT_EQ(ausgewaehlt(), "Dritte Vorlage (t3)");
    demo.hide();

    // A subject of two templates alternates between them.
    schreiben("Lektion/lekt.out", {"Thema A", "\tZweite Vorlage (t2)", "\tErste Vorlage (t1)",
                                   "Thema B", "\tDritte Vorlage (t3)"});
    haupt().vorlagenLaden();
    demo.show();
    demo.thema()->setCurrentText("Thema A");
    demo.starten();
    QList<int> folge{offeneVorlage()};
    for (int i = 0; i < 20; ++i) {
        demo.takt();
        if (i % 10 == 9) folge << offeneVorlage();
    }
    EXPECT_EQ(folge, QList<int>({2, 1, 2}));
    demo.hide();
}

TEST_F(Demo, PauseWeiterUndAbbruch) {
    Tzeitdlg& demo = haupt().demo();
    demo.starten();
    demo.takt();
    demo.pauseKnopf()->click();
    EXPECT_FALSE(demo.laeuft());
    EXPECT_EQ(demo.pauseKnopf()->text(), "Weiter");
    EXPECT_EQ(demo.anzeige()->value(), 10);
    demo.pauseKnopf()->click();
    EXPECT_TRUE(demo.laeuft());
    EXPECT_EQ(demo.pauseKnopf()->text(), "Pause");

    demo.findChild<QPushButton*>("Abbruch")->click();
    EXPECT_FALSE(demo.isVisible());
    EXPECT_FALSE(demo.laeuft());
    EXPECT_EQ(demo.seite(), 0);
}

} // namespace
