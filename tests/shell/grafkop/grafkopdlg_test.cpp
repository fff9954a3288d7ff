// "Grafik speichern und kopieren": rendering on opening and on every choice, the save dialog's
// filter, copying, printing and the size guard.
#include "graph/tlist1.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/zeichnen/grafkopdlg.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zol {
namespace {

// Also records what the save dialog was offered.
class Dateidienst : public Testmeldungsdienst {
public:
    QList<QStringList> filter;
    QStringList endungen;
    QStringList vorschlaege;

    QString datei_speichern(QWidget* eltern, const QString& titel, const QStringList& f,
                            const QString& endung, const QString& vorschlag) override {
        filter << f;
        endungen << endung;
        vorschlaege << vorschlag;
        return Testmeldungsdienst::datei_speichern(eltern, titel, f, endung, vorschlag);
    }
};

// The plot window's default page with a vertical line through its middle.
Tlist1 seite() {
    Tlist1 l;
    l.seitenbreite = 2000;
    l.seitenhoehe = 2700;
    l.neu<Tline>(Tpunkt{1000, 0}, Tpunkt{1000, -2700}, Tstift{Qt::black, 10, stil_linie});
    l.neu<Ttext>(Tpunkt{200, -200}, Tschrift{}, std::vector<std::string>{"y = x\\u(2)"});
    return l;
}

struct Fenster {
    Tlist1 liste = seite();
    Dateidienst dienst;
    Tgrafkopdlg dialog{liste};
    QTemporaryDir ordner;

    Fenster() { dialog.show(); }

    TRadioGroup* gruppe(const char* name) { return dialog.findChild<TRadioGroup*>(name); }
    void klicke(const char* gruppenname, int index) {
        const auto knoepfe = gruppe(gruppenname)->findChildren<QRadioButton*>();
        for (QRadioButton* k : knoepfe)
            if (k->text() == gruppe(gruppenname)->items().value(index))
                QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(5, k->height() / 2));
    }
    void knopf(const char* name) { dialog.findChild<QPushButton*>(name)->click(); }
    void groesse(const QString& breite, const QString& hoehe) {
        dialog.findChild<TlongintEdit*>("breite")->setText(breite);
        dialog.findChild<TlongintEdit*>("hoehe")->setText(hoehe);
    }
    QSize vorschau() {
        const QPixmap p = dialog.findChild<QLabel*>("Image1")->pixmap();
        return p.isNull() ? QSize() : p.size();
    }
};

TEST(Grafkopdlg, ZeigtBeimOeffnenDasBildInDerVorgabegroesse) {
    Fenster f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("Grafik speichern und kopieren"));
    EXPECT_EQ(f.gruppe("format")->title(), QStringLiteral("Grafikformat"));
    EXPECT_EQ(f.gruppe("format")->items().mid(0, 3),
              QStringList({"Bitmap (*.bmp)", "Metafile (*.wmf)", "Metafile (*.emf)"}));
    EXPECT_EQ(f.gruppe("achsen")->items(),
              QStringList({"willkürlich", "winkeltreu", "maßstabstreu"}));
    EXPECT_EQ(f.gruppe("format")->itemIndex(), 0);
    EXPECT_EQ(f.gruppe("achsen")->itemIndex(), 0);
    EXPECT_EQ(f.vorschau(), QSize(300, 400));
    const QPoint mitte = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((f.dialog.geometry().center() - mitte).manhattanLength(), 10);
    // willkürlich: the page's middle is the picture's middle.
    const QImage bild = f.dialog.findChild<QLabel*>("Image1")->pixmap().toImage();
    EXPECT_LT(qGray(bild.pixel(150, 300)), 100);
    EXPECT_EQ(bild.pixel(100, 300), qRgb(255, 255, 255));
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

struct Schritt {
    const char* was; // "format", "achsen" or a button's name
    int index;
    const char* breite;
    QSize vorschau; // after the step
};

TEST(Grafkopdlg, JederKlickInDenGruppenZeichnetMitDenFeldernNeu) {
    Fenster f;
    const Schritt schritte[] = {
        // Typing alone changes nothing; a click in either group renders.
        {"", 0, "500", {300, 400}},
        {"format", 1, "500", {500, 400}},
        {"", 0, "250", {500, 400}},
        {"format", 0, "250", {250, 400}},
        {"", 0, "260", {250, 400}},
        {"achsen", 1, "260", {260, 400}},
        {"", 0, "270", {260, 400}},
        {"achsen", 1, "270", {270, 400}}, // the chosen item again
        {"", 0, "280", {270, 400}},
        {"aktualisieren", 0, "280", {280, 400}},
        // Bitmaps at true size keep their pixels; SVG and PDF show the whole page at 96 dpi.
        {"achsen", 2, "280", {280, 400}},
        {"format", 4, "280", {756, 1020}},
        {"format", 5, "280", {756, 1020}},
        {"format", 2, "280", {280, 400}},
        {"format", 3, "280", {280, 400}},
        // Out-of-range sizes are used (and shown) at their bounds.
        {"aktualisieren", 0, "1", {2, 400}},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(std::string(s.was) + " " + std::to_string(s.index) + " " + s.breite);
        f.groesse(QString::fromLatin1(s.breite), QStringLiteral("400"));
        if (std::string(s.was) == "format" || std::string(s.was) == "achsen")
            f.klicke(s.was, s.index);
        else if (*s.was)
            f.knopf(s.was);
        EXPECT_EQ(f.vorschau(), s.vorschau);
    }
    EXPECT_EQ(f.dialog.findChild<TlongintEdit*>("breite")->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

struct Speicherfall {
    int index;
    const char* filter;
    const char* endung;
    QByteArray anfang; // the file's first bytes
};

TEST(Grafkopdlg, SpeichernBietetFilterUndEndungDesGewaehltenFormats) {
    const Speicherfall faelle[] = {
        {0, "Bitmap(*.bmp)", "bmp", "BM"},
        {1, "Metafile(*.wmf)", "wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {2, "Enhanced Metafile(*.emf)", "emf", QByteArray("\x01\x00\x00\x00", 4)},
        {3, "PNG(*.png)", "png", "\x89PNG"},
        {4, "SVG(*.svg)", "svg", "<?xml"},
        {5, "PDF(*.pdf)", "pdf", "%PDF-"},
        {0, "Bitmap(*.bmp)", "bmp", "BM"}, // and back
    };
    Fenster f;
    QString vorige;
    for (const Speicherfall& s : faelle) {
        SCOPED_TRACE(s.endung);
        f.klicke("format", s.index);
        const QString datei = f.ordner.filePath(QStringLiteral("bild%1.").arg(s.index) +
                                                QString::fromLatin1(s.endung));
        f.dienst.dateinamen.enqueue(datei);
        f.knopf("speichern");
        ASSERT_FALSE(f.dienst.filter.isEmpty());
        EXPECT_EQ(f.dienst.filter.last(), QStringList(QString::fromUtf8(s.filter)));
        EXPECT_EQ(f.dienst.endungen.last(), QString::fromLatin1(s.endung));
        // The last name, with this format's extension.
        if (!vorige.isEmpty()) {
            const QFileInfo v(vorige);
            EXPECT_EQ(f.dienst.vorschlaege.last(),
                      v.dir().filePath(v.completeBaseName() + "." + s.endung));
        }
        QFile gelesen(datei);
        ASSERT_TRUE(gelesen.open(QIODevice::ReadOnly));
        EXPECT_TRUE(gelesen.readAll().startsWith(s.anfang));
        vorige = datei;
    }
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

TEST(Grafkopdlg, AbgebrochenerOderMisslungenerSpeicherdialog) {
    Fenster f;
    f.knopf("speichern"); // cancelled: nothing happens
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
    const QString datei = f.ordner.filePath(QStringLiteral("fehlt/bild.bmp"));
    f.dienst.dateinamen.enqueue(datei);
    f.knopf("speichern");
    EXPECT_EQ(f.dienst.meldungen,
              QStringList(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                              .arg(QDir::toNativeSeparators(datei))));
    EXPECT_FALSE(QFile::exists(datei));
    EXPECT_TRUE(f.dialog.isVisible());
}

TEST(Grafkopdlg, RiesigeBitmapWirdAbgelehntUndDerDialogBleibtBenutzbar) {
    Fenster f;
    f.groesse(QStringLiteral("999999"), QStringLiteral("999999"));
    f.knopf("aktualisieren");
    ASSERT_EQ(f.dienst.meldungen.size(), 1);
    EXPECT_TRUE(f.dienst.meldungen.last().contains(QStringLiteral("zu groß")));
    EXPECT_EQ(f.vorschau(), QSize());
    f.knopf("kopieren"); // no picture: the reason again
    EXPECT_EQ(f.dienst.meldungen.size(), 2);
    // A metafile of that size is no problem, only its preview is.
    f.klicke("format", 2);
    EXPECT_EQ(f.dienst.meldungen.size(), 3);
    const QString datei = f.ordner.filePath(QStringLiteral("gross.emf"));
    f.dienst.dateinamen.enqueue(datei);
    f.knopf("speichern");
    EXPECT_EQ(f.dienst.meldungen.size(), 3);
    EXPECT_GT(QFileInfo(datei).size(), 100);
    // Back to a sensible size.
    f.groesse(QStringLiteral("300"), QStringLiteral("400"));
    f.knopf("aktualisieren");
    EXPECT_EQ(f.vorschau(), QSize(300, 400));
    EXPECT_EQ(f.dienst.meldungen.size(), 3);
}

struct Kopierfall {
    int index;
    const char* mime; // the format's own data, or nothing
    QByteArray anfang;
};

TEST(Grafkopdlg, KopierenLegtBildUndVektorformInDieZwischenablage) {
    const Kopierfall faelle[] = {
        {0, nullptr, {}},
        {1, "image/x-wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {2, "image/x-emf", QByteArray("\x01\x00\x00\x00", 4)},
        {3, nullptr, {}},
        {5, "application/pdf", "%PDF-"},
    };
    Fenster f;
    for (const Kopierfall& k : faelle) {
        SCOPED_TRACE(k.index);
        QGuiApplication::clipboard()->clear();
        f.klicke("format", k.index);
        f.knopf("kopieren");
        const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(daten, nullptr);
        const QImage bild = qvariant_cast<QImage>(daten->imageData());
        ASSERT_EQ(bild.size(), QSize(300, 400));
        EXPECT_LT(qGray(bild.pixel(150, 300)), 100);
        // The SVG shows the same picture.
        QSvgRenderer svg(daten->data(QStringLiteral("image/svg+xml")));
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.viewBox(), QRect(0, 0, 300, 400));
        if (k.mime) {
            EXPECT_TRUE(daten->data(QString::fromLatin1(k.mime)).startsWith(k.anfang));
        }
        for (const char* fremd : {"image/x-wmf", "image/x-emf", "application/pdf"})
            if (!k.mime || std::string(fremd) != k.mime) {
                EXPECT_FALSE(daten->hasFormat(QString::fromLatin1(fremd))) << fremd;
            }
    }
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

struct Druckfall {
    int achsen;
    int dpi;
    int linie_x; // device pixels; -1: the line lies outside the picture
};

TEST(Grafkopdlg, DruckenZeichnetDasBildObenLinksInSeinerGroesse) {
    const Druckfall faelle[] = {
        {0, 96, 150},  // willkürlich: the page's middle
        {0, 192, 300}, // twice the resolution, twice the pixels
        {1, 192, 2 * 1000 * 400 / 2700},
        {2, 192, -1}, // true size: 100 mm lie beyond the 79 mm wide picture
    };
    Fenster f;
    for (const Druckfall& d : faelle) {
        SCOPED_TRACE(std::to_string(d.achsen) + " " + std::to_string(d.dpi));
        f.klicke("achsen", d.achsen);
        QImage blatt(1000, 1000, QImage::Format_RGB32);
        blatt.fill(Qt::white);
        blatt.setDotsPerMeterX(int(d.dpi / 0.0254 + 0.5));
        blatt.setDotsPerMeterY(int(d.dpi / 0.0254 + 0.5));
        ASSERT_TRUE(f.dialog.drucke(blatt));
        const int hoehe = 400 * d.dpi / 96;
        int erstes = -1, letztes = -1;
        for (int x = 0; x < blatt.width(); ++x)
            if (qGray(blatt.pixel(x, hoehe / 2)) < 100) {
                if (erstes < 0) erstes = x;
                letztes = x;
            }
        if (d.linie_x < 0) {
            EXPECT_EQ(erstes, -1);
        } else {
            EXPECT_NEAR((erstes + letztes) / 2.0, d.linie_x, 1.5);
        }
        // Nothing below the picture.
        for (int x = 0; x < blatt.width(); x += 7)
            EXPECT_EQ(blatt.pixel(x, hoehe + 2), qRgb(255, 255, 255)) << x;
    }
}

TEST(Grafkopdlg, AbgebrochenerDruckdialogDrucktNichts) {
    Fenster f;
    ModalWaechter waechter;
    f.knopf("drucken");
    EXPECT_EQ(waechter.gesehen.size(), 1);
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

// Sizes typed and not yet shown with "Aktualisieren" are what the commands use.
TEST(Grafkopdlg, BefehleNehmenDieGetipptenGroessen) {
    struct Fall {
        const char* knopf;
        std::function<QSize(Fenster&)> groesse; // of what the command made
    };
    const Fall faelle[] = {
        {"speichern", [](Fenster& f) { return QImage(f.ordner.filePath("bild.png")).size(); }},
        {"kopieren",
         [](Fenster&) {
             const QMimeData* d = QGuiApplication::clipboard()->mimeData();
             return d ? qvariant_cast<QImage>(d->imageData()).size() : QSize();
         }},
        {"drucken", [](Fenster& f) { return f.dialog.auftrag().pixel; }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.knopf);
        Fenster f;
        f.klicke("format", 3); // PNG
        f.groesse(QStringLiteral("620"), QStringLiteral("450"));
        f.dienst.dateinamen.enqueue(f.ordner.filePath("bild.png"));
        ModalWaechter waechter; // the print dialog is cancelled
        f.knopf(fall.knopf);
        EXPECT_EQ(fall.groesse(f), QSize(620, 450));
        // The preview shows what was used.
        EXPECT_EQ(f.vorschau(), QSize(620, 450));
        EXPECT_TRUE(f.dienst.meldungen.isEmpty());
    }
}

// "Nur Zeichnung": the box around the drawing fills the picture instead of the whole page.
TEST(Grafkopdlg, NurZeichnung) {
    Fenster f;
    auto* nur = f.dialog.findChild<QCheckBox*>("nurZeichnung");
    ASSERT_NE(nur, nullptr);
    EXPECT_EQ(nur->text(), QStringLiteral("Nur Zeichnung"));
    EXPECT_FALSE(nur->isChecked());
    auto linie_bei = [&f] {
        const QImage bild = f.dialog.findChild<QLabel*>("Image1")->pixmap().toImage();
        int x = -1;
        for (int i = 0; i < bild.width(); ++i)
            if (qGray(bild.pixel(i, 390)) < 100) x = i;
        return x;
    };
    EXPECT_NEAR(linie_bei(), 150, 2);
    nur->setChecked(true); // renders at once
    EXPECT_TRUE(f.dialog.auftrag().nur_zeichnung);
    // The line at 100 mm lies near the right edge of the drawing's box (text at 20 mm to the
    // line's right side, 2 mm margins).
    const QRectF box(180, 0, 1005 + 20 - 180, 1);
    EXPECT_NEAR(linie_bei(), (1000 - box.left()) / box.width() * 300, 3);
    // Saved and printed the same way.
    const QString datei = f.ordner.filePath("nur.png");
    f.klicke("format", 3);
    f.dienst.dateinamen.enqueue(datei);
    f.knopf("speichern");
    EXPECT_EQ(QImage(datei), f.dialog.bild().convertToFormat(QImage(datei).format()));
    EXPECT_TRUE(f.dienst.meldungen.isEmpty());
}

TEST(Grafkopdlg, ZeigeOeffnetDenDialogModalUndGibtIhnFrei) {
    const Tlist1 liste = seite();
    Testmeldungsdienst dienst;
    ModalWaechter waechter;
    Tgrafkopdlg::zeige(liste);
    EXPECT_EQ(waechter.gesehen, QStringList(QStringLiteral("zol::Tgrafkopdlg")));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<Tgrafkopdlg*>(w), nullptr);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

} // namespace
} // namespace zol
