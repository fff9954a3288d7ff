// Keystroke filters of the four numeric controls: what typing lets into the field.
#include "shell/eingabe/zahleingaben.h"
#include "tests/shell/eingabe/eingabe_testhilfe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using zol::testhilfe::editfeld;
using zol::testhilfe::taste;
using zol::testhilfe::vorgeben;

struct Steuerelement {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> neu;
};

const Steuerelement dezimalfelder[] = {
    {"TextendEdit", [] { return std::make_unique<zol::TextendEdit>(); }},
    {"TSpinEditex", [] { return std::make_unique<zol::TSpinEditex>(); }},
};
const Steuerelement ganzzahlfelder[] = {
    {"TlongintEdit", [] { return std::make_unique<zol::TlongintEdit>(); }},
    {"Tspineditin", [] { return std::make_unique<zol::Tspineditin>(); }},
};

struct Tippen {
    const char* text;   // before typing
    int caret;          // -1: at the end
    int auswahl;        // selected characters from the caret on
    const char* tasten; // typed one by one
    const char* danach;
};

void pruefen(const Steuerelement (&felder)[2], std::initializer_list<Tippen> tabelle) {
    for (const Steuerelement& s : felder) {
        for (const Tippen& t : tabelle) {
            SCOPED_TRACE(std::string(s.name) + " \"" + t.text + "\" + \"" + t.tasten + "\"");
            auto w = s.neu();
            vorgeben(w.get(), QString::fromUtf8(t.text), t.caret, t.auswahl);
            QTest::keyClicks(w.get(), QString::fromUtf8(t.tasten));
            EXPECT_EQ(editfeld(w.get())->text().toStdString(), t.danach);
        }
    }
}

TEST(Tastenfilter, Dezimalzahl) {
    pruefen(dezimalfelder, {
                               {"1,5E3", -1, 0, "E", "1,5E3"},   // one exponent only
                               {"1,5E3", -1, 0, "e", "1,5E3"},   // in either case
                               {"1,5E", -1, 0, "-3", "1,5E-3"},  // sign after the E
                               {"1,5E", -1, 0, ",", "1,5E"},     // no comma in the exponent
                               {"1E5", 3, 0, ",", "1E5"},        //
                               {"15E3", 1, 0, ",", "1,5E3"},     // comma before the E
                               {"1,5", -1, 0, ",", "1,5"},       // one comma only
                               {"", 0, 0, "-1,5e-3", "-1,5e-3"}, //
                               {"", 0, 0, "+2", "+2"},           //
                               {"25", 0, 0, "-", "-25"},         // sign at the start
                               {"-25", 0, 0, "+", "-25"},        // but only one
                               {"25", 1, 0, "-", "25"},          // not in the middle
                               {"1E-5", 2, 0, "+", "1E-5"},      // one exponent sign
                               {"", 0, 0, "1.5", "15"},          // the point is refused
                               {"", 0, 0, "abc 1x/", "1"},       // letters, blanks
                               {"  12", -1, 0, "3", "123"},      // leading blanks go
                               {"  12", -1, 0, "x", "  12"},     // not for refused keys
                               {"-5", 0, 2, "-", "-"},           // replaces the selection
                               {"1E5", 0, 3, "E", "E"},          //
                               {"1,5", 0, 3, "2,5", "2,5"},      //
                           });
}

TEST(Tastenfilter, Ganzzahl) {
    pruefen(ganzzahlfelder, {
                                {"", 0, 0, "-12a3", "-123"},
                                {"5", 0, 0, "+", "+5"},
                                {"+5", 0, 0, "-", "+5"},
                                {"12", -1, 0, "-", "12"},
                                {"12", 1, 0, "+", "12"},
                                {"", 0, 0, "1,5E3", "153"},
                                {"-7", 0, 2, "+8", "+8"},
                            });
}

// Only TlongintEdit removes leading blanks while typing.
TEST(Tastenfilter, FuehrendeLeerzeichenNurBeiTlongintEdit) {
    zol::TlongintEdit lang;
    zol::Tspineditin spin;
    for (QWidget* w : {static_cast<QWidget*>(&lang), static_cast<QWidget*>(&spin)}) {
        vorgeben(w, " \t7");
        QTest::keyClicks(w, "1");
    }
    EXPECT_EQ(lang.text(), "71");
    EXPECT_EQ(spin.text(), " \t71");
    EXPECT_EQ(spin.Value(), 71);
}

// Characters outside ASCII, control keys and Enter, for every control.
TEST(Tastenfilter, SondertastenUndFremdeZeichen) {
    struct Fall {
        int key;
        const char* text;
        Qt::KeyboardModifiers mod;
        const char* danach; // from "12" with the caret after the 1
    };
    const Fall faelle[] = {
        {Qt::Key_Adiaeresis, "ä", Qt::NoModifier, "12"},
        {Qt::Key_unknown, "😀", Qt::NoModifier, "12"},
        {Qt::Key_2, "²", Qt::GroupSwitchModifier, "12"}, // AltGr+2
        {Qt::Key_Backspace, "\b", Qt::NoModifier, "2"},
        {Qt::Key_Delete, "\x7f", Qt::NoModifier, "1"},
        {Qt::Key_Return, "\r", Qt::NoModifier, "12"},
        {Qt::Key_Home, "", Qt::NoModifier, "12"},
    };
    for (const auto* felder : {&dezimalfelder, &ganzzahlfelder}) {
        for (const Steuerelement& s : *felder) {
            for (const Fall& f : faelle) {
                SCOPED_TRACE(std::string(s.name) + " Taste " + std::to_string(f.key));
                auto w = s.neu();
                vorgeben(w.get(), "12", 1);
                taste(w.get(), f.key, QString::fromUtf8(f.text), f.mod);
                EXPECT_EQ(editfeld(w.get())->text().toStdString(), f.danach);
            }
        }
    }
}

// Pasting may bring in any text; reading it then gives 0 (MinValue for Tspineditin).
TEST(Tastenfilter, EinfuegenErlaubtBeliebigenText) {
    QGuiApplication::clipboard()->setText("abc");
    zol::TextendEdit extend;
    zol::TlongintEdit lang;
    zol::TSpinEditex ex;
    zol::Tspineditin in;
    in.setMinValue(3);
    in.setMaxValue(9);
    for (QWidget* w : std::initializer_list<QWidget*>{&extend, &lang, &ex, &in}) {
        vorgeben(w, "");
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(editfeld(w)->text(), "abc") << w->metaObject()->className();
    }
    EXPECT_EQ(extend.Value(), 0.0L);
    EXPECT_EQ(lang.Value(), 0);
    EXPECT_EQ(ex.Value(), 0.0L);
    EXPECT_EQ(in.Value(), 3);
}

// A spin control whose editor is off takes no typing, Backspace, Delete, cut or paste, also
// after its read-only flag was switched on and off again; the buttons still work.
TEST(Tastenfilter, SpinOhneEditor) {
    QGuiApplication::clipboard()->setText("99");
    zol::TSpinEditex ex;
    zol::Tspineditin in;
    for (zol::Tspinbasis* w : std::initializer_list<zol::Tspinbasis*>{&ex, &in}) {
        SCOPED_TRACE(w->metaObject()->className());
        w->setEditorEnabled(false);
        w->setReadOnly(true);
        w->setReadOnly(false);
        vorgeben(w, "12", 1);
        QTest::keyClicks(w, "5-");
        taste(w, Qt::Key_Backspace, "\b");
        taste(w, Qt::Key_Delete, "\x7f");
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        editfeld(w)->selectAll();
        QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(w->text(), "12");
        QTest::keyClick(w, Qt::Key_Up);
        EXPECT_EQ(w->text(), "13");

        w->setEditorEnabled(true);
        vorgeben(w, "12");
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(w->text(), "1299");
    }
}

} // namespace
