#pragma once
// The frame every topic window shares: standard menus and tool bar built from the commands the
// window offers, data files with their marker line and number format, the grid-aware clipboard,
// printing, help, number format, project formulas and the hand-overs to other windows.
//
// A topic window derives from Tmodulfenster, builds its controls, registers the ones to save in
// a fixed order (komponente), names the frame commands it offers (rahmen_aufbauen) and
// implements its own computation (rechne, zeichnen).
#include "shell/rahmen/befehle.h"
#include "shell/rahmen/fensterarten.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;

namespace zol {

class TStringGrid;

class Tmodulfenster : public QMainWindow {
    Q_OBJECT
public:
    // klasse names the window's kind in the window table ("TEditForm", "Twertedlg" ...).
    explicit Tmodulfenster(const QString& klasse, QWidget* eltern = nullptr);
    ~Tmodulfenster() override;

    const Fensterart& art() const { return *art_; }
    // Every topic window alive, in the order they were created.
    static QList<Tmodulfenster*> alleFenster();

    // The window's number format picture, data file and angle unit.
    QString format() const { return format_; }
    void setzeFormat(const QString& bild);
    QString dateiname() const { return dateiname_; }
    void setzeDateiname(const QString& datei);
    int winkelmodus = 1;

    // The action of a frame command (created on first use, so windows may place it anywhere).
    QAction* aktion(Befehl befehl);
    bool bietet(Befehl befehl) const { return angebot_.contains(befehl); }
    void ausfuehren(Befehl befehl);

    // Data files. Every save writes a temporary file and renames it; a failed save leaves the old
    // file intact, the window's file name and title as they were, and tells the user. Loading
    // changes nothing unless the marker line matches.
    bool speichern();
    // The dialog's title names the window; it proposes vorschlag (a full path), else the
    // window's file name.
    bool speichernUnter(const QString& vorschlag = {});
    // A file name for this window inside a project: beside the project file, named after the
    // project and the window ("unterricht_diskussion.di1").
    QString dateivorschlag(const QString& projektdatei) const;

    // Changed since it was created, loaded or saved: the user typed into an input, pasted into
    // it or chose another option. A computation alone changes nothing.
    bool geaendert() const;
    void setzeGeaendert(bool geaendert);
    // Whether the window would now write something else to its file than it loaded from it or
    // last saved to it: inputs, results, settings or entries, whatever changed them (its place
    // on the screen does not count). A window remembers that state when it is opened from a
    // file, saved, or told to (standMerken, after a project loaded it); one that never was, or
    // has no file, counts as changed. Saving a project writes only such windows, so a file that
    // did not change stays as it is, byte for byte.
    bool standGeaendert();
    void standMerken();
    // Closing a changed window asks whether to save it, unless it was opened by the demo or
    // questions are off altogether (batch mode).
    void setzeOhneNachfrage(bool an) { ohneNachfrage_ = an; }
    bool mitNachfrage() const;
    static void nachfragenAbschalten(bool aus);
    // Closes the window without asking (the caller has asked already).
    void schliessenOhneNachfrage();
    virtual bool laden(const QString& datei);
    virtual bool inDateiSchreiben(const QString& datei);
    void oeffnen();

    // File dialog filters; by default the window table's.
    virtual QStringList oeffnenFilter() const { return art_->filter; }
    virtual QStringList speichernFilter() const { return art_->filter; }

    // The window's own work.
    virtual void neu();
    virtual void rechne() {}
    virtual void zeichnen() {}

    // Main output, used by clipboard, spreadsheet, calculation window and formula commands.
    virtual TStringGrid* ergebnisgitter() const { return nullptr; }
    virtual QPlainTextEdit* ergebnismemo() const { return nullptr; }
    // Windows whose results are edit fields list them here, in order; they then stand for the
    // memo in "Ergebnisse definieren" and "Rechnenfenster".
    virtual QList<QLineEdit*> ergebnisfelder() const { return {}; }
    // The result lines those commands take: the non-empty texts of the result fields, or else
    // the non-empty lines of the result memo. Windows whose lines are built from their result
    // fields ("abstand=0,75" rather than a bare number) give them here.
    virtual QStringList ergebniszeilen() const;
    // Empties every result control (grid down to its fixed rows, memo, result fields), so that
    // after a failed computation nothing of an earlier one is shown or handed on.
    virtual void ergebnisseVerwerfen();
    // What batch mode prints after the commands ran; by default the main output.
    virtual QList<QWidget*> ergebnisanzeigen() const;
    // Commands of the window's own (beside the frame's), by name, for batch mode.
    virtual QList<QAction*> fensterbefehle() const { return eigeneBefehle_; }
    // A command, the frame's or the window's own, by its object name, by its caption with or
    // without "&" and "..." ("Rechne", "Programm starten") or by the face of its tool button
    // ("+", ">B1"); nullptr when the window has none of that name.
    QAction* befehlNachName(const QString& name);
    // The same, but only a command that computes or draws: the frame's "Rechne", "Zeichnen" and
    // "Tabellenkalkulation", the window's own commands of those names or "Aktualisieren", and
    // its own commands in its "Rechne" menu or on its red operation buttons. These are what a project file may run on opening; nothing that saves,
    // prints, asks for a file or touches the clipboard.
    QAction* rechenbefehl(const QString& name);

    // Controls saved in the data file, in the order they are written and read.
    const QList<QWidget*>& komponenten() const { return komponenten_; }

    // The grid-aware clipboard commands on the focused control (or on the given one).
    // Windows whose grid grows on paste (the spreadsheet) override it.
    virtual void zwischenablage(Befehl befehl, QWidget* ziel = nullptr);

protected:
    // After a file was read: unchanged, or changed with a message when the file was cut short
    // (componentenladen returned false).
    void nachDemLaden(bool vollstaendig);
    // "Drucken": the window's client area as an image on one page.
    virtual void drucken();
    // Builds menus and tool bar from the offered commands, in the frame's standard layout.
    void rahmenAufbauen(const QList<Befehl>& angebot);
    // Registers a control to be saved; the registration order is the order in the file.
    void komponente(QWidget* steuerelement);
    // The grid's context menu: the given clipboard commands (by default the five of
    // "Bearbeiten") applied to that grid.
    void gitterKontextmenue(TStringGrid* gitter,
                            const QList<Befehl>& befehle = {Befehl::ausschneiden, Befehl::kopieren,
                                                            Befehl::einfuegen, Befehl::loeschen,
                                                            Befehl::alles_auswaehlen});
    // A command of the window's own that batch mode can run by its object name. With a menu
    // caption it stands in that menu (a frame menu such as "&Bearbeiten", or a menu of its own,
    // placed before "&Eigenschaften" and "&Hilfe"); with a hint it gets a tool button after the
    // compute button, showing knopftext as its face when given (operation buttons such as "+" or
    // ">B1").
    QAction* eigenerBefehl(const QString& name, const QString& text, const QString& menue = {},
                           const QString& hinweis = {}, const QString& knopftext = {});
    // The four basic operations as commands of the window's own, "&Addieren" … "&Dividieren"
    // under menue, each with an operation button showing its face from knoepfe ("+", "-", "*",
    // "/"), red like the compute button. rechnen gets 0 to 3 in that order. The commands are
    // named "Addieren" … "Dividieren" plus namenszusatz.
    QList<QAction*> grundrechenarten(const QStringList& knoepfe, std::function<void(int)> rechnen,
                                     const QString& menue = QStringLiteral("&Rechne"),
                                     const QString& namenszusatz = {});
    // The command "&Null setzen" under "&Bearbeiten": "0" into every input cell of the grids.
    QAction* nullSetzenAnbieten(const QList<TStringGrid*>& gitter);
    // Lines refused by "Ergebnisse definieren" are skipped without a message (windows whose
    // result memo mixes definitions with other lines).
    void abgelehnteZeilenUebergehen(bool still) { abgelehnteStill_ = still; }
    // Calls wechsel(alt, neu) when the user or batch mode turns the notebook's page, with the
    // page being left, so windows can carry values over from it. Loading a file does not call it.
    void seitenwechsel(QTabWidget* notizbuch, std::function<void(int alt, int neu)> wechsel);
    // True while a data file is being read into the controls.
    bool laedtGerade() const { return laedt_; }

    // Lines of the data file between the number format and the component block.
    virtual void zusatzSpeichern(QStringList& zeilen) const { Q_UNUSED(zeilen); }
    virtual void zusatzLaden(const QStringList& zeilen, int& index) {
        Q_UNUSED(zeilen);
        Q_UNUSED(index);
    }
    // Applies the number format to the numeric controls whose format switch is on.
    virtual void formatAnwenden();

    void closeEvent(QCloseEvent* ereignis) override;

private:
    struct EigenerEintrag {
        QAction* aktion;
        QString menue;
        QString knopftext;
        bool knopf;
        bool rot; // an operation button, red like the compute button
    };
    QAction* befehlAnlegen(const QString& name, const QString& text, const QString& menue,
                           const QString& hinweis, const QString& knopftext, bool rot);
    void eigenenBefehlPlatzieren(const EigenerEintrag& e);
    QMenu* menueFuer(const QString& titel);
    void aenderungenVerfolgen(QWidget* steuerelement);
    void druckereinrichtung();
    void zahlenformatWaehlen();
    void projektformelnBearbeiten();
    void ergebnisseDefinieren();
    void nachTabellenkalkulation();
    void neuesRechnenfenster();
    QWidget* zwischenablageZiel() const;

    const Fensterart* art_;
    QString format_ = QStringLiteral("0.00");
    QString dateiname_;
    QList<Befehl> angebot_;
    QMap<int, QAction*> aktionen_;
    QList<QWidget*> komponenten_;
    QList<QAction*> eigeneBefehle_;
    QList<EigenerEintrag> eigeneEintraege_;
    QToolBar* werkzeugleiste_ = nullptr;
    QAction* eigeneKnoepfe_ = nullptr; // own tool buttons stand before this mark
    bool abgelehnteStill_ = false;
    bool laedt_ = false;
    bool geaendert_ = false;
    bool ohneNachfrage_ = false;
    // A fingerprint of the lines last loaded or saved (empty: unknown).
    QByteArray stand_;
    QByteArray standErmitteln();
    QByteArray standAus(const QStringList& zeilen) const;
};

// Before changed windows among fenster are discarded (closing, a new project, quitting): asks
// once, listing them, "Änderungen speichern?". Ja saves each (false when one was not saved),
// Nein discards, Abbrechen gives false. True at once when none asks.
bool aenderungenBehandeln(const QList<Tmodulfenster*>& fenster, QWidget* eltern);

// The spreadsheet window that the last "Tabellenkalkulation" command created.
Tmodulfenster* letzteTabellenkalkulation();

// A window of a kind, by number; nullptr (and a German message naming the kind) when that kind
// is unknown or not built yet.
Tmodulfenster* fenster_erzeugen(int art);

} // namespace zol
