#pragma once
// The number-format dialog "Zahlenformat": one instance for the whole program.
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QString>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QGroupBox;
class QRadioButton;
class QPushButton;

namespace zol {

// Help context of the dialog, handed to the help viewer with hilfeAngefordert().
inline constexpr int hilfekontext_zahlenformat = 150;

class Tzahlenform : public QDialog {
    Q_OBJECT
public:
    // The picture confirmed last ("0.00E-0" after creation) and the confirmed angle unit
    // (1 radians, 2 degrees, 3 grads) with the one chosen but not yet confirmed.
    QString format = QStringLiteral("0.00E-0");
    int winkelmodus = 1;
    int winkelmodus_neu = 1;

    // Created on first use, lives until the program ends.
    static Tzahlenform& instanz();

    explicit Tzahlenform(QWidget* eltern = nullptr);

    // Controls, by role. FormatEdit is the picture field with the list of ready pictures
    // (FormatListe) always open below it; Unform holds the samples, Form their preview.
    QLineEdit* FormatEdit;
    QListWidget* FormatListe;
    QListWidget* Unform;
    QListWidget* Form;
    QGroupBox* Winkelgruppe; // hidden and disabled: the angle mode stays radians
    QRadioButton* Bogenmass;
    QRadioButton* Grad;
    QRadioButton* Neugrad;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;
    QPushButton* HilfeButton;

signals:
    // "Hilfe" was pressed; the help viewer opens the topic of this context number.
    void hilfeAngefordert(int kontext);

protected:
    // Activation: the confirmed picture goes into the picture field.
    void showEvent(QShowEvent* e) override;

private:
    void vorschau();
    void liste_gewaehlt(QListWidgetItem* eintrag);
    void bestaetigen();

    friend bool zahlenformat_waehlen(QString& format, QWidget* eltern);
    QPointer<QScreen> schirm_; // where the next opening is centred, if not the active window's
};

// The window side: the window's picture goes in, the dialog runs modally, and only OK copies
// the new picture back. True on OK.
bool zahlenformat_waehlen(QString& format, QWidget* eltern = nullptr);

} // namespace zol
