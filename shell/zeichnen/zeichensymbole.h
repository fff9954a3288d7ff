#pragma once
// Tool-bar pictures of the plot window's own commands.
#include <QIcon>

namespace zol {

// A magnifying glass with a plus (larger) or a minus (smaller).
QIcon lupensymbol(bool groesser);
// A window with its input panel, for showing and hiding the input.
QIcon eingabesymbol();

} // namespace zol
