#pragma once
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
    // is read as far as it goes; nothing is ever read beyond the end.
    void componentenladen(QWidget* fenster, const QList<QWidget*>& komponenten, int& index);
};

// True for controls the block writes (Tag 0).
bool wird_gespeichert(const QWidget* steuerelement);

} // namespace zol
