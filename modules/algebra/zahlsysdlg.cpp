#include "modules/algebra/zahlsysdlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/grafik/ttxtshape.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace zol {

namespace {

constexpr Zahlensystem systeme[] = {Zahlensystem::dezimal, Zahlensystem::dual,
                                    Zahlensystem::hexadezimal, Zahlensystem::basis,
                                    Zahlensystem::roemisch};

// A base from a drop-down; one that a foreign file left unreadable counts as 8.
int basis_aus(const QComboBox& auswahl) {
    bool ok = false;
    const int b = auswahl.currentText().toInt(&ok);
    return ok && b >= 2 && b <= 16 ? b : 8;
}

} // namespace

QList<QWidget*> Tzahlsysdlg::ergebnisanzeigen() const {
    return {txtshape[0], txtshape[1], txtshape[2], Label[3], txtshape[3], txtshape[4], Memo1};
}

bool Tzahlsysdlg::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut && (objekt == Edit1 || objekt == Edit2)) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            zahlZeigen(objekt == Edit1 ? 1 : 2);
    }
    return Tmodulfenster::eventFilter(objekt, ereignis);
}

int Tzahlsysdlg::basis() const {
    return basis_aus(*ComboBox1);
}

int Tzahlsysdlg::basis(int operand) const {
    return basis_aus(operand == 1 ? *ComboBox1 : *ComboBox2);
}

Zahlensystem Tzahlsysdlg::system(int operand) const {
    const std::size_t erster = operand == 1 ? 0 : 5;
    for (std::size_t i = 0; i < 5; ++i)
        if (RadioButton[erster + i]->isChecked()) return systeme[i];
    return Zahlensystem::dezimal;
}

void Tzahlsysdlg::setzeSystem(int operand, Zahlensystem s) {
    const std::size_t erster = operand == 1 ? 0 : 5;
    RadioButton[erster + static_cast<std::size_t>(s)]->setChecked(true);
}

void Tzahlsysdlg::captionAnpassen() {
    Label[3]->setText(QStringLiteral("Basis %1").arg(basis()));
}

std::int32_t Tzahlsysdlg::lesen(int operand) {
    const QLineEdit* feld = operand == 1 ? Edit1 : Edit2;
    Lesefehler fehler = Lesefehler::keiner;
    const std::int32_t wert =
        zahl_lesen(feld->text().toStdString(), system(operand), basis(operand), fehler);
    if (fehler != Lesefehler::keiner) meldung(QString::fromStdString(lesefehlertext(fehler)), this);
    return wert;
}

void Tzahlsysdlg::zahlZeigen(int operand) {
    const std::int32_t wert = lesen(operand);
    for (std::size_t i = 0; i < 5; ++i)
        txtshape[i]->setText(QString::fromStdString(zahl_text(wert, systeme[i], basis())));
}

void Tzahlsysdlg::rechnen(Rechenart art) {
    const std::int32_t z1 = lesen(1);
    const std::int32_t z2 = lesen(2);
    Rechenergebnis r;
    std::string fehler;
    if (!zol::rechnen(art, z1, z2, r, fehler)) {
        meldung(QString::fromStdString(fehler), this);
        return;
    }
    ergebnis_ = r.wert;
    for (std::size_t i = 0; i < 5; ++i)
        txtshape[i]->setText(
            QString::fromStdString(gleichung(z1, z2, art, r, systeme[i], basis())));
}

// Roman numerals cannot hold every result: 0 and values from 4000 on go in as a decimal number,
// and the operand switches to "Dezimal", so the field always reads back as the result.
void Tzahlsysdlg::ergebnisUebernehmen(int operand) {
    Zahlensystem s = system(operand);
    if (s == Zahlensystem::roemisch && (ergebnis_ < 1 || ergebnis_ > 3999)) {
        s = Zahlensystem::dezimal;
        setzeSystem(operand, s);
    }
    (operand == 1 ? Edit1 : Edit2)
        ->setText(QString::fromStdString(zahl_text(ergebnis_, s, basis(operand))));
}

void Tzahlsysdlg::tabelle() {
    const std::int32_t von = lesen(1);
    const std::int32_t bis = lesen(2);
    const Umrechnungstabelle t = umrechnungstabelle(von, bis, basis());
    // One text, set once: line by line the memo would lay out every line anew.
    std::string text;
    text.reserve(t.zeilen.size() * 48);
    for (const std::string& z : t.zeilen) {
        if (!text.empty()) text += '\n';
        text += z;
    }
    Memo1->setPlainText(QString::fromStdString(text));
    if (t.gekappt) hinweis(QString::fromStdString(kappungsmeldung()), this);
}

void zahlensysteme_registrieren() {
    fensterart_registrieren(QStringLiteral("Tzahlsysdlg"), [] { return new Tzahlsysdlg; });
}

} // namespace zol
