// Every registered window kind: its data file, written and read back, restores every control.
#include "app/fensterliste.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zol;

// Puts a value other than the default into every control the window saves.
void verstellen(Tmodulfenster& f) {
    int n = 0;
    for (QWidget* w : f.komponenten()) {
        ++n;
        // A result field is read-only: it only ever shows values computed for it.
        if (auto* r = qobject_cast<Tergebnisfeld*>(w))
            r->zeige(n + 10);
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(QString::number(n + 10));
        else if (auto* s = qobject_cast<Tspinbasis*>(w))
            s->setText(QString::number(n));
        else if (auto* k = qobject_cast<QCheckBox*>(w))
            k->setChecked(!k->isChecked());
        else if (auto* r = qobject_cast<QRadioButton*>(w))
            r->setChecked(true);
        else if (auto* g = qobject_cast<TRadioGroup*>(w))
            g->setItemIndex(static_cast<int>(g->items().size()) - 1);
        else if (auto* t = qobject_cast<QTabWidget*>(w))
            t->setCurrentIndex(t->count() - 1);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            m->setPlainText(QStringLiteral("Zeile A\nZeile B %1").arg(n));
        else if (auto* c = qobject_cast<QComboBox*>(w))
            c->isEditable() ? c->setEditText(QStringLiteral("wahl")) : c->setCurrentIndex(0);
        else if (auto* l = qobject_cast<QListWidget*>(w))
            l->addItems({QStringLiteral("eins"), QStringLiteral("zwei")});
        else if (auto* g = qobject_cast<TStringGrid*>(w))
            g->setCell(1, 1, QStringLiteral("4,5"));
    }
}

// The state of the saved controls, as the block writes it (without the geometry line).
QStringList zustand(Tmodulfenster& f) {
    Tsaveloadlist liste;
    liste.componentenspeichern(&f, f.komponenten());
    return liste.zeilen.mid(1);
}

TEST(Rundreise, JedeFensterartStelltIhreDatenWiederHer) {
    alle_fensterarten_registrieren();
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    int geprueft = 0;
    for (const Fensterart& art : fensterarten()) {
        if (!art.erzeugen || art.endung.isEmpty()) continue;
        SCOPED_TRACE(art.klasse.toStdString());
        Tmodulfenster* f = art.erzeugen();
        f->setzeFormat(QStringLiteral("0.000"));
        verstellen(*f);
        const QString datei = ordner.filePath(QStringLiteral("probe.") + art.endung);
        ASSERT_TRUE(f->inDateiSchreiben(datei));
        Tmodulfenster* g = art.erzeugen();
        ASSERT_TRUE(g->laden(datei));
        EXPECT_EQ(zustand(*g), zustand(*f));
        EXPECT_EQ(g->format(), QStringLiteral("0.000"));
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        delete f;
        delete g;
        ++geprueft;
    }
    EXPECT_GT(geprueft, 0);
}

} // namespace
