#pragma once
// "Fraktale": draws the Mandelbrot set or a Julia set as a bitmap, from coarse blocks down to
// single pixels, so the user sees a rough picture at once and can cancel at any time. The
// pixels are computed on worker threads (fraktalrechnung.h); the window shows each finished
// pass and the progress in between, and stays usable meanwhile.
#include "modules/algebra/fraktalrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <QImage>

class QCheckBox;
class QLabel;
class QPrinter;
class QProgressBar;
class QTimer;

namespace zol {

class Tfarbgitter;
class Tfraktalbild;
class TextendEdit;
class TlongintEdit;
class TSpinEditex;

class Tfraktaldlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tfraktaldlg(QWidget* eltern = nullptr);
    // Cancels a running computation and waits for its threads.
    ~Tfraktaldlg() override;

    // "Rechne": starts the picture of the page shown, or cancels the one being drawn. A window
    // that is not shown (batch mode) draws to the end before it returns.
    void rechne() override;
    bool rechnetGerade() const { return laeuft_; }
    // Cancels a running computation; the picture drawn so far stays.
    void abbrechen();
    // Waits until a running computation has ended and shows its picture.
    void fertigstellen();
    // The picture that printing, copying and saving use.
    QImage bild() const;
    // The inputs as the computation takes them, each first brought into its field's range.
    fraktal::Vorgaben vorgaben();

    // The picture's commands; false (after a message) when they fail.
    bool bitmapLaden(const QString& datei);
    bool bitmapSpeichern(const QString& datei);
    void fraktalKopieren();
    bool bildDrucken(QPrinter& drucker);

    // Threads a computation uses (by default one per core).
    void setzeThreads(int anzahl) { threads_ = anzahl; }

    // Batch mode prints the picture; a computation still running is finished first.
    QList<QWidget*> ergebnisanzeigen() const override;

protected:
    // "Drucken...": the picture at the top-left corner of one page.
    void drucken() override;
    // Closing while drawing is refused; closing by the program (new project, template, quit)
    // cancels and waits.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void aufbauen();
    QWidget* seiteMandelbrot();
    QWidget* seiteJulia();
    void befehleAnlegen();
    void starten();
    // Takes the threads' picture into Image1 when it changed, and the progress into Gauge1.
    void bildHolen();
    // The end of computation lauf, reported by the threads or found by waiting.
    void beendet(int lauf);
    // Commands and fields that would change the picture or its size rest while drawing.
    void zustandZeigen();
    void bitmapLadenBefehl();
    void bitmapSpeichernBefehl();

    QTabWidget* book1 = nullptr;
    TextendEdit* extendEdit1 = nullptr;   // x-min
    TextendEdit* extendEdit2 = nullptr;   // x-max
    TextendEdit* extendEdit3 = nullptr;   // y-min
    TextendEdit* extendEdit4 = nullptr;   // y-max
    TlongintEdit* longintEdit2 = nullptr; // Mandelbrot depth
    TextendEdit* extendEdit5 = nullptr;   // Julia: x of c
    TextendEdit* extendEdit6 = nullptr;   // Julia: y of c
    TextendEdit* extendEdit7 = nullptr;   // x-weite
    TextendEdit* extendEdit8 = nullptr;   // y-weite
    TlongintEdit* longintEdit3 = nullptr; // Julia depth
    TlongintEdit* breite = nullptr;
    TlongintEdit* hoehe = nullptr;
    TlongintEdit* longintEdit1 = nullptr; // escape bound R, not shown
    QCheckBox* CheckBox1 = nullptr;       // "Zeitlupe", not shown
    TSpinEditex* SpinEditex1 = nullptr;   // its delay, not shown
    Tfarbgitter* ColorGrid1 = nullptr;    // the palette's source, not shown
    Tfraktalbild* Image1 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QLabel* Label13 = nullptr;
    QAction* bitmapLaden_ = nullptr;
    QAction* bitmapSpeichern_ = nullptr;
    QAction* kopieren_ = nullptr;
    QTimer* anzeige_ = nullptr;

    fraktal::Fraktalrechner::Farbtafel farben_{};
    int threads_ = 2;
    bool laeuft_ = false;
    int lauf_ = 0;
    std::uint64_t gezeigt_ = 0; // the threads' picture state last shown
    fraktal::Fraktalrechner rechner_;
};

// The place of a picture on a page: its top-left corner at the page's, one picture pixel the
// size of a screen pixel (1/96 inch) at dpi dots per inch, shrunk to fit the page if needed.
QRect druckflaeche(QSize bild, QRect seite, int dpi);

// Makes the fractal window known to projects, menus and templates (kind 205).
void fraktale_registrieren();

} // namespace zol
