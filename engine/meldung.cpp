#include "engine/meldung.h"

#include <utility>

namespace zol {

namespace {
Meldungsempfaenger& empfaenger() {
    static Meldungsempfaenger e;
    return e;
}
} // namespace

Meldungsempfaenger setze_meldungsempfaenger(Meldungsempfaenger neu) {
    return std::exchange(empfaenger(), std::move(neu));
}

void melde(const std::string& text) {
    if (empfaenger()) empfaenger()(text);
}

} // namespace zol
