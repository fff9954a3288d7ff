// The help pages themselves: every window has a page, every link leads somewhere, every page
// can be reached from the contents.
#include "shell/hilfe/hilfekontexte.h"
#include "shell/hilfe/hilfesuche.h"
#include "shell/rahmen/fensterarten.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace zol;

QString quelltext(const QString& datei) {
    QFile f(QLatin1String(hilfeordner) + QLatin1Char('/') + datei);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The page as the viewer sees it.
std::unique_ptr<QTextDocument> dokument(const QString& datei) {
    auto d = std::make_unique<QTextDocument>();
    d->setHtml(quelltext(datei));
    return d;
}

// Text of the page's first main heading.
QString ueberschrift(const QString& datei) {
    const auto d = dokument(datei);
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1) return b.text().trimmed();
    return {};
}

// Anchor names and link targets the viewer finds in a document.
struct Anker {
    QSet<QString> namen;
    QStringList verweise;
};

Anker anker(const QTextDocument& d) {
    Anker a;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& n : f.anchorNames())
                a.namen << n;
            if (f.isAnchor() && !f.anchorHref().isEmpty() && !a.verweise.contains(f.anchorHref()))
                a.verweise << f.anchorHref();
        }
    }
    return a;
}

// Page file and anchor of a target "seite.html#anker", checked against the resources.
::testing::AssertionResult fuehrtZuSeite(const QString& ziel) {
    const QString seite = ziel.section(QLatin1Char('#'), 0, 0);
    const QString marke = ziel.section(QLatin1Char('#'), 1);
    if (seite.isEmpty() || !QFile::exists(QLatin1String(hilfeordner) + QLatin1Char('/') + seite))
        return ::testing::AssertionFailure() << "keine Seite " << seite.toStdString();
    if (!marke.isEmpty() && !anker(*dokument(seite)).namen.contains(marke))
        return ::testing::AssertionFailure()
               << "kein Anker " << marke.toStdString() << " auf " << seite.toStdString();
    return ::testing::AssertionSuccess();
}

TEST(Hilfeseiten, JedeFensterartHatIhreSeite) {
    ASSERT_FALSE(fensterarten().empty());
    for (const Fensterart& art : fensterarten()) {
        const QString ziel = hilfeziel(art.hilfekontext);
        EXPECT_NE(ziel, "inhalt.html") << art.klasse.toStdString() << " " << art.hilfekontext;
        EXPECT_TRUE(fuehrtZuSeite(ziel)) << art.klasse.toStdString();
    }
}

TEST(Hilfeseiten, KontexteDerDialogeUndDesInhalts) {
    struct Fall {
        int kontext;
        const char* ziel;
        const char* ueberschrift; // text of the first heading
    };
    const Fall faelle[] = {
        {0, "inhalt.html", "Mathematik ZOL – Hilfe"},
        {140, "rechnen.html", "Das Rechnenfenster „Rechnen“"},
        {120, "projektformeln.html", "Projektformeln"},
        {150, "zahlenformat.html", "Das Zahlenformat"},
        {170, "tabellenkalkulation.html", "Tabellenkalkulation"},
        {90, "funktionen.html#wertetabelle", "Funktionen"},
        {435, "vektoren_ebene.html", "Vektoren / Koordinaten"},
        {240, "geraden_parabeln.html#parabel", "Gerade, Parabel, Parabel-Gerade"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(hilfeziel(f.kontext), QString::fromUtf8(f.ziel)) << f.kontext;
        EXPECT_TRUE(fuehrtZuSeite(hilfeziel(f.kontext))) << f.kontext;
        EXPECT_EQ(ueberschrift(hilfeziel(f.kontext).section(QLatin1Char('#'), 0, 0)),
                  QString::fromUtf8(f.ueberschrift))
            << f.kontext;
    }
}

TEST(Hilfeseiten, JederKontextDerTabelleFuehrtZuSeiteUndAnker) {
    QSet<int> gesehen;
    for (const Hilfekontext& k : hilfekontexte()) {
        EXPECT_FALSE(gesehen.contains(k.kontext)) << "doppelt: " << k.kontext;
        gesehen << k.kontext;
        EXPECT_TRUE(fuehrtZuSeite(QString::fromLatin1(k.ziel))) << k.kontext;
    }
}

TEST(Hilfeseiten, AlleVerweiseFuehrenZuSeitenUndAnkern) {
    const auto& seiten = hilfeseiten();
    ASSERT_GE(seiten.size(), 10);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const Hilfeseite& s : seiten) {
        const auto d = dokument(s.datei);
        const Anker a = anker(*d);
        // Every href of the source reaches the viewer as a link.
        QStringList imQuelltext;
        for (auto m = href.globalMatch(quelltext(s.datei)); m.hasNext();) {
            const QString ziel = m.next().captured(1);
            if (!imQuelltext.contains(ziel)) imQuelltext << ziel;
        }
        EXPECT_EQ(QSet<QString>(imQuelltext.begin(), imQuelltext.end()),
                  QSet<QString>(a.verweise.begin(), a.verweise.end()))
            << s.datei.toStdString();
        for (const QString& verweis : a.verweise) {
            const QUrl ziel = hilfeadresse(s.datei).resolved(QUrl(verweis));
            ASSERT_EQ(ziel.scheme(), "qrc")
                << s.datei.toStdString() << ": " << verweis.toStdString();
            QString rest = ziel.fileName();
            if (ziel.hasFragment()) rest += QLatin1Char('#') + ziel.fragment();
            EXPECT_TRUE(fuehrtZuSeite(rest))
                << s.datei.toStdString() << ": " << verweis.toStdString();
        }
    }
}

TEST(Hilfeseiten, JedeSeiteIstVomInhaltErreichbar) {
    QSet<QString> erreicht{QStringLiteral("inhalt.html")};
    QStringList offen{QStringLiteral("inhalt.html")};
    while (!offen.isEmpty()) {
        const QString seite = offen.takeFirst();
        for (const QString& verweis : anker(*dokument(seite)).verweise) {
            const QString ziel = hilfeadresse(seite).resolved(QUrl(verweis)).fileName();
            if (!erreicht.contains(ziel)) {
                erreicht << ziel;
                offen << ziel;
            }
        }
    }
    for (const Hilfeseite& s : hilfeseiten())
        EXPECT_TRUE(erreicht.contains(s.datei)) << s.datei.toStdString();
}

TEST(Hilfeseiten, TitelUndSchriftgroessen) {
    // Sizes in pixels or points would not follow the system font and the zoom buttons.
    static const QRegularExpression feste_groesse(
        QStringLiteral("font-size\\s*:\\s*[0-9.]+\\s*(px|pt)|<font[^>]*size"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList dateien{QStringLiteral("hilfe.css")};
    for (const Hilfeseite& s : hilfeseiten()) {
        EXPECT_NE(s.titel, s.datei) << "ohne <title>: " << s.datei.toStdString();
        EXPECT_FALSE(s.text.trimmed().isEmpty()) << s.datei.toStdString();
        dateien << s.datei;
    }
    for (const QString& datei : dateien)
        EXPECT_FALSE(feste_groesse.match(quelltext(datei)).hasMatch()) << datei.toStdString();
}

} // namespace
