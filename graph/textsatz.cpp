#include "graph/textsatz.h"

#include "engine/hilfen.h"
#include "engine/zahlwert.h"
#include "graph/symbolschrift.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace zol {

namespace {

// Deeper nesting is written as plain text: every drawing ends, whatever the text.
constexpr int max_tiefe = 32;
// Positions beyond 100 m and sizes beyond 300 points are cut; they mean nothing on a page.
constexpr double max_position_mm = 100000.0;
constexpr int max_groesse = 300;
// Families tried for Symbol font characters that the chosen font lacks.
const QString ersatz_symbolfamilie = QStringLiteral("DejaVu Sans");
const QString symbolname = QStringLiteral("Symbol");

bool ist_symbolname(const QString& name) {
    return name.compare(symbolname, Qt::CaseInsensitive) == 0;
}

bool lies_zahl(QStringView text, double& zahl) {
    long double wert = 0;
    if (!zahlwert(leerzeichenweg(text.toString().toStdString()), wert)) return false;
    if (!std::isfinite(static_cast<double>(wert))) return false;
    zahl = static_cast<double>(wert);
    return true;
}

QPointF drehe(QPointF p, QPointF mitte, double winkel_grad) {
    const double r = winkel_grad * 3.14159265358979323846 / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    const double dx = p.x() - mitte.x(), dy = p.y() - mitte.y();
    // Counter-clockwise as seen, with y downward.
    return {mitte.x() + dx * c + dy * s, mitte.y() - dx * s + dy * c};
}

struct Schriftmass {
    QFont schrift;
    QFontMetricsF mass;
};

class Setzer {
public:
    Setzer(const Satzvorgaben& v, Textsatz& satz)
        : v_(v), satz_(satz), aus_(&satz.elemente), standardname_(v.grundschrift.family()),
          name_(standardname_), groesse_(std::clamp(v.groesse, 1, max_groesse)) {
        const Schriftmass& m = schrift(standardname_, groesse_, false);
        satz_.h = m.mass.height();
        satz_.w = m.mass.horizontalAdvance(QLatin1Char('M'));
        h_ = satz_.h;
        w_ = satz_.w;
    }

    double px = 0; // pen position: x, and the top of level 0 (y downward)
    double py = 0;

    void zeile(QStringView text) { abschnitt(text, 0); }

private:
    const Satzvorgaben& v_;
    Textsatz& satz_;
    std::vector<Satzelement>* aus_;
    QString standardname_;
    QString name_;
    int groesse_;
    double h_ = 0;
    double w_ = 0;
    int tiefe_ = 0;
    std::map<std::tuple<QString, int, bool>, Schriftmass> schriften_;

    bool textform() const { return v_.dialekt == Textdialekt::textform; }
    double oben(int ebene) const { return py - h_ * ebene / 2.0; }
    int kleiner(int groesse) const {
        return std::max(1, textform() ? groesse * 2 / 3 : groesse / 2);
    }

    const Schriftmass& schrift(const QString& name, int groesse, bool symbol) {
        auto schluessel = std::make_tuple(name, groesse, symbol);
        auto it = schriften_.find(schluessel);
        if (it == schriften_.end()) {
            QFont f = satzschrift(v_.grundschrift, name, groesse, v_.einheiten_je_punkt);
            if (symbol) f.setFamilies(QStringList{name, ersatz_symbolfamilie});
            it = schriften_.emplace(schluessel, Schriftmass{f, QFontMetricsF(f)}).first;
        }
        return it->second;
    }

    // Writes text at the pen on the given level and moves the pen past it.
    void schreibe(const QString& text, int ebene, double hoeher = 0, bool symbol = false) {
        if (text.isEmpty()) return;
        const bool symbolschrift = symbol || ist_symbolname(name_);
        QString familie = symbolschrift ? standardname_ : name_;
        if (symbolschrift && ist_symbolname(familie)) familie = ersatz_symbolfamilie;
        const Schriftmass& m = schrift(familie, groesse_, symbolschrift);
        Satzelement e;
        e.art = Satzelement::text;
        e.inhalt = symbolschrift && !symbol ? symboltext(text) : text;
        e.symbol = symbolschrift;
        e.schrift = m.schrift;
        // The control raises Symbol font text, which sits low in its line.
        e.a = QPointF(px, oben(ebene) - hoeher - (symbolschrift && textform() ? 3.0 : 0.0));
        px += m.mass.horizontalAdvance(e.inhalt);
        aus_->push_back(std::move(e));
    }

    void strich(QPointF a, QPointF b) {
        Satzelement e;
        e.art = Satzelement::strich;
        e.a = a;
        e.b = b;
        aus_->push_back(std::move(e));
    }

    // The arguments of a command whose "(" stands at auf: split at the first anzahl - 1
    // semicolons outside inner parentheses; without its ")" the command takes the rest.
    static std::vector<QStringView> argumente(QStringView s, qsizetype auf, int anzahl,
                                              qsizetype& weiter) {
        std::vector<QStringView> args;
        qsizetype anfang = auf + 1, k = anfang;
        int tiefe = 0;
        for (; k < s.size(); ++k) {
            const QChar c = s[k];
            if (c == u'(') {
                ++tiefe;
            } else if (c == u')') {
                if (tiefe == 0) break;
                --tiefe;
            } else if (c == u';' && tiefe == 0 && static_cast<int>(args.size()) + 1 < anzahl) {
                args.push_back(s.mid(anfang, k - anfang));
                anfang = k + 1;
            }
        }
        args.push_back(s.mid(anfang, k - anfang));
        while (static_cast<int>(args.size()) < anzahl)
            args.push_back(QStringView());
        weiter = k < s.size() ? k + 1 : s.size();
        return args;
    }

    // Lays out a whole argument into a separate list (for rotation).
    std::vector<Satzelement> abseits(QStringView text, int ebene) {
        std::vector<Satzelement> teil;
        std::vector<Satzelement>* vorher = aus_;
        aus_ = &teil;
        abschnitt(text, ebene);
        aus_ = vorher;
        return teil;
    }

    void abschnitt(QStringView s, int ebene) {
        ++tiefe_;
        QString klartext;
        qsizetype i = 0;
        while (i < s.size()) {
            if (s[i] != u'\\' || tiefe_ > max_tiefe) {
                klartext += s[i++];
                continue;
            }
            const qsizetype nach = befehl(s, i, ebene, klartext);
            i = nach;
        }
        schreibe(klartext, ebene);
        --tiefe_;
    }

    // Handles the "\" at position i; returns the position after the command. Plain text that
    // the command leaves (an unknown command) goes to klartext.
    qsizetype befehl(QStringView s, qsizetype i, int ebene, QString& klartext) {
        const QChar c = i + 1 < s.size() ? s[i + 1] : QChar();
        const bool klammer = i + 2 < s.size() && s[i + 2] == u'(';
        const QStringView ohne_arg_textform = u"mSI";
        const QStringView mit_arg = textform() ? QStringView(u"fzrwcvudht") : u"pkfwrvcdu";
        if (!textform() && c == u'F' && i + 3 < s.size() &&
            (s[i + 2] == u'n' || s[i + 2] == u's') && s[i + 3] == u'(') {
            schreibe(klartext, ebene);
            klartext.clear();
            qsizetype weiter = 0;
            const auto args = argumente(s, i + 3, 1, weiter);
            if (s[i + 2] == u'n') {
                const QString name = args[0].trimmed().toString();
                name_ = name.isEmpty() ? standardname_ : name;
            } else {
                double n = 0;
                if (lies_zahl(args[0], n))
                    groesse_ =
                        static_cast<int>(std::clamp(std::round(n), 1.0, double(max_groesse)));
            }
            return weiter;
        }
        const bool ohne_arg = c == u'm' || (textform() && ohne_arg_textform.contains(c));
        if (!c.isNull() && (ohne_arg || (klammer && mit_arg.contains(c)))) {
            schreibe(klartext, ebene);
            klartext.clear();
            if (ohne_arg) {
                einfach(c, ebene);
                return i + 2;
            }
            qsizetype weiter = 0;
            const int anzahl = (c == u'p' || c == u'k' || c == u'f' || c == u'z') ? 2 : 1;
            const auto args = argumente(s, i + 2, anzahl, weiter);
            mit_argumenten(c, args, ebene);
            return weiter;
        }
        // Not a command: on a page the backslash is written; the control drops it and writes
        // the next character as it is.
        if (textform()) {
            if (i + 1 < s.size()) klartext += s[i + 1];
            return std::min(i + 2, s.size());
        }
        klartext += u'\\';
        return i + 1;
    }

    void einfach(QChar c, int ebene) {
        if (c == u'm') {
            Satzelement e;
            e.art = Satzelement::punkt;
            e.a = QPointF(px + w_ / 2.0, oben(ebene) + h_ / 2.0);
            e.b = QPointF(textform() ? 2.0 : 4.0, 0.0);
            aus_->push_back(std::move(e));
            px += w_;
        } else if (c == u'S') {
            schreibe(QString(QChar(summenzeichen)), ebene, 0, true);
        } else if (c == u'I') {
            schreibe(QString(QChar(symbolzeichen(symbol_integral))), ebene, 0, true);
        }
    }

    void mit_argumenten(QChar c, const std::vector<QStringView>& args, int ebene) {
        switch (c.unicode()) {
        case u'p': {
            double x = 0, y = 0;
            if (lies_zahl(args[0], x) && lies_zahl(args[1], y)) {
                px = std::clamp(x, -max_position_mm, max_position_mm) * 10.0;
                py = std::clamp(y, -max_position_mm, max_position_mm) * 10.0;
            }
            break;
        }
        case u'k': {
            double winkel = 0;
            if (!lies_zahl(args[0], winkel)) winkel = 0;
            winkel = std::fmod(std::round(winkel * 10.0) / 10.0, 360.0);
            const QPointF mitte(px, oben(ebene));
            std::vector<Satzelement> teil = abseits(args[1], ebene);
            for (Satzelement& e : teil) {
                e.a = drehe(e.a, mitte, winkel);
                if (e.art == Satzelement::strich) e.b = drehe(e.b, mitte, winkel);
                if (e.art == Satzelement::text) e.winkel += winkel;
                aus_->push_back(std::move(e));
            }
            break;
        }
        case u'f':
        case u'z':
            bruch(args[0], args[1], ebene, c == u'f');
            break;
        case u'w': {
            const double sx = px, top = oben(ebene);
            px = sx + w_;
            abschnitt(args[0], ebene);
            const double ende = px;
            strich({sx, top}, {sx + w_ / 4.0, top + h_});
            strich({sx + w_ / 4.0, top + h_}, {sx + w_ / 2.0, top - h_ / 2.0});
            strich({sx + w_ / 2.0, top - h_ / 2.0}, {ende, top - h_ / 2.0});
            break;
        }
        case u'r': {
            const double top = oben(ebene);
            schreibe(QString(QChar(symbolzeichen(symbol_wurzel))), ebene, 0, true);
            const double anfang = px;
            abschnitt(args[0], ebene);
            strich({anfang, top}, {px, top});
            name_ = standardname_;
            break;
        }
        case u'v': {
            const double sx = px;
            schreibe(QString(QChar(symbolzeichen(symbol_pfeil))), ebene, 4.0 * h_ / 6.0, true);
            px = sx;
            abschnitt(args[0], ebene);
            name_ = standardname_;
            break;
        }
        case u'c':
            name_ = symbolname;
            abschnitt(args[0], ebene);
            name_ = standardname_;
            break;
        case u'd':
        case u'u': {
            const int vorher = groesse_;
            groesse_ = kleiner(groesse_);
            abschnitt(args[0], c == u'd' ? ebene - 1 : ebene);
            groesse_ = vorher;
            break;
        }
        case u'h':
        case u't': {
            // Limits: written above or below without moving the pen.
            const int vorher = groesse_;
            const double sx = px, sy = py;
            groesse_ = kleiner(groesse_);
            py = c == u'h' ? sy - 4.0 * h_ / 6.0 : sy + h_;
            abschnitt(args[0], ebene);
            groesse_ = vorher;
            px = sx;
            py = sy;
            break;
        }
        default:
            break;
        }
    }

    // Numerator one level up, denominator one level down; fractions exist on the levels -1,
    // 0 and 1 only, deeper ones are set on the nearest of these.
    void bruch(QStringView zaehler, QStringView nenner, int ebene, bool mit_strich) {
        const int e = std::clamp(ebene, -1, 1);
        const int oben_ebene = e == 0 ? 1 : (e == 1 ? 3 : -1);
        const int unten_ebene = oben_ebene - 2;
        const double sx = px, sy = py;
        abschnitt(zaehler, oben_ebene);
        const double ende_zaehler = px;
        px = sx;
        py = sy;
        abschnitt(nenner, unten_ebene);
        const double ende = std::max(ende_zaehler, px);
        if (mit_strich) {
            const double y = sy - h_ * unten_ebene / 2.0;
            strich({sx, y}, {ende, y});
        }
        px = ende;
    }
};

} // namespace

QFont satzschrift(const QFont& grund, const QString& name, int groesse, double einheiten_je_punkt) {
    QFont f(grund);
    f.setFamily(name);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(groesse * einheiten_je_punkt))));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

Textsatz setze_text(const std::vector<QString>& zeilen, QPointF start, const Satzvorgaben& v) {
    Textsatz satz;
    Setzer setzer(v, satz);
    setzer.px = start.x();
    setzer.py = start.y();
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            setzer.px = start.x() + satz.w;
            setzer.py += 2.0 * satz.h;
        }
        setzer.zeile(zeilen[i]);
    }
    satz.ende = QPointF(setzer.px, setzer.py);
    return satz;
}

} // namespace zol
