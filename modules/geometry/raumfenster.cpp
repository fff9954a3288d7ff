#include "modules/geometry/raumfenster.h"

#include "shell/eingabe/ergebnisfeld.h"

#include <QAction>
#include <QLabel>

namespace zol {

Traumfenster::Traumfenster(const QString& klasse, QWidget* eltern) : Tmodulfenster(klasse, eltern) {
    // Comment lines are no definitions; "Projekt-Formeln definieren" passes over them quietly.
    abgelehnteZeilenUebergehen(true);
}

void Traumfenster::raumrahmenAufbauen() {
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::hilfe, Befehl::hauptmenue});
    aktion(Befehl::ergebnisse_definieren)->setText(QStringLiteral("&Projekt-Formeln definieren"));
    setzeFormat(QStringLiteral("0.00"));
}

QLabel* Traumfenster::statuslabel(QWidget* eltern) {
    status_ = new QLabel(eltern);
    status_->setObjectName(QStringLiteral("Label1"));
    QFont schrift = status_->font();
    schrift.setBold(true);
    status_->setFont(schrift);
    QPalette farben = status_->palette();
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    status_->setPalette(farben);
    return status_;
}

void Traumfenster::ergebnisseVerwerfen() {
    Tmodulfenster::ergebnisseVerwerfen();
    for (QWidget* w : anzeigen_)
        if (auto* f = qobject_cast<Tergebnisfeld*>(w)) f->leeren();
}

bool Traumfenster::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    ergebnisseVerwerfen();
    if (status_) status_->clear();
    return true;
}

QStringList Traumfenster::ergebniszeilen() const {
    QStringList zeilen = zeilenBilden();
    zeilen.removeIf([](const QString& z) { return z.trimmed().isEmpty(); });
    return zeilen;
}

} // namespace zol
