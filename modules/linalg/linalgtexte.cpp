#include "modules/linalg/linalgtexte.h"

#include "engine/reellefunktion.h"

#include <algorithm>

namespace zol::linalg {

std::string zahltext(std::string_view bild, long double wert) {
    std::string text = ergebnistext(bild, wert == 0 ? 0.0L : wert);
    if (!text.empty() && text.front() == '-' &&
        std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; }))
        text.erase(0, 1);
    return text;
}

} // namespace zol::linalg
