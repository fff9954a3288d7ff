#include "shell/formeln/formelbaum.h"

#include "shell/formeln/dialogformel.h"

namespace zol {

Tfktbaum& formelbaum() {
    return Tdialogformel::instanz().projekttabelle();
}

} // namespace zol
