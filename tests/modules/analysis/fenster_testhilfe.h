#pragma once
// Shared by the analysis window tests: controls by name, the saved state of a window and the
// lines of a written file.
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/modulfenster.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace zol::test {

template <class T> T* steuer(Tmodulfenster& f, const char* name) {
    T* w = f.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The state of the saved controls as the component block writes it (geometry left out).
inline QStringList zustand(Tmodulfenster& f) {
    Tsaveloadlist liste;
    liste.componentenspeichern(&f, f.komponenten());
    return liste.zeilen.mid(1);
}

// A file's CR LF lines, without the empty one after the last break.
inline QStringList zeilen_von(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList z = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    if (!z.isEmpty() && z.last().isEmpty()) z.removeLast();
    return z;
}

} // namespace zol::test
