#pragma once
// While it lives, the engine's messages (log axis, invalid range, table files, refused recursive
// definitions) go to the message service with the window as parent, or nowhere when the work
// must stay quiet.
#include "engine/meldung.h"
#include "shell/dienste/meldungsdienst.h"

#include <QString>

#include <utility>

namespace zol {

class Meldungsumleitung {
public:
    explicit Meldungsumleitung(QWidget* fenster, bool leise = false)
        : alt_(setze_meldungsempfaenger(
              leise ? Meldungsempfaenger([](const std::string&) {})
                    : Meldungsempfaenger([fenster](const std::string& text) {
                          meldung(QString::fromStdString(text), fenster);
                      }))) {}
    ~Meldungsumleitung() { setze_meldungsempfaenger(std::move(alt_)); }
    Meldungsumleitung(const Meldungsumleitung&) = delete;
    Meldungsumleitung& operator=(const Meldungsumleitung&) = delete;

private:
    Meldungsempfaenger alt_;
};

} // namespace zol
