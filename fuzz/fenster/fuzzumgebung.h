#pragma once
// What the fuzz targets over real windows share: a QApplication without a display, every
// window kind registered, messages swallowed, modal dialogs closed as "Abbrechen" would close
// them, and no window left over from one input to the next.
#include "app/fensterliste.h"
#include "shell/dienste/konsolenmeldungen.h"
#include "shell/rahmen/modulfenster.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <ostream>
#include <streambuf>

namespace zol::fuzz {

class Leerpuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

struct Umgebung {
    Leerpuffer puffer;
    std::ostream leer{&puffer};
    Konsolenmeldungen meldungen{leer};
    QTemporaryDir ordner;
    QTimer schliesser;

    Umgebung() {
        alle_fensterarten_registrieren();
        schliesser.setInterval(5);
        QObject::connect(&schliesser, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        schliesser.start();
    }
    static void aufraeumen() {
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            delete f;
    }
};

// Created on first use, with the application object it needs; lives as long as the process
// (widgets must not outlive the application object).
inline Umgebung& umgebung(const char* name) {
    static Umgebung* u = nullptr;
    if (u == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char programm[64] = {};
        for (int i = 0; i < 63 && name[i]; ++i)
            programm[i] = name[i];
        static char* argv[] = {programm, nullptr};
        if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
        u = new Umgebung;
    }
    return *u;
}

} // namespace zol::fuzz
