#pragma once
// Opens a lesson template the way the main window does, so a window's tests can check that its
// template comes up with its window and file.
#include "shell/projekt/winrestorer.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rechnen/editform.h"

#include <QPointer>

namespace zol::test {

// The main window's side of a project, reduced to the windows it opens.
class Lektionsumgebung : public Projektumgebung {
public:
    QList<QPointer<Tmodulfenster>> fenster;

    ~Lektionsumgebung() override {
        for (auto& f : fenster)
            delete f.data();
        for (auto& f : geoeffnet_)
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

    // The template's one topic window beside its calculation window of explanations (and a
    // plot its commands opened), or nullptr.
    Tmodulfenster* oeffnen(const QString& pro) {
        editform_registrieren();
        const QList<Tmodulfenster*> vorher = Tmodulfenster::alleFenster();
        const bool geladen = TWinRestorer(pro).restore(*this, true);
        // Windows the lesson's commands opened (a plot) are the lesson's too.
        QList<Tmodulfenster*> alle;
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (!vorher.contains(f)) {
                alle << f;
                if (!modulfenster().contains(f)) geoeffnet_ << f;
            }
        if (!geladen) return nullptr;
        QList<Tmodulfenster*> themen;
        for (Tmodulfenster* f : alle)
            if (f->art().art != 5 && f->art().art != 0) themen << f;
        if (themen.isEmpty())
            for (Tmodulfenster* f : alle)
                if (f->art().art == 0) themen << f;
        return themen.size() == 1 ? themen.first() : nullptr;
    }

private:
    QString format_ = QStringLiteral("0.00");
    QList<QPointer<Tmodulfenster>> geoeffnet_;
};

} // namespace zol::test
