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

    // An information box with an OK button.
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
    void information(QWidget* eltern, const QString& text) override;
    bool frage(QWidget* eltern, const QString& text) override;
    Antwort frageMitAbbruch(QWidget* eltern, const QString& text) override;
    QString datei_oeffnen(QWidget* eltern, const QString& titel, const QStringList& filter,
                          const QString& endung) override;
    QString datei_speichern(QWidget* eltern, const QString& titel, const QStringList& filter,
                            const QString& endung, const QString& vorschlag) override;
};

// Short forms for the service in force.
void meldung(const QString& text, QWidget* eltern = nullptr);
bool frage(const QString& text, QWidget* eltern = nullptr);

// Lets the engine's messages (a refused recursive definition) appear as information boxes.
void engine_meldungen_anzeigen();

} // namespace zol
