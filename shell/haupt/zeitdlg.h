#pragma once
// "Demo": opens the lesson templates one after another. Page one asks for the interval and the
// subject (a heading of the outline, or all templates); page two shows a gauge that fills in
// ten steps, then the next template opens. A subject's templates repeat from its first one.
#include <QDialog>
#include <QTimer>

class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace zol {

class TMainForm;
class Tspineditin;

class Tzeitdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tzeitdlg(TMainForm& haupt);

    // "Demo starten": opens the selected template and starts the timer (interval × 100 ms
    // per tick, ten ticks per template).
    void starten();
    // "Pause" / "Weiter".
    void pauseWechseln();
    // One tick of the timer.
    void takt();

    bool laeuft() const { return zeitgeber_.isActive(); }
    QTimer& zeitgeber() { return zeitgeber_; }
    Tspineditin* intervall() const { return SpinEdit1; }
    // "Alle Vorlagen", then every heading of the outline that holds templates.
    QComboBox* thema() const { return ComboBox1; }
    QProgressBar* anzeige() const { return Gauge1; }
    QPushButton* pauseKnopf() const { return Pause; }
    int seite() const;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void anhalten();
    void seiteZeigen(int seite);
    void themenFuellen();
    // The outline rows of the chosen subject's templates; empty for all templates.
    QList<int> themenvorlagen() const;
    // The outline row of the selected entry, -1 for none.
    int aktuelleZeile() const;

    TMainForm& haupt_;
    QTimer zeitgeber_;
    int schritt_ = 0;
    bool platziert_ = false;
    QStackedWidget* Notebook1 = nullptr;
    Tspineditin* SpinEdit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QList<int> reihe_; // the subject's template rows while the demo plays one
    QProgressBar* Gauge1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Pause = nullptr;
};

} // namespace zol
