#include "shell/dienste/meldungsdienst.h"

#include "engine/meldung.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace zol {

namespace {

Meldungsdienst*& eingesetzt() {
    static Meldungsdienst* dienst = nullptr;
    return dienst;
}

QString titel() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Mathematik ZOL") : name;
}

QWidget* fenster(QWidget* eltern) {
    return eltern ? eltern : QApplication::activeWindow();
}

} // namespace

Meldungsdienst& Meldungsdienst::aktuell() {
    static Standardmeldungsdienst standard;
    return eingesetzt() ? *eingesetzt() : standard;
}

Meldungsdienst* Meldungsdienst::einsetzen(Meldungsdienst* dienst) {
    return std::exchange(eingesetzt(), dienst);
}

void Standardmeldungsdienst::warnung(QWidget* eltern, const QString& text) {
    QMessageBox::warning(fenster(eltern), titel(), text);
}

void Standardmeldungsdienst::information(QWidget* eltern, const QString& text) {
    QMessageBox::information(fenster(eltern), titel(), text);
}

bool Standardmeldungsdienst::frage(QWidget* eltern, const QString& text) {
    return QMessageBox::question(fenster(eltern), titel(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Meldungsdienst::Antwort Standardmeldungsdienst::frageMitAbbruch(QWidget* eltern,
                                                                const QString& text) {
    switch (QMessageBox::question(fenster(eltern), titel(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Antwort::ja;
    case QMessageBox::No:
        return Antwort::nein;
    default:
        return Antwort::abbrechen;
    }
}

QString Standardmeldungsdienst::datei_oeffnen(QWidget* eltern, const QString& titel,
                                              const QStringList& filter, const QString& endung) {
    QFileDialog dialog(fenster(eltern), titel);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(endung);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString Standardmeldungsdienst::datei_speichern(QWidget* eltern, const QString& titel,
                                                const QStringList& filter, const QString& endung,
                                                const QString& vorschlag) {
    QFileDialog dialog(fenster(eltern), titel);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(endung);
    if (!vorschlag.isEmpty()) dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void meldung(const QString& text, QWidget* eltern) {
    Meldungsdienst::aktuell().warnung(eltern, text);
}

void hinweis(const QString& text, QWidget* eltern) {
    Meldungsdienst::aktuell().information(eltern, text);
}

bool frage(const QString& text, QWidget* eltern) {
    return Meldungsdienst::aktuell().frage(eltern, text);
}

void engine_meldungen_anzeigen() {
    setze_meldungsempfaenger(
        [](const std::string& text) { meldung(QString::fromStdString(text)); });
}

} // namespace zol
