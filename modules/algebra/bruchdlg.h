#pragma once
// "Bruchrechnung": adds, subtracts, multiplies or divides two fractions, each typed as a mixed
// fraction or as a decimal that a continued fraction turns into one. The result shows as an
// equation of built-up fractions and as one of decimals. The arithmetic lives in
// bruchrechnung.h; this window keeps the two notebooks' pages in step and shows the results.
#include "modules/algebra/bruchrechnung.h"
#include "shell/rahmen/modulfenster.h"

class QCheckBox;
class QTabWidget;

namespace zol {

class TextendEdit;
class TlongintEdit;
class Ttxtshape;

class Tbruchdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tbruchdlg(QWidget* eltern = nullptr);

    // "+", "-", "*", "/": both pages in step, then the two equations. A division by 0 or a
    // result too large for the fields is reported and changes nothing.
    void operation(bruch::Rechenart op);
    // ">B1", ">B2": the last result into operand 1 or 2's fraction fields.
    void ergebnisNachBruch(int operand);
    const bruch::Bruch& ergebnis() const { return ergebnis_; }

    // Batch mode prints both equations.
    QList<QWidget*> ergebnisanzeigen() const override;

protected:
    // The two equations stand between the number format and the component block.
    void zusatzSpeichern(QStringList& zeilen) const override;
    void zusatzLaden(const QStringList& zeilen, int& index) override;
    // A new picture re-displays the decimal fields; loading a file keeps their saved digits.
    void formatAnwenden() override;

private:
    struct Operand {
        QTabWidget* seiten = nullptr;
        TlongintEdit* ganze = nullptr;
        TlongintEdit* zaehler = nullptr;
        TlongintEdit* nenner = nullptr;
        TextendEdit* dezimal = nullptr;
        QCheckBox* unendlich = nullptr;
        long double wert = 0; // decimal value of the last synchronisation
    };

    void aufbauen();
    QTabWidget* notizbuch(Operand& o, int nummer, const char* seitenname, const char* ganzname,
                          const char* zaehlername, const char* nennername, const char* dezimalname,
                          const char* kaestchenname);
    void befehleAufbauen();
    // Carries an operand over from its page seite (0 fraction, 1 decimal) to the other one.
    // False (after a message) when a decimal is too large to become a fraction.
    bool abgleichen(Operand& o, int seite);
    // Operand 2 first, then operand 1, each from the given page.
    bool abgleichen(int seite1, int seite2);
    // The operand's fraction fields, brought into their ranges.
    bruch::Bruch lesen(Operand& o);

    Operand op1_, op2_;
    Ttxtshape* txtshape1 = nullptr;
    Ttxtshape* txtshape2 = nullptr;
    bruch::Bruch ergebnis_;
};

// Makes the fractions window known to projects, menus and templates (kind 175).
void bruchrechnung_registrieren();

} // namespace zol
