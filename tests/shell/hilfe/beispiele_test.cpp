// The worked examples of the help pages are what the program prints. A page marks an example
// with a comment naming the batch run that computes it, right before the example's <pre> block:
//
//   <!-- stapel: 55 --set Seite_a=7 --set Seite_b=8 --set Seite_c=9 -->
//   <pre>Alpha=48,19 ...</pre>
//
// (the words after "stapel:" follow "zol --batch"; double quotes group words with blanks). Every
// number the block shows must be printed by that run or be one of its inputs.
#include "app/fensterliste.h"
#include "shell/hilfe/hilfekontexte.h"
#include "shell/rahmen/fensterarten.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rahmen/stapel.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;

QString seitenordner() {
    return QStringLiteral(ZOL_DATENQUELLE "/hilfe");
}

QString quelltext(const QString& seite) {
    QFile f(QDir(seitenordner()).filePath(seite));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct Beispiel {
    QString seite;
    QStringList argumente;
    QString text; // the <pre> block as the reader sees it
};

// Words of a command line; double quotes group words with blanks and are dropped.
QStringList woerter(const QString& zeile) {
    QStringList w;
    QString aktuell;
    bool inAnfuehrung = false, hatWort = false;
    for (const QChar c : zeile) {
        if (c == QLatin1Char('"')) {
            inAnfuehrung = !inAnfuehrung;
            hatWort = true;
        } else if (c.isSpace() && !inAnfuehrung) {
            if (hatWort) w << aktuell;
            aktuell.clear();
            hatWort = false;
        } else {
            aktuell += c;
            hatWort = true;
        }
    }
    if (hatWort) w << aktuell;
    return w;
}

QList<Beispiel> beispiele(const QString& seite) {
    static const QRegularExpression muster(
        QStringLiteral(R"(<!--\s*stapel:(.*?)-->\s*(<pre[^>]*>.*?</pre>))"),
        QRegularExpression::DotMatchesEverythingOption);
    QList<Beispiel> liste;
    auto it = muster.globalMatch(quelltext(seite));
    while (it.hasNext()) {
        const auto m = it.next();
        liste << Beispiel{seite, woerter(m.captured(1).replace(QStringLiteral("&amp;"), "&")),
                          QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText()};
    }
    return liste;
}

// Numbers as the program writes them: "-4,50", "1,97926189010501E4930", "12".
QSet<QString> zahlen(const QString& text) {
    static const QRegularExpression zahl(QStringLiteral(R"(-?\d+(?:,\d+)?(?:E[+-]?\d+)?)"));
    QSet<QString> z;
    auto it = zahl.globalMatch(text);
    while (it.hasNext())
        z << it.next().captured();
    return z;
}

class Hilfebeispiele : public ::testing::Test {
protected:
    void SetUp() override { alle_fensterarten_registrieren(); }
    void TearDown() override {
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            delete f;
    }
    Testmeldungsdienst dienst;
};

// The page of every topic window shows at least one example computed by the program.
TEST_F(Hilfebeispiele, JedeFensterseiteHatEinBeispiel) {
    QSet<QString> seiten;
    for (const Fensterart& a : fensterarten())
        seiten << hilfeziel(a.hilfekontext).section(QLatin1Char('#'), 0, 0);
    for (const QString& seite : seiten)
        EXPECT_FALSE(beispiele(seite).isEmpty()) << seite.toStdString();
}

TEST_F(Hilfebeispiele, ZahlenDerBeispieleRechnetDasProgramm) {
    const QStringList seiten =
        QDir(seitenordner()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(seiten.isEmpty());
    for (const QString& seite : seiten) {
        for (const Beispiel& b : beispiele(seite)) {
            const std::string wo = seite.toStdString() + ": " + b.argumente.join(' ').toStdString();
            std::ostringstream aus, err;
            const int code =
                stapel_ausfuehren(QStringList{"zol", "--batch"} + b.argumente, aus, err);
            EXPECT_EQ(code, 0) << wo << "\n" << err.str();
            const QString ausgabe = QString::fromStdString(aus.str());
            const QSet<QString> bekannt = zahlen(ausgabe) + zahlen(b.argumente.join(' '));
            for (const QString& z : zahlen(b.text))
                EXPECT_TRUE(bekannt.contains(z))
                    << wo << "\nshows " << z.toStdString() << ", the program printed:\n"
                    << aus.str();
            for (Tmodulfenster* f : Tmodulfenster::alleFenster())
                delete f;
        }
    }
}

} // namespace
