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
        {200, "funktionen.html#diskussion2"},
        {210, "funktionen.html#symbolisch"},
        {220, "funktionen.html#tangente"},
        {225, "funktionen.html#polynom"},
        {230, "funktionen.html#gebrochen"},
        // Algebra
        {310, "bruchrechnung.html"},
        {315, "komplex.html"},
        {330, "primzahlen.html"},
        {420, "zahlensysteme.html"},
        {425, "fraktale.html"},
        {460, "algebra.html#polynomrechnen"},
        // Plane geometry
        {237, "geometrie_ebene.html#gerade"},
        {240, "geometrie_ebene.html#parabel"},
        {275, "geometrie_ebene.html#dreieck"},
        {400, "geometrie_ebene.html#abbildungen"},
        {430, "geometrie_ebene.html#vierecke"},
        {435, "geometrie_ebene.html#vektoren"},
        {440, "geometrie_ebene.html#parabelgerade"},
        // Space geometry
        {280, "geometrie_raum.html#vektoren"},
        {285, "geometrie_raum.html#ebene"},
        {290, "geometrie_raum.html#ebeneebene"},
        {295, "geometrie_raum.html#geradeebene"},
        {445, "geometrie_raum.html#punktgerade"},
        {450, "geometrie_raum.html#punktebene"},
        {455, "geometrie_raum.html#geradegerade"},
        // Linear algebra and signals
        {245, "daten.html#gleichungssystem"},
        {250, "daten.html#determinanten"},
        {255, "daten.html#interpolation"},
        {260, "daten.html#matrizen"},
        {265, "fourieranalyse.html"},
        {270, "fft.html"},
        // Stochastics
        {235, "stochastik.html#statistik"},
        {335, "stochastik.html#kombinatorik"},
        {340, "stochastik.html#binomial"},
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
