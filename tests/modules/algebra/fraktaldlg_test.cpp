// The fractal window: its controls and menus, the picture in a hidden window (batch mode) and
// in a shown one while the threads draw, Rechne -> Abbrechen -> close, closing and deleting
// while drawing, data files, bitmaps, clipboard and printing.
#include "modules/algebra/fraktalbild.h"
#include "modules/algebra/fraktaldlg.h"
#include "modules/algebra/fraktalrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/farbgitter.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

QColor farbe(int index) {
    return Tfarbgitter::farben()[static_cast<std::size_t>(index)];
}

std::map<QRgb, int> zaehlen(const QImage& bild) {
    std::map<QRgb, int> h;
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            ++h[b.pixel(x, y)];
    return h;
}

// The colours of the default picture (see the computation's tests for colours 2 and 3).
std::map<QRgb, int> vorgabefarben() {
    const int anzahl[16] = {289,  224,  14590, 12487, 14008, 6389, 3858, 2292,
                            1613, 1059, 886,   674,   541,   459,  354,  277};
    std::map<QRgb, int> h;
    for (int i = 0; i < 16; ++i)
        h[farbe(i).rgb()] = anzahl[i];
    return h;
}

void setze(Tmodulfenster& f, const char* name, const QString& text) {
    steuer<QLineEdit>(f, name)->setText(text);
}

// A picture that takes seconds: every pixel of the set runs 100 000 steps.
void langsam(Tmodulfenster& f) {
    setze(f, "breite", "1000");
    setze(f, "hoehe", "1000");
    setze(f, "longintEdit2", "100000");
}

QAction* eigener(Tmodulfenster& f, const char* name) {
    for (QAction* a : f.fensterbefehle())
        if (a->objectName() == QLatin1String(name)) return a;
    ADD_FAILURE() << name;
    return nullptr;
}

QStringList menue(QMainWindow& f, const QString& titel) {
    for (QAction* a : f.menuBar()->actions())
        if (a->menu() && a->menu()->title() == titel) {
            QStringList texte;
            for (QAction* e : a->menu()->actions())
                texte << (e->isSeparator() ? QStringLiteral("-") : e->text());
            return texte;
        }
    return {};
}

bool warten_bis(const std::function<bool()>& bedingung, int ms = 20000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung() && uhr.elapsed() < ms)
        QTest::qWait(5);
    return bedingung();
}

class Fraktaldlg : public ::testing::Test {
protected:
    void SetUp() override {
        fraktale_registrieren();
        ASSERT_TRUE(ordner.isValid());
    }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Fraktaldlg, AufbauVorgabenUndMenues) {
    Tfraktaldlg f;
    EXPECT_EQ(f.windowTitle(), "Fraktale");
    EXPECT_EQ(f.art().hilfekontext, 425);
    EXPECT_EQ(f.art().kennung, "fraktale");
    auto* buch = steuer<QTabWidget>(f, "book1");
    ASSERT_EQ(buch->count(), 2);
    EXPECT_EQ(buch->tabText(0), "Mandelbrotmenge");
    EXPECT_EQ(buch->tabText(1), "Juliamenge");
    const fraktal::Vorgaben v = f.vorgaben();
    EXPECT_FALSE(v.julia);
    EXPECT_EQ(v.xmin, -1.75L);
    EXPECT_EQ(v.xmax, 0.75L);
    EXPECT_EQ(v.ymin, -1.5L);
    EXPECT_EQ(v.ymax, 1.5L);
    EXPECT_EQ(v.tiefe, 50);
    EXPECT_EQ(v.breite, 300);
    EXPECT_EQ(v.hoehe, 200);
    EXPECT_EQ(v.schranke, 4);
    buch->setCurrentIndex(1);
    const fraktal::Vorgaben j = f.vorgaben();
    EXPECT_TRUE(j.julia);
    EXPECT_EQ(j.cx, -1.5L);
    EXPECT_EQ(j.cy, 0);
    EXPECT_EQ(j.xweite, 1);
    EXPECT_EQ(j.yweite, 1);
    EXPECT_EQ(j.tiefe, 50);
    EXPECT_EQ(steuer<TSpinEditex>(f, "SpinEditex1")->Value(), 40);
    for (const char* versteckt : {"longintEdit1", "CheckBox1", "SpinEditex1", "ColorGrid1"})
        EXPECT_TRUE(steuer<QWidget>(f, versteckt)->isHidden()) << versteckt;

    EXPECT_EQ(menue(f, "&Datei"), (QStringList{"Ö&ffnen...", "&Speichern", "Speichern &unter...",
                                               "-", "Bitmap &laden...", "Bitmap spei&chern...", "-",
                                               "&Drucken...", "-", "&Beenden"}));
    EXPECT_EQ(menue(f, "&Bearbeiten"), QStringList{"&Fraktal kopieren"});
    EXPECT_EQ(f.aktion(Befehl::rechne)->text(), "&Rechne");
    EXPECT_TRUE(f.bild().isNull());
    EXPECT_EQ(f.ergebnisanzeigen(), QList<QWidget*>{steuer<QWidget>(f, "Image1")});
}

// A window that is not shown draws to the end before Rechne returns.
TEST_F(Fraktaldlg, VerstecktesFensterZeichnetDasGanzeBild) {
    Tfraktaldlg f;
    f.rechne();
    EXPECT_FALSE(f.rechnetGerade());
    const QImage b = f.bild();
    ASSERT_EQ(b.size(), QSize(300, 200));
    EXPECT_EQ(zaehlen(b), vorgabefarben());
    EXPECT_EQ(b.pixel(175, 100), farbe(2).rgb()); // reaches M = 50
    EXPECT_EQ(steuer<QProgressBar>(f, "Gauge1")->value(), 100);
    EXPECT_EQ(steuer<QLabel>(f, "Label13")->text(), "Iterationstiefe: 50");
    EXPECT_EQ(steuer<QWidget>(f, "Image1")->property("bild").value<QImage>(), b);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fraktaldlg, JuliamengeUndTiefeZehn) {
    Tfraktaldlg f;
    steuer<QTabWidget>(f, "book1")->setCurrentIndex(1);
    setze(f, "extendEdit5", "-0,8");
    setze(f, "extendEdit6", "0,156");
    setze(f, "extendEdit7", "3");
    setze(f, "extendEdit8", "2");
    setze(f, "longintEdit3", "10");
    setze(f, "breite", "150");
    setze(f, "hoehe", "100");
    f.rechne();
    const QImage b = f.bild();
    ASSERT_EQ(b.size(), QSize(150, 100));
    const fraktal::Pixelrechnung p(f.vorgaben());
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 150; ++x)
            ASSERT_EQ(b.pixel(x, y), farbe(fraktal::farbindex(p.tiefe(x, y))).rgb()) << x << y;
    const std::map<QRgb, int> h = zaehlen(b);
    EXPECT_GT(h.count(farbe(10).rgb()), 0u);
    for (int i = 11; i <= 15; ++i)
        EXPECT_EQ(h.count(farbe(i).rgb()), 0u) << i;
}

// Values typed out of range are brought into it before drawing.
TEST_F(Fraktaldlg, EingabenWerdenInIhrenBereichGebracht) {
    struct Fall {
        const char* feld;
        const char* text;
        const char* danach;
    };
    const Fall faelle[] = {
        {"breite", "0", "1"},        {"hoehe", "5000", "4000"},
        {"longintEdit2", "0", "1"},  {"longintEdit2", "200000", "100000"},
        {"longintEdit1", "-3", "1"}, {"extendEdit1", "-1e70", "-1E60"},
    };
    for (const Fall& fall : faelle) {
        Tfraktaldlg f;
        setze(f, "breite", "20");
        setze(f, "hoehe", "10");
        setze(f, fall.feld, fall.text);
        f.vorgaben();
        EXPECT_EQ(steuer<QLineEdit>(f, fall.feld)->text(), fall.danach) << fall.feld;
    }
    // Coordinates beyond the 6-byte real escape at once.
    Tfraktaldlg f;
    setze(f, "extendEdit1", "1e50");
    setze(f, "extendEdit2", "2e50");
    setze(f, "breite", "20");
    setze(f, "hoehe", "10");
    f.rechne();
    EXPECT_EQ(zaehlen(f.bild()), (std::map<QRgb, int>{{farbe(2).rgb(), 200}}));
}

TEST_F(Fraktaldlg, TieferZoomRechnetMitAchtzigBit) {
    Tfraktaldlg f;
    setze(f, "extendEdit1", "-0,743643887037");
    setze(f, "extendEdit2", "-0,743643887034");
    setze(f, "extendEdit3", "0,131825904205");
    setze(f, "extendEdit4", "0,131825904207");
    setze(f, "breite", "30");
    setze(f, "hoehe", "20");
    f.rechne();
    EXPECT_EQ(steuer<QLabel>(f, "Label13")->text(), "Iterationstiefe: 50 (80-Bit-Rechnung)");
}

// The whole way of a user: Rechne, watching, an attempt to close, Abbrechen, close.
TEST_F(Fraktaldlg, RechneAbbrechenSchliessen) {
    QPointer<Tfraktaldlg> f = new Tfraktaldlg;
    langsam(*f);
    f->show();
    QAction* rechne = f->aktion(Befehl::rechne);
    rechne->trigger();
    ASSERT_TRUE(f->rechnetGerade());
    EXPECT_EQ(rechne->text(), "&Abbrechen");
    EXPECT_FALSE(f->aktion(Befehl::oeffnen)->isEnabled());
    EXPECT_FALSE(eigener(*f, "Bitmapladen")->isEnabled());
    EXPECT_TRUE(eigener(*f, "Bitmapspeichern")->isEnabled());
    EXPECT_FALSE(steuer<QWidget>(*f, "breite")->isEnabled());
    EXPECT_FALSE(steuer<QWidget>(*f, "hoehe")->isEnabled());

    // The window shows blocks while the threads go on.
    ASSERT_TRUE(warten_bis([&] { return f->bild().pixel(1, 1) != qRgb(255, 255, 255); }));
    EXPECT_TRUE(f->rechnetGerade());

    f->close();
    EXPECT_EQ(dienst.meldungen, QStringList{"Klicken Sie zuerst auf Abbrechen!"});
    ASSERT_FALSE(f.isNull());
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->rechnetGerade());

    QElapsedTimer uhr;
    uhr.start();
    rechne->trigger(); // now "Abbrechen"
    EXPECT_FALSE(f->rechnetGerade());
    EXPECT_LT(uhr.elapsed(), 500);
    EXPECT_EQ(rechne->text(), "&Rechne");
    EXPECT_TRUE(f->aktion(Befehl::oeffnen)->isEnabled());
    EXPECT_TRUE(eigener(*f, "Bitmapladen")->isEnabled());
    EXPECT_TRUE(steuer<QWidget>(*f, "breite")->isEnabled());
    // Cancelled in the first pass: 10-pixel blocks from the left, white beyond.
    EXPECT_EQ(steuer<QProgressBar>(*f, "Gauge1")->value(), 0);
    const QImage b = f->bild();
    for (int y = 1; y < 10; ++y)
        for (int x = 1; x < 10; ++x)
            ASSERT_EQ(b.pixel(x, y), b.pixel(1, 1));
    EXPECT_EQ(b.pixel(999, 999), qRgb(255, 255, 255));
    QTest::qWait(100);
    EXPECT_EQ(f->bild(), b); // nothing arrives after the cancel

    f->close();
    EXPECT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(warten_bis([&] { return f.isNull(); }, 2000)); // closing frees the window
}

// Finished passes reach the window while it stays responsive, and the end shows the picture.
TEST_F(Fraktaldlg, GezeigtesFensterZeichnetImHintergrund) {
    Tfraktaldlg f;
    f.show();
    f.rechne();
    EXPECT_TRUE(f.rechnetGerade());
    ASSERT_TRUE(warten_bis([&] { return !f.rechnetGerade(); }));
    EXPECT_EQ(zaehlen(f.bild()), vorgabefarben());
    EXPECT_EQ(steuer<QProgressBar>(f, "Gauge1")->value(), 100);
    EXPECT_EQ(f.aktion(Befehl::rechne)->text(), "&Rechne");

    // One thread gives the same picture.
    const QImage zwei = f.bild();
    f.setzeThreads(1);
    f.rechne();
    ASSERT_TRUE(warten_bis([&] { return !f.rechnetGerade(); }));
    EXPECT_EQ(f.bild(), zwei);
}

// Deleting or closing by the program (new project, template, quit) while drawing cancels and
// waits; nothing is touched after the window is gone.
TEST_F(Fraktaldlg, LoeschenUndSchliessenWaehrendDesZeichnens) {
    for (int warte_ms : {0, 1, 30}) {
        auto* f = new Tfraktaldlg;
        langsam(*f);
        f->show();
        f->rechne();
        QTest::qWait(warte_ms);
        delete f;
    }
    QPointer<Tfraktaldlg> g = new Tfraktaldlg;
    langsam(*g);
    g->show();
    g->rechne();
    QTest::qWait(20);
    g->schliessenOhneNachfrage(); // what the main window does with all windows
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    ASSERT_FALSE(g.isNull());
    EXPECT_FALSE(g->rechnetGerade());
    delete g.data();
    QTest::qWait(50); // events posted by the threads find no window
}

TEST_F(Fraktaldlg, DateiSpeichernUndLaden) {
    const QString datei = ordner.filePath("a.fra");
    Tfraktaldlg f;
    steuer<QTabWidget>(f, "book1")->setCurrentIndex(1);
    setze(f, "extendEdit5", "-0,8");
    setze(f, "breite", "320");
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "fraktale");
    EXPECT_EQ(z[1], "0.00");
    EXPECT_EQ(z.mid(3), (QStringList{"1",   "-1,75", "-1,75", "0,75", "0,75", "-1,5", "-1,5", "1,5",
                                     "1,5", "50",    "50",    "-0,8", "-0,8", "0",    "0",    "1",
                                     "1",   "1",     "1",     "50",   "50",   "320",  "320",  "200",
                                     "200", "4",     "4",     "0",    "40"}));
    Tfraktaldlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.windowTitle(), "a.fra");
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_TRUE(g.vorgaben().julia);
}

TEST_F(Fraktaldlg, BitmapSpeichernUndLaden) {
    Tfraktaldlg f;
    const QString datei = ordner.filePath("bild.bmp");
    EXPECT_FALSE(f.bitmapSpeichern(datei)); // no picture yet
    EXPECT_EQ(dienst.meldungen, QStringList{"Es ist noch kein Bild da."});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    eigener(f, "Bitmapspeichern")->trigger();
    EXPECT_EQ(dienst.dateidialoge.last(), "Bitmap speichern");
    ASSERT_TRUE(QFile::exists(datei));

    Tfraktaldlg g;
    dienst.dateinamen.enqueue(datei);
    eigener(g, "Bitmapladen")->trigger();
    EXPECT_EQ(g.bild().convertToFormat(QImage::Format_RGB32), f.bild());
    EXPECT_EQ(dienst.meldungen.size(), 1);
}

TEST_F(Fraktaldlg, FremdeUndZuGrosseBitmapsWerdenAbgewiesen) {
    // A PNG under a bitmap's name, a bitmap that claims 5000 x 10 pixels, a missing file.
    const QString png = ordner.filePath("falsch.bmp");
    QImage(4, 4, QImage::Format_RGB32).save(png, "PNG");
    const QString gross = ordner.filePath("gross.bmp");
    {
        QImage klein(5, 10, QImage::Format_RGB32);
        klein.fill(Qt::red);
        klein.save(gross, "BMP");
        QFile f(gross);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(18); // biWidth
        const qint32 breite = 5000;
        f.write(reinterpret_cast<const char*>(&breite), 4);
    }
    struct Fall {
        QString datei, meldung;
    };
    const Fall faelle[] = {
        {png, "Die Datei falsch.bmp ist keine Bitmap (BMP)."},
        {gross, "Die Bitmap gross.bmp ist zu groß: 5000 × 10 Pixel, höchstens 4000 × 4000."},
        {ordner.filePath("fehlt.bmp"), "Die Datei fehlt.bmp kann nicht gelesen werden."},
    };
    Tfraktaldlg f;
    f.rechne();
    const QImage vorher = f.bild();
    for (const Fall& fall : faelle) {
        dienst.meldungen.clear();
        EXPECT_FALSE(f.bitmapLaden(fall.datei));
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung});
        EXPECT_EQ(f.bild(), vorher); // the picture stays
    }
    // A folder that does not exist: nothing written, a message.
    dienst.meldungen.clear();
    EXPECT_FALSE(f.bitmapSpeichern(ordner.filePath("fehlt/bild.bmp")));
    EXPECT_EQ(dienst.meldungen, QStringList{"Die Datei bild.bmp kann nicht gespeichert werden."});
}

TEST_F(Fraktaldlg, FraktalKopieren) {
    Tfraktaldlg f;
    f.rechne();
    eigener(f, "Fraktalkopieren")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), f.bild());
}

TEST_F(Fraktaldlg, DruckenObenLinks) {
    struct Fall {
        QSize bild;
        QRect seite;
        int dpi;
        QRect erwartet;
    };
    const Fall faelle[] = {
        {{300, 200}, {0, 0, 4000, 6000}, 600, {0, 0, 1875, 1250}}, // screen size
        {{300, 200}, {0, 0, 1000, 6000}, 600, {0, 0, 1000, 666}},  // shrunk to the page
        {{300, 200}, {10, 20, 4000, 6000}, 96, {10, 20, 300, 200}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(druckflaeche(f.bild, f.seite, f.dpi), f.erwartet);

    Tfraktaldlg f;
    f.rechne();
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = ordner.filePath("bild.pdf");
    drucker.setOutputFileName(pdf);
    EXPECT_TRUE(f.bildDrucken(drucker));
    EXPECT_GT(QFile(pdf).size(), 1000);
    // The command's dialog, cancelled, prints nothing.
    ModalWaechter waechter;
    f.aktion(Befehl::drucken)->trigger();
    EXPECT_EQ(waechter.gesehen.size(), 1);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fraktaldlg, Stapelbetrieb) {
    std::ostringstream aus, err;
    const QString datei = ordner.filePath("s.fra");
    ASSERT_EQ(stapel_ausfuehren({"zol", "--batch", "Tfraktaldlg", "--save", datei}, aus, err), 0)
        << err.str();
    EXPECT_EQ(aus.str(), "== Tfraktaldlg ==\n"
                         "Image1: Bild 300x200\n"
                         "  #008000: 14590\n"
                         "  #000080: 14008\n"
                         "  #808000: 12487\n"
                         "  #800080: 6389\n"
                         "  #008080: 3858\n"
                         "  #808080: 2292\n"
                         "  #c0c0c0: 1613\n"
                         "  #ff0000: 1059\n"
                         "  #00ff00: 886\n"
                         "  #ffff00: 674\n"
                         "  #0000ff: 541\n"
                         "  #ff00ff: 459\n"
                         "  #00ffff: 354\n"
                         "  #000000: 289\n"
                         "  #ffffff: 277\n"
                         "  #800000: 224\n");
    EXPECT_EQ(zeilen_von(datei).value(0), "fraktale");

    // The Julia page by --set and the kind number; a bitmap command finds its file dialog
    // cancelled, as every dialog in batch mode.
    std::ostringstream aus2;
    ASSERT_EQ(stapel_ausfuehren({"zol", "--batch", "205", "--set", "book1=1", "--set", "breite=40",
                                 "--set", "hoehe=30", "--command", "Rechne", "--command",
                                 "Bitmap speichern"},
                                aus2, err),
              0)
        << err.str();
    const std::string text = aus2.str();
    EXPECT_EQ(text.rfind("Dateiauswahl abgebrochen: Bitmap speichern\n== Tfraktaldlg ==\n"
                         "Image1: Bild 40x30\n",
                         0),
              0u)
        << text;
}

// The lesson opens as a project: a zoom into the edge of the Mandelbrot set, drawing at once
// (a second "Rechne" now would cancel it), and a Julia set ready on the second page.
TEST_F(Fraktaldlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tfraktaldlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/fraktal1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Fraktale");
    const fraktal::Vorgaben v = f->vorgaben();
    EXPECT_FALSE(v.julia);
    EXPECT_EQ(v.xmin, -0.16L);
    EXPECT_EQ(v.ymax, 1.045L);
    EXPECT_EQ(v.tiefe, 200);
    EXPECT_EQ(v.breite, 450);
    EXPECT_EQ(v.hoehe, 300);
    ASSERT_TRUE(warten_bis([&] { return !f->rechnetGerade(); }));
    const std::map<QRgb, int> h = zaehlen(f->bild());
    EXPECT_EQ(h.size(), 16u);
    EXPECT_EQ(h.at(farbe(11).rgb()), 22527); // the most frequent, as batch mode prints it
    EXPECT_EQ(h.at(farbe(8).rgb()), 18441);  // inside: 200 mod 16 = 8
    steuer<QTabWidget>(*f, "book1")->setCurrentIndex(1);
    const fraktal::Vorgaben j = f->vorgaben();
    EXPECT_EQ(j.cx, -0.8L);
    EXPECT_EQ(j.cy, 0.156L);
    EXPECT_EQ(j.tiefe, 120);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fraktaldlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(205);
    ASSERT_NE(qobject_cast<Tfraktaldlg*>(f), nullptr);
    delete f;
}

} // namespace
