#pragma once
// The message service of the modes without a display (batch, picture export): messages become
// output lines, questions are answered "Ja", file dialogs are cancelled. It is in force while
// the object lives.
#include "shell/dienste/meldungsdienst.h"

#include <iosfwd>

namespace zol {

class Konsolenmeldungen : public Meldungsdienst {
public:
    explicit Konsolenmeldungen(std::ostream& aus);
    ~Konsolenmeldungen() override;
    Konsolenmeldungen(const Konsolenmeldungen&) = delete;
    Konsolenmeldungen& operator=(const Konsolenmeldungen&) = delete;

    // Warnings and information read alike on the console.
    void warnung(QWidget*, const QString& text) override;
    void information(QWidget*, const QString& text) override;
    bool frage(QWidget*, const QString& text) override;
    // Nothing is saved on its own in batch mode: "Nein".
    Antwort frageMitAbbruch(QWidget*, const QString& text) override;
    QString datei_oeffnen(QWidget*, const QString& titel, const QStringList&,
                          const QString&) override;
    QString datei_speichern(QWidget*, const QString& titel, const QStringList&, const QString&,
                            const QString&) override;

    // Warnings shown so far: an error or a refusal happened.
    int warnungen() const { return warnungen_; }

private:
    int warnungen_ = 0;
    // "Meldung: TEXT", further lines of the text indented.
    void zeile(const char* vorsatz, const QString& text);
    std::ostream& aus_;
    Meldungsdienst* vorher_;
};

} // namespace zol
