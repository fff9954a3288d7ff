#pragma once
// Project files: the main window's settings, the project formulas and the list of open topic
// windows (each of which keeps its input in a file of its own), as INI text.
#include <QList>
#include <QString>

namespace zol {

class Inidatei;
class Tmodulfenster;

struct Fensterlage {
    bool sichtbar = false;
    int breite = 100, hoehe = 100, oben = 0, links = 0;
    int zustand = 0; // 0 normal, 1 minimised, 2 maximised
};

// The main window's side of a project. The main window implements it; tests use a small one.
class Projektumgebung {
public:
    virtual ~Projektumgebung() = default;
    virtual Fensterlage hauptfenster() const = 0;
    virtual void setzeHauptfenster(const Fensterlage& lage) = 0;
    virtual QString vorgabeformat() const = 0;
    virtual void setzeVorgabeformat(const QString& bild) = 0;
    virtual Fensterlage werkzeugfenster() const = 0;
    virtual void setzeWerkzeugfenster(const Fensterlage& lage) = 0;
    virtual Fensterlage anzeigefenster() const = 0;
    virtual void setzeAnzeigefenster(const Fensterlage& lage) = 0;
    // The open topic windows in the order they were opened.
    virtual QList<Tmodulfenster*> modulfenster() const = 0;
    // Creates a window of a kind (nullptr after telling the user when the kind is unknown or
    // not built); the project shows it once it is loaded.
    virtual Tmodulfenster* fensterErzeugen(int art) = 0;
};

class TWinRestorer {
public:
    // The project file; its extension becomes ".PRO".
    explicit TWinRestorer(const QString& datei);
    const QString& datei() const { return datei_; }

    // Writes the project; every window saves itself first (asking for a name if it has none).
    bool save(Projektumgebung& umgebung);
    // Reads the project into an emptied formula table and a main window without topic windows.
    // ohneNamen: a template was opened, so windows forget their files and show their kind name.
    bool restore(Projektumgebung& umgebung, bool ohneNamen = false);

private:
    QString datei_;
};

// Saves a window for the project projektdatei. A window without a file, or whose file lies in a
// program data folder other than the project's folder (the start-up project's or a template's),
// is asked for a name, proposed beside the project ("unterricht_diskussion.di1"). False when it
// was not saved; the project is then not written.
bool fenster_speichern(Tmodulfenster& fenster, const QString& projektdatei);

// The name a project in projektordner stores for a module file: relative to that folder when
// the file lies inside it (the project can move with its files), otherwise absolute.
QString modul_datei_eintrag(const QString& datei, const QString& projektordner);

// Where a module file of a project in projektordner is, as an absolute name: the name as stored
// (a relative one against the project's folder, then the program's data folders), else the bare
// name (after the last "\" or "/") in the project's folder and then in the current folder, as
// older projects expect; empty if nothing exists.
QString modul_datei_finden(const QString& gespeichert, const QString& projektordner);

} // namespace zol
