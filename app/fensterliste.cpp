#include "app/fensterliste.h"

#include "shell/rechnen/editform.h"

namespace zol {

void alle_fensterarten_registrieren() {
    editform_registrieren();
}

} // namespace zol
