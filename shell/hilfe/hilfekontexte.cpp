#include "shell/hilfe/hilfekontexte.h"

namespace zol {

const std::vector<Hilfekontext>& hilfekontexte() {
    static const std::vector<Hilfekontext> tabelle = {
        {hilfekontext_inhalt, "inhalt.html"},
        // Shell windows and dialogs
        {120, "projektformeln.html"},
        {140, "rechnen.html"},
        {150, "zahlenformat.html"},
        {170, "tabellenkalkulation.html"},
        // Functions
        {90, "funktionen.html#wertetabelle"},
        {145, "funktionen.html#zeichnen"},
        {195, "funktionen.html#diskussion"},
        {200, "zweifunktionen.html"},
        {210, "symbolisch.html"},
        {220, "tangente.html"},
        {225, "polynome.html"},
        {230, "gebrochen.html"},
        // Algebra
        {310, "bruchrechnung.html"},
        {315, "komplex.html"},
        {330, "primzahlen.html"},
        {420, "zahlensysteme.html"},
        {425, "fraktale.html"},
        {460, "polynomrechnen.html"},
        // Plane geometry
        {237, "geraden_parabeln.html#gerade"},
        {240, "geraden_parabeln.html#parabel"},
        {275, "dreieck.html"},
        {400, "abbildungen.html"},
        {430, "vierecke.html"},
        {435, "vektoren_ebene.html"},
        {440, "geraden_parabeln.html#parabelgerade"},
        // Space geometry
        {280, "raumvektoren.html"},
        {285, "ebene.html"},
        {290, "ebene_ebene.html"},
        {295, "gerade_ebene.html"},
        {445, "punkt_gerade.html"},
        {450, "punkt_ebene.html"},
        {455, "gerade_gerade.html"},
        // Linear algebra and signals
        {245, "gleichungssystem.html"},
        {250, "determinanten.html"},
        {255, "interpolation.html"},
        {260, "matrizen.html"},
        {265, "fourieranalyse.html"},
        {270, "fft.html"},
        // Stochastics
        {235, "statistik.html"},
        {335, "kombinatorik.html"},
        {340, "binomial.html"},
    };
    return tabelle;
}

QString hilfeziel(int kontext) {
    for (const Hilfekontext& k : hilfekontexte())
        if (k.kontext == kontext) return QString::fromLatin1(k.ziel);
    return QStringLiteral("inhalt.html");
}

QUrl hilfeadresse(const QString& ziel) {
    return QUrl(QStringLiteral("qrc") + QLatin1String(hilfeordner) + QLatin1Char('/') + ziel);
}

} // namespace zol
