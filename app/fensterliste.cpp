#include "app/fensterliste.h"

#include "modules/algebra/bruchdlg.h"
#include "modules/algebra/fraktaldlg.h"
#include "modules/algebra/komplexdlg.h"
#include "modules/algebra/primzahldlg.h"
#include "modules/algebra/zahlsysdlg.h"
#include "modules/analysis/diskussdlg.h"
#include "modules/analysis/tabelleform.h"
#include "modules/analysis/wertedlg.h"
#include "modules/linalg/fftdlg.h"
#include "modules/linalg/fourierdlg.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"

namespace zol {

void alle_fensterarten_registrieren() {
    dialogfkt_registrieren();
    editform_registrieren();
    tabelle_registrieren();
    wertetabelle_registrieren();
    diskussion_registrieren();
    primzahlen_registrieren();
    bruchrechnung_registrieren();
    zahlensysteme_registrieren();
    komplex_registrieren();
    fraktale_registrieren();
    fft_registrieren();
    fourieranalyse_registrieren();
}

} // namespace zol
