// A data file cut short (a copy that stopped, a disk that filled up) loads what it has, says
// so, and leaves the window changed so the loss is not saved over the file unasked.
#include "modules/analysis/tabelleform.h"
#include "modules/analysis/wertedlg.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/stringgrid.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zol;

// The file without its last n lines.
void kuerzen(const QString& pfad, int n) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QList<QByteArray> zeilen = f.readAll().split('\n');
    f.close();
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) zeilen.removeLast();
    ASSERT_GT(zeilen.size(), n);
    zeilen = zeilen.mid(0, zeilen.size() - n);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(zeilen.join('\n') + '\n');
}

TEST(Unvollstaendig, TabelleOhneEndeDesGitters) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kurz.tab");
    {
        Ttabelleform f;
        for (int r = 1; r <= 5; ++r)
            f.eingabegitter()->setCell(1, r, QString::number(r * 10));
        f.rechne();
        ASSERT_TRUE(f.inDateiSchreiben(datei));
    }
    {
        Ttabelleform ganz;
        ASSERT_TRUE(ganz.laden(datei));
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        EXPECT_FALSE(ganz.geaendert());
    }
    // Cut inside the last grid block: its end marker and some rows are gone.
    kuerzen(datei, 3);
    Ttabelleform f;
    ASSERT_TRUE(f.laden(datei));
    EXPECT_EQ(dienst.meldungen, QStringList{QString::fromUtf8(datei_unvollstaendig)});
    EXPECT_TRUE(f.geaendert());
    EXPECT_EQ(f.eingabegitter()->cell(1, 1), "10");
}

TEST(Unvollstaendig, ThemenfensterOhneLetzteSteuerelemente) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kurz.wer");
    {
        Twertedlg f;
        f.rechne();
        ASSERT_TRUE(f.inDateiSchreiben(datei));
    }
    kuerzen(datei, 1);
    Twertedlg f;
    ASSERT_TRUE(f.laden(datei));
    EXPECT_EQ(dienst.meldungen, QStringList{QString::fromUtf8(datei_unvollstaendig)});
    EXPECT_TRUE(f.geaendert());
}

} // namespace

namespace {

TEST(Fensterlage, GespeicherteLageLiegtAufDemBildschirm) {
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect& wunsch : {QRect(-5000, -5000, 99999, 99999), QRect(90000, 10, 300, 200),
                                QRect(frei.left() + 10, frei.top() + 20, 300, 200)}) {
        const QRect lage = zol::im_bildschirm(wunsch);
        EXPECT_TRUE(frei.contains(lage)) << wunsch.x() << "," << wunsch.y();
        EXPECT_EQ(lage.width(), std::min(wunsch.width(), frei.width()));
    }
    // A window that fits keeps its place.
    EXPECT_EQ(zol::im_bildschirm({frei.left() + 10, frei.top() + 20, 300, 200}),
              QRect(frei.left() + 10, frei.top() + 20, 300, 200));
}

} // namespace
