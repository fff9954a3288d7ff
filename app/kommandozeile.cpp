#include "app/kommandozeile.h"

#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "engine/rechnen.h"
#include "engine/textkodierung.h"

#include <iostream>
#include <iterator>
#include <sstream>

namespace zol {

namespace {

constexpr const char* aufruf_text =
    "Aufruf: zol --run DATEI|- [--format BILD]\n"
    "        zol --konsole      (Rechnen im Direktmodus auf der Konsole)\n"
    "        zol --batch ART [--load DATEI] [--set NAME=WERT]... [--command NAME]...\n"
    "                        [--save DATEI]   (ein Fenster ohne Anzeige)\n"
    "        zol --export DATEI.fkt BILD.(png|bmp|svg|pdf|wmf|emf) [--size BREITExHOEHE]\n"
    "                        [--scale willkürlich|winkeltreu|maßstabstreu] [--crop]\n"
    "                        (eine Zeichnung als Bild, ohne Anzeige;\n"
    "                        --crop: nur die Zeichnung statt der ganzen Seite)\n"
    "  --run DATEI   führt ein Rechenprogramm aus (eine Anweisung je Zeile,\n"
    "                Ausgabe(...) gibt Werte aus); - liest die Standardeingabe\n"
    "  --format BILD Zahlenformat der Ausgaben, Vorgabe \"0.00\"\n";

constexpr std::size_t max_eingabe = 64u << 20;

bool lies_eingabe(const std::string& quelle, std::istream& ein, std::vector<std::string>& zeilen,
                  std::ostream& err) {
    if (quelle == "-") {
        std::string bytes;
        char puffer[65536];
        while (ein.read(puffer, sizeof puffer) || ein.gcount() > 0) {
            bytes.append(puffer, static_cast<std::size_t>(ein.gcount()));
            if (bytes.size() > max_eingabe) {
                err << "Die Eingabe ist zu groß.\n";
                return false;
            }
        }
        if (bytes.find('\0') != std::string::npos) {
            err << "Die Eingabe ist keine Textdatei.\n";
            return false;
        }
        if (!zeilen_im_rahmen(bytes)) {
            err << "Die Eingabe ist zu groß.\n";
            return false;
        }
        zeilen = zeilen_teilen(datei_zu_utf8(bytes));
        return true;
    }
    Textdatei datei = textdatei_lesen(quelle, max_eingabe);
    switch (datei.fehler) {
    case Lesefehler::keiner:
        zeilen = std::move(datei.zeilen);
        return true;
    case Lesefehler::nicht_vorhanden:
        err << "Datei nicht gefunden: " << quelle << "\n";
        break;
    case Lesefehler::nicht_lesbar:
        err << "Datei kann nicht gelesen werden: " << quelle << "\n";
        break;
    case Lesefehler::binaer:
        err << "Datei ist keine Textdatei: " << quelle << "\n";
        break;
    case Lesefehler::zu_gross:
        err << "Datei ist zu groß: " << quelle << "\n";
        break;
    }
    return false;
}

int programm_ausfuehren(const std::string& quelle, const std::string& bild, std::istream& ein,
                        std::ostream& aus, std::ostream& err) {
    std::vector<std::string> zeilen;
    if (!lies_eingabe(quelle, ein, zeilen, err)) return exit_aufruf;
    Tfktbaum baum;
    // Messages of the engine (a refused recursive definition) go to standard error; the faulty
    // line itself shows up as a "Fehler:" line.
    auto vorher = setze_meldungsempfaenger([&err](const std::string& m) { err << m << "\n"; });
    const Programmergebnis p = programmlauf(baum, zeilen, bild);
    setze_meldungsempfaenger(std::move(vorher));
    for (const std::string& z : p.ausgabe)
        aus << z << "\n";
    aus.flush();
    if (!aus) {
        err << "Die Ausgabe kann nicht geschrieben werden.\n";
        return exit_fehlerzeilen;
    }
    return p.fehler ? exit_fehlerzeilen : exit_ok;
}

// One line of at most max_zeile bytes; a longer one is read to its end but not kept (zu_lang).
// False at the end of the input.
constexpr std::size_t max_zeile = 1u << 20;

bool zeile_lesen(std::istream& ein, std::string& zeile, bool& zu_lang) {
    zeile.clear();
    zu_lang = false;
    std::streambuf* puffer = ein.rdbuf();
    bool gelesen = false;
    for (;;) {
        const int c = puffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            ein.setstate(std::ios::eofbit);
            return gelesen;
        }
        gelesen = true;
        if (c == '\n') return true;
        if (zeile.size() < max_zeile)
            zeile.push_back(static_cast<char>(c));
        else
            zu_lang = true;
    }
}

int direktmodus(const std::string& bild, std::istream& ein, std::ostream& aus, std::ostream& err) {
    Tfktbaum baum;
    auto vorher = setze_meldungsempfaenger([&aus](const std::string& m) { aus << m << "\n"; });
    aus << "Mathematik ZOL - Rechnen im Direktmodus. Beispiele: 3*4=  F(X)=X^2  F(3)=  "
           "zeige_fkt  cls\nEnde mit Strg+D.\n";
    std::string zeile;
    bool zu_lang = false;
    while (zeile_lesen(ein, zeile, zu_lang)) {
        if (zu_lang) {
            aus << "Die Zeile ist länger als 1 MB und wird übergangen.\n";
            continue;
        }
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        const Direktergebnis e = direktzeile(baum, zeile, bild);
        switch (e.art) {
        case Direktergebnis::Art::nichts:
            break;
        case Direktergebnis::Art::text_loeschen:
            aus << "\n";
            break;
        case Direktergebnis::Art::formeln_anhaengen:
        case Direktergebnis::Art::ergebnis:
            for (const std::string& z : e.zeilen)
                aus << z << "\n";
            break;
        default:
            aus << e.meldung << "\n";
            break;
        }
        aus.flush();
    }
    setze_meldungsempfaenger(std::move(vorher));
    if (!aus) {
        err << "Die Ausgabe kann nicht geschrieben werden.\n";
        return exit_fehlerzeilen;
    }
    return exit_ok;
}

} // namespace

bool ist_konsolenmodus(const std::vector<std::string>& argumente) {
    bool fenstermodus = false;
    for (const std::string& a : argumente) {
        if (a == "--run" || a == "--help" || a == "-h" || a == "--konsole") return true;
        fenstermodus = fenstermodus || a == "--batch" || a == "--export";
    }
    // An option no window mode knows gets the usage here, without touching a display.
    if (!fenstermodus)
        for (const std::string& a : argumente)
            if (a.rfind("--", 0) == 0) return true;
    return false;
}

int konsole_ausfuehren(const std::vector<std::string>& argumente, std::istream& ein,
                       std::ostream& aus, std::ostream& err) {
    std::string quelle;
    std::string bild = "0.00";
    bool run = false;
    bool konsole = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--help" || a == "-h") {
            aus << aufruf_text;
            return exit_ok;
        } else if (a == "--konsole") {
            konsole = true;
        } else if (a == "--run" && i + 1 < argumente.size()) {
            run = true;
            quelle = argumente[++i];
        } else if (a == "--format" && i + 1 < argumente.size()) {
            bild = argumente[++i];
        } else {
            err << "Unbekannte oder unvollständige Angabe: " << a << "\n" << aufruf_text;
            return exit_aufruf;
        }
    }
    if (run) return programm_ausfuehren(quelle, bild, ein, aus, err);
    if (!konsole) {
        err << aufruf_text;
        return exit_aufruf;
    }
    return direktmodus(bild, ein, aus, err);
}

} // namespace zol
