#pragma once
class QCoreApplication;

namespace zol {

// Loads Qt's own German texts, so standard buttons read "Ja", "Nein", "Abbrechen".
// Returns false if the translation files are not installed.
bool deutsche_qt_texte_laden(QCoreApplication& app);

} // namespace zol
