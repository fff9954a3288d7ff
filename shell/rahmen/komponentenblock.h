#pragma once
#include <QRect>
// The component block of data files: the window's geometry line, then the state of every
// registered control, in registration order, as text lines. Controls with a non-zero "Tag"
// property are skipped (windows mark controls that must not be saved that way).
#include <QList>
#include <QStringList>

class QWidget;

namespace zol {

inline constexpr const char* daten_anfang = "DATEN_ANFANG";
inline constexpr const char* daten_ende = "DATEN_ENDE";

class Tsaveloadlist {
public:
    QStringList zeilen;

    // Appends the block for the window and its controls.
    void componentenspeichern(QWidget* fenster, const QList<QWidget*>& komponenten);
    // Reads a block starting at zeilen[index] and moves index past it. A short or foreign block
    // is read as far as it goes; nothing is ever read beyond the end. False when a data block
    // (a grid, a memo, a list) has lost its end marker: the file was cut short.
    bool componentenladen(QWidget* fenster, const QList<QWidget*>& komponenten, int& index);
};

// True for controls the block writes (Tag 0).
bool wird_gespeichert(const QWidget* steuerelement);

// A stored window rectangle made to fit the available screen: no larger than the screen, and
// moved so that it lies on it (a project from a bigger screen, or a damaged one, must not put
// windows out of reach or make them 10000 pixels wide).
QRect im_bildschirm(const QRect& wunsch);

// What a window says after componentenladen found its file cut short.
inline constexpr const char* datei_unvollstaendig =
    "Die Datei ist unvollständig; sie wurde nur teilweise geladen.";

} // namespace zol
