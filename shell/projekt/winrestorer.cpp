#include "shell/projekt/winrestorer.h"

#include "engine/fktbaum.h"
#include "engine/ini.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/formelbaum.h"
#include "shell/haupt/datenordner.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/modulfenster.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPair>
#include <QPointer>

namespace zol {

namespace {

constexpr const char* version = "ZOL50";

std::string s(const QString& q) {
    return q.toStdString();
}
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

void lage_schreiben(Inidatei& ini, const char* abschnitt, const Fensterlage& l, bool sichtbar) {
    if (sichtbar) ini.schreibe_bool(abschnitt, "visible", l.sichtbar);
    ini.schreibe_zahl(abschnitt, "Width", l.breite);
    ini.schreibe_zahl(abschnitt, "Height", l.hoehe);
    ini.schreibe_zahl(abschnitt, "Top", l.oben);
    ini.schreibe_zahl(abschnitt, "Left", l.links);
    ini.schreibe_zahl(abschnitt, "WindowState", l.zustand);
}

// Position 0, 0 first; only a normal window takes the stored size and place.
Fensterlage lage_lesen(const Inidatei& ini, const char* abschnitt, Fensterlage vorgabe) {
    Fensterlage l;
    l.sichtbar = ini.lies_bool(abschnitt, "visible", false);
    l.zustand = static_cast<int>(ini.lies_zahl(abschnitt, "WindowState", 0));
    l.breite = vorgabe.breite;
    l.hoehe = vorgabe.hoehe;
    if (l.zustand == 0) {
        l.breite = static_cast<int>(ini.lies_zahl(abschnitt, "Width", vorgabe.breite));
        l.hoehe = static_cast<int>(ini.lies_zahl(abschnitt, "Height", vorgabe.hoehe));
        l.oben = static_cast<int>(ini.lies_zahl(abschnitt, "Top", vorgabe.oben));
        l.links = static_cast<int>(ini.lies_zahl(abschnitt, "Left", vorgabe.links));
    }
    return l;
}

// Collects the messages of one project's loading (a missing file, a file that cannot be read, a
// refused formula) and shows them together in one box: a damaged project must not open a box
// per window. Questions and file dialogs go on to the service in force.
class Meldungssammler : public Meldungsdienst {
public:
    Meldungssammler() : vorher_(Meldungsdienst::einsetzen(this)) {}
    ~Meldungssammler() override {
        Meldungsdienst::einsetzen(vorher_);
        if (texte_.isEmpty()) return;
        if (texte_.size() == 1) {
            Meldungsdienst::aktuell().warnung(nullptr, texte_.first());
            return;
        }
        constexpr int hoechstens = 20;
        QStringList zeilen = texte_.mid(0, hoechstens);
        if (texte_.size() > hoechstens)
            zeilen << QStringLiteral("… und %1 weitere Meldungen.").arg(texte_.size() - hoechstens);
        Meldungsdienst::aktuell().warnung(nullptr, QStringLiteral("Beim Laden des Projekts:\n") +
                                                       zeilen.join(QLatin1Char('\n')));
    }
    Meldungssammler(const Meldungssammler&) = delete;
    Meldungssammler& operator=(const Meldungssammler&) = delete;

    void warnung(QWidget*, const QString& text) override { merken(text); }
    void information(QWidget*, const QString& text) override { merken(text); }
    bool frage(QWidget* eltern, const QString& text) override {
        return dienst().frage(eltern, text);
    }
    Antwort frageMitAbbruch(QWidget* eltern, const QString& text) override {
        return dienst().frageMitAbbruch(eltern, text);
    }
    QString datei_oeffnen(QWidget* eltern, const QString& titel, const QStringList& filter,
                          const QString& endung) override {
        return dienst().datei_oeffnen(eltern, titel, filter, endung);
    }
    QString datei_speichern(QWidget* eltern, const QString& titel, const QStringList& filter,
                            const QString& endung, const QString& vorschlag) override {
        return dienst().datei_speichern(eltern, titel, filter, endung, vorschlag);
    }

private:
    void merken(const QString& text) {
        if (!texte_.contains(text)) texte_ << text;
    }
    Meldungsdienst& dienst() {
        if (vorher_) return *vorher_;
        Meldungsdienst::einsetzen(nullptr);
        Meldungsdienst& standard = Meldungsdienst::aktuell();
        Meldungsdienst::einsetzen(this);
        return standard;
    }
    Meldungsdienst* vorher_;
    QStringList texte_;
};

} // namespace

TWinRestorer::TWinRestorer(const QString& datei) {
    const QFileInfo info(datei);
    const QString ohne =
        info.suffix().isEmpty() ? datei : datei.left(datei.size() - info.suffix().size() - 1);
    datei_ = ohne + QStringLiteral(".PRO");
    // Keep a lower-case extension the user gave, so the file is found again on Linux.
    if (info.suffix() == QLatin1String("pro")) datei_ = ohne + QStringLiteral(".pro");
}

bool fenster_speichern(Tmodulfenster& fenster, const QString& projektdatei) {
    const QString datei = fenster.dateiname();
    if (datei.isEmpty()) return fenster.speichernUnter(fenster.dateivorschlag(projektdatei));
    // A window of the start-up project or of a template keeps its file in a data folder; a
    // project saved elsewhere gets a file of its own instead of overwriting that one.
    const QString ordner = QFileInfo(datei).absoluteDir().canonicalPath();
    const QString projektordner = QFileInfo(projektdatei).absoluteDir().canonicalPath();
    if (ordner != projektordner)
        for (const QString& daten : datenordner())
            if (QDir(daten).exists() && ordner.startsWith(QDir(daten).canonicalPath()))
                return fenster.speichernUnter(fenster.dateivorschlag(projektdatei));
    // A file the window still agrees with stays untouched: the project may merely point at it
    // (a shared file, one with other line ends or more in it than the window reads).
    if (QFileInfo(datei).isFile() && !fenster.standGeaendert()) return true;
    return fenster.speichern();
}

QString modul_datei_eintrag(const QString& datei, const QString& projektordner) {
    if (datei.isEmpty()) return {};
    const QString absolut = QDir::cleanPath(QFileInfo(datei).absoluteFilePath());
    const QString relativ = QDir(projektordner).relativeFilePath(absolut);
    const bool innen = !QDir::isAbsolutePath(relativ) && relativ != QLatin1String("..") &&
                       !relativ.startsWith(QLatin1String("../"));
    return QDir::toNativeSeparators(innen ? relativ : absolut);
}

QString modul_datei_finden(const QString& gespeichert, const QString& projektordner) {
    if (gespeichert.isEmpty()) return {};
    const auto vorhanden = [](const QString& name) {
        const QFileInfo info(name);
        return info.isFile() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
    };
    // Projects written on Windows separate folders with "\".
    const QString name = QString(gespeichert).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(gespeichert) || QDir::isAbsolutePath(name)) {
        for (const QString& n : {gespeichert, name})
            if (const QString f = vorhanden(n); !f.isEmpty()) return f;
    } else {
        for (const QString& ordner : QStringList{projektordner} + datenordner())
            if (const QString f = vorhanden(QDir(ordner).filePath(name)); !f.isEmpty()) return f;
    }
    const QString bloss = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    if (bloss.isEmpty()) return {};
    for (const QString& ordner : {projektordner, QDir::currentPath()})
        if (const QString f = vorhanden(QDir(ordner).filePath(bloss)); !f.isEmpty()) return f;
    return {};
}

bool TWinRestorer::save(Projektumgebung& umgebung) {
    Inidatei ini;
    ini.schreibe("Hauptfenster", "Version", version);
    const Fensterlage haupt = umgebung.hauptfenster();
    lage_schreiben(ini, "Hauptfenster", haupt, false);
    ini.schreibe("Hauptfenster", "Format", s(umgebung.vorgabeformat()));
    lage_schreiben(ini, "Fenster", umgebung.werkzeugfenster(), true);
    lage_schreiben(ini, "Anzeigefenster", umgebung.anzeigefenster(), true);
    const Tfktbaum& formeln = formelbaum();
    if (formeln.anzahl() > 0) ini.schreibe_zahl("Formeln", "Anzahl", formeln.anzahl());
    for (int i = 0; i < formeln.anzahl(); ++i)
        ini.schreibe("Formeln", "Nr" + std::to_string(i), formeln.eintrag(i));

    // The window opened last comes first. Files of windows that did not change stay as they
    // are, even where the window manager moved a window a little (fenster_speichern).
    const QString ordner = QFileInfo(datei_).absolutePath();
    const QList<Tmodulfenster*> fenster = umgebung.modulfenster();
    int k = 0;
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
        Tmodulfenster* f = *it;
        if (f->art().art < 0) continue;
        const std::string abschnitt = "Formelfenster" + std::to_string(++k);
        ini.schreibe_zahl(abschnitt, "Art", f->art().art);
        if (!fenster_speichern(*f, datei_)) return false;
        ini.schreibe(abschnitt, "Datei", s(modul_datei_eintrag(f->dateiname(), ordner)));
    }
    ini.schreibe_zahl("Fenster", "Anzahl", k);

    QStringList zeilen;
    for (const std::string& z : ini.zeilen())
        zeilen << q(z);
    return zeilen_schreiben(datei_, zeilen);
}

bool TWinRestorer::restore(Projektumgebung& umgebung, bool ohneNamen) {
    QStringList zeilen;
    if (!QFileInfo(datei_).isFile()) {
        meldung(QStringLiteral("Datei nicht gefunden oder fehlerhaft!"));
        return false;
    }
    if (!zeilen_lesen(datei_, zeilen)) return false;
    std::vector<std::string> z;
    for (const QString& zeile : zeilen)
        z.push_back(s(zeile));
    Inidatei ini;
    ini.einlesen(z);
    if (ini.lies("Hauptfenster", "Version", "0") != version) {
        meldung(QStringLiteral("Datei nicht gefunden oder fehlerhaft!"));
        return false;
    }

    Meldungssammler sammler;
    umgebung.setzeHauptfenster(lage_lesen(ini, "Hauptfenster", {true, 100, 100, 0, 0, 0}));
    umgebung.setzeVorgabeformat(q(ini.lies("Hauptfenster", "Format", "0.00")));

    Tfktbaum& formeln = formelbaum();
    const long anzahl = ini.lies_zahl("Formeln", "Anzahl", 1);
    for (long i = 0; i < anzahl && i < 100000; ++i) {
        const std::string schluessel = "Nr" + std::to_string(i);
        if (!ini.hat("Formeln", schluessel) && i > 0) continue;
        formeln.definiere(ini.lies("Formeln", schluessel, "f(x)=x"));
    }

    umgebung.setzeAnzeigefenster(lage_lesen(ini, "Anzeigefenster", {false, 100, 100, 0, 0, 0}));
    umgebung.setzeWerkzeugfenster(lage_lesen(ini, "Fenster", {false, 200, 200, 0, 500, 0}));

    const QString ordner = QFileInfo(datei_).absolutePath();
    // Commands a window runs once all windows are open, in the order they were opened: a
    // lesson opens with its results computed, since a file keeps only what the window saves.
    QList<QPair<QPointer<Tmodulfenster>, QStringList>> befehle;
    QList<QPointer<Tmodulfenster>> zumMerken;
    const long fensterzahl = ini.lies_zahl("Fenster", "Anzahl", 1);
    // Back from the highest number, so windows open in the order they were first opened.
    for (long k = std::min<long>(fensterzahl, 10000); k >= 1; --k) {
        const std::string abschnitt = "Formelfenster" + std::to_string(k);
        // A count larger than the sections written (a damaged or hand-made file) opens no
        // windows for the sections that are not there.
        if (!ini.hat(abschnitt, "Art") && !ini.hat(abschnitt, "Datei")) continue;
        const int art = static_cast<int>(ini.lies_zahl(abschnitt, "Art", 0));
        Tmodulfenster* f = umgebung.fensterErzeugen(art);
        if (f == nullptr) continue;
        const QString gespeichert = q(ini.lies(abschnitt, "Datei", ""));
        const QString gefunden = modul_datei_finden(gespeichert, ordner);
        bool geladen = false;
        if (!gefunden.isEmpty())
            geladen = f->laden(gefunden);
        else if (!gespeichert.isEmpty()) // a window saved without a file opens empty
            meldung(gespeichert + QStringLiteral(" Datei nicht gefunden!"));
        if (ohneNamen) {
            f->setzeDateiname({});
            f->setWindowTitle(f->art().artname);
        }
        f->show();
        const QString namen = q(ini.lies(abschnitt, "Befehl", "")).trimmed();
        if (!namen.isEmpty())
            befehle.prepend({f, namen.split(QLatin1Char('|'), Qt::SkipEmptyParts)});
        if (geladen && !ohneNamen) zumMerken << f;
    }
    const QList<Tmodulfenster*> geoeffnet = Tmodulfenster::alleFenster();
    for (auto& [f, namen] : befehle) {
        for (const QString& name : namen) {
            if (!f) break; // a command closed its window
            QAction* a = f->rechenbefehl(name.trimmed());
            if (a == nullptr && f->befehlNachName(name.trimmed()))
                meldung(QStringLiteral("Dieser Befehl wird beim Öffnen eines Projekts nicht "
                                       "ausgeführt: ") +
                        name.trimmed());
            else if (a == nullptr)
                meldung(QStringLiteral("Unbekannter Befehl: ") + name.trimmed());
            else if (a->isEnabled())
                a->trigger();
        }
    }
    // Results computed on opening are part of the state the file stands for, and a window the
    // commands opened (a plot of the results) is part of the project as it was opened: closing
    // it asks nothing.
    for (auto& f : zumMerken)
        if (f) f->standMerken();
    for (Tmodulfenster* f : Tmodulfenster::alleFenster())
        if (!geoeffnet.contains(f)) f->setzeGeaendert(false);
    // The project's own windows stay in front of what the commands opened, in their order, so
    // a plot does not hide a lesson's explanation.
    if (!befehle.isEmpty())
        for (Tmodulfenster* f : geoeffnet)
            f->raise();
    return true;
}

} // namespace zol
