// What a teacher sees first in a plot window: curves in distinct colours, ranges typed the wrong
// way round, and windows told apart by their titles.
#include "shell/zeichnen/uebergabe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include <memory>

namespace zol::test {
namespace {

QColor farbe(int n) {
    return QColor::fromRgb(kurvenpalette[static_cast<std::size_t>(n)]);
}

std::vector<QColor> farben(const Tdialogfkt& f) {
    std::vector<QColor> r;
    for (const Teinzelnefkt& e : f.eintraege())
        r.push_back(e.farbe);
    return r;
}

void kurve(Tdialogfkt& f, const char* definition) {
    f.setzeDefinition(definition);
    ASSERT_TRUE(f.hinzufuegen());
}

TEST_F(Zeichnen, NeueKurvenNehmenDieNaechsteFarbe) {
    // Eight distinct colours, black first.
    EXPECT_EQ(farbe(0), QColor(Qt::black));
    for (std::size_t i = 0; i < kurvenpalette.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(kurvenpalette[i], kurvenpalette[j]);
    EXPECT_EQ(kurvenfarbe(8), farbe(0));

    Tdialogfkt f;
    kurve(f, "f(x)=x^2");
    kurve(f, "g(x)=x+1");
    kurve(f, "h(x)=sin(x)");
    EXPECT_EQ(farben(f), (std::vector{farbe(0), farbe(1), farbe(2)}));
    // The drawn polylines carry them.
    std::vector<QColor> gezeichnet;
    for (const auto& o : f.anzeigeliste())
        if (o->art == art_linienzug &&
            std::find(gezeichnet.begin(), gezeichnet.end(), o->stift.farbe) == gezeichnet.end())
            gezeichnet.push_back(o->stift.farbe);
    EXPECT_EQ(gezeichnet, farben(f));
    EXPECT_EQ(f.funktionsstift().farbe, QColor(Qt::black)); // the pen itself stays

    // An edited curve keeps its colour; the next new one goes on with the palette.
    markieren(f, 1);
    klick(f, "Bearbeiten1");
    ASSERT_TRUE(f.hinzufuegen());
    kurve(f, "k(x)=2");
    EXPECT_EQ(farben(f), (std::vector{farbe(0), farbe(2), farbe(1), farbe(3)}));

    // Stored in the file like any pen; a reloaded window goes on after its curves.
    const QString datei = pfad("farben.fkt");
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    Tdialogfkt g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(farben(g), farben(f));
    kurve(g, "m(x)=-2");
    EXPECT_EQ(farben(g).back(), farbe(4));

    // A pen the user chose is taken as it is (here the edited curve's pen, which "Bearbeiten"
    // made the function pen).
    EXPECT_EQ(g.funktionsstift().farbe, farbe(1));
    {
        ModalWaechter waechter;
        waechter.annehmen = true;
        klick(g, "Linienart1");
        ASSERT_EQ(waechter.gesehen, QStringList{"zol::Tliniedlg"});
    }
    kurve(g, "n(x)=1");
    kurve(g, "p(x)=-1");
    EXPECT_EQ(farben(g).back(), farbe(1));
    EXPECT_EQ(farben(g)[farben(g).size() - 2], farbe(1));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A value table's hand-over: the curve black, its points in the next colour.
TEST_F(Zeichnen, UebergabeNimmtDieNaechsteFarbe) {
    std::unique_ptr<Tdialogfkt> f(funktionZeichnen("0.00", "f(x)=x^2"));
    ASSERT_TRUE(
        punkteZeichnen(*f, pfad("werte.dat"), {{"1", "1"}, {"2", "4"}}, stil_kleiner_kreis));
    EXPECT_EQ(farben(*f), (std::vector{farbe(0), farbe(1)}));
}

// Limits typed the wrong way round are exchanged, in the fields too, and the curve stays inside
// the frame.
TEST_F(Zeichnen, VertauschteGrenzenWerdenGetauscht) {
    struct Fall {
        const char* klein;
        const char* gross;
        const char* eingabe_klein;
        const char* eingabe_gross;
        bool verlassen; // leaving the field, or a command after a program set the texts
    };
    const Fall faelle[] = {
        {"xmin", "xmax", "5", "3", true},
        {"ymin", "ymax", "5", "3", true},
        {"xmin", "xmax", "5", "3", false},
        {"ymin", "ymax", "2", "-4", false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.klein) + (fall.verlassen ? " verlassen" : " befehl"));
        dienst.meldungen.clear();
        Tdialogfkt f;
        kurve(f, "f(x)=x");
        if (fall.verlassen) {
            eingeben(f, fall.gross, fall.eingabe_gross);
            eingeben(f, fall.klein, fall.eingabe_klein);
        } else {
            kind<TSpinEditex>(f, fall.klein)->setText(fall.eingabe_klein);
            kind<TSpinEditex>(f, fall.gross)->setText(fall.eingabe_gross);
            f.aktualisieren();
        }
        const long double klein = kind<TSpinEditex>(f, fall.klein)->Value();
        const long double gross = kind<TSpinEditex>(f, fall.gross)->Value();
        EXPECT_LT(klein, gross);
        const long double a = QString(fall.eingabe_klein).toDouble();
        const long double b = QString(fall.eingabe_gross).toDouble();
        EXPECT_EQ(klein, std::min(a, b));
        EXPECT_EQ(gross, std::max(a, b));
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        for (const auto& zug : zuege(f.anzeigeliste()))
            for (const Tpunkt& p : zug) {
                EXPECT_TRUE(p.x >= 200 && p.x <= 1000 && p.y >= -700 && p.y <= -100)
                    << p.x << " " << p.y;
            }
    }
}

// New plot windows are numbered until saved; the lowest free number is taken again.
TEST_F(Zeichnen, FensterWerdenDurchgezaehlt) {
    // Windows other tests left behind would take numbers.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (Tmodulfenster* w : Tmodulfenster::alleFenster())
        if (qobject_cast<Tdialogfkt*>(w)) delete w;
    auto a = std::make_unique<Tdialogfkt>();
    auto b = std::make_unique<Tdialogfkt>();
    auto c = std::make_unique<Tdialogfkt>();
    EXPECT_EQ(a->windowTitle(), "Zeichnen");
    EXPECT_EQ(b->windowTitle(), "Zeichnen 2");
    EXPECT_EQ(c->windowTitle(), "Zeichnen 3");
    dienst.dateinamen.enqueue(pfad("kurven.fkt"));
    ASSERT_TRUE(a->speichernUnter());
    EXPECT_EQ(a->windowTitle(), "kurven.fkt");
    b.reset();
    auto d = std::make_unique<Tdialogfkt>();
    EXPECT_EQ(d->windowTitle(), "Zeichnen");
    auto e = std::make_unique<Tdialogfkt>();
    EXPECT_EQ(e->windowTitle(), "Zeichnen 2");
}

} // namespace
} // namespace zol::test
