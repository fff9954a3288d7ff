// The help window: opening at a context, one window, navigation, search, printing, and help
// from a modal dialog.
#include "shell/dienste/programmhaken.h"
#include "shell/hilfe/hilfe.h"
#include "shell/hilfe/hilfefenster.h"
#include "shell/hilfe/hilfekontexte.h"
#include "shell/hilfe/hilfesuche.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace zol;

class Hilfe : public ::testing::Test {
protected:
    void SetUp() override { hilfe_einrichten(); }
    void TearDown() override {
        if (Thilfefenster* f = hilfefenster()) {
            f->suchfeld()->clear();
            f->close();
        }
    }
    static QString klartext(const Thilfefenster& f) { return f.browser()->toPlainText(); }

    // Clicks the first link to href on the page shown, with the mouse on the text.
    static bool verweisKlicken(Thilfefenster& f, const QString& href) {
        QTextDocument* d = f.browser()->document();
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorHref() != href) continue;
                QTextCursor c(d);
                c.setPosition(it.fragment().position() + it.fragment().length() / 2);
                f.browser()->setTextCursor(c);
                f.browser()->ensureCursorVisible();
                const QPoint stelle = f.browser()->cursorRect(c).center();
                QTest::mouseClick(f.browser()->viewport(), Qt::LeftButton, {}, stelle);
                return true;
            }
        }
        return false;
    }
    Testmeldungsdienst dienst;
};

TEST_F(Hilfe, Kontext140ZeigtDasRechnenfenster) {
    hilfe_anzeigen(140, nullptr);
    Thilfefenster* f = hilfefenster();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(f->windowTitle(), "Hilfe - Mathematik ZOL");
    EXPECT_EQ(f->seite(), "rechnen.html");
    EXPECT_EQ(f->browser()->documentTitle(), "Das Rechnenfenster");
    EXPECT_TRUE(klartext(*f).contains("Direktmodus"));
    EXPECT_TRUE(klartext(*f).contains("zeige_fkt"));
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Hilfe, EinFensterFuerAlleKontexte) {
    hilfe_anzeigen(140, nullptr);
    Thilfefenster* erstes = hilfefenster();
    struct Fall {
        int kontext;
        const char* seite;
        const char* anker; // expected at the top of the view, or empty
    };
    const Fall faelle[] = {
        {120, "projektformeln.html", ""}, {150, "zahlenformat.html", ""},
        {0, "inhalt.html", ""},           {195, "funktionen.html", "diskussion"},
        {340, "binomial.html", ""},       {240, "geraden_parabeln.html", "parabel"},
    };
    for (const Fall& fall : faelle) {
        hilfe_anzeigen(fall.kontext, nullptr);
        EXPECT_EQ(hilfefenster(), erstes);
        EXPECT_EQ(erstes->seite(), fall.seite) << fall.kontext;
        EXPECT_EQ(erstes->browser()->source().fragment(), fall.anker) << fall.kontext;
    }
}

TEST_F(Hilfe, UnbekannterKontextZeigtDenInhalt) {
    for (int kontext : {-1, 1, 141, 999, 100000}) {
        hilfe_anzeigen(140, nullptr);
        hilfe_anzeigen(kontext, nullptr);
        EXPECT_EQ(hilfefenster()->seite(), "inhalt.html") << kontext;
        EXPECT_TRUE(klartext(*hilfefenster()).contains("Die Themenfenster")) << kontext;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Hilfe, ZurueckVorUndVerweise) {
    Thilfefenster& f = hilfe_oeffnen(0);
    f.oeffne("rechnen.html");
    ASSERT_TRUE(verweisKlicken(f, "projektformeln.html#anzeigen"));
    EXPECT_EQ(f.seite(), "projektformeln.html");
    EXPECT_EQ(f.browser()->source().fragment(), "anzeigen");
    auto* zurueck = f.findChild<QAction*>("Zurueck");
    auto* vor = f.findChild<QAction*>("Vor");
    ASSERT_TRUE(zurueck && vor);
    EXPECT_TRUE(zurueck->isEnabled());
    EXPECT_FALSE(vor->isEnabled());
    zurueck->trigger();
    EXPECT_EQ(f.seite(), "rechnen.html");
    EXPECT_TRUE(vor->isEnabled());
    vor->trigger();
    EXPECT_EQ(f.seite(), "projektformeln.html");
    f.findChild<QAction*>("Inhalt")->trigger();
    EXPECT_EQ(f.seite(), "inhalt.html");
}

TEST(Hilfesuche, FundstellenMitUmlauten) {
    struct Fall {
        const char* text;
        const char* begriff;
        QStringList funde; // the matched parts of text, in order
    };
    const Fall faelle[] = {
        {"Mit lösche_alle werden alle Formeln gelöscht.", "LÖSCHE", {"lösche"}},
        {"Mit lösche_alle werden alle Formeln gelöscht.", "loesche", {"lösche"}},
        {"Die Loesche-Taste", "lösche", {"Loesche"}},
        {"Größe und GRÖSSE", "größe", {"Größe", "GRÖSSE"}},
        {"Übung macht den Meister", "uebung", {"Übung"}},
        {"Fakultät FAK(x)", "fakultaet fak", {"Fakultät", "FAK"}},
        {"SQRT(x) und SQR(x)", "sqr", {"SQR", "SQR"}},
        {"Bruchrechnung", "Brüche", {}},
    };
    for (const Fall& f : faelle) {
        const QString text = QString::fromUtf8(f.text);
        QStringList funde;
        for (const auto& [anfang, ende] :
             fundstellen(text, suchwoerter(QString::fromUtf8(f.begriff))))
            funde << text.mid(anfang, ende - anfang);
        EXPECT_EQ(funde, f.funde) << f.text << " / " << f.begriff;
    }
}

TEST(Hilfesuche, FindetSeitenUeberAlleWoerter) {
    struct Fall {
        const char* begriff;
        const char* seite; // must be among the hits; empty: no hits at all
    };
    const Fall faelle[] = {
        {"lösche_alle", "rechnen.html"},
        {"LOESCHE_ALLE", "rechnen.html"},
        {"Fakultät", "formelsprache.html"},
        {"fakultaet arcsin", "formelsprache.html"},
        {"Tausendertrennzeichen", "zahlenformat.html"},
        {"Schließen", "projektformeln.html"},
        {"schliessen", "projektformeln.html"},
        {"Zwölfeck Xylophon", ""},
    };
    for (const Fall& f : faelle) {
        const QList<Suchtreffer> treffer = hilfe_suchen(QString::fromUtf8(f.begriff));
        QStringList seiten;
        for (const Suchtreffer& t : treffer) {
            seiten << t.datei;
            EXPECT_GT(t.anzahl, 0);
            EXPECT_FALSE(t.auszug.isEmpty());
        }
        if (*f.seite == 0)
            EXPECT_TRUE(treffer.isEmpty()) << f.begriff;
        else
            EXPECT_TRUE(seiten.contains(f.seite))
                << f.begriff << ": " << seiten.join(' ').toStdString();
    }
}

TEST_F(Hilfe, SucheZeigtTrefferUndMarkiertSieAufDerSeite) {
    Thilfefenster& f = hilfe_oeffnen(0);
    f.suchfeld()->setText(QString::fromUtf8("LÖSCHE_ALLE"));
    QTest::keyClick(f.suchfeld(), Qt::Key_Return);
    EXPECT_EQ(f.seite(), "");
    const QString liste = klartext(f);
    EXPECT_TRUE(liste.contains("Suchergebnisse"));
    EXPECT_TRUE(liste.contains("Das Rechnenfenster"));
    // Open the hit as a click on it would.
    f.browser()->setSource(hilfeadresse("rechnen.html"));
    const auto marken = f.browser()->extraSelections();
    ASSERT_FALSE(marken.isEmpty());
    for (const auto& m : marken)
        EXPECT_EQ(m.cursor.selectedText().toLower(), QString::fromUtf8("lösche_alle"));
    // The view starts at the first place.
    EXPECT_EQ(f.browser()->textCursor().position(), marken.first().cursor.selectionStart());
    // Back to the list, then the emptied field ends the marking.
    f.findChild<QAction*>("Zurueck")->trigger();
    EXPECT_EQ(f.seite(), "");
    f.suchfeld()->clear();
    f.browser()->setSource(hilfeadresse("rechnen.html"));
    EXPECT_TRUE(f.browser()->extraSelections().isEmpty());
}

TEST_F(Hilfe, SucheOhneTrefferSagtEs) {
    Thilfefenster& f = hilfe_oeffnen(0);
    f.suchen("Xylophon");
    EXPECT_TRUE(
        klartext(f).contains(QString::fromUtf8("Zu „Xylophon“ wurde keine Seite gefunden.")));
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Hilfe, DruckenSchreibtDieSeite) {
    Thilfefenster& f = hilfe_oeffnen(140);
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString datei = ordner.filePath("hilfe.pdf");
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    f.drucke(drucker);
    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    // The page is several printed pages long.
    EXPECT_GE(inhalt.count("/Type /Page") - inhalt.count("/Type /Pages"), 2);
}

TEST_F(Hilfe, AusModalemDialogBedienbar) {
    QDialog dialog;
    dialog.setWindowTitle("Zahlenformat");
    auto* knopf = new QPushButton("Hilfe", &dialog);
    QObject::connect(knopf, &QPushButton::clicked, &dialog, [&] { hilfe_anzeigen(150, &dialog); });
    bool geklickt = false;
    QTimer::singleShot(0, &dialog, [&] {
        knopf->click();
        Thilfefenster* f = hilfefenster();
        if (f != nullptr && f->isVisible()) {
            EXPECT_EQ(f->seite(), "zahlenformat.html");
            // A real click through the window system, which refuses input to windows that a
            // modal dialog blocks.
            QWidget* inhalt = f->findChild<QToolButton*>("Inhalt");
            QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {},
                              inhalt->mapTo(f, inhalt->rect().center()));
            geklickt = f->seite() == "inhalt.html";
        }
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(geklickt);
    // Closing the dialog leaves the help open.
    ASSERT_NE(hilfefenster(), nullptr);
    EXPECT_TRUE(hilfefenster()->isVisible());
    // Afterwards the window stands on its own again.
    hilfe_anzeigen(140, nullptr);
    EXPECT_EQ(hilfefenster()->parentWidget(), nullptr);
    EXPECT_TRUE(hilfefenster()->isVisible());
}

} // namespace
