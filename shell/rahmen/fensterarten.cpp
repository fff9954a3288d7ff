#include "shell/rahmen/fensterarten.h"

#include <utility>

namespace zol {

namespace {

Fensterart art(int nummer, const char* klasse, const char* artname, const char* titel,
               const char* endung, QStringList filter, const char* kennung, int hilfe) {
    Fensterart a;
    a.art = nummer;
    a.klasse = QString::fromUtf8(klasse);
    a.artname = QString::fromUtf8(artname);
    a.titel = QString::fromUtf8(titel);
    a.endung = QString::fromUtf8(endung);
    a.filter = std::move(filter);
    a.kennung = QString::fromUtf8(kennung);
    a.hilfekontext = hilfe;
    return a;
}

QStringList f(const char* beschreibung, const char* muster) {
    return {
        QStringLiteral("%1 (%2)").arg(QString::fromUtf8(beschreibung), QString::fromUtf8(muster))};
}

std::vector<Fensterart>& tabelle() {
    static std::vector<Fensterart> t = {
        art(0, "Tdialogfkt", "Zeichne", "Zeichnen", "fkt", f("Funktionen zeichnen", "*.fkt"), "",
            145),
        art(5, "TEditForm", "Rechnen", "Rechnen", "ref",
            {"Rechnenfenster (*.ref)", "Formeln (*.for)", "Textdatei (*.txt)"}, "Rechnenfenster",
            140),
        art(20, "Ttabelleform", "Tabellenkalkulation", "Tabellenkalkulation", "tab",
            f("Tabelle", "*.tab"), "Rechnenfenster", 170),
        art(25, "Twertedlg", "Wertetabelle", "Wertetabelle", "wer", f("Wertetabelle", "*.wer"),
            "Wertetabelle", 90),
        art(30, "Tdiskussdlg", "Diskussion", "Diskussion", "di1", f("Diskussion", "*.di1"),
            "Diskussion", 195),
        art(35, "Tdisku2dlg", "Diskussion von 2 Fkt.", "Diskussion 2 Fkt.", "di2",
            f("Diskussion 2 Fkt.", "*.di2"), "Diskussion 2", 200),
        art(40, "TPolynomedlg", "Polynome", "Polynom", "pol", f("Polynom", "*.pol"), "lgs", 225),
        art(45, "Tgebrochdlg", "Gebrochen rationale Fkt.", "Gebrochen rationale Funktion", "gbr",
            f("Gebrochen rationale Fkt.", "*.gbr"), "lgs", 230),
        art(50, "Tprimdlg", "Primzahlen/ggT/kgV", "Primzahlen/ggT/kgV", "pri",
            f("Primzahlen/ggT/kgV", "*.pri"), "Primzahlen", 330),
        art(55, "TDreieckdlg", "Dreieck", "Dreieck", "dre", f("Dreieck", "*.dre"), "Dreieck", 275),
        art(60, "Tviereckdlg", "Vierecke", "Vierecke", "vie", f("Vierecke", "*.vie"), "Gerade",
            430),
        art(65, "Tgeradengleich", "Gerade (lineare Fkt.)", "Geradengleichung (lineare Funktion)",
            "ger", f("Geradengleichung", "*.ger"), "Gerade", 237),
        art(70, "Tparabelgleich", "Parabel (quadratische Fkt.)", "Parabel (quadratische Funktion)",
            "par", f("Parabel", "*.par"), "Parabel", 240),
        art(75, "Tvektordlg", "Vektoren R3", "Vektoren im R3", "vek", f("Vektoren", "*.vek"),
            "Vektoren", 280),
        art(80, "TEbene", "Ebene", "Ebenengleichung", "ebe", f("Ebene", "*.ebe"), "Gerade", 285),
        art(85, "Tzweiebene", "Ebene-Ebene", "Schnitt zwischen Ebenen", "eb2",
            f("Ebene-Ebene", "*.eb2"), "Ebene-Ebene", 290),
        art(90, "Tfgeradeg", "Gerade-Gerade", "Gerade-Gerade", "GE1", f("Gerade-Gerade", "*.GE1"),
            "Gerade R3", 455),
        art(95, "Tgeradeben", "Gerade-Ebene", "Ebene - Gerade", "geg",
            f("Geometrie:Ebene-Gerade", "*.geg"), "Ebene-Gerade", 295),
        art(100, "Tdetdlg", "Determinanten", "Determinanten", "det", f("Determinanten", "*.det"),
            "Determinanten", 250),
        art(105, "Tgausdlg", "Lineares Gleichungssystem", "Lineares Gleichungssystem", "lgs",
            {"Lineares Gleichungssystem (*.lgs)", "Textdatei (*.txt)"}, "lgs", 245),
        art(110, "Tinterdlg", "Interpolation", "Interpolation", "int", f("Interpolation", "*.int"),
            "int", 255),
        art(120, "Tmatrixdlg", "Matrizen", "Matrizen", "mat", f("Matrizen", "*.mat"), "Matrix",
            260),
        art(125, "Tbinom2dlg", "Binomialverteilung", "Binomialverteilung", "bin",
            f("Binomialverteilung", "*.bin"), "Binom", 340),
        art(130, "Tstatistikdlg", "Statistik", "Statistik", "sta", f("Statistik", "*.sta"), "sta",
            235),
        art(135, "Tkombidlg", "Kombinatorik", "Kombinatorik", "kom", f("Kombinatorik", "*.kom"),
            "Kombinatorik", 335),
        art(140, "Ttangdlg", "Tangente/Normale", "Tangente/Normale", "tan",
            f("Tangente/Normale", "*.tan"), "Tangenten", 220),
        art(145, "Tsymdlg", "Symbolisches Differenzieren", "Symbolisches Differenzieren", "sym",
            f("Symbolisches Differenzieren", "*.sym"), "Symbolisch", 210),
        art(150, "Tpolyrechdlg", "Polynome rechnen", "Polynome rechnen", "pre",
            f("Polynom rechnen", "*.pre"), "Polynomr", 460),
        art(155, "Tvektor2dlg", "Vektoren R2", "Vektoren / Koordinaten", "ve2",
            f("Vektoren", "*.ve2"), "Vektoren", 435),
        art(160, "Tpunkteb", "Punkte-Ebene", "Punkt - Ebene ", "peb",
            f("Geometrie:Punkt-Ebene", "*.peb"), "Punkt-Ebene", 450),
        art(165, "Tpunktge", "Punkt-Gerade", "Punkt - Gerade", "pge",
            f("Geometrie:Punkt-Gerade", "*.pge"), "Punkt-Gerade", 445),
        art(170, "Tparageradlg", "Parabel-Gerade", "Parabel - Gerade ", "pag",
            f("Parabel-Gerade", "*.pag"), "Parabel", 440),
        art(175, "Tbruchdlg", "Bruchrechnung", "Bruchrechnung", "bru", f("Bruch", "*.bru"),
            "brueche", 310),
        art(180, "Tfouranadlg", "Fourieranalyse", "Fourieranalyse", "fan",
            f("Fourieranalyse", "*.fan"), "Fourieranalyse", 265),
        art(185, "Tkomplexdlg", "Komplexe Zahlen", "Komplexe Zahlen", "lex",
            f("Komplexe Zahlen", "*.lex"), "komplex", 315),
        art(190, "Tabbilddlg", "Abbildungen", "Abbildungen", "abb", f("Abbildungen", "*.abb"),
            "sta", 400),
        art(195, "Tfftdlg", "FFT", "FFT", "fft", f("Fast Fourier Transformation", "*.fft"), "FFT",
            270),
        art(200, "Tzahlsysdlg", "Zahlensysteme", "Zahlensysteme", "zah",
            f("Zahlensysteme", "*.zah"), "zahlensystem", 420),
        art(205, "Tfraktaldlg", "Fraktale", "Fraktale", "fra", f("Fraktale", "*.fra"), "fraktale",
            425),
    };
    return t;
}

} // namespace

const std::vector<Fensterart>& fensterarten() {
    return tabelle();
}

const Fensterart* fensterart_nach_nummer(int nummer) {
    for (const Fensterart& a : tabelle())
        if (a.art == nummer) return &a;
    return nullptr;
}

const Fensterart* fensterart_nach_name(const QString& name) {
    for (const Fensterart& a : tabelle())
        if (a.klasse.compare(name, Qt::CaseInsensitive) == 0 ||
            a.artname.compare(name, Qt::CaseInsensitive) == 0)
            return &a;
    static const std::pair<const char*, int> fruehere_artnamen[] = {
        {"Binominalverteilung", 125},
        {"Fourierananlyse", 180},
        {"Gerade (lineare Fkt)", 65},
        {"Parabel (quadratische Fkt)", 70},
    };
    for (const auto& [alt, nummer] : fruehere_artnamen)
        if (name.compare(QLatin1String(alt), Qt::CaseInsensitive) == 0)
            return fensterart_nach_nummer(nummer);
    return nullptr;
}

bool fensterart_registrieren(const QString& klasse, std::function<Tmodulfenster*()> erzeugen) {
    for (Fensterart& a : tabelle()) {
        if (a.klasse == klasse) {
            a.erzeugen = std::move(erzeugen);
            return true;
        }
    }
    return false;
}

} // namespace zol
