#pragma once
// Every message box and file dialog of the program goes through one service, so tests can put
// a recording replacement in its place and never block on a modal box.
#include <QString>
#include <QStringList>

class QWidget;

namespace zol {

class Meldungsdienst {
public:
    virtual ~Meldungsdienst() = default;

    // A box with an OK button: warnung for an error or a refusal (warning icon), information
    // for a confirmation or a plain notice (information icon).
    virtual void warnung(QWidget* eltern, const QString& text) = 0;
    virtual void information(QWidget* eltern, const QString& text) = 0;
    // A question with "Ja" and "Nein"; true for "Ja".
    virtual bool frage(QWidget* eltern, const QString& text) = 0;
    // A question with "Ja", "Nein" and "Abbrechen" (saving changes before they are discarded).
    enum class Antwort { ja, nein, abbrechen };
    virtual Antwort frageMitAbbruch(QWidget* eltern, const QString& text) = 0;
    // File dialogs; filter entries in Qt's form ("Formeln (*.for)"), the default extension
    // without its dot. An empty result means cancelled.
    virtual QString datei_oeffnen(QWidget* eltern, const QString& titel, const QStringList& filter,
                                  const QString& endung) = 0;
    virtual QString datei_speichern(QWidget* eltern, const QString& titel,
                                    const QStringList& filter, const QString& endung,
                                    const QString& vorschlag = {}) = 0;

    // The service in force: the standard one (real dialogs) unless another was installed.
    static Meldungsdienst& aktuell();
    // Installs a service (nullptr: the standard one again) and returns the previous one.
    static Meldungsdienst* einsetzen(Meldungsdienst* dienst);
};

// The real dialogs.
class Standardmeldungsdienst : public Meldungsdienst {
public:
    void warnung(QWidget* eltern, const QString& text) override;
    void information(QWidget* eltern, const QString& text) override;
    bool frage(QWidget* eltern, const QString& text) override;
    Antwort frageMitAbbruch(QWidget* eltern, const QString& text) override;
    QString datei_oeffnen(QWidget* eltern, const QString& titel, const QStringList& filter,
                          const QString& endung) override;
    QString datei_speichern(QWidget* eltern, const QString& titel, const QStringList& filter,
                            const QString& endung, const QString& vorschlag) override;
};

// Short forms for the service in force: meldung tells of an error (nearly every message does),
// hinweis confirms or informs.
void meldung(const QString& text, QWidget* eltern = nullptr);
void hinweis(const QString& text, QWidget* eltern = nullptr);
bool frage(const QString& text, QWidget* eltern = nullptr);

// Lets the engine's messages (a refused recursive definition) appear as warnings.
void engine_meldungen_anzeigen();

} // namespace zol
