#pragma once
// Opens a lesson template the way the main window does, so a window's tests can check that its
// template comes up with its window and file.
#include "shell/projekt/winrestorer.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

namespace zol::test {

// The main window's side of a project, reduced to the windows it opens.
class Lektionsumgebung : public Projektumgebung {
public:
    QList<QPointer<Tmodulfenster>> fenster;

    ~Lektionsumgebung() override {
        for (auto& f : fenster)
            delete f.data();
    }
    Fensterlage hauptfenster() const override { return {}; }
    void setzeHauptfenster(const Fensterlage&) override {}
    QString vorgabeformat() const override { return format_; }
    void setzeVorgabeformat(const QString& b) override { format_ = b; }
    Fensterlage werkzeugfenster() const override { return {}; }
    void setzeWerkzeugfenster(const Fensterlage&) override {}
    Fensterlage anzeigefenster() const override { return {}; }
    void setzeAnzeigefenster(const Fensterlage&) override {}
    QList<Tmodulfenster*> modulfenster() const override {
        QList<Tmodulfenster*> r;
        for (const auto& f : fenster)
            if (f) r << f.data();
        return r;
    }
    Tmodulfenster* fensterErzeugen(int art) override {
        Tmodulfenster* f = fenster_erzeugen(art);
        if (f) fenster << f;
        return f;
    }

    // The template's single window, or nullptr.
    Tmodulfenster* oeffnen(const QString& pro) {
        if (!TWinRestorer(pro).restore(*this, true) || modulfenster().size() != 1) return nullptr;
        return modulfenster().first();
    }

private:
    QString format_ = QStringLiteral("0.00");
};

} // namespace zol::test
