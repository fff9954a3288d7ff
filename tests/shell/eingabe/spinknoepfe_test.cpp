// Up/down of the spin controls (buttons and arrow keys), read-only beep path, button switch,
// clamping on leaving a Tspineditin and selection on focus.
#include "shell/eingabe/zahleingaben.h"
#include "tests/shell/eingabe/eingabe_testhilfe.h"

#include <QFocusEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using zol::testhilfe::editfeld;
using zol::testhilfe::knopfmitte;

enum class Weg { taste, knopf };

// One step up or down by the arrow key or by a click on the style's button.
void schritt(zol::Tspinbasis& w, int richtung, Weg weg) {
    if (weg == Weg::taste) {
        QTest::keyClick(&w, richtung > 0 ? Qt::Key_Up : Qt::Key_Down);
    } else {
        w.resize(w.sizeHint());
        QTest::mouseClick(&w, Qt::LeftButton, {}, knopfmitte(&w, richtung > 0));
    }
}

TEST(Spinknoepfe, TspineditinHochRunter) {
    const struct {
        qint32 min, max, schrittweite;
        const char* text;
        int richtung;
        const char* danach;
    } tabelle[] = {
        {1, 10, 1, "10", +1, "10"}, // stays at MaxValue
        {1, 10, 1, "10", -1, "9"},
        {1, 10, 1, "", +1, "2"}, // an empty text counts as MinValue
        {1, 10, 1, "", -1, "1"},
        {1, 10, 1, "50", -1, "10"}, // 49 is still above the bounds
        {0, 0, 5, "3", +1, "8"},
        {0, 0, 5, "3", -1, "-2"},
        {0, 0, 1, "2147483647", +1, "2147483647"}, // no wrap-around
        {0, 0, 1, "-2147483648", -1, "-2147483648"},
    };
    for (Weg weg : {Weg::taste, Weg::knopf}) {
        for (const auto& z : tabelle) {
            SCOPED_TRACE(std::string(z.text) + (z.richtung > 0 ? " hoch" : " runter") +
                         (weg == Weg::taste ? " Taste" : " Knopf"));
            zol::Tspineditin w;
            w.setMinValue(z.min);
            w.setMaxValue(z.max);
            w.setIncrement(z.schrittweite);
            w.setText(z.text);
            schritt(w, z.richtung, weg);
            EXPECT_EQ(w.text().toStdString(), z.danach);
        }
    }
}

TEST(Spinknoepfe, TSpinEditexHochRunter) {
    const struct {
        long double min, max, schrittweite;
        bool formatiert;
        const char* text;
        int richtung;
        const char* danach;
    } tabelle[] = {
        {0, 0, 0.5L, false, "1", +1, "1,5"},
        {0, 0, 0.1L, false, "0,2", -1, "0,1"},
        {0, 1, 0.5L, false, "1", +1, "1"},
        {0, 0, 1, false, "abc", +1, "1"},   // no number counts as 0
        {0, 0, 1, true, "1", +1, "002,00"}, // written with the picture
        {-1, 1, 1, true, "-0,5", -1, "-001,00"},
    };
    for (Weg weg : {Weg::taste, Weg::knopf}) {
        for (const auto& z : tabelle) {
            SCOPED_TRACE(std::string(z.text) + (z.richtung > 0 ? " hoch" : " runter") +
                         (weg == Weg::taste ? " Taste" : " Knopf"));
            zol::TSpinEditex w;
            w.setMinValue(z.min);
            w.setMaxValue(z.max);
            w.setIncrement(z.schrittweite);
            w.setFormatenabled(z.formatiert);
            w.setText(z.text);
            schritt(w, z.richtung, weg);
            EXPECT_EQ(w.text().toStdString(), z.danach);
        }
    }
}

// Read-only controls only beep; with the buttons switched off nothing steps at all; the
// editor switch does not affect stepping.
TEST(Spinknoepfe, SchreibschutzUndSchalter) {
    const struct {
        bool nurlesen, spin, editor;
        const char* danach;
    } tabelle[] = {
        {true, true, true, "5"},
        {false, false, true, "5"},
        {false, true, false, "6"},
        {false, true, true, "6"},
    };
    for (Weg weg : {Weg::taste, Weg::knopf}) {
        for (const auto& z : tabelle) {
            zol::Tspineditin in;
            zol::TSpinEditex ex;
            for (zol::Tspinbasis* w : std::initializer_list<zol::Tspinbasis*>{&in, &ex}) {
                SCOPED_TRACE(std::string(w->metaObject()->className()) + " " +
                             std::to_string(z.nurlesen) + std::to_string(z.spin) +
                             std::to_string(z.editor));
                w->setReadOnly(z.nurlesen);
                w->setSpinEnabled(z.spin);
                w->setEditorEnabled(z.editor);
                w->setText("5");
                schritt(*w, +1, weg);
                EXPECT_EQ(w->text().toStdString(), z.danach);
            }
        }
    }
}

void fokus(QWidget* w, QEvent::Type art, Qt::FocusReason grund) {
    QFocusEvent e(art, grund);
    QApplication::sendEvent(w, &e);
}

TEST(Spinknoepfe, VerlassenBegrenztTspineditin) {
    const struct {
        qint32 min, max;
        const char* text;
        const char* danach;
    } tabelle[] = {
        {1, 10, "50", "10"}, {1, 10, "-3", "1"},
        {1, 10, "5", "5"},   {1, 10, "", ""}, // no number: MinValue lies inside, the text stays
        {0, 0, "50", "50"},                   // no bounds
    };
    for (const auto& z : tabelle) {
        zol::Tspineditin w;
        w.setMinValue(z.min);
        w.setMaxValue(z.max);
        w.setText(z.text);
        fokus(&w, QEvent::FocusIn, Qt::TabFocusReason);
        fokus(&w, QEvent::FocusOut, Qt::TabFocusReason);
        EXPECT_EQ(w.text().toStdString(), z.danach) << z.text;
    }
    // TSpinEditex keeps what was typed.
    zol::TSpinEditex ex;
    ex.setMinValue(1);
    ex.setMaxValue(10);
    ex.setText("50");
    fokus(&ex, QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(ex.text(), "50");
}

TEST(Spinknoepfe, AuswahlBeimFokus) {
    const struct {
        bool autoselect;
        Qt::FocusReason grund;
        bool ausgewaehlt;
    } tabelle[] = {
        {true, Qt::TabFocusReason, true},      {true, Qt::OtherFocusReason, true},
        {true, Qt::ShortcutFocusReason, true}, {true, Qt::MouseFocusReason, false},
        {false, Qt::TabFocusReason, false},    {false, Qt::OtherFocusReason, false},
    };
    for (const auto& z : tabelle) {
        zol::TSpinEditex w;
        w.setAutoSelect(z.autoselect);
        w.setText("123");
        fokus(&w, QEvent::FocusIn, z.grund);
        EXPECT_EQ(editfeld(&w)->selectedText(), z.ausgewaehlt ? "123" : "")
            << z.autoselect << " " << z.grund;
    }
}

} // namespace
