#pragma once

namespace zol {

// Makes every built window kind known to projects, menus and batch mode: one explicit list.
void alle_fensterarten_registrieren();

} // namespace zol
