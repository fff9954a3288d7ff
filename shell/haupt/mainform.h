#pragma once
// "Mathematik ZOL": the hub of the workbench. It opens the topic windows, keeps the project,
// offers the lesson templates in a searchable outline, lists the open windows and holds the
// tool buttons, which can also float in the palette window.
#include "shell/projekt/winrestorer.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace zol {

class Tfensterdlg;
class Tmodulfenster;
class Tvorlbeadlg;
class Tzeitdlg;

class TMainForm : public QMainWindow, public Projektumgebung {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* eltern = nullptr);
    ~TMainForm() override;

    // ---- project ----
    const QString& projektname() const { return projektname_; }
    // True once the program is ending (the windows around must not bring this one back).
    bool beendet() const { return beendet_; }
    void neuesProjekt();
    // Opens a project file; "Datei nicht vorhanden." when there is none.
    bool projektOeffnen(const QString& datei);
    void projektOeffnenDialog();
    bool projektSpeichern();
    bool projektSpeichernUnter();
    void vorgabeZahlenformat();
    // The start-up project "Standard.pro" from the data folders. One the user cannot write to
    // (an installed program) is loaded without names, so saving asks where to.
    void startprojektLaden();

    // ---- topic windows ----
    // Creates, formats and shows a window of a kind, as the menus and tool buttons do.
    Tmodulfenster* fensterOeffnen(int art);
    // The window of a kind created last, while it is open.
    Tmodulfenster* letztesFenster(int art) const;
    void fensterlisteAktualisieren();
    void fensterlisteKlick(int zeile);
    void alleFensterZustand(Qt::WindowState zustand);
    void verdeckteFensterAnzeigen();
    void alleFensterSchliessen();

    // ---- templates ----
    void vorlagenLaden();
    QString vorlagenname() const { return vorlagenname_; }
    void vorlageOeffnen();
    void naechsteVorlage();
    void vorherigeVorlage();
    // Selects (and shows) the entry in outline row zeile, as if fully expanded.
    void vorlageWaehlen(int zeile);
    void suchen();
    void weitersuchen();
    void nurThemenAnzeigen();
    void allesAnzeigen();
    void vorlagenBearbeiten();

    // ---- palette, demo, help ----
    void symbolleisteUmschalten();
    // The tool bar panel; the palette window takes it while it is shown.
    QWidget* speedBar() const { return SpeedBar; }
    void knoepfeZurueck();
    void demoZeigen();
    void info();

    Tfensterdlg& palette() { return *palette_; }
    Tzeitdlg& demo() { return *demo_; }
    Tvorlbeadlg& vorlagenEditor() { return *vorlbeadlg_; }

    // Controls, by role.
    QToolButton* werkzeugknopf(int tag) const { return knoepfe_.value(tag); }
    QAction* befehl(int tag) const;
    QTreeWidget* gliederung() const { return Outline1; }
    QLineEdit* suchfeld() const { return Edit1; }
    QLineEdit* vorlagentext() const { return Edit2; }
    QPushButton* vorlageOeffnenKnopf() const { return VorlageOeffnen; }
    QListWidget* fensterliste() const { return ListBox1; }

    // ---- Projektumgebung ----
    Fensterlage hauptfenster() const override;
    void setzeHauptfenster(const Fensterlage& lage) override;
    QString vorgabeformat() const override { return vorgabeformat_; }
    void setzeVorgabeformat(const QString& bild) override { vorgabeformat_ = bild; }
    Fensterlage werkzeugfenster() const override;
    void setzeWerkzeugfenster(const Fensterlage& lage) override;
    Fensterlage anzeigefenster() const override;
    void setzeAnzeigefenster(const Fensterlage& lage) override;
    QList<Tmodulfenster*> modulfenster() const override;
    Tmodulfenster* fensterErzeugen(int art) override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Building (mainform_aufbau.cpp).
    void menuesAufbauen();
    void knoepfeAufbauen();
    void flaecheAufbauen();
    QAction* neuerBefehl(int tag, const QString& text, const std::function<void()>& wirkung);

    // Templates (mainform_vorlagen.cpp).
    void eintragGewaehlt(QTreeWidgetItem* eintrag);
    void eintragGeklickt(QTreeWidgetItem* eintrag);
    void suchenAb(int zeile);

    // Empties formulas and windows before a project or template is loaded.
    // False (and nothing closed) when the user keeps changed windows ("Abbrechen").
    bool leeren();
    bool projektLaden(const QString& datei, bool mitNamen);

    QString projektname_;
    QString vorgabeformat_ = QStringLiteral("0.00");
    QString vorlagenname_;
    int suchposition_ = 0;
    bool beendet_ = false;

    QMap<int, QAction*> befehle_;     // by Tag; window kinds without a button too
    QMap<int, QToolButton*> knoepfe_; // by Tag
    QMap<int, QPointer<Tmodulfenster>> letzte_;
    QList<QPointer<Tmodulfenster>> gelistet_;

    QWidget* SpeedBar = nullptr;
    QVBoxLayout* flaeche_ = nullptr;
    QLineEdit* Edit1 = nullptr; // search text
    QLineEdit* Edit2 = nullptr; // selected template's text
    QPushButton* VorlageOeffnen = nullptr;
    QTreeWidget* Outline1 = nullptr;
    QListWidget* ListBox1 = nullptr; // window list

    std::unique_ptr<Tfensterdlg> palette_;
    std::unique_ptr<Tzeitdlg> demo_;
    Tvorlbeadlg* vorlbeadlg_ = nullptr;
};

} // namespace zol
