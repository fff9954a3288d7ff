// The tangent window: controls, "Rechne" for the usual cases and a zero slope, points where the
// slope cannot be computed, ".tan" files, "Ergebnisse definieren", "Zeichnen" and batch mode.
#include "engine/fktbaum.h"
#include "modules/analysis/tangdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

class Tangente : public ::testing::Test {
protected:
    void SetUp() override {
        tangente_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    static QString text(Tmodulfenster& f, const char* name) {
        return steuer<QLineEdit>(f, name)->text();
    }
    Testmeldungsdienst dienst;
};

TEST_F(Tangente, NeuesFenster) {
    Ttangdlg f;
    EXPECT_EQ(f.windowTitle(), "Tangente/Normale");
    EXPECT_EQ(text(f, "Edit1"), "Fkttang(x)=x^4");
    EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit1")->Value(), 1);
    EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit2")->Value(), 0.001L);
    auto* seiten = steuer<QTabWidget>(f, "TabbedNotebook1");
    EXPECT_EQ(seiten->tabText(0), "Eingabe");
    EXPECT_EQ(seiten->tabText(1), "Optionen");
    EXPECT_EQ(f.ergebnisfelder().size(), 2);
}

TEST_F(Tangente, Rechne) {
    const struct {
        const char* definition;
        const char* x0;
        const char *tangente, *normale;
    } faelle[] = {
        {"Fkttang(x)=x^4", "1", "tang(x)= 4,00*x-3,00", "norm(x)=-0,25*x+1,25"},
        {"f(x)=x^3", "2", "tang(x)= 12,00*x-16,00", "norm(x)=-0,08*x+8,17"},
        {"f(x)=1/x", "2", "tang(x)=-0,25*x+1,00", "norm(x)= 4,00*x-7,50"},
        // m = 0: no normal, never the previous one.
        {"f(x)=x^2+3", "0", "tang(x)=3,00", ""},
        {"f(x)=x^2", "0", "tang(x)=0", ""},
        {"f(x)=2*x", "0", "tang(x)= 2,00*x", "norm(x)=-0,50*x"},
    };
    Ttangdlg f;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.definition);
        steuer<QLineEdit>(f, "Edit1")->setText(fall.definition);
        steuer<TextendEdit>(f, "extendEdit1")->setText(fall.x0);
        f.rechne();
        EXPECT_EQ(text(f, "Edit2"), fall.tangente);
        EXPECT_EQ(text(f, "Edit3"), fall.normale);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Tangente, FehlerLeerenBeideFelder) {
    const struct {
        const char *definition, *x0, *h;
        QStringList meldungen;
    } faelle[] = {
        {"f(x)=sqrt(x)",
         "0",
         "0.001",
         {"Die Funktion ist an dieser Stelle nicht differenzierbar."}},
        {"f(x)=1/x", "0", "0.001", {"Die Funktion ist an dieser Stelle nicht differenzierbar."}},
        {"f(x)=x^", "1", "0.001", {"Fehlerhafte Eingabe:f(x)=x^"}},
        // h = 0 is brought into its range first: no division by 0. So small an h would no
        // longer move x; the quotient keeps a step of 1E-10 of |x| and the tangent is right.
        {"f(x)=x^2", "1", "0", {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.definition);
        dienst.meldungen.clear();
        Ttangdlg f;
        f.rechne();
        ASSERT_EQ(text(f, "Edit2"), "tang(x)= 4,00*x-3,00");
        steuer<QLineEdit>(f, "Edit1")->setText(fall.definition);
        steuer<TextendEdit>(f, "extendEdit1")->setText(fall.x0);
        steuer<TextendEdit>(f, "extendEdit2")->setText(fall.h);
        f.rechne();
        EXPECT_EQ(dienst.meldungen, fall.meldungen);
        if (fall.meldungen.isEmpty()) {
            EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit2")->Value(), 1e-30L);
            EXPECT_EQ(text(f, "Edit2"), "tang(x)= 2,00*x-1,00");
            continue;
        }
        EXPECT_EQ(text(f, "Edit2"), "");
        EXPECT_EQ(text(f, "Edit3"), "");
    }
}

TEST_F(Tangente, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("linie.tan");
    Ttangdlg f;
    f.setzeFormat("0.000");
    steuer<QLineEdit>(f, "Edit1")->setText("w(x)=sin(x)");
    steuer<TextendEdit>(f, "extendEdit1")->setText("0,5");
    steuer<TextendEdit>(f, "extendEdit2")->setText("1E-5");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    f.ausfuehren(Befehl::speichern);
    const QStringList zeilen = zeilen_von(datei);
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], "Tangenten");
    EXPECT_EQ(zeilen[1], "0.000");
    Ttangdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(text(g, "Edit2"), "tang(x)= 0,878*x+0,041");
}

TEST_F(Tangente, ErgebnisseDefinierenUndZeichnen) {
    ModalWaechter waechter;
    Ttangdlg f;
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    long double w = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("TANG", 2, w));
    EXPECT_NEAR(static_cast<double>(w), 5, 1e-12);
    ASSERT_TRUE(formelbaum().fktberechnen("NORM", 1, w));
    EXPECT_NEAR(static_cast<double>(w), 1, 1e-12);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // With m = 0 only the function and the tangent are drawn.
    steuer<QLineEdit>(f, "Edit1")->setText("f(x)=x^2");
    steuer<TextendEdit>(f, "extendEdit1")->setText("0");
    const QWidgetList vorher = QApplication::topLevelWidgets();
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* zeichnung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w))
            zeichnung = qobject_cast<Tdialogfkt*>(w);
    ASSERT_NE(zeichnung, nullptr);
    EXPECT_EQ(zeichnung->eintraege().size(), 2u);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete zeichnung;
}

TEST_F(Tangente, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren({"zol", "--batch", "Ttangdlg", "--set", "Edit1=f(x)=x^3",
                                        "--set", "extendEdit1=2", "--command", "Rechne"},
                                       aus, err);
    EXPECT_EQ(code, 0) << err.str();
    for (const char* stueck : {"Edit2: tang(x)= 12,00*x-16,00\n", "Edit3: norm(x)=-0,08*x+8,17\n"})
        EXPECT_NE(aus.str().find(stueck), std::string::npos) << stueck << " in\n" << aus.str();
}

// The lesson template opens as a project with tangent and normal of x^3 at 2.
TEST_F(Tangente, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Ttangdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/tangente1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Tangente/Normale");
    f->rechne();
    EXPECT_EQ(text(*f, "Edit2"), "tang(x)= 12,00*x-16,00");
    EXPECT_EQ(text(*f, "Edit3"), "norm(x)=-0,08*x+8,17");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace
