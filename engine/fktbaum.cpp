// The table of definitions: splitting, defining, looking up, removing.
#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/meldung.h"
#include "engine/zahlformat.h"

#include <algorithm>

namespace zol {

Tfktbaum::Tfktbaum() = default;
Tfktbaum::~Tfktbaum() = default;

namespace {

// Both splitters start alike: outputs emptied, then the text upper-cased without blanks.
bool vorbereiten(std::string_view text, std::string& name, std::string& rechts,
                 std::string& variable, std::string& t) {
    name.clear();
    rechts.clear();
    variable.clear();
    if (text.empty()) return false;
    t = leerzeichenweg(gross(text));
    return true;
}

} // namespace

bool Tfktbaum::aufspalten(std::string_view text, std::string& name, std::string& rechts,
                          std::string& variable) {
    std::string t;
    if (!vorbereiten(text, name, rechts, variable, t)) return false;
    const std::size_t gleich = t.find('=');
    if (gleich == std::string::npos) return false;
    const std::size_t auf = t.find('(');
    const std::size_t zu = t.find(')');
    if (auf < gleich && zu < gleich && zu > auf + 1) variable = t.substr(auf + 1, zu - auf - 1);
    name = auf < gleich ? t.substr(0, auf) : t.substr(0, gleich);
    if (gleich + 1 < t.size() && ist_buchstabe(t[0])) rechts = t.substr(gleich + 1);
    return true;
}

bool Tfktbaum::aufspalten2(std::string_view text, std::string& name, std::string& rechts,
                           std::string& variable) {
    std::string t;
    if (!vorbereiten(text, name, rechts, variable, t)) return false;
    if (t.find('=') != std::string::npos) return aufspalten(text, name, rechts, variable);
    const std::size_t auf = t.find('(');
    const std::size_t zu = t.find(')');
    if (auf != std::string::npos && zu != std::string::npos && zu > auf + 1) {
        variable = t.substr(auf + 1, zu - auf - 1);
        name = t.substr(0, auf);
    } else {
        name = t;
    }
    return true;
}

int Tfktbaum::sucheeintrag(std::string_view name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

Tfktzelle* Tfktbaum::laengster_praefix(std::string_view text, bool klammer) const {
    // Names are unique, so the longest matching name is the only candidate of its length.
    std::size_t laenge = std::min(laengster_name_, text.size());
    for (std::size_t i = 0; i < laenge; ++i)
        if (!namenszeichen_[static_cast<unsigned char>(text[i])]) laenge = i;
    for (std::size_t n = laenge; n > 0; --n) {
        if (klammer && (n >= text.size() || text[n] != '(')) continue;
        const auto it = index_.find(text.substr(0, n));
        if (it != index_.end()) return eintraege_[static_cast<std::size_t>(it->second)].get();
    }
    return nullptr;
}

// A formula may use a cell only if that cell does not, through any chain of definitions, use
// the formula's own cell: otherwise evaluating either would never end.
bool Tfktbaum::erzeugt_zyklus(Tfktzelle* ziel, const tfunktion& programm) {
    const std::uint64_t runde = ++besuchsrunde_;
    std::vector<Tfktzelle*> offen(programm.verweise().begin(), programm.verweise().end());
    while (!offen.empty()) {
        Tfktzelle* z = offen.back();
        offen.pop_back();
        if (z == ziel) return true;
        if (z->besuch_ == runde) continue;
        z->besuch_ = runde;
        if (z->funktion)
            offen.insert(offen.end(), z->funktion->verweise().begin(),
                         z->funktion->verweise().end());
    }
    return false;
}

bool Tfktbaum::fktanalyse(std::string_view text) {
    if (text.size() > max_text) return false;
    std::string name, rechts, variable;
    if (!aufspalten(text, name, rechts, variable)) return false;
    if (name.empty() || name.size() > max_name || variable.size() > max_name) return false;

    Tfktzelle* zelle = nullptr;
    const int index = sucheeintrag(name);
    if (index >= 0) zelle = eintraege_[static_cast<std::size_t>(index)].get();
    const auto entfernt = entfernt_.empty() ? entfernt_.end() : entfernt_.find(name);

    auto programm = std::make_unique<tfunktion>(this);
    if (!programm->analyse(rechts, variable, name)) return false;
    // A brand-new name cannot be used by anyone yet; a known cell (in the table, or removed but
    // still used) can.
    Tfktzelle* bekannt =
        zelle ? zelle : (entfernt != entfernt_.end() ? entfernt->second.get() : nullptr);
    if (bekannt && erzeugt_zyklus(bekannt, *programm)) {
        melde(meldungen::rekursiv);
        return false;
    }

    if (zelle == nullptr) {
        std::unique_ptr<Tfktzelle> neu;
        if (entfernt != entfernt_.end()) {
            // Formulas that used the removed entry work again with the new definition.
            neu = std::move(entfernt->second);
            entfernt_.erase(entfernt);
        } else {
            neu = std::make_unique<Tfktzelle>();
        }
        neu->eingetragen_ = true;
        zelle = neu.get();
        index_[name] = static_cast<int>(eintraege_.size());
        eintraege_.push_back(std::move(neu));
        laengster_name_ = std::max(laengster_name_, name.size());
        for (const char c : name)
            namenszeichen_[static_cast<unsigned char>(c)] = true;
    }
    zelle->formeltext = std::string(text);
    zelle->name = std::move(name);
    zelle->variable = std::move(variable);
    zelle->funktion = std::move(programm);
    // Programs bind the cells they use when they are compiled, so a brand-new name changes no
    // value that is known; a redefinition may change any that depends on it.
    if (bekannt) ++generation_;
    return true;
}

bool Tfktbaum::definiere(std::string_view definition) {
    return fktanalyse(definition);
}

bool Tfktbaum::loesche_fkt(std::string_view name) {
    const int index = sucheeintrag(name);
    if (index < 0) return false;
    auto it = eintraege_.begin() + index;
    // Other formulas (and windows holding the cell) may still point at it: keep it alive, but
    // out of the table, until the table is emptied.
    std::unique_ptr<Tfktzelle> zelle = std::move(*it);
    eintraege_.erase(it);
    zelle->eingetragen_ = false;
    index_.erase(zelle->name);
    entfernt_[zelle->name] = std::move(zelle);
    ++generation_;
    // Only the entries behind the removed one move up.
    for (std::size_t i = static_cast<std::size_t>(index); i < eintraege_.size(); ++i)
        index_.find(eintraege_[i]->name)->second = static_cast<int>(i);
    return true;
}

void Tfktbaum::alle_loeschen() {
    eintraege_.clear();
    entfernt_.clear();
    index_.clear();
    laengster_name_ = 0;
    namenszeichen_.fill(false);
    ++generation_;
}

bool Tfktbaum::suchezeiger(std::string_view liste, std::size_t& pos, Tfktzelle*& zelle) {
    zelle = nullptr;
    if (pos == std::string_view::npos || pos > liste.size()) return false;
    const std::size_t semikolon = liste.find(';', pos);
    const std::string_view item = liste.substr(
        pos, semikolon == std::string_view::npos ? std::string_view::npos : semikolon - pos);
    std::string name, rechts, variable;
    if (!aufspalten2(item, name, rechts, variable)) return false;
    if (!rechts.empty() && !fktanalyse(item)) return false;
    const int index = sucheeintrag(name);
    if (index < 0) return false;
    zelle = eintraege_[static_cast<std::size_t>(index)].get();
    if (semikolon == std::string_view::npos || semikolon + 1 >= liste.size())
        pos = std::string_view::npos;
    else
        pos = semikolon + 1;
    return true;
}

bool Tfktbaum::suchezeigerstr(std::string_view item, Tfktzelle*& zelle) {
    std::size_t pos = 0;
    return suchezeiger(item, pos, zelle);
}

bool Tfktbaum::fktberechnen(std::string_view name, long double x, long double& wert) const {
    wert = 0;
    const int index = sucheeintrag(name);
    if (index < 0) return false;
    return eintraege_[static_cast<std::size_t>(index)]->funktion->funktionsberechnung(x, wert);
}

bool Tfktbaum::untersuche(std::string& text, long double& wert) {
    wert = 0;
    std::string name, rechts, variable;
    if (!aufspalten(text, name, rechts, variable)) return false;
    if (rechts.empty()) {
        tfunktion programm(this);
        if (!programm.analyse(text.substr(0, text.size() - 1), "", "")) return false;
        if (!programm.funktionsberechnung(0, wert)) return false;
        text = format("#.##e+##", wert);
        return true;
    }
    if (!fktanalyse(text)) return false;
    text.clear();
    return true;
}

} // namespace zol
