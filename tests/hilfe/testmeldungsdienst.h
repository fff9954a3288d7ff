#pragma once
// A message service for tests: records every message and question, answers questions and file
// dialogs from prepared queues, and never shows anything.
#include "shell/dienste/meldungsdienst.h"

#include <QQueue>

namespace zol {

class Testmeldungsdienst : public Meldungsdienst {
public:
    QStringList meldungen;      // texts of warnings and information boxes, in order
    QStringList hinweise;       // the information boxes among them
    QStringList fragen;         // texts of questions, in order
    QQueue<bool> antworten;     // answers to questions; "Ja" when empty
    QQueue<QString> dateinamen; // results of file dialogs; cancelled when empty
    QStringList dateidialoge;   // titles of file dialogs shown

    // Installs itself for its lifetime.
    Testmeldungsdienst() : vorher_(einsetzen(this)) {}
    ~Testmeldungsdienst() override { einsetzen(vorher_); }

    void warnung(QWidget*, const QString& text) override { meldungen << text; }
    void information(QWidget*, const QString& text) override {
        meldungen << text;
        hinweise << text;
    }
    bool frage(QWidget*, const QString& text) override {
        fragen << text;
        return antworten.isEmpty() ? true : antworten.dequeue();
    }
    // Answered from dreifach; "Ja" when empty. Recorded with the other questions.
    QQueue<Antwort> dreifach;
    Antwort frageMitAbbruch(QWidget*, const QString& text) override {
        fragen << text;
        return dreifach.isEmpty() ? Antwort::ja : dreifach.dequeue();
    }
    QString datei_oeffnen(QWidget*, const QString& titel, const QStringList&,
                          const QString&) override {
        dateidialoge << titel;
        return dateinamen.isEmpty() ? QString() : dateinamen.dequeue();
    }
    QStringList vorschlaege; // proposed names of save dialogs, in order
    QString datei_speichern(QWidget*, const QString& titel, const QStringList&, const QString&,
                            const QString& vorschlag) override {
        dateidialoge << titel;
        vorschlaege << vorschlag;
        return dateinamen.isEmpty() ? QString() : dateinamen.dequeue();
    }

private:
    Meldungsdienst* vorher_;
};

} // namespace zol
