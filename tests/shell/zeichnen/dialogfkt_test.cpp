// The plot window's settings: defaults, zoom and move, sizes and scales, the view factor,
// automatic refresh, menus and tool bar, bad ranges.
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include "shell/rahmen/fensterarten.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/zeichnen/seitenansicht.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <cmath>

namespace zol::test {
namespace {

TEST_F(Zeichnen, Vorgaben) {
    Tdialogfkt f;
    EXPECT_EQ(f.windowTitle(), "Zeichnen");
    EXPECT_EQ(f.format(), "0.000");
    const std::pair<const char*, const char*> felder[] = {
        {"Edit1", "f(x)=x*x"},
        {"vonx", "-3"},
        {"bisx", "3"},
        {"aufloesung", "600"},
        {"integralkonst", "0"},
        {"anzahlsimp", "10"},
        {"Edit2", "f(x)=x*x+t"},
        {"Scharparam", "t"},
        {"vonschar", "-3"},
        {"bisschar", "1"},
        {"aufloesungschar", "4"},
        {"vonscharx", "-3"},
        {"bisscharx", "3"},
        {"aufloesungscharx", "600"},
        {"Edit3", "x(t)=sin(t)"},
        {"Edit4", "y(t)=cos(t)"},
        {"vonpara", "-3"},
        {"bispara", "3"},
        {"aufloesungpara", "50"},
        {"edit5", ""},
        {"spineditin1", "2"},
        {"xmin", "-3,000"},
        {"xmax", "3,000"},
        {"xskala", "1,000"},
        {"ymin", "-3,000"},
        {"ymax", "3,000"},
        {"yskala", "1,000"},
        {"Zoom", "2"},
        {"xtext", "x-Achse"},
        {"ytext", "y-Achse"},
        {"uebertext", "Überschrift"},
        {"xinter", "1"},
        {"yinter", "1"},
        {"xseite", "200"},
        {"yseite", "270"},
        {"xgroesse", "80"},
        {"ygroesse", "60"},
        {"xabstand", "20"},
        {"yabstand", "10"},
        {"massx", "13,333"},
        {"massy", "10,000"},
    };
    for (const auto& [name, erwartet] : felder)
        EXPECT_EQ(text(f, name), QString::fromUtf8(erwartet)) << name;
    const std::pair<const char*, bool> kaestchen[] = {
        {"arteinsch", false},   {"arteinschscharx", false}, {"Koord", true},
        {"Gitterlinie", false}, {"Gitterpunkt", false},     {"logx", false},
        {"logy", false},        {"autoBeschrift", true},    {"artwert", true},
        {"artableit", false},   {"art2ableit", false},      {"artintegral", false},
    };
    for (const auto& [name, an] : kaestchen)
        EXPECT_EQ(kind<QAbstractButton>(f, name)->isChecked(), an) << name;
    // Fields that belong to an unchecked choice are disabled.
    for (const char* name :
         {"vonx", "bisx", "vonscharx", "bisscharx", "integralkonst", "anzahlsimp"})
        EXPECT_FALSE(kind(f, name)->isEnabled()) << name;

    EXPECT_DOUBLE_EQ(f.ansichtsfaktor(), 0.3);
    EXPECT_EQ(kind(f, "PaintBox1")->size(), QSize(600, 810));
    EXPECT_EQ(f.anzeigeliste().seitenbreite, 2000);
    EXPECT_EQ(f.anzeigeliste().seitenhoehe, 2700);
    // The first page: the frame first, the free text last, 5 mm below the plot area.
    const auto l = linien(f.anzeigeliste());
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[0], (Trechteck{200, -700, 200, -100}));
    EXPECT_EQ(l[2], (Trechteck{1000, -100, 1000, -700}));
    EXPECT_EQ(texte(f.anzeigeliste()).back().ort, (Tpunkt{200, -750}));

    auto* tabelle = kind<TStringGrid>(f, "StringGrid2");
    EXPECT_EQ(tabelle->colCount(), 3);
    EXPECT_EQ(tabelle->rowCount(), 3);
    EXPECT_EQ(tabelle->cell(1, 0), "x-Wert");
    EXPECT_EQ(tabelle->cell(0, 2), "2");
    // Letters of the symbol panel show as the Symbol font's Greek letters.
    auto* buchstaben = kind<TStringGrid>(f, "StringGrid1");
    EXPECT_EQ(buchstaben->colCount(), 11);
    EXPECT_EQ(buchstaben->cell(0, 0), QString(QChar(0x391)));
    EXPECT_EQ(buchstaben->cell(4, 2), QString(QChar(0x3B1)));
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Zeichnen, ZoomUndVerschieben) {
    struct Fall {
        const char* knopf;
        long double x[3], y[3];
        const char* massx;
        const char* massy;
    };
    const Fall faelle[] = {
        {"xyvergroessern", {-6, 6, 2}, {-6, 6, 2}, "6,667", "5,000"},
        {"xyverkleinern", {-1.5, 1.5, 0.5}, {-1.5, 1.5, 0.5}, "26,667", "20,000"},
        {"xvergroessern", {-6, 6, 2}, {-3, 3, 1}, "6,667", "10,000"},
        {"xverkleinern", {-1.5, 1.5, 0.5}, {-3, 3, 1}, "26,667", "10,000"},
        {"yvergroessern", {-3, 3, 1}, {-6, 6, 2}, "13,333", "5,000"},
        {"yverkleinern", {-3, 3, 1}, {-1.5, 1.5, 0.5}, "13,333", "20,000"},
        {"nachrechts", {-2, 4, 1}, {-3, 3, 1}, "13,333", "10,000"},
        {"nachlinks", {-4, 2, 1}, {-3, 3, 1}, "13,333", "10,000"},
        {"nachoben", {-3, 3, 1}, {-2, 4, 1}, "13,333", "10,000"},
        {"nachunten", {-3, 3, 1}, {-4, 2, 1}, "13,333", "10,000"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.knopf);
        Tdialogfkt f;
        klick(f, fall.knopf);
        const Tzeichenvorgaben v = f.vorgaben();
        EXPECT_EQ(v.xmin, fall.x[0]);
        EXPECT_EQ(v.xmax, fall.x[1]);
        EXPECT_EQ(v.xskala, fall.x[2]);
        EXPECT_EQ(v.ymin, fall.y[0]);
        EXPECT_EQ(v.ymax, fall.y[1]);
        EXPECT_EQ(v.yskala, fall.y[2]);
        EXPECT_EQ(text(f, "massx"), fall.massx);
        EXPECT_EQ(text(f, "massy"), fall.massy);
        // The spin buttons of the limits step by the tick step.
        EXPECT_EQ(kind<TSpinEditex>(f, "xmin")->Increment(), fall.x[2]);
        EXPECT_EQ(kind<TSpinEditex>(f, "ymax")->Increment(), fall.y[2]);
        // The page follows at once: the frame's right edge stays at 100 mm.
        EXPECT_EQ(linien(f.anzeigeliste())[2].x1, 1000);
    }
}

// The fields show three decimals; zooming by 3 and back must not leave 0,999 behind.
TEST_F(Zeichnen, ZoomKehrtGenauZurueck) {
    Tdialogfkt f;
    eingeben(f, "Zoom", "3");
    klick(f, "xyverkleinern");
    EXPECT_EQ(text(f, "xskala"), "0,333");
    klick(f, "xyvergroessern");
    const Tzeichenvorgaben v = f.vorgaben();
    EXPECT_NEAR(static_cast<double>(v.xskala), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(v.ymin), -3.0, 1e-15);
    // A typed value counts as typed.
    eingeben(f, "xskala", "0,5");
    EXPECT_EQ(f.vorgaben().xskala, 0.5L);
}

TEST_F(Zeichnen, GroesseUndMassstab) {
    struct Fall {
        const char* feld;
        const char* eingabe;
        const char* ziel;
        const char* erwartet;
        const char* massx;
        const char* massy;
    };
    const Fall faelle[] = {
        {"massx", "10", "xgroesse", "60", "10,000", "10,000"},
        {"massy", "20", "ygroesse", "120", "13,333", "20,000"},
        {"massx", "2,5", "xgroesse", "15", "2,500", "10,000"},
        {"xgroesse", "120", "xgroesse", "120", "20,000", "10,000"},
        {"ygroesse", "30", "ygroesse", "30", "13,333", "5,000"},
        {"xmin", "-1", "xmin", "-1", "20,000", "10,000"},
        {"ymax", "0", "ymax", "0", "13,333", "20,000"},
        {"xabstand", "30", "xabstand", "30", "13,333", "10,000"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.feld + std::string(" = ") + fall.eingabe);
        Tdialogfkt f;
        eingeben(f, fall.feld, QString::fromUtf8(fall.eingabe));
        EXPECT_EQ(text(f, fall.ziel), fall.erwartet);
        EXPECT_EQ(text(f, "massx"), fall.massx);
        EXPECT_EQ(text(f, "massy"), fall.massy);
        // The frame is xgroesse wide and starts xabstand from the left edge.
        const Tzeichenvorgaben v = f.vorgaben();
        const Trechteck oben = linien(f.anzeigeliste())[1];
        EXPECT_EQ(oben.x1, 10 * v.xabstand);
        EXPECT_EQ(oben.x2 - oben.x1, 10 * v.xgroesse);
    }
}

TEST_F(Zeichnen, SeitengroesseFolgtDenFeldern) {
    Tdialogfkt f;
    eingeben(f, "xseite", "150");
    eingeben(f, "yseite", "100");
    EXPECT_EQ(f.anzeigeliste().seitenbreite, 1500);
    EXPECT_EQ(f.anzeigeliste().seitenhoehe, 1000);
    EXPECT_EQ(kind(f, "PaintBox1")->size(), QSize(450, 300));
}

TEST_F(Zeichnen, AnsichtsfaktorHatGrenzen) {
    Tdialogfkt f;
    auto* groesser = kind<QAction>(f, "Vergroessern");
    auto* kleiner = kind<QAction>(f, "Verkleinern");
    for (int i = 0; i < 20; ++i)
        groesser->trigger();
    // 0.3 * 1.2^9: the last step starts below 1.3.
    EXPECT_NEAR(f.ansichtsfaktor(), 0.3 * std::pow(1.2, 9), 1e-12);
    EXPECT_EQ(kind(f, "PaintBox1")->width(), static_cast<int>(f.ansichtsfaktor() * 2000));
    EXPECT_EQ(kind(f, "PaintBox1")->height(), static_cast<int>(f.ansichtsfaktor() * 2700));
    for (int i = 0; i < 60; ++i)
        kleiner->trigger();
    EXPECT_LE(f.ansichtsfaktor(), 0.05);
    EXPECT_GT(f.ansichtsfaktor() * 1.2, 0.05);
    EXPECT_EQ(groesser->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_EQ(kleiner->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
}

TEST_F(Zeichnen, OhneAutomatischeAktualisierungErstAufBefehl) {
    Tdialogfkt f;
    kind<QAction>(f, "AutomatischAktualisieren")->trigger();
    EXPECT_FALSE(f.automatisch());
    eingeben(f, "xgroesse", "100");
    EXPECT_EQ(text(f, "massx"), "16,667"); // the scale follows at once
    EXPECT_EQ(linien(f.anzeigeliste())[1].x2, 1000);
    kind<QAction>(f, "Aktualisieren")->trigger();
    EXPECT_EQ(linien(f.anzeigeliste())[1].x2, 1200);
}

// Equal limits, a zero or negative step: a message at most, never inf in the scale, never a
// hang.
TEST_F(Zeichnen, UngueltigeBereiche) {
    struct Fall {
        const char* feld;
        const char* eingabe;
        bool meldung;
    };
    const Fall faelle[] = {
        {"xmin", "3", true},    {"ymax", "-3", true},    {"xskala", "0", false},
        {"yskala", "0", false}, {"xskala", "-1", false}, {"yskala", "1E-30", false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.feld + std::string(" = ") + fall.eingabe);
        dienst.meldungen.clear();
        Tdialogfkt f;
        eingeben(f, fall.feld, fall.eingabe);
        EXPECT_EQ(dienst.meldungen,
                  fall.meldung ? QStringList{"Ungültiger Bereich"} : QStringList{});
        EXPECT_EQ(text(f, "massx"), "13,333");
        EXPECT_EQ(text(f, "massy"), "10,000");
        EXPECT_GE(linien(f.anzeigeliste()).size(), 4u); // the frame still stands
        // Leaving the field again changes nothing and says nothing again.
        eingeben(f, fall.feld, fall.eingabe);
        EXPECT_LE(dienst.meldungen.size(), 1);
        // The scale of an empty range gives no plot size.
        eingeben(f, "massx", "7");
        eingeben(f, "massy", "7");
        EXPECT_EQ(text(f, "xgroesse"), fall.meldung && fall.feld[0] == 'x' ? "80" : "42");
        EXPECT_EQ(text(f, "ygroesse"), fall.meldung && fall.feld[0] == 'y' ? "60" : "42");
    }
}

TEST_F(Zeichnen, LogarithmischeAchseOhnePositivenBereich) {
    Tdialogfkt f;
    ankreuzen(f, "logy", true);
    EXPECT_EQ(dienst.meldungen, QStringList{"Die y-Achse kann nicht logarithmisch gezeichnet "
                                            "werden! Y-Bereich muss positiv sein."});
    EXPECT_FALSE(kind<QCheckBox>(f, "logy")->isChecked());
}

TEST_F(Zeichnen, MenuesUndWerkzeugleiste) {
    Tdialogfkt f;
    QStringList menues;
    for (QAction* a : f.menuBar()->actions())
        menues << a->text();
    EXPECT_EQ(menues,
              (QStringList{"&Datei", "&Grafik", "&Aktualisieren", "&Eigenschaften", "&Hilfe"}));
    auto eintraege = [&](int i) {
        QStringList r;
        for (QAction* a : f.menuBar()->actions()[i]->menu()->actions())
            if (!a->isSeparator()) r << a->text();
        return r;
    };
    EXPECT_EQ(eintraege(0), (QStringList{"&Neu", "Ö&ffnen...", "&Speichern", "Speichern &unter...",
                                         "&Drucken", "&Beenden"}));
    EXPECT_EQ(eintraege(1), (QStringList{"Grafik &drucken...", "Grafik &exportieren...",
                                         "Ver&größern", "Ver&kleinern"}));
    EXPECT_EQ(eintraege(3),
              (QStringList{"&Zahlenformat", "&Eingabe zeigen", "&Automatisch aktualisieren"}));
    EXPECT_EQ(eintraege(4), QStringList{"&Inhalt"});
    EXPECT_TRUE(kind<QAction>(f, "Eingabezeigen")->isChecked());
    EXPECT_TRUE(kind<QAction>(f, "AutomatischAktualisieren")->isChecked());

    QStringList hinweise;
    for (QToolButton* k : f.findChildren<QToolButton*>())
        if (k->objectName().startsWith("SpeedButton")) hinweise << k->toolTip();
    EXPECT_EQ(hinweise,
              (QStringList{"Datei öffnen", "Datei speichern", "Datei speichern unter",
                           "Zeichnung aktualisieren", "Zahlenformat", "Vergrößern", "Verkleinern",
                           "Eingabe anzeigen ein/aus", "Beenden", "Hauptmenü", "Hilfe"}));
    EXPECT_EQ(kind<QToolButton>(f, "SpeedButton4")->text(), "Aktualisieren");
    EXPECT_EQ(f.art().hilfekontext, 145);
}

TEST_F(Zeichnen, EingabeZeigenBlendetNotizbuchUndListeAus) {
    Tdialogfkt f;
    QWidget* eingabe = kind(f, "Eingabe");
    ASSERT_TRUE(eingabe->isAncestorOf(kind(f, "TabbedNotebook1")));
    ASSERT_TRUE(eingabe->isAncestorOf(kind(f, "ListBox1")));
    kind<QToolButton>(f, "SpeedButton8")->click();
    EXPECT_TRUE(eingabe->isHidden());
    EXPECT_FALSE(f.eingabeSichtbar());
    kind<QAction>(f, "Eingabezeigen")->trigger();
    EXPECT_FALSE(eingabe->isHidden());
}

TEST_F(Zeichnen, ZahlenformatIstDasFormatDerBeschriftung) {
    Tdialogfkt f;
    f.setzeFormat("0.0");
    std::vector<std::string> zahlen;
    for (const Textobjekt& t : texte(f.anzeigeliste()))
        zahlen.push_back(t.text);
    EXPECT_NE(std::find(zahlen.begin(), zahlen.end(), "-2,0"), zahlen.end());
    EXPECT_NE(std::find(zahlen.begin(), zahlen.end(), "\\k(270;1,0)"), zahlen.end());
    EXPECT_EQ(text(f, "xmin"), "-3,000"); // the range fields keep their picture
}

// Closing with a changed field in focus: the field's last signals meet a whole window.
TEST_F(Zeichnen, SchliessenMitFokusImFeld) {
    for (const char* feld : {"xmin", "massx", "Memo1", "xtext"}) {
        SCOPED_TRACE(feld);
        auto* f = new Tdialogfkt;
        f->show();
        QApplication::setActiveWindow(f);
        kind<QTabWidget>(*f, "TabbedNotebook1")
            ->setCurrentIndex(QString(feld) == "Memo1"   ? 3
                              : QString(feld) == "xtext" ? 2
                                                         : 1);
        QWidget* w = kind(*f, feld);
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText("2");
        if (auto* s = qobject_cast<Tspinbasis*>(w)) s->setText("2");
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->setPlainText("neu");
        f->close(); // frees itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Zeichnen, FensterartNull) {
    dialogfkt_registrieren();
    const Fensterart* art = fensterart_nach_nummer(0);
    ASSERT_NE(art, nullptr);
    Tmodulfenster* f = fenster_erzeugen(0);
    ASSERT_NE(f, nullptr);
    EXPECT_NE(qobject_cast<Tdialogfkt*>(f), nullptr);
    EXPECT_EQ(art->filter, QStringList{"Funktionen zeichnen (*.fkt)"});
    delete f;
}

} // namespace
} // namespace zol::test
