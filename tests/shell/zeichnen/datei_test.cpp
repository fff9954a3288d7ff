// ".fkt" files: the exact lines, a round trip through a new window, damaged files, projects.
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include "shell/projekt/winrestorer.h"
#include "shell/rahmen/fensterarten.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/zeichnen/fktdatei.h"

#include <QAction>
#include <QPointer>

namespace zol::test {
namespace {

QStringList zeilen(const QString& datei) {
    QStringList z = QString::fromUtf8(dateiinhalt(datei)).split("\r\n");
    if (!z.isEmpty() && z.last().isEmpty()) z.removeLast();
    return z;
}

void schreibe_zeilen(const QString& datei, const QStringList& z) {
    schreibe(datei, (z.join("\r\n") + "\r\n").toUtf8());
}

// An entry of every kind, each with its own settings, and settings away from the defaults.
void fuellen(Tdialogfkt& f, const QString& tabelle) {
    f.setzeFormat("0.0");
    kind<QLineEdit>(f, "Edit1")->setText("f(x)=x*x");
    ankreuzen(f, "artableit", true);
    ankreuzen(f, "arteinsch", true);
    kind<TextendEdit>(f, "vonx")->setText("-1");
    kind<TextendEdit>(f, "bisx")->setText("2,5");
    f.setzeFunktionsstil(stil_grosses_quadrat);
    ASSERT_TRUE(f.hinzufuegen());
    f.setzeFunktionsstil(stil_linie);
    f.waehleFunktionsseite(Tdialogfkt::seite_schar);
    kind<TextendEdit>(f, "bisschar")->setText("0,5");
    ASSERT_TRUE(f.hinzufuegen());
    f.waehleFunktionsseite(Tdialogfkt::seite_parameter);
    ASSERT_TRUE(f.hinzufuegen());
    f.setzeTabelle(tabelle, {{"-1", "0,5"}, {"1", "2"}});
    ASSERT_TRUE(f.hinzufuegen());
    f.setzeFunktionsstil(stil_kleiner_kreis);
    klick(f, "xyvergroessern");
    ankreuzen(f, "Gitterlinie", true);
    eingeben(f, "xtext", "Zeit");
    kind<QPlainTextEdit>(f, "Memo1")->setPlainText("Hallo\n\\p(20;10)Welt");
    kind<QAction>(f, "Vergroessern")->trigger();
    f.eingabeZeigen(false);
    f.resize(700, 500); // within the (offscreen) screen: larger is cut to it
    f.aktualisieren();
}

void gleiche_eintraege(const std::vector<Teinzelnefkt>& a, const std::vector<Teinzelnefkt>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].name2, b[i].name2);
        EXPECT_EQ(a[i].art, b[i].art);
        EXPECT_EQ(a[i].zeigewert, b[i].zeigewert);
        EXPECT_EQ(a[i].zeigeableit, b[i].zeigeableit);
        EXPECT_EQ(a[i].zeige2ableit, b[i].zeige2ableit);
        EXPECT_EQ(a[i].zeigeintegral, b[i].zeigeintegral);
        EXPECT_EQ(a[i].einschraenken, b[i].einschraenken);
        EXPECT_EQ(a[i].von, b[i].von);
        EXPECT_EQ(a[i].bis, b[i].bis);
        EXPECT_EQ(a[i].scharvon, b[i].scharvon);
        EXPECT_EQ(a[i].scharschritt, b[i].scharschritt);
        EXPECT_EQ(a[i].scharanzahl, b[i].scharanzahl);
        EXPECT_EQ(a[i].aufloesung, b[i].aufloesung);
        EXPECT_EQ(a[i].farbe, b[i].farbe);
        EXPECT_EQ(a[i].breite, b[i].breite);
        EXPECT_EQ(a[i].stil, b[i].stil);
        EXPECT_EQ(a[i].simpson, b[i].simpson);
        EXPECT_EQ(a[i].integralkonst, b[i].integralkonst);
    }
}

TEST_F(Zeichnen, DateiRundreise) {
    const QString a = pfad("a.fkt"), b = pfad("b.fkt");
    Tdialogfkt f;
    fuellen(f, pfad("punkte.dat"));
    ASSERT_TRUE(f.inDateiSchreiben(a));

    // A new session: the file alone brings the curves back.
    formelbaum().alle_loeschen();
    Tdialogfkt g;
    ASSERT_TRUE(g.laden(a));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(listentexte(g), listentexte(f));
    gleiche_eintraege(g.eintraege(), f.eintraege());
    const Tzeichenvorgaben v = g.vorgaben(), w = f.vorgaben();
    EXPECT_EQ(v.xmin, w.xmin);
    EXPECT_EQ(v.ymax, w.ymax);
    EXPECT_EQ(v.yskala, w.yskala);
    EXPECT_EQ(v.gitterlinie, w.gitterlinie);
    EXPECT_EQ(v.xtext, "Zeit");
    EXPECT_EQ(v.freitext, w.freitext);
    EXPECT_EQ(v.schrift, w.schrift);
    EXPECT_EQ(v.achsenstift, w.achsenstift);
    EXPECT_EQ(g.format(), "0.0");
    EXPECT_EQ(g.funktionsstift(), f.funktionsstift());
    EXPECT_DOUBLE_EQ(g.ansichtsfaktor(), f.ansichtsfaktor());
    EXPECT_FALSE(g.eingabeSichtbar());
    EXPECT_EQ(g.size(), QSize(700, 500));
    EXPECT_EQ(g.windowTitle(), "a.fkt");
    EXPECT_EQ(g.dateiname(), a);
    // The same page, curve for curve.
    EXPECT_EQ(beschreibung(g.anzeigeliste()), beschreibung(f.anzeigeliste()));

    ASSERT_TRUE(g.inDateiSchreiben(b));
    EXPECT_EQ(dateiinhalt(b), dateiinhalt(a));
}

TEST_F(Zeichnen, DateiZeilen) {
    const QString datei = pfad("z.fkt");
    Tdialogfkt f;
    ankreuzen(f, "arteinsch", true);
    kind<TextendEdit>(f, "vonx")->setText("-1");
    kind<TextendEdit>(f, "bisx")->setText("2");
    ASSERT_TRUE(f.hinzufuegen());
    ankreuzen(f, "arteinsch", false);
    ankreuzen(f, "artableit", true);
    ASSERT_TRUE(f.hinzufuegen());
    for (int seite : {1, 2}) {
        f.waehleFunktionsseite(seite);
        ASSERT_TRUE(f.hinzufuegen());
    }
    f.setzeTabelle(pfad("t.dat"), {{"0", "1"}});
    ASSERT_TRUE(f.hinzufuegen());
    ASSERT_TRUE(f.inDateiSchreiben(datei));

    const QStringList z = zeilen(datei);
    ASSERT_GT(z.size(), 15);
    EXPECT_EQ(z.mid(0, 3),
              (QStringList{"Zeichne", "0.000", "0,3#0#1#0#0#5#0#Courier New#0#0#0#0#0#20#1#"}));
    // The component block starts with the geometry line.
    EXPECT_TRUE(z[3].startsWith("0#")) << z[3].toStdString();
    EXPECT_EQ(
        z.mid(z.size() - 13),
        // The colours of the palette, red in the lowest byte: black, blue, vermilion, green,
        // purple.
        (QStringList{"5", "f(x)=x*x", "0#5#0#0#0#0#-1#2#600#0#10#", "f(x)=x*x",
                     "11694592#5#0#0#1#1#-1#2#600#0#10#", "f(x)=x*x+t",
                     "24277#5#0#1#-3#1#4#1#-3#3#600#", "t", "x(t)=sin(t)", "7577088#5#0#2#-3#3#50#",
                     "y(t)=cos(t)", pfad("t.dat"), "10975692#5#0#3#"}));
}

TEST_F(Zeichnen, EinschraenkungKommtZurueck) {
    const QString datei = pfad("e.fkt");
    Tdialogfkt f;
    ankreuzen(f, "arteinsch", true);
    ASSERT_TRUE(f.hinzufuegen());
    ankreuzen(f, "arteinsch", false);
    ASSERT_TRUE(f.hinzufuegen());
    f.waehleFunktionsseite(1);
    ankreuzen(f, "arteinschscharx", true);
    ASSERT_TRUE(f.hinzufuegen());
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    const QStringList z = zeilen(datei);
    // The restriction field is the sixth of kind 0 and the eighth of kind 1: "0" = restricted.
    EXPECT_EQ(z[z.size() - 6].split('#')[5], "0");
    EXPECT_EQ(z[z.size() - 4].split('#')[5], "1");
    EXPECT_EQ(z[z.size() - 2].split('#')[7], "0");

    Tdialogfkt g;
    ASSERT_TRUE(g.laden(datei));
    ASSERT_EQ(g.eintraege().size(), 3u);
    EXPECT_TRUE(g.eintraege()[0].einschraenken);
    EXPECT_FALSE(g.eintraege()[1].einschraenken);
    EXPECT_TRUE(g.eintraege()[2].einschraenken);
    markieren(g, 0);
    klick(g, "Bearbeiten1");
    EXPECT_TRUE(kind<QCheckBox>(g, "arteinsch")->isChecked());
}

// A damaged file is refused with a message, and the window keeps everything it had.
TEST_F(Zeichnen, FehlerhafteDateien) {
    QStringList gut;
    {
        Tdialogfkt quelle;
        kind<QLineEdit>(quelle, "Edit1")->setText("h(x)=1");
        kind<QLineEdit>(quelle, "xtext")->setText("anders");
        ASSERT_TRUE(quelle.hinzufuegen());
        quelle.setzeFormat("0.0000");
        ASSERT_TRUE(quelle.inDateiSchreiben(pfad("gut.fkt")));
        gut = zeilen(pfad("gut.fkt"));
    }
    const int anzahl = static_cast<int>(gut.size()) - 3; // count, definition, values
    auto ersetzt = [&](int zeile, const QString& neu) {
        QStringList z = gut;
        z[zeile] = neu;
        return z;
    };
    auto feld = [&](int zeile, int index, const QString& neu) {
        QStringList f = gut[zeile].split('#');
        f[index] = neu;
        return ersetzt(zeile, f.join('#'));
    };
    struct Fall {
        const char* was;
        QStringList inhalt;
    };
    const Fall faelle[] = {
        {"andere Datei", {"Wertetabelle", "0.00", "0#100#100#0#0#"}},
        {"leer", {}},
        {"nur Kopf", gut.mid(0, 2)},
        {"ohne Einträge", gut.mid(0, anzahl)},
        {"mitten im Block", gut.mid(0, 12)},
        {"Faktor keine Zahl", feld(2, 0, "abc")},
        {"Faktor null", feld(2, 0, "0")},
        {"Kopf zu kurz", ersetzt(2, "0,3#0#1#")},
        {"Schriftgröße null", feld(2, 13, "0")},
        {"Wahrheitswert 2", feld(2, 8, "2")},
        {"Anzahl keine Zahl", ersetzt(anzahl, "x")},
        {"Anzahl negativ", ersetzt(anzahl, "-1")},
        {"Anzahl zu groß", ersetzt(anzahl, "3")},
        {"Art 7", feld(anzahl + 2, 3, "7")},
        {"Auflösung negativ", feld(anzahl + 2, 8, "-5")},
        {"Grenze zu groß", feld(anzahl + 2, 6, "1E5000")},
        {"Grenze mit Punkt", feld(anzahl + 2, 7, "2.5")},
        {"Kurvenziffer 4", feld(anzahl + 2, 4, "4")},
        {"Werte abgeschnitten", ersetzt(anzahl + 2, "0#5#0#0#0#")},
    };
    Tdialogfkt f;
    kind<QLineEdit>(f, "Edit1")->setText("k(x)=2");
    ASSERT_TRUE(f.hinzufuegen());
    kind<QLineEdit>(f, "Edit1")->setText("k(x)=3");
    const Tzeichenvorgaben vorher = f.vorgaben();
    const QString titel = f.windowTitle();
    const auto seite = beschreibung(f.anzeigeliste());
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        dienst.meldungen.clear();
        const QString datei = pfad("kaputt.fkt");
        schreibe_zeilen(datei, fall.inhalt);
        EXPECT_FALSE(f.laden(datei));
        ASSERT_EQ(dienst.meldungen.size(), 1);
        EXPECT_TRUE(dienst.meldungen[0].startsWith("Datei kann nicht geladen werden."))
            << dienst.meldungen[0].toStdString();
        EXPECT_EQ(text(f, "Edit1"), "k(x)=3");
        EXPECT_EQ(text(f, "xtext"), "x-Achse");
        EXPECT_EQ(listentexte(f), QStringList{"Fkt:k(x)=2"});
        EXPECT_EQ(f.format(), "0.000");
        EXPECT_EQ(f.vorgaben().xmin, vorher.xmin);
        EXPECT_EQ(f.windowTitle(), titel);
        EXPECT_TRUE(f.dateiname().isEmpty());
        EXPECT_EQ(beschreibung(f.anzeigeliste()), seite);
    }
    // The first line alone decides "not a plot file": no line number then.
    schreibe_zeilen(pfad("w.wer"), {"Wertetabelle"});
    dienst.meldungen.clear();
    f.laden(pfad("w.wer"));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
}

// Every line of a plot file has a longest length (a caption, a line of the free text, a
// definition, the number format): a longer one is refused as damage at its line before any
// control takes it, and the window does not write a file it could not read again.
TEST_F(Zeichnen, ZuLangeZeilen) {
    QStringList gut;
    {
        Tdialogfkt quelle;
        kind<QLineEdit>(quelle, "Edit1")->setText("h(x)=1");
        ASSERT_TRUE(quelle.hinzufuegen());
        eingeben(quelle, "xtext", "anders");
        eingeben(quelle, "uebertext", "Titel");
        kind<QPlainTextEdit>(quelle, "Memo1")->setPlainText("Notiz");
        ASSERT_TRUE(quelle.inDateiSchreiben(pfad("gut.fkt")));
        gut = zeilen(pfad("gut.fkt"));
    }
    struct Fall {
        const char* was;
        qsizetype zeile; // 0-based
        qsizetype laenge;
    };
    const Fall faelle[] = {
        {"Zahlenformat", 1, fktdatei::max_formatlaenge},
        {"Beschriftung", gut.indexOf("anders"), fktdatei::max_zeilenlaenge},
        {"Überschrift", gut.indexOf("Titel"), fktdatei::max_zeilenlaenge},
        {"Text", gut.indexOf("Notiz"), fktdatei::max_zeilenlaenge},
        {"Definition", gut.lastIndexOf("h(x)=1"), fktdatei::max_zeilenlaenge},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        ASSERT_GT(fall.zeile, 0);
        QStringList z = gut;
        // At the limit the file loads; one character more and it is refused at that line.
        z[fall.zeile] = QString(fall.laenge, '0');
        schreibe_zeilen(pfad("grenze.fkt"), z);
        EXPECT_EQ(fktdatei::zu_lange_zeile(z), 0);
        Tdialogfkt f;
        dienst.meldungen.clear();
        EXPECT_TRUE(f.laden(pfad("grenze.fkt")));
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

        z[fall.zeile] += '0';
        schreibe_zeilen(pfad("lang.fkt"), z);
        EXPECT_EQ(fktdatei::zu_lange_zeile(z), fall.zeile + 1);
        Tdialogfkt g;
        eingeben(g, "xtext", "vorher");
        dienst.meldungen.clear();
        EXPECT_FALSE(g.laden(pfad("lang.fkt")));
        EXPECT_EQ(dienst.meldungen, QStringList{QStringLiteral("Datei kann nicht geladen werden."
                                                               "\nFehler in Zeile %1.")
                                                    .arg(fall.zeile + 1)});
        EXPECT_EQ(text(g, "xtext"), "vorher");
        EXPECT_TRUE(g.eintraege().empty());
    }

    // Captions cannot be typed longer; a longer line of the free text is not saved.
    Tdialogfkt f;
    EXPECT_EQ(kind<QLineEdit>(f, "xtext")->maxLength(), fktdatei::max_zeilenlaenge);
    kind<QPlainTextEdit>(f, "Memo1")
        ->setPlainText("kurz\n" + QString(fktdatei::max_zeilenlaenge + 1, 'x'));
    dienst.meldungen.clear();
    EXPECT_FALSE(f.inDateiSchreiben(pfad("nicht.fkt")));
    EXPECT_FALSE(QFile::exists(pfad("nicht.fkt")));
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen[0].startsWith("Die Datei wird nicht gespeichert: Zeile "))
        << dienst.meldungen[0].toStdString();
}

TEST_F(Zeichnen, OeffnenUndSpeichernUeberDenRahmen) {
    Tdialogfkt f;
    ASSERT_TRUE(f.hinzufuegen());
    dienst.dateinamen << pfad("r.fkt");
    kind<QAction>(f, "Speichernunter")->trigger();
    EXPECT_EQ(f.windowTitle(), "r.fkt");
    ASSERT_TRUE(QFile::exists(pfad("r.fkt")));
    Tdialogfkt g;
    dienst.dateinamen << pfad("r.fkt");
    kind<QAction>(g, "Oeffnen")->trigger();
    EXPECT_EQ(listentexte(g), QStringList{"Fkt:f(x)=x*x"});
}

// Every saved control, set away from its default, comes back from the file as it was.
TEST_F(Zeichnen, GespeicherteSteuerelementeKommenZurueck) {
    Tdialogfkt f;
    int n = 0;
    for (QWidget* w : f.komponenten()) {
        ++n;
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(QString::number(n + 10));
        else if (auto* s = qobject_cast<Tspinbasis*>(w))
            s->setText(QString::number(n));
        else if (auto* k = qobject_cast<QCheckBox*>(w))
            k->setChecked(!k->isChecked());
        else if (auto* r = qobject_cast<QRadioButton*>(w))
            r->setChecked(true);
        else if (auto* t = qobject_cast<QTabWidget*>(w))
            t->setCurrentIndex(t->count() - 1);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            m->setPlainText(QStringLiteral("Zeile A\nZeile B %1").arg(n));
        else if (auto* g = qobject_cast<TStringGrid*>(w))
            g->setCell(1, 1, "4,5");
    }
    auto zustand = [](Tmodulfenster& fenster) {
        Tsaveloadlist liste;
        liste.componentenspeichern(&fenster, fenster.komponenten());
        return liste.zeilen.mid(1);
    };
    ASSERT_TRUE(f.inDateiSchreiben(pfad("k.fkt")));
    Tdialogfkt g;
    ASSERT_TRUE(g.laden(pfad("k.fkt")));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// The main window's side of a project, reduced to what it holds.
class Umgebung : public Projektumgebung {
public:
    QList<QPointer<Tmodulfenster>> fenster;
    ~Umgebung() override {
        for (auto& f : fenster)
            delete f.data();
    }
    Fensterlage hauptfenster() const override { return {true, 640, 480, 0, 0, 0}; }
    void setzeHauptfenster(const Fensterlage&) override {}
    QString vorgabeformat() const override { return "0.00"; }
    void setzeVorgabeformat(const QString&) override {}
    Fensterlage werkzeugfenster() const override { return {}; }
    void setzeWerkzeugfenster(const Fensterlage&) override {}
    Fensterlage anzeigefenster() const override { return {}; }
    void setzeAnzeigefenster(const Fensterlage&) override {}
    QList<Tmodulfenster*> modulfenster() const override {
        QList<Tmodulfenster*> r;
        for (const auto& f : fenster)
            if (f) r << f.data();
        return r;
    }
    Tmodulfenster* fensterErzeugen(int art) override {
        Tmodulfenster* f = fenster_erzeugen(art);
        if (f) fenster << f;
        return f;
    }
};

TEST_F(Zeichnen, Projekt) {
    dialogfkt_registrieren();
    const QString projekt = pfad("p.pro");
    {
        Umgebung u;
        auto* f = static_cast<Tdialogfkt*>(u.fensterErzeugen(0));
        ASSERT_NE(f, nullptr);
        f->setzeDefinition("q(x)=x/2");
        ASSERT_TRUE(f->hinzufuegen());
        dienst.dateinamen << pfad("p.fkt"); // the window has no name yet
        ASSERT_TRUE(TWinRestorer(projekt).save(u));
    }
    formelbaum().alle_loeschen();
    Umgebung wieder;
    ASSERT_TRUE(TWinRestorer(projekt).restore(wieder));
    ASSERT_EQ(wieder.modulfenster().size(), 1);
    auto* g = qobject_cast<Tdialogfkt*>(wieder.modulfenster()[0]);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(listentexte(*g), QStringList{"Fkt:q(x)=x/2"});
    EXPECT_EQ(g->dateiname(), pfad("p.fkt"));
    EXPECT_FALSE(zuege(g->anzeigeliste()).empty());
}

} // namespace
} // namespace zol::test
