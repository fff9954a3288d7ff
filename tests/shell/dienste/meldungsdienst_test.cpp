#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "tests/hilfe/testmeldungsdienst.h"

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
        EXPECT_FALSE(zol::frage("Alle Formeln löschen ?"));
        EXPECT_TRUE(zol::frage("Noch eine?")); // no prepared answer: "Ja"
        EXPECT_EQ(dienst.fragen.size(), 2);
        EXPECT_EQ(&zol::Meldungsdienst::aktuell(), &dienst);
    }
    EXPECT_EQ(&zol::Meldungsdienst::aktuell(), vorher);
}

} // namespace
