#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The engine's own message reaches the user through the service in force.
TEST(Meldungsdienst, EngineMeldungenErscheinenAlsInformation) {
    zol::Testmeldungsdienst dienst;
    zol::engine_meldungen_anzeigen();
    zol::Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("A=1"));
    EXPECT_FALSE(baum.definiere("A=A+1"));
    EXPECT_EQ(dienst.meldungen, QStringList{"Rekursive Definitionen nicht erlaubt!"});
    zol::setze_meldungsempfaenger({});
}

TEST(Meldungsdienst, ErsatzWirdNachGebrauchEntfernt) {
    zol::Meldungsdienst* vorher = &zol::Meldungsdienst::aktuell();
    {
        zol::Testmeldungsdienst dienst;
        dienst.antworten.enqueue(false);
        EXPECT_FALSE(zol::frage("Alle Formeln löschen?"));
        EXPECT_TRUE(zol::frage("Noch eine?")); // no prepared answer: "Ja"
        EXPECT_EQ(dienst.fragen.size(), 2);
        EXPECT_EQ(&zol::Meldungsdienst::aktuell(), &dienst);
    }
    EXPECT_EQ(&zol::Meldungsdienst::aktuell(), vorher);
}

// The real boxes: an error shows the warning icon, a confirmation the information icon, a
// question the question icon.
TEST(Meldungsdienst, SymbolNachArtDerMeldung) {
    QList<QMessageBox::Icon> symbole;
    QStringList texte;
    QTimer waechter;
    waechter.setInterval(10);
    QObject::connect(&waechter, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        symbole << box->icon();
        texte << box->text();
        QAbstractButton* knopf = box->button(QMessageBox::Yes);
        (knopf ? knopf : box->button(QMessageBox::Ok))->click();
    });
    waechter.start();
    zol::meldung("Datei kann nicht geladen werden.");
    zol::hinweis("Formel aufgenommen!");
    EXPECT_TRUE(zol::frage("ZOL beenden?"));
    EXPECT_EQ(texte, (QStringList{"Datei kann nicht geladen werden.", "Formel aufgenommen!",
                                  "ZOL beenden?"}));
    EXPECT_EQ(symbole, (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Information,
                                                 QMessageBox::Question}));
}

// The calculation window confirms a definition and "lösche_alle" as information, and reports a
// wrong line as an error.
TEST(Meldungsdienst, RechnenfensterBestaetigtAlsHinweis) {
    zol::Testmeldungsdienst dienst;
    zol::formelbaum().alle_loeschen();
    zol::TEditForm f;
    const struct {
        const char* zeile;
        bool hinweis;
    } faelle[] = {{"A=5", true}, {"3+4", false}, {"lösche_alle", true}};
    for (const auto& fall : faelle) {
        dienst.meldungen.clear();
        dienst.hinweise.clear();
        f.memo()->moveCursor(QTextCursor::End);
        f.memo()->insertPlainText(QString::fromUtf8(fall.zeile));
        QTest::keyClick(f.memo(), Qt::Key_Return);
        ASSERT_EQ(dienst.meldungen.size(), 1) << fall.zeile;
        EXPECT_EQ(dienst.hinweise, fall.hinweis ? dienst.meldungen : QStringList{}) << fall.zeile;
    }
    zol::formelbaum().alle_loeschen();
}

} // namespace
