#include "shell/dienste/programmhaken.h"

#include <utility>

namespace zol {

namespace {
std::function<void(int, QWidget*)>& hilfe() {
    static std::function<void(int, QWidget*)> f;
    return f;
}
std::function<void()>& hauptfenster() {
    static std::function<void()> f;
    return f;
}
} // namespace

void hilfe_anzeigen(int kontext, QWidget* eltern) {
    if (hilfe()) hilfe()(kontext, eltern);
}

void setze_hilfeanzeige(std::function<void(int, QWidget*)> anzeige) {
    hilfe() = std::move(anzeige);
}

void hauptfenster_zeigen() {
    if (hauptfenster()) hauptfenster()();
}

void setze_hauptfensteranzeige(std::function<void()> anzeige) {
    hauptfenster() = std::move(anzeige);
}

} // namespace zol
