// The number-format dialog: preview, picking a picture, the OK/cancel protocol and the
// hidden angle group.
#include "shell/eingabe/zahlenform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList eintraege(const QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

// Runs aktion on the modal number-format dialog as soon as it is open. If aktion leaves it
// open, the dialog is cancelled so the test cannot hang.
void im_dialog(std::function<void(zol::Tzahlenform&)> aktion) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, aktion] {
        auto* dialog = qobject_cast<zol::Tzahlenform*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        aktion(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Dialog blieb offen";
            dialog->reject();
        }
    });
    timer->start();
}

TEST(Zahlenform, AufbauUndTexte) {
    zol::Tzahlenform d;
    EXPECT_EQ(d.windowTitle(), "Zahlenformat");
    auto* feld = d.findChild<QLineEdit*>("FormatEdit");
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->text(), "0.000");
    EXPECT_EQ(
        eintraege(d.FormatListe),
        (QStringList{"0.0", "0.00", "0.000", "0.0000", "0.000000", "0.0E-0", "0.00E-0", "0.000E-0",
                     "0.000E-00", "0.0000000E-00", "##0.######", "##0.#########E-00"}));
    auto* unform = d.findChild<QListWidget*>("Unform");
    ASSERT_NE(unform, nullptr);
    EXPECT_EQ(eintraege(unform), (QStringList{"123,78676", "23434,353453", "1e-6", "0,0000004",
                                              "-34,56744", "1000000", "1,00000034"}));
    ASSERT_NE(d.findChild<QListWidget*>("Form"), nullptr);
    EXPECT_EQ(d.format, "0.00E-0");
    EXPECT_EQ(d.winkelmodus, 1);
    EXPECT_EQ(d.winkelmodus_neu, 1);

    d.show();
    EXPECT_FALSE(d.Winkelgruppe->isVisible());
    EXPECT_FALSE(d.Winkelgruppe->isEnabled());
    EXPECT_EQ(d.Winkelgruppe->title(), "Winkelberechnungen ");
    EXPECT_TRUE(d.Bogenmass->isChecked());
    const QStringList knopftexte = {d.Bogenmass->text(),       d.Grad->text(),
                                    d.Neugrad->text(),         d.OKButton->text(),
                                    d.AbbrechenButton->text(), d.HilfeButton->text()};
    EXPECT_EQ(knopftexte, (QStringList{"Bogenmaß ", "Grad (360°)", "Neugrad (400°)", "OK",
                                       "Abbrechen", "Hilfe"}));
    // A fixed frame: the dialog cannot be resized.
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
}

// The preview formats every sample with the typed picture, in order.
TEST(Zahlenform, VorschauBeiJederAenderung) {
    const struct {
        const char* bild;
        QStringList form;
    } tabelle[] = {
        {"0.0E-0", {"1,2E2", "2,3E4", "1,0E-6", "4,0E-7", "-3,5E1", "1,0E6", "1,0E0"}},
        {"0.00", {"123,79", "23434,35", "0,00", "0,00", "-34,57", "1000000,00", "1,00"}},
        {"##0.######", {"123,78676", "23434,353453", "0,000001", "0", "-34,56744", "1000000", "1"}},
        {"", // general form
         {"123,78676", "23434,353453", "1E-6", "4E-7", "-34,56744", "1000000", "1,00000034"}},
    };
    zol::Tzahlenform d;
    for (const auto& z : tabelle) {
        d.FormatEdit->selectAll();
        QTest::keyClick(d.FormatEdit, Qt::Key_Delete);
        QTest::keyClicks(d.FormatEdit, z.bild);
        EXPECT_EQ(eintraege(d.Form), z.form) << z.bild;
    }
}

TEST(Zahlenform, ListeneintragSetztDasFeld) {
    zol::Tzahlenform d;
    d.format = "0.0";
    d.show();
    QListWidgetItem* eintrag = d.FormatListe->item(8); // "0.000E-00"
    d.FormatListe->scrollToItem(eintrag);
    QTest::mouseClick(d.FormatListe->viewport(), Qt::LeftButton, {},
                      d.FormatListe->visualItemRect(eintrag).center());
    EXPECT_EQ(d.FormatEdit->text(), "0.000E-00");
    EXPECT_EQ(d.Form->item(0)->text(), "1,238E02");

    // The same entry again after typing brings its picture back.
    d.FormatEdit->setText("0.0");
    EXPECT_EQ(d.FormatListe->currentRow(), 0); // typed picture highlighted in the list
    d.FormatListe->setCurrentRow(8);
    QTest::mouseClick(d.FormatListe->viewport(), Qt::LeftButton, {},
                      d.FormatListe->visualItemRect(eintrag).center());
    EXPECT_EQ(d.FormatEdit->text(), "0.000E-00");
    EXPECT_EQ(d.format, "0.0"); // only OK confirms
}

// Opening copies the confirmed picture into the field, every time.
TEST(Zahlenform, AktivierungUebernimmtDasFormat) {
    zol::Tzahlenform d;
    for (const char* bild : {"0.00", "0.0E-0"}) {
        d.format = bild;
        d.FormatEdit->setText("xyz");
        d.show();
        EXPECT_EQ(d.FormatEdit->text(), bild);
        d.hide();
    }
}

// The window side of the protocol: copy in, modal, copy back on OK only.
TEST(Zahlenform, OkUndAbbrechen) {
    const struct {
        const char* name;
        const char* getippt; // nullptr: the field is left as opened
        std::function<void(zol::Tzahlenform&)> schliessen;
        bool ok;
        const char* danach;
    } tabelle[] = {
        {"OK", nullptr, [](zol::Tzahlenform& d) { d.OKButton->click(); }, true, "0.00"},
        {"Abbrechen nach Aenderung", "0.0E-0",
         [](zol::Tzahlenform& d) { d.AbbrechenButton->click(); }, false, "0.00"},
        {"Escape nach Aenderung", "0.0E-0",
         [](zol::Tzahlenform& d) { QTest::keyClick(d.FormatEdit, Qt::Key_Escape); }, false, "0.00"},
        {"OK nach Aenderung", "0.000", [](zol::Tzahlenform& d) { d.OKButton->click(); }, true,
         "0.000"},
        {"Enter im Feld", "#.##e+##",
         [](zol::Tzahlenform& d) { QTest::keyClick(d.FormatEdit, Qt::Key_Return); }, true,
         "#.##e+##"},
    };
    for (const auto& z : tabelle) {
        SCOPED_TRACE(z.name);
        QString feld;
        QStringList vorschau;
        QPoint mitte;
        im_dialog([&](zol::Tzahlenform& d) {
            feld = d.FormatEdit->text();
            vorschau = eintraege(d.Form);
            mitte = d.frameGeometry().center();
            if (z.getippt) {
                d.FormatEdit->selectAll();
                QTest::keyClicks(d.FormatEdit, z.getippt);
            }
            z.schliessen(d);
        });
        QString format = "0.00";
        EXPECT_EQ(zol::zahlenformat_waehlen(format), z.ok);
        EXPECT_EQ(format.toStdString(), z.danach);
        EXPECT_EQ(feld, "0.00");
        EXPECT_EQ(vorschau, (QStringList{"123,79", "23434,35", "0,00", "0,00", "-34,57",
                                         "1000000,00", "1,00"}));
        EXPECT_EQ(zol::Tzahlenform::instanz().format.toStdString(), z.danach);
        const QPoint schirmmitte = QApplication::primaryScreen()->availableGeometry().center();
        // Centred up to the width of the window frame, which is known only after showing.
        EXPECT_LE((mitte - schirmmitte).manhattanLength(), 8);
    }
}

// The angle buttons set only the pending mode; OK confirms it, cancelling does not.
TEST(Zahlenform, WinkelmodusErstMitOk) {
    zol::Tzahlenform d;
    d.show();
    d.Grad->setChecked(true);
    EXPECT_EQ(d.winkelmodus_neu, 2);
    EXPECT_EQ(d.winkelmodus, 1);
    d.AbbrechenButton->click();
    EXPECT_EQ(d.winkelmodus, 1);
    d.show();
    d.Neugrad->setChecked(true);
    d.OKButton->click();
    EXPECT_EQ(d.winkelmodus, 3);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(Zahlenform, HilfeMeldetDenKontext) {
    zol::Tzahlenform d;
    QSignalSpy hilfe(&d, &zol::Tzahlenform::hilfeAngefordert);
    d.show();
    d.HilfeButton->click();
    ASSERT_EQ(hilfe.size(), 1);
    EXPECT_EQ(hilfe.first().first().toInt(), zol::hilfekontext_zahlenformat);
    EXPECT_TRUE(d.isVisible());
}

} // namespace
