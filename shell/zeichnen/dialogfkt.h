#pragma once
// "Zeichnen": the function plot window. The user enters functions, families, parametric curves
// and point tables, collects them in a list, sets up ranges, ticks, labels, a free text and the
// page, and sees the page (the display list that the plot engine rebuilds from all of this) in a
// scrollable, zoomable view. The page prints at true size and is saved in a ".fkt" file.
//
// Other windows draw through this interface (a new window, then for example):
//
//     auto* z = new Tdialogfkt;
//     z->setzeFormat(format());           // label format of the tick numbers
//     z->show();
//     z->setzeDefinition("f(x)=x^2-4");   // page "Funktion f(x)", field Edit1
//     z->hinzufuegen();                   // "&Hinzufügen": defined, listed and drawn
//     z->setzeTabelle("werte.dat", {{"1", "2"}, {"2", "4"}}); // page "Tabellen"
//     z->setzeFunktionsstil(stil_kleiner_kreis);               // dotted: points only
//     z->hinzufuegen();                   // the table is written and drawn
//     z->setzeFunktionsstil(stil_linie);
//
// hinzufuegen() adds what the current page of TabbedNotebook2 shows, with the function pen;
// refusals go through the message service like the button's.
#include "graph/tlist1.h"
#include "graph/vorgaben.h"
#include "shell/rahmen/modulfenster.h"

#include <QHash>

#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QTemporaryDir;

namespace zol {

class TextendEdit;
class TSpinEditex;
class Tspineditin;
class TStringGrid;
class Tseitenansicht;

class Tdialogfkt : public Tmodulfenster {
    Q_OBJECT
public:
    // Pages of TabbedNotebook2: the kind of entry that "&Hinzufügen" creates.
    enum Funktionsseite {
        seite_funktion = 0,
        seite_schar = 1,
        seite_parameter = 2,
        seite_tabelle = 3
    };
    // Pages of TabbedNotebook1.
    enum Seite {
        seite_funktionen = 0,
        seite_koordinaten = 1,
        seite_beschriftung = 2,
        seite_text = 3,
        seite_einrichten = 4
    };

    explicit Tdialogfkt(QWidget* eltern = nullptr);
    ~Tdialogfkt() override;

    // ---- For the windows that draw here ----
    // The label format is the window's number format: setzeFormat() (refreshes the page).
    // Puts a definition into Edit1 and shows page "Funktion f(x)".
    void setzeDefinition(const QString& definition);
    // A point table: file name into edit5, "Anzahl der Werte:" to the number of rows, the rows'
    // fields into columns 1, 2, … of StringGrid2; shows page "Tabellen".
    void setzeTabelle(const QString& datei, const QList<QStringList>& zeilen);
    // Shows page 0 … 3 of TabbedNotebook2 (Funktionsseite).
    void waehleFunktionsseite(int seite);
    // Style of the function pen for the next entries: stil_linie (solid) or
    // stil_kleiner_kreis (dotted: a small circle on every point); see graph/zeichenmittel.h.
    void setzeFunktionsstil(int stil);
    // "&Hinzufügen" on the current page of TabbedNotebook2; true when an entry was added.
    bool hinzufuegen();
    // A hand-over's point table (see punkteZeichnen in uebergabe.h): all rows go into the grid
    // and the file datei, for the user; each run of rows becomes an entry listed as
    // "Tab:" + datei but drawn from a copy the window keeps, so that another hand-over to
    // datei leaves this drawing alone. Uses the function pen; true when entries were added.
    bool uebergabeHinzufuegen(const QString& datei, const QList<QList<QStringList>>& teile);
    // Rows the table page holds at most; more are cut with a message.
    static constexpr int max_werte = 50000;
    // Ranges and tick steps; the page is refreshed.
    void setzeBereich(long double xmin, long double xmax, long double xskala, long double ymin,
                      long double ymax, long double yskala);
    // Axis titles and heading, and the check box "Koordinatenachsen".
    void setzeBeschriftung(const QString& xtext, const QString& ytext, const QString& uebertext);
    void setzeKoordinatenachsen(bool an);
    // Appends a line to the free text (page "Text ").
    void freitextAnhaengen(const QString& zeile);

    // ---- State ----
    // The settings as the plot engine reads them.
    Tzeichenvorgaben vorgaben() const;
    const std::vector<Teinzelnefkt>& eintraege() const { return eintraege_; }
    const Tlist1& anzeigeliste() const { return liste_; }
    double ansichtsfaktor() const;
    Tstift funktionsstift() const { return funktionsstift_; }
    Tstift achsenstift() const { return achsenstift_; }
    Tschrift beschriftungsschrift() const { return schrift_; }
    bool eingabeSichtbar() const;
    bool automatisch() const;
    // Page coordinates of the last press on the view.
    Tpunkt letzterSeitenpunkt() const { return seitenpunkt_; }

    // ---- Commands ----
    // "Aktualisieren": rebuilds the page.
    void aktualisieren();
    // The automatic refresh after a change of a setting: new scales, then a rebuild when
    // "&Automatisch aktualisieren" is checked. Nothing while a file is being loaded.
    void auffrischen();
    void vergroessern();
    void verkleinern();
    void setzeAnsichtsfaktor(double faktor);
    void bearbeiten();
    void loeschen();
    void beschriftungAlsText();
    void eingabeZeigen(bool an);
    void setzeAutomatisch(bool an);
    // Zoom and move buttons of page "Koordinatensystem".
    void bereichZoomen(bool x, bool y, bool vergroessern);
    void verschieben(int rechts, int oben);
    // "Druckerwerte übernehmen": the printable size of the printer into xseite and yseite.
    void druckerwerteUebernehmen();
    // Draws the page at true size for a device of the given resolution.
    void seiteZeichnen(QPainter& maler, double dpi);
    // Page "Tabellen": reads a ".dat" or ".wer" file into the grid; writes the grid.
    void tabelleOeffnen();
    bool tabelleLaden(const QString& datei);
    bool tabelleSpeichern();
    bool tabelleSpeichernUnter();
    // The press and the double-click on the view (page coordinates).
    void seiteGedrueckt(Tpunkt punkt);
    void seiteDoppelklick(Tpunkt punkt);

    // ".fkt" files.
    bool laden(const QString& datei) override;
    bool inDateiSchreiben(const QString& datei) override;

protected:
    void formatAnwenden() override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Layout (dialogfkt_aufbau.cpp).
    void aufbauen();
    QWidget* funktionsseiten();
    QWidget* seiteFunktion();
    QWidget* seiteSchar();
    QWidget* seiteParameter();
    QWidget* seiteTabellen();
    QWidget* seiteKoordinaten();
    QWidget* seiteBeschriftung();
    QWidget* seiteText();
    QWidget* seiteEinrichten();
    QWidget* listenfeld();
    void menuesAufbauen();
    void werkzeugleisteAufbauen();
    void verbinden();

    // Entries (dialogfkt_eintraege.cpp).
    bool eintragErzeugen(Teinzelnefkt& e);
    bool tabellenEintrag(Teinzelnefkt& e);
    void eintragZurueck(const Teinzelnefkt& e);
    void eintragAnhaengen(const Teinzelnefkt& e);
    int markierterEintrag();
    void eintragEntfernen(int index);
    QString listentext(const Teinzelnefkt& e) const;
    // The pen of the next entry: the function pen, with the next palette colour unless the
    // user chose the pen; stiftVerbraucht() once the entry was added.
    Tstift neuerStift() const;
    void stiftVerbraucht();

    // Hand-over tables (dialogfkt_uebergabe.cpp).
    QString eigeneKopie(const QString& datei, const QStringList& text);
    std::vector<Teinzelnefkt> gespeicherteEintraege(const QString& fktdatei);

    // Table page (dialogfkt_tabelle.cpp).
    void tabellenzeilenSetzen(int anzahl);
    QStringList tabellenzeilen() const;
    static QStringList tabellentext(const QList<QStringList>& zeilen);
    bool tabelleSchreiben(const QString& datei);
    void tabellenkopf();

    // Page and scales (dialogfkt.cpp).
    void neuaufbauen(bool leise);
    void massstaebe();
    void grenzenOrdnen();
    void seitengroesse();
    void feldVerlassen(QWidget* feld);
    void texteMerken();
    long double wert(const TSpinEditex* feld) const;
    void setzeWert(TSpinEditex* feld, long double w);
    void linienartFunktion();
    void linienartAchsen();
    void schriftart();
    void projektformel(QLineEdit* ziel);
    void freitextEinfuegen(const QString& text, int zurueck = 0);
    void schriftEinfuegen();
    void grafikDrucken();
    void druckerEinrichten();
    void grafikExportieren();
    QPrinter& drucker();

    // Window-owned objects.
    Tlist1 liste_;
    std::vector<Teinzelnefkt> eintraege_;
    Tschrift schrift_;
    Tstift achsenstift_;
    Tstift funktionsstift_;
    // The function pen was chosen by the user ("&Linienart", or a file saved with one); the
    // pen of an edited entry goes once to the entry added next.
    bool stiftGewaehlt_ = false;
    bool stiftEinmal_ = false;
    int farbzaehler_ = 0; // palette colours handed out
    Tpunkt seitenpunkt_;
    bool laedt_ = false;   // a file is being loaded: no rebuild
    bool baut_ = false;    // a rebuild is running
    bool frischt_ = false; // a refresh is running
    std::unique_ptr<QPrinter> drucker_;
    // Exact values of range fields whose text is the formatted value (see wert()).
    QHash<const QWidget*, std::pair<QString, long double>> genau_;
    // Texts of the settings fields at the last refresh: leaving an unchanged field does nothing.
    QHash<const QWidget*, QString> texte_;
    // Hand-over tables: the window's own copies (removed with the window), each with the file
    // name the hand-over gave; the hand-over being edited on the table page.
    std::unique_ptr<QTemporaryDir> kopien_;
    QHash<QString, QString> uebergaben_;
    QString bearbeiteteUebergabe_;

    // Controls, named as in the window's layout.
    QTabWidget* TabbedNotebook1 = nullptr;
    QTabWidget* TabbedNotebook2 = nullptr;
    QWidget* oben_ = nullptr; // the notebook and the function list panel
    QListWidget* ListBox1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    Tseitenansicht* PaintBox1 = nullptr;

    QLineEdit* Edit1 = nullptr;
    QCheckBox* arteinsch = nullptr;
    TextendEdit* vonx = nullptr;
    TextendEdit* bisx = nullptr;
    Tspineditin* aufloesung = nullptr;
    QRadioButton* artwert = nullptr;
    QRadioButton* artableit = nullptr;
    QRadioButton* art2ableit = nullptr;
    QRadioButton* artintegral = nullptr;
    TextendEdit* integralkonst = nullptr;
    Tspineditin* anzahlsimp = nullptr;

    QLineEdit* Edit2 = nullptr;
    QLineEdit* Scharparam = nullptr;
    TextendEdit* vonschar = nullptr;
    TextendEdit* bisschar = nullptr;
    Tspineditin* aufloesungschar = nullptr;
    QCheckBox* arteinschscharx = nullptr;
    TextendEdit* vonscharx = nullptr;
    TextendEdit* bisscharx = nullptr;
    Tspineditin* aufloesungscharx = nullptr;

    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    TextendEdit* vonpara = nullptr;
    TextendEdit* bispara = nullptr;
    Tspineditin* aufloesungpara = nullptr;

    QLineEdit* edit5 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    Tspineditin* spineditin1 = nullptr;

    TSpinEditex* xmin = nullptr;
    TSpinEditex* xmax = nullptr;
    TSpinEditex* xskala = nullptr;
    TSpinEditex* ymin = nullptr;
    TSpinEditex* ymax = nullptr;
    TSpinEditex* yskala = nullptr;
    TSpinEditex* Zoom = nullptr;
    QCheckBox* Koord = nullptr;
    QCheckBox* Gitterlinie = nullptr;
    QCheckBox* Gitterpunkt = nullptr;
    QCheckBox* logx = nullptr;
    QCheckBox* logy = nullptr;

    QLineEdit* xtext = nullptr;
    QLineEdit* ytext = nullptr;
    QLineEdit* uebertext = nullptr;
    QCheckBox* autoBeschrift = nullptr;
    Tspineditin* xinter = nullptr;
    Tspineditin* yinter = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;

    Tspineditin* xseite = nullptr;
    Tspineditin* yseite = nullptr;
    Tspineditin* xgroesse = nullptr;
    Tspineditin* ygroesse = nullptr;
    Tspineditin* xabstand = nullptr;
    Tspineditin* yabstand = nullptr;
    TextendEdit* massx = nullptr;
    TextendEdit* massy = nullptr;

    QAction* eingabeZeigen_ = nullptr;
    QAction* automatisch_ = nullptr;
};

// Makes the plot window known to projects, menus and batch mode (kind 0).
void dialogfkt_registrieren();

} // namespace zol
