#include "app/fensterliste.h"

#include "modules/algebra/bruchdlg.h"
#include "modules/algebra/fraktaldlg.h"
#include "modules/algebra/komplexdlg.h"
#include "modules/algebra/polyrechdlg.h"
#include "modules/algebra/primzahldlg.h"
#include "modules/algebra/zahlsysdlg.h"
#include "modules/analysis/disku2dlg.h"
#include "modules/analysis/diskussdlg.h"
#include "modules/analysis/gebrochdlg.h"
#include "modules/analysis/polynomedlg.h"
#include "modules/analysis/symdlg.h"
#include "modules/analysis/tabelleform.h"
#include "modules/analysis/tangdlg.h"
#include "modules/analysis/wertedlg.h"
#include "modules/geometry/abbilddlg.h"
#include "modules/geometry/dreieckdlg.h"
#include "modules/geometry/ebenedlg.h"
#include "modules/geometry/fgeradegdlg.h"
#include "modules/geometry/geradebendlg.h"
#include "modules/geometry/geradendlg.h"
#include "modules/geometry/parabeldlg.h"
#include "modules/geometry/parageradedlg.h"
#include "modules/geometry/punktebdlg.h"
#include "modules/geometry/punktgedlg.h"
#include "modules/geometry/vektor2dlg.h"
#include "modules/geometry/vektordlg.h"
#include "modules/geometry/viereckdlg.h"
#include "modules/geometry/zweiebenedlg.h"
#include "modules/linalg/detdlg.h"
#include "modules/linalg/fftdlg.h"
#include "modules/linalg/fourierdlg.h"
#include "modules/linalg/gausdlg.h"
#include "modules/linalg/interdlg.h"
#include "modules/linalg/matrixdlg.h"
#include "modules/stochastics/binomdlg.h"
#include "modules/stochastics/kombidlg.h"
#include "modules/stochastics/statistikdlg.h"
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
    zweifunktionen_registrieren();
    symbolisch_registrieren();
    tangente_registrieren();
    polynome_registrieren();
    gebrochen_registrieren();
    polyrechnen_registrieren();
    dreieck_registrieren();
    vierecke_registrieren();
    vektoren2_registrieren();
    abbildungen_registrieren();
    geradengleichung_registrieren();
    parabelgleichung_registrieren();
    parabelgerade_registrieren();
    vektoren_registrieren();
    punkt_gerade_registrieren();
    gerade_gerade_registrieren();
    ebene_registrieren();
    punkt_ebene_registrieren();
    gerade_ebene_registrieren();
    zwei_ebenen_registrieren();
    gauss_registrieren();
    determinanten_registrieren();
    matrizen_registrieren();
    interpolation_registrieren();
    statistik_registrieren();
    binomialverteilung_registrieren();
    kombinatorik_registrieren();
}

} // namespace zol
