// "zol --export": a saved plot file into every picture format, and its refusals.
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include "shell/zeichnen/bildexport_befehl.h"
#include "tests/hilfe/bildpruefung.h"

#include <QDataStream>
#include <QFileInfo>

#include <sstream>

namespace zol::test {
namespace {

class Exportbefehl : public Zeichnen {
protected:
    // A plot file with a curve, saved by a real plot window.
    QString plotdatei() {
        const QString datei = pfad("kurve.fkt");
        Tdialogfkt f;
        f.setAttribute(Qt::WA_DeleteOnClose, false);
        kind<QLineEdit>(f, "Edit1")->setText("f(x)=x^2-4");
        EXPECT_TRUE(f.hinzufuegen());
        EXPECT_TRUE(f.inDateiSchreiben(datei));
        return datei;
    }
    int exportieren(const QStringList& rest) {
        err.str({});
        return export_ausfuehren(QStringList{"zol", "--export"} + rest, err);
    }
    std::ostringstream err;
};

quint32 wort32(const QByteArray& b, int stelle) {
    QDataStream s(b.mid(stelle, 4));
    s.setByteOrder(QDataStream::LittleEndian);
    quint32 w = 0;
    s >> w;
    return w;
}

TEST_F(Exportbefehl, AlleSechsFormate) {
    const QString quelle = plotdatei();
    struct Fall {
        const char* endung;
        QByteArray anfang; // the format's signature at the file's start
    };
    const Fall faelle[] = {
        {"png", "\x89PNG"},
        {"bmp", "BM"},
        {"pdf", "%PDF"},
        {"svg", "<?xml"},
        {"wmf", "\xD7\xCD\xC6\x9A"},
        {"emf", QByteArray("\x01\0\0\0", 4)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.endung);
        const QString ziel = pfad(QStringLiteral("bild.") + f.endung);
        ASSERT_EQ(exportieren({quelle, ziel, "--size", "320x240", "--scale", "winkeltreu"}), 0)
            << err.str();
        const QByteArray daten = dateiinhalt(ziel);
        ASSERT_GT(daten.size(), 100);
        EXPECT_TRUE(daten.startsWith(f.anfang));
    }
    // The bitmap has the asked size; the EMF names itself and ends with its end record.
    const QImage bild(pfad("bild.png"));
    EXPECT_EQ(bild.size(), QSize(320, 240));
    const QByteArray emf = dateiinhalt(pfad("bild.emf"));
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(wort32(emf, emf.size() - 20), 14u); // EMR_EOF
    // The curve is drawn: not every pixel is white.
    bool gezeichnet = false;
    for (int y = 0; y < bild.height() && !gezeichnet; ++y)
        for (int x = 0; x < bild.width() && !gezeichnet; ++x)
            gezeichnet = bild.pixelColor(x, y) != Qt::white;
    EXPECT_TRUE(gezeichnet);
}

TEST_F(Exportbefehl, VorgabenUndMassstab) {
    const QString quelle = plotdatei();
    ASSERT_EQ(exportieren({quelle, pfad("a.bmp")}), 0) << err.str();
    EXPECT_EQ(QImage(pfad("a.bmp")).size(), QSize(300, 400));
    // True size: the SVG holds the whole page in millimetres.
    ASSERT_EQ(exportieren({quelle, pfad("a.svg"), "--scale", "maßstabstreu"}), 0) << err.str();
    EXPECT_TRUE(dateiinhalt(pfad("a.svg")).contains("mm\""));
}

// --crop: the drawing fills a 620 pixel wide picture instead of a corner of the page.
TEST_F(Exportbefehl, NurDieZeichnung) {
    const QString quelle = plotdatei();
    struct Fall {
        QStringList zusatz;
        int bis_mindestens, bis_hoechstens; // last dark column
        int ab_hoechstens;                  // first dark column
    };
    const Fall faelle[] = {
        {{}, 200, 320, 80},
        {{"--crop"}, 600, 619, 20},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zusatz.join(' ').toStdString());
        const QString ziel = pfad("zeichnung.png");
        ASSERT_EQ(exportieren(QStringList{quelle, ziel, "--size", "620x450"} + f.zusatz), 0)
            << err.str();
        const QImage bild(ziel);
        ASSERT_EQ(bild.size(), QSize(620, 450));
        const auto [erste, letzte] = test::dunkle_spalten(bild);
        EXPECT_LE(erste, f.ab_hoechstens);
        EXPECT_GE(erste, 0);
        EXPECT_GE(letzte, f.bis_mindestens);
        EXPECT_LE(letzte, f.bis_hoechstens);
    }
}

TEST_F(Exportbefehl, Ablehnungen) {
    const QString quelle = plotdatei();
    const QString fremd = pfad("fremd.fkt");
    schreibe(fremd, "Rechnenfenster\r\n0.00\r\n");
    struct Fall {
        QStringList argumente;
        int status;
        const char* meldung;
    };
    const Fall faelle[] = {
        {{}, 2, "Aufruf:"},
        {{quelle}, 2, "Aufruf:"},
        {{pfad("fehlt.fkt"), pfad("x.png")}, 2, "kann nicht gelesen werden"},
        {{quelle, pfad("x.gif")}, 2, ""},
        {{quelle, pfad("x.png"), "--size", "0x5"}, 2, ""},
        {{quelle, pfad("x.png"), "--scale", "schief"}, 2, ""},
        {{quelle, pfad("x.png"), "--farbe", "rot"}, 2, "Unbekannte"},
        {{fremd, pfad("x.png")}, 2, "Datei kann nicht geladen werden."},
        {{quelle, pfad("fehlt/ordner/x.png")}, 1, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.argumente.join(' ').toStdString());
        EXPECT_EQ(exportieren(f.argumente), f.status);
        EXPECT_FALSE(err.str().empty());
        EXPECT_NE(err.str().find(f.meldung), std::string::npos) << err.str();
        EXPECT_FALSE(QFileInfo::exists(pfad("x.png")));
    }
    // Messages went to the console, none to a box.
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

// Every field within its bound, their product not: a family of 10 000 members at a resolution
// of 999 999 would take hours. The export ends quickly, says why the page is incomplete, and
// reports it in its exit status. A megabyte "number format" is refused as damage.
TEST_F(Exportbefehl, GrenzenDerSeite) {
    QFile f(plotdatei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QList<QByteArray> zeilen = f.readAll().split('\n');
    f.close();
    const qsizetype name = zeilen.lastIndexOf("f(x)=x^2-4\r"); // the entry, not the edit field
    ASSERT_GT(name, 0);
    zeilen[name] = "f(x)=x*x+t\r";
    zeilen[name + 1] = "0#1#0#1#0#1#10000#1#-3#3#999999#\r";
    zeilen.insert(name + 2, "t\r");
    const QString schar = pfad("schar.fkt");
    schreibe(schar, zeilen.join('\n'));
    EXPECT_EQ(exportieren({schar, pfad("schar.png")}), 1);
    EXPECT_NE(err.str().find("10 Millionen Punkte"), std::string::npos) << err.str();
    EXPECT_TRUE(QFileInfo::exists(pfad("schar.png")));

    zeilen[1] = QByteArray(300, '0') + "\r";
    const QString format = pfad("format.fkt");
    schreibe(format, zeilen.join('\n'));
    EXPECT_EQ(exportieren({format, pfad("format.png")}), 2);
    EXPECT_FALSE(QFileInfo::exists(pfad("format.png")));
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

} // namespace
} // namespace zol::test
