#include "shell/dienste/konsolenmeldungen.h"

#include <QStringList>

#include <ostream>

namespace zol {

Konsolenmeldungen::Konsolenmeldungen(std::ostream& aus) : aus_(aus), vorher_(einsetzen(this)) {}

Konsolenmeldungen::~Konsolenmeldungen() {
    einsetzen(vorher_);
}

void Konsolenmeldungen::warnung(QWidget*, const QString& text) {
    ++warnungen_;
    zeile("Meldung: ", text);
}

void Konsolenmeldungen::information(QWidget*, const QString& text) {
    zeile("Meldung: ", text);
}

bool Konsolenmeldungen::frage(QWidget*, const QString& text) {
    zeile("Frage: ", text + QStringLiteral(" -> Ja"));
    return true;
}

Meldungsdienst::Antwort Konsolenmeldungen::frageMitAbbruch(QWidget*, const QString& text) {
    zeile("Frage: ", text + QStringLiteral(" -> Nein"));
    return Antwort::nein;
}

QString Konsolenmeldungen::datei_oeffnen(QWidget*, const QString& titel, const QStringList&,
                                         const QString&) {
    zeile("Dateiauswahl abgebrochen: ", titel);
    return {};
}

QString Konsolenmeldungen::datei_speichern(QWidget*, const QString& titel, const QStringList&,
                                           const QString&, const QString&) {
    zeile("Dateiauswahl abgebrochen: ", titel);
    return {};
}

void Konsolenmeldungen::zeile(const char* vorsatz, const QString& text) {
    const QStringList teile = text.split(QLatin1Char('\n'));
    aus_ << vorsatz << teile.first().toStdString() << "\n";
    for (qsizetype i = 1; i < teile.size(); ++i)
        aus_ << "  " << teile[i].toStdString() << "\n";
}

} // namespace zol
