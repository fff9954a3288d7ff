#pragma once
// The four numeric input controls of the module windows:
//
//   TextendEdit   decimal number      QLineEdit         bounds -1E60..1E60 (if Min < Max)
//   TlongintEdit  32-bit whole number QLineEdit         bounds 0..0 = none (if Min != Max)
//   Tspineditin   32-bit whole number QAbstractSpinBox  bounds 0..0 = none, Increment 1
//   TSpinEditex   decimal number      QAbstractSpinBox  bounds 0..0 = none, Increment 1
//
// All four start with the text "0". Value() reads the text and never fails or shows a message
// (0 for a text that is no number; MinValue for Tspineditin); setValue() clamps and writes,
// the decimal ones in general form or with the picture Formatstr when Formatenabled is set.
// Typing is filtered so that only characters of a number get in; pasting may bring in any
// text (not into a spin control whose editor is switched off).
//
// Saving and loading a window (the component block): store and restore the raw text, never the
// value, so that what the user typed comes back exactly, unconvertible text included.
//   - text() gives it for all four; setText() puts it back without clamping or formatting.
//   - TextendEdit and TlongintEdit are QLineEdits; the file format writes their text a second
//     time as a plain edit field, so qobject_cast<QLineEdit*> must match them there too.
//   - The spin controls are no QLineEdits. Each owns an internal QLineEdit child (object name
//     "qt_spinbox_lineedit"), which a walk over findChildren<QLineEdit*>() would find: take
//     only the window's own controls in their fixed order and skip children of a
//     QAbstractSpinBox.
//   - Settings (bounds, Increment, Formatstr, Formatenabled, EditorEnabled, spinEnabled,
//     Ergekont) belong to the window's layout and are not saved.
// Applying a new number format to a window: setFormatstr() on every control whose
// Formatenabled is set (it rewrites the shown value at once).
#include "shell/eingabe/extendedit.h"
#include "shell/eingabe/longintedit.h"
#include "shell/eingabe/spineditex.h"
#include "shell/eingabe/spineditin.h"
