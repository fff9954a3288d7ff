#pragma once
// "Kombinatorik": for two whole numbers n and k the factorials n! and k!, the combinations
// without and with repetition and the variations without and with repetition, in read-only
// fields. A value beyond the extended range shows "Überlauf". The arithmetic lives in
// kombinatorikrechnung.h; files, number format, printing and help come from the frame.
#include "shell/rahmen/modulfenster.h"

namespace zol {

class Tergebnisfeld;
class TlongintEdit;

class Tkombidlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tkombidlg(QWidget* eltern = nullptr);

    // n!, k!, K1, K2, V1, V2.
    QList<QLineEdit*> ergebnisfelder() const override;

    // "Rechne": brings n and k into -999 999 … 999 999 (written back where the field showed
    // something else) and fills the six fields.
    void rechne() override;

private:
    // Layout (kombidlg_aufbau.cpp).
    void aufbauen();

    TlongintEdit* longintEdit1 = nullptr; // n
    TlongintEdit* longintEdit2 = nullptr; // k
    Tergebnisfeld* extendEdit1 = nullptr; // n!
    Tergebnisfeld* extendEdit2 = nullptr; // k!
    Tergebnisfeld* extendEdit3 = nullptr; // K1
    Tergebnisfeld* extendEdit4 = nullptr; // K2
    Tergebnisfeld* extendEdit5 = nullptr; // V1
    Tergebnisfeld* extendEdit6 = nullptr; // V2
};

// The text of a result beyond the extended range.
inline constexpr const char* kombi_ueberlauf = "Überlauf";

// Makes the combinatorics window known to projects, menus, templates and batch mode (kind 135).
void kombinatorik_registrieren();

} // namespace zol
