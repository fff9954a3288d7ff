#include "app/fensterliste.h"

#include "modules/analysis/tabelleform.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"

namespace zol {

void alle_fensterarten_registrieren() {
    dialogfkt_registrieren();
    editform_registrieren();
    tabelle_registrieren();
}

} // namespace zol
