#include "shell/rahmen/modulfenster.h"

#include "engine/fktbaum.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/programmhaken.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/spinbasis.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rahmen/symbole.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace zol {

namespace {

const Fensterart& art_zu(const QString& klasse) {
    const Fensterart* a = fensterart_nach_name(klasse);
    if (a != nullptr) return *a;
    // A window outside the table (tests, tools): no data-file dialogs, no marker.
    static Fensterart ohne;
    ohne.klasse = klasse;
    ohne.titel = klasse;
    return ohne;
}

QPointer<Tmodulfenster>& tabellenkalkulation() {
    static QPointer<Tmodulfenster> fenster;
    return fenster;
}

// Compute and operation buttons: words in red, as pupils know them.
constexpr const char* rot_fett = "QToolButton { color: #c00000; font-weight: bold; }";

// The lines of a window file as one fingerprint. In a data file of the window's own (mit_lage)
// the window's place-and-size line, the first line of that shape among the header lines, counts
// as the same whatever it says: a window the window manager moved a little has not changed.
QByteArray fingerabdruck(const QStringList& zeilen, bool mit_lage) {
    static const QRegularExpression lagezeile(
        QStringLiteral("^-?\\d+#-?\\d+#-?\\d+#-?\\d+#-?\\d+#$"));
    constexpr int kopfzeilen = 8;
    QCryptographicHash h(QCryptographicHash::Sha256);
    bool lage_gesehen = !mit_lage;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        if (!lage_gesehen && i < kopfzeilen && lagezeile.match(z).hasMatch()) {
            lage_gesehen = true;
            h.addData(QByteArrayView("\x01"));
        } else {
            h.addData(z.toUtf8());
        }
        h.addData(QByteArrayView("\n"));
    }
    return h.result();
}

bool& nachfragen_aus() {
    static bool aus = false;
    return aus;
}

// A file name part from a window title: "Diskussion 2 Fkt." -> "diskussion_2_fkt".
QString namensteil(const QString& titel) {
    QString t = titel.toLower();
    t.replace(QStringLiteral("ä"), QStringLiteral("ae"));
    t.replace(QStringLiteral("ö"), QStringLiteral("oe"));
    t.replace(QStringLiteral("ü"), QStringLiteral("ue"));
    t.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    QString teil;
    for (const QChar c : t) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            teil += c;
        else if (!teil.isEmpty() && !teil.endsWith(QLatin1Char('_')))
            teil += QLatin1Char('_');
    }
    while (teil.endsWith(QLatin1Char('_')))
        teil.chop(1);
    return teil;
}

QList<Tmodulfenster*>& lebende_fenster() {
    static QList<Tmodulfenster*> liste;
    return liste;
}

// The clipboard keeps at most this much of a pasted text, as a 32000-byte buffer did.
constexpr int max_einfuegen = 31999;

} // namespace

Tmodulfenster* letzteTabellenkalkulation() {
    return tabellenkalkulation();
}

Tmodulfenster* fenster_erzeugen(int nummer) {
    const Fensterart* a = fensterart_nach_nummer(nummer);
    if (a == nullptr) {
        meldung(QStringLiteral("Unbekannte Fensterart %1.").arg(nummer));
        return nullptr;
    }
    if (!a->erzeugen) {
        meldung(QStringLiteral("Das Fenster \"%1\" gibt es in dieser Fassung noch nicht.")
                    .arg(a->artname));
        return nullptr;
    }
    return a->erzeugen();
}

Tmodulfenster::Tmodulfenster(const QString& klasse, QWidget* eltern)
    : QMainWindow(eltern), art_(&art_zu(klasse)) {
    setObjectName(klasse);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(art_->titel);
    lebende_fenster() << this;
}

Tmodulfenster::~Tmodulfenster() {
    lebende_fenster().removeAll(this);
}

QList<Tmodulfenster*> Tmodulfenster::alleFenster() {
    return lebende_fenster();
}

void Tmodulfenster::setzeFormat(const QString& bild) {
    format_ = bild;
    formatAnwenden();
}

void Tmodulfenster::setzeDateiname(const QString& datei) {
    // What another file holds is not known.
    if (datei != dateiname_) stand_.clear();
    dateiname_ = datei;
    if (!datei.isEmpty()) setWindowTitle(QFileInfo(datei).fileName());
}

void Tmodulfenster::komponente(QWidget* steuerelement) {
    komponenten_ << steuerelement;
    aenderungenVerfolgen(steuerelement);
}

// Only what the user does counts, never a text the program sets: edit signals, clicks and the
// grid delegate's commit. Memos are asked for their modified flag instead (setPlainText clears
// it, but passes through "modified" on the way).
void Tmodulfenster::aenderungenVerfolgen(QWidget* w) {
    auto markieren = [this] {
        if (!laedt_) geaendert_ = true;
    };
    if (auto* e = qobject_cast<QLineEdit*>(w))
        connect(e, &QLineEdit::textEdited, this, markieren);
    else if (auto* s = qobject_cast<Tspinbasis*>(w))
        connect(s, &Tspinbasis::textEdited, this, markieren);
    else if (auto* k = qobject_cast<QCheckBox*>(w))
        connect(k, &QCheckBox::clicked, this, markieren);
    else if (auto* r = qobject_cast<QRadioButton*>(w))
        connect(r, &QRadioButton::clicked, this, markieren);
    else if (auto* g = qobject_cast<TRadioGroup*>(w))
        connect(g, &TRadioGroup::geklickt, this, markieren);
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        connect(c, &QComboBox::activated, this, markieren);
        if (c->lineEdit()) connect(c->lineEdit(), &QLineEdit::textEdited, this, markieren);
    } else if (auto* gitter = qobject_cast<TStringGrid*>(w))
        connect(gitter->itemDelegate(), &QAbstractItemDelegate::commitData, this, markieren);
}

bool Tmodulfenster::geaendert() const {
    if (geaendert_) return true;
    for (const QWidget* w : komponenten_) {
        if (auto* m = qobject_cast<const QPlainTextEdit*>(w); m && m->document()->isModified())
            return true;
        if (auto* t = qobject_cast<const QTextEdit*>(w); t && t->document()->isModified())
            return true;
    }
    return false;
}

void Tmodulfenster::setzeGeaendert(bool geaendert) {
    geaendert_ = geaendert;
    if (geaendert) return;
    for (QWidget* w : komponenten_) {
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->document()->setModified(false);
        if (auto* t = qobject_cast<QTextEdit*>(w)) t->document()->setModified(false);
    }
}

void Tmodulfenster::nachDemLaden(bool vollstaendig) {
    // A file cut short lost something: the window counts as changed, so closing it or saving
    // over the file is not done without asking.
    setzeGeaendert(!vollstaendig);
    if (!vollstaendig) meldung(QString::fromUtf8(datei_unvollstaendig), this);
}

bool Tmodulfenster::mitNachfrage() const {
    return !ohneNachfrage_ && !nachfragen_aus();
}

void Tmodulfenster::nachfragenAbschalten(bool aus) {
    nachfragen_aus() = aus;
}

void Tmodulfenster::schliessenOhneNachfrage() {
    ohneNachfrage_ = true;
    close();
}

bool aenderungenBehandeln(const QList<Tmodulfenster*>& fenster, QWidget* eltern) {
    QList<Tmodulfenster*> geaendert;
    for (Tmodulfenster* f : fenster)
        if (f->geaendert() && f->mitNachfrage()) geaendert << f;
    if (geaendert.isEmpty()) return true;
    QString text = QStringLiteral("Die folgenden Fenster wurden geändert:\n");
    for (const Tmodulfenster* f : geaendert)
        text += QStringLiteral("    ") + f->windowTitle() + QLatin1Char('\n');
    text += QStringLiteral("Änderungen speichern?");
    switch (Meldungsdienst::aktuell().frageMitAbbruch(eltern, text)) {
    case Meldungsdienst::Antwort::nein:
        return true;
    case Meldungsdienst::Antwort::abbrechen:
        return false;
    case Meldungsdienst::Antwort::ja:
        break;
    }
    for (Tmodulfenster* f : geaendert)
        if (!f->speichern()) return false;
    return true;
}

QAction* Tmodulfenster::eigenerBefehl(const QString& name, const QString& text,
                                      const QString& menue, const QString& hinweis,
                                      const QString& knopftext) {
    return befehlAnlegen(name, text, menue, hinweis, knopftext, false);
}

QAction* Tmodulfenster::befehlAnlegen(const QString& name, const QString& text,
                                      const QString& menue, const QString& hinweis,
                                      const QString& knopftext, bool rot) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!hinweis.isEmpty()) a->setToolTip(hinweis);
    if (!knopftext.isEmpty()) a->setIconText(knopftext);
    eigeneBefehle_ << a;
    const EigenerEintrag e{a, menue, knopftext, !hinweis.isEmpty(), rot};
    eigeneEintraege_ << e;
    // Before the frame is built the entry waits for it, so the frame's menus come first.
    if (werkzeugleiste_ != nullptr) eigenenBefehlPlatzieren(e);
    return a;
}

// A frame menu that a window's own command opens ("&Bearbeiten") takes its standard place; a menu
// of the window's own stands after the frame's working menus, before the settings and help.
QMenu* Tmodulfenster::menueFuer(const QString& titel) {
    static const QStringList rahmenmenues = {
        QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Ausgabe"),
        QStringLiteral("&Eigenschaften"), QStringLiteral("&Hilfe")};
    const qsizetype eigener_platz = rahmenmenues.indexOf(QStringLiteral("&Eigenschaften"));
    const qsizetype platz = rahmenmenues.indexOf(titel); // -1: a menu of the window's own
    QAction* davor = nullptr;
    for (QAction* a : menuBar()->actions()) {
        if (a->menu() == nullptr) continue;
        if (a->menu()->title() == titel) return a->menu();
        const qsizetype p = rahmenmenues.indexOf(a->menu()->title());
        const bool dahinter =
            platz < 0 ? p >= eigener_platz : p > platz || (p < 0 && platz < eigener_platz);
        if (davor == nullptr && dahinter) davor = a;
    }
    auto* m = new QMenu(titel, this);
    menuBar()->insertMenu(davor, m);
    return m;
}

void Tmodulfenster::eigenenBefehlPlatzieren(const EigenerEintrag& e) {
    if (!e.menue.isEmpty()) menueFuer(e.menue)->addAction(e.aktion);
    if (!e.knopf) return;
    if (e.knopftext.isEmpty()) {
        werkzeugleiste_->insertAction(eigeneKnoepfe_, e.aktion);
    } else {
        auto* knopf = new QToolButton(werkzeugleiste_);
        knopf->setDefaultAction(e.aktion);
        knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knopf->setMinimumWidth(28);
        if (e.rot) knopf->setStyleSheet(QString::fromLatin1(rot_fett));
        werkzeugleiste_->insertWidget(eigeneKnoepfe_, knopf);
    }
    eigeneKnoepfe_->setVisible(true);
}

QList<QAction*> Tmodulfenster::grundrechenarten(const QStringList& knoepfe,
                                                std::function<void(int)> rechnen,
                                                const QString& menue, const QString& namenszusatz) {
    static const char* const namen[] = {"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"};
    QList<QAction*> aktionen;
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(namen[i]);
        QAction* a = befehlAnlegen(name + namenszusatz, QLatin1Char('&') + name, menue, name,
                                   knoepfe.value(i), true);
        connect(a, &QAction::triggered, this, [rechnen, i] { rechnen(i); });
        aktionen << a;
    }
    return aktionen;
}

QAction* Tmodulfenster::nullSetzenAnbieten(const QList<TStringGrid*>& gitter) {
    QAction* a = eigenerBefehl(QStringLiteral("Nullsetzen"), QStringLiteral("&Null setzen"),
                               QStringLiteral("&Bearbeiten"));
    connect(a, &QAction::triggered, this, [gitter] {
        for (TStringGrid* g : gitter)
            felder::nullSetzen(*g);
    });
    return a;
}

void Tmodulfenster::seitenwechsel(QTabWidget* notizbuch,
                                  std::function<void(int alt, int neu)> wechsel) {
    auto alt = std::make_shared<int>(notizbuch->currentIndex());
    connect(notizbuch, &QTabWidget::currentChanged, this,
            [this, alt, wechsel = std::move(wechsel)](int neu) {
                const int vorige = *alt;
                *alt = neu;
                if (!laedt_ && vorige != neu && vorige >= 0) wechsel(vorige, neu);
            });
}

QAction* Tmodulfenster::aktion(Befehl befehl) {
    const int schluessel = static_cast<int>(befehl);
    if (QAction* a = aktionen_.value(schluessel)) return a;
    const Befehlsbeschreibung& b = beschreibung(befehl);
    auto* a = new QAction(QString::fromUtf8(b.text), this);
    a->setObjectName(QString::fromUtf8(b.name));
    if (*b.hinweis) a->setToolTip(QString::fromUtf8(b.hinweis));
    if (!b.kurz.isEmpty()) a->setShortcut(b.kurz);
    a->setIcon(befehlssymbol(befehl));
    connect(a, &QAction::triggered, this, [this, befehl] { ausfuehren(befehl); });
    aktionen_.insert(schluessel, a);
    return a;
}

void Tmodulfenster::gitterKontextmenue(TStringGrid* gitter, const QList<Befehl>& befehle) {
    gitter->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gitter, &QWidget::customContextMenuRequested, this,
            [this, gitter, befehle](const QPoint& stelle) {
                QMenu menue(this);
                for (Befehl b : befehle) {
                    QAction* vorbild = aktion(b);
                    QAction* a = menue.addAction(vorbild->icon(), vorbild->text());
                    connect(a, &QAction::triggered, this,
                            [this, b, gitter] { zwischenablage(b, gitter); });
                }
                menue.exec(gitter->viewport()->mapToGlobal(stelle));
            });
}

void Tmodulfenster::rahmenAufbauen(const QList<Befehl>& angebot) {
    angebot_ = angebot;
    QMap<QString, QMenu*> menues;
    for (const Befehlsbeschreibung& b : alle_befehle()) {
        if (!angebot.contains(b.befehl)) continue;
        const QString menue = QString::fromUtf8(b.menue);
        if (menue.isEmpty()) continue;
        if (menue == QLatin1String("-")) {
            menuBar()->addAction(aktion(b.befehl));
            continue;
        }
        QMenu*& m = menues[menue];
        if (m == nullptr) m = menuBar()->addMenu(menue);
        if (b.befehl == Befehl::beenden || b.befehl == Befehl::druckereinrichtung)
            m->addSeparator();
        m->addAction(aktion(b.befehl));
    }
    // The tool bar: file commands, computation, output, settings, then main menu, help, close.
    werkzeugleiste_ = addToolBar(QStringLiteral("Werkzeuge"));
    werkzeugleiste_->setObjectName(QStringLiteral("Werkzeugleiste"));
    werkzeugleiste_->setMovable(false);
    const Befehl reihenfolge[] = {Befehl::oeffnen,
                                  Befehl::speichern,
                                  Befehl::speichern_unter,
                                  Befehl::rechne,
                                  Befehl::tabellenkalkulation,
                                  Befehl::zeichnen,
                                  Befehl::rechnenfenster,
                                  Befehl::ergebnisse_definieren,
                                  Befehl::zahlenformat,
                                  Befehl::projektformeln,
                                  Befehl::hauptmenue,
                                  Befehl::hilfe,
                                  Befehl::beenden};
    for (Befehl b : reihenfolge) {
        if (b == Befehl::tabellenkalkulation) {
            // The window's own operation buttons follow the compute button.
            eigeneKnoepfe_ = werkzeugleiste_->addSeparator();
            eigeneKnoepfe_->setVisible(false);
        }
        if (!angebot.contains(b)) continue;
        if (b == Befehl::rechne) {
            // The compute button is a word, red and bold, as pupils know it.
            auto* knopf = new QToolButton(werkzeugleiste_);
            knopf->setDefaultAction(aktion(b));
            knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
            knopf->setText(QStringLiteral("Rechne"));
            knopf->setStyleSheet(QString::fromLatin1(rot_fett));
            werkzeugleiste_->addWidget(knopf);
            continue;
        }
        werkzeugleiste_->addAction(aktion(b));
    }
    const bool tabellen = fensterart_nach_nummer(20) && fensterart_nach_nummer(20)->erzeugen;
    const bool rechnen = fensterart_nach_nummer(5) && fensterart_nach_nummer(5)->erzeugen;
    if (angebot.contains(Befehl::tabellenkalkulation))
        aktion(Befehl::tabellenkalkulation)->setEnabled(tabellen);
    if (angebot.contains(Befehl::rechnenfenster))
        aktion(Befehl::rechnenfenster)->setEnabled(rechnen);
    for (const EigenerEintrag& e : eigeneEintraege_)
        eigenenBefehlPlatzieren(e);
    formatAnwenden();
}

void Tmodulfenster::ausfuehren(Befehl befehl) {
    switch (befehl) {
    case Befehl::neu:
        neu();
        break;
    case Befehl::oeffnen:
        oeffnen();
        break;
    case Befehl::speichern:
        speichern();
        break;
    case Befehl::speichern_unter:
        speichernUnter();
        break;
    case Befehl::druckereinrichtung:
        druckereinrichtung();
        break;
    case Befehl::drucken:
        drucken();
        break;
    case Befehl::beenden:
        close();
        break;
    case Befehl::ausschneiden:
    case Befehl::kopieren:
    case Befehl::einfuegen:
    case Befehl::loeschen:
    case Befehl::alles_auswaehlen:
        zwischenablage(befehl);
        break;
    case Befehl::rechne:
        rechne();
        break;
    case Befehl::zeichnen:
        zeichnen();
        break;
    case Befehl::tabellenkalkulation:
        nachTabellenkalkulation();
        break;
    case Befehl::rechnenfenster:
        neuesRechnenfenster();
        break;
    case Befehl::ergebnisse_definieren:
        ergebnisseDefinieren();
        break;
    case Befehl::zahlenformat:
        zahlenformatWaehlen();
        break;
    case Befehl::projektformeln:
        projektformelnBearbeiten();
        break;
    case Befehl::hilfe:
        hilfe_anzeigen(art_->hilfekontext, this);
        break;
    case Befehl::hauptmenue:
        hauptfenster_zeigen();
        break;
    }
}

// "Neu" empties every numeric input the window saves.
void Tmodulfenster::neu() {
    for (QWidget* w : komponenten_) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->clear();
        else if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
            s->clear();
    }
}

void Tmodulfenster::formatAnwenden() {
    // Numeric fields that format their values carry the properties Formatenabled/Formatstr.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->property("Formatenabled").toBool()) w->setProperty("Formatstr", format_);
    }
}

namespace {

QString ohne_zeichen(QString text) {
    text.remove(QLatin1Char('&'));
    text.remove(QStringLiteral("..."));
    text.remove(QLatin1Char(' '));
    return text.trimmed();
}

} // namespace

QAction* Tmodulfenster::befehlNachName(const QString& name) {
    QList<QAction*> kandidaten = fensterbefehle();
    for (const Befehlsbeschreibung& b : alle_befehle())
        if (bietet(b.befehl)) kandidaten << aktion(b.befehl);
    for (QAction* a : kandidaten)
        if (a->objectName().compare(name, Qt::CaseInsensitive) == 0 ||
            ohne_zeichen(a->text()).compare(ohne_zeichen(name), Qt::CaseInsensitive) == 0 ||
            (!a->iconText().isEmpty() && a->iconText() == name))
            return a;
    return nullptr;
}

QAction* Tmodulfenster::rechenbefehl(const QString& name) {
    QAction* a = befehlNachName(name);
    if (a == nullptr) return nullptr;
    for (Befehl b : {Befehl::rechne, Befehl::zeichnen, Befehl::tabellenkalkulation})
        if (bietet(b) && a == aktion(b)) return a;
    // Windows whose computing commands are their own carry the frame's names for them.
    static const QStringList rechnend = {QStringLiteral("Rechne"), QStringLiteral("Zeichnen"),
                                         QStringLiteral("Aktualisieren")};
    for (const EigenerEintrag& e : eigeneEintraege_)
        if (e.aktion == a && (e.rot || e.menue == QLatin1String("&Rechne") ||
                              rechnend.contains(a->objectName(), Qt::CaseInsensitive)))
            return a;
    return nullptr;
}

QList<QWidget*> Tmodulfenster::ergebnisanzeigen() const {
    QList<QWidget*> r;
    if (ergebnisgitter()) r << ergebnisgitter();
    if (ergebnismemo()) r << ergebnismemo();
    for (QLineEdit* feld : ergebnisfelder())
        r << feld;
    return r;
}

QStringList Tmodulfenster::ergebniszeilen() const {
    QStringList zeilen;
    const QList<QLineEdit*> felder = ergebnisfelder();
    if (!felder.isEmpty()) {
        for (const QLineEdit* feld : felder)
            if (!feld->text().trimmed().isEmpty()) zeilen << feld->text();
    } else if (const QPlainTextEdit* memo = ergebnismemo()) {
        for (const QString& zeile : memo->toPlainText().split(QLatin1Char('\n')))
            if (!zeile.trimmed().isEmpty()) zeilen << zeile;
    }
    return zeilen;
}

void Tmodulfenster::ergebnisseVerwerfen() {
    if (TStringGrid* gitter = ergebnisgitter()) {
        gitter->setRowCount(gitter->fixedRows() + 1);
        for (int c = 0; c < gitter->colCount(); ++c)
            gitter->setCell(c, gitter->fixedRows(), QString());
    }
    if (QPlainTextEdit* memo = ergebnismemo()) memo->clear();
    for (QLineEdit* feld : ergebnisfelder()) {
        if (auto* ergebnis = qobject_cast<Tergebnisfeld*>(feld))
            ergebnis->leeren();
        else
            feld->clear();
    }
}

// ---- data files ----

void Tmodulfenster::oeffnen() {
    const QString datei = Meldungsdienst::aktuell().datei_oeffnen(this, QStringLiteral("Öffnen"),
                                                                  art_->filter, art_->endung);
    if (!datei.isEmpty() && laden(datei)) standMerken();
}

// The lines written are remembered as the saved state on the way.
bool Tmodulfenster::speichern() {
    if (dateiname_.isEmpty()) return speichernUnter();
    Zeilenfang fang(Zeilenfang::Art::mitschreiben);
    if (!inDateiSchreiben(dateiname_)) return false;
    QStringList zeilen;
    stand_ = fang.zeilen(dateiname_, zeilen) ? standAus(zeilen) : QByteArray();
    setzeGeaendert(false);
    return true;
}

bool Tmodulfenster::speichernUnter(const QString& vorschlag) {
    const QString datei = Meldungsdienst::aktuell().datei_speichern(
        this, QStringLiteral("Speichern unter – %1").arg(windowTitle()), speichernFilter(),
        art_->endung, vorschlag.isEmpty() ? dateiname_ : vorschlag);
    if (datei.isEmpty()) return false;
    Zeilenfang fang(Zeilenfang::Art::mitschreiben);
    if (!inDateiSchreiben(datei)) return false;
    setzeDateiname(datei);
    QStringList zeilen;
    stand_ = fang.zeilen(datei, zeilen) ? standAus(zeilen) : QByteArray();
    setzeGeaendert(false);
    return true;
}

// What the window would write to its file, found without writing it.
QByteArray Tmodulfenster::standErmitteln() {
    if (dateiname_.isEmpty()) return {};
    Zeilenfang fang;
    QStringList zeilen;
    if (!inDateiSchreiben(dateiname_) || !fang.zeilen(dateiname_, zeilen)) return {};
    return standAus(zeilen);
}

// A window's data file starts with its kind's marker, or has a format of its own; anything else
// (a text file in the calculation window) has no place line.
QByteArray Tmodulfenster::standAus(const QStringList& zeilen) const {
    return fingerabdruck(zeilen, art_->kennung.isEmpty() ||
                                     (!zeilen.isEmpty() && zeilen.first() == art_->kennung));
}

void Tmodulfenster::standMerken() {
    stand_ = standErmitteln();
}

bool Tmodulfenster::standGeaendert() {
    if (stand_.isEmpty()) return true;
    return standErmitteln() != stand_;
}

QString Tmodulfenster::dateivorschlag(const QString& projektdatei) const {
    const QFileInfo projekt(projektdatei);
    QString name = projekt.completeBaseName() + QLatin1Char('_') + namensteil(art_->titel);
    if (!art_->endung.isEmpty()) name += QLatin1Char('.') + art_->endung;
    return projekt.dir().filePath(name);
}

bool Tmodulfenster::inDateiSchreiben(const QString& datei) {
    Tsaveloadlist liste;
    liste.zeilen << art_->kennung << format_;
    zusatzSpeichern(liste.zeilen);
    liste.componentenspeichern(this, komponenten_);
    return zeilen_schreiben(datei, liste.zeilen, this);
}

bool Tmodulfenster::laden(const QString& datei) {
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    if (zeilen.isEmpty() || zeilen.first() != art_->kennung) {
        meldung(QStringLiteral("Datei kann nicht geladen werden."), this);
        return false;
    }
    // A picture is a few characters; a megabyte "picture" from a damaged file is ignored.
    if (zeilen.size() > 1 && zeilen[1].size() <= 255) format_ = zeilen[1];
    laedt_ = true;
    const auto fertig = qScopeGuard([this] { laedt_ = false; });
    int index = 2;
    zusatzLaden(zeilen, index);
    Tsaveloadlist liste;
    liste.zeilen = zeilen;
    const bool vollstaendig = liste.componentenladen(this, komponenten_, index);
    setzeDateiname(datei);
    formatAnwenden();
    nachDemLaden(vollstaendig);
    return true;
}

// ---- clipboard ----

QWidget* Tmodulfenster::zwischenablageZiel() const {
    QWidget* fokus = QApplication::focusWidget();
    if (fokus && isAncestorOf(fokus)) return fokus;
    if (ergebnisgitter()) return ergebnisgitter();
    return ergebnismemo();
}

void Tmodulfenster::zwischenablage(Befehl befehl, QWidget* ziel) {
    if (ziel == nullptr) ziel = zwischenablageZiel();
    if (ziel == nullptr) return;
    if ((befehl == Befehl::einfuegen || befehl == Befehl::ausschneiden ||
         befehl == Befehl::loeschen) &&
        qobject_cast<TStringGrid*>(ziel) && komponenten_.contains(ziel))
        geaendert_ = true;
    QClipboard* ablage = QApplication::clipboard();
    if (auto* gitter = qobject_cast<TStringGrid*>(ziel)) {
        switch (befehl) {
        case Befehl::kopieren:
            ablage->setText(gitter->alsText(gitter->auswahl()));
            break;
        case Befehl::ausschneiden:
            ablage->setText(gitter->alsText(gitter->auswahl()));
            gitter->auswahlLeeren();
            break;
        case Befehl::loeschen:
            gitter->auswahlLeeren();
            break;
        case Befehl::alles_auswaehlen:
            gitter->allesAuswaehlen();
            break;
        case Befehl::einfuegen: {
            const QMimeData* daten = ablage->mimeData();
            if (daten == nullptr || !daten->hasText()) return;
            const QRect a = gitter->auswahl();
            gitter->textEinfuegen(daten->text().left(max_einfuegen), a.left(), a.top(), false);
            break;
        }
        default:
            break;
        }
        return;
    }
    auto wirke = [befehl](auto* feld) {
        switch (befehl) {
        case Befehl::ausschneiden:
            feld->cut();
            break;
        case Befehl::kopieren:
            feld->copy();
            break;
        case Befehl::einfuegen:
            feld->paste();
            break;
        case Befehl::alles_auswaehlen:
            feld->selectAll();
            break;
        default:
            break;
        }
    };
    if (auto* e = qobject_cast<QLineEdit*>(ziel)) {
        if (befehl == Befehl::loeschen)
            e->del();
        else
            wirke(e);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(ziel)) {
        if (befehl == Befehl::loeschen)
            m->textCursor().removeSelectedText();
        else
            wirke(m);
    } else if (auto* t = qobject_cast<QTextEdit*>(ziel)) {
        if (befehl == Befehl::loeschen)
            t->textCursor().removeSelectedText();
        else
            wirke(t);
    }
}

// ---- the other frame commands ----

void Tmodulfenster::zahlenformatWaehlen() {
    QString bild = format_;
    if (zahlenformat_waehlen(bild, this)) {
        if (bild != format_) geaendert_ = true;
        winkelmodus = Tzahlenform::instanz().winkelmodus;
        setzeFormat(bild);
    }
}

void Tmodulfenster::projektformelnBearbeiten() {
    Tdialogformel::instanz().exec();
}

// Every result line without ";" becomes a project formula; refusals are reported one by one.
// Result fields are defined as they are; a single field's refusal is reported without the line,
// which the user sees in the field anyway.
void Tmodulfenster::ergebnisseDefinieren() {
    const int felder = static_cast<int>(ergebnisfelder().size());
    for (const QString& zeile : ergebniszeilen()) {
        if (felder == 0 && zeile.contains(QLatin1Char(';'))) continue;
        if (formelbaum().definiere(zeile.toStdString()) || abgelehnteStill_) continue;
        if (felder == 1)
            meldung(QStringLiteral("Fehlerhafter Ausdruck"), this);
        else
            meldung((felder == 0 ? QStringLiteral(" Fehlerhafter Ausdruck\n")
                                 : QStringLiteral("Fehlerhafter Ausdruck\n")) +
                        zeile,
                    this);
    }
    Tdialogformel::instanz().exec();
}

void Tmodulfenster::nachTabellenkalkulation() {
    TStringGrid* gitter = ergebnisgitter();
    if (gitter == nullptr) return;
    gitter->allesAuswaehlen();
    zwischenablage(Befehl::kopieren, gitter);
    Tmodulfenster* tabelle = fenster_erzeugen(20);
    if (tabelle == nullptr) return;
    tabellenkalkulation() = tabelle;
    tabelle->show();
    tabelle->zwischenablage(Befehl::einfuegen, tabelle->ergebnisgitter());
}

void Tmodulfenster::neuesRechnenfenster() {
    Tmodulfenster* rechnen = fenster_erzeugen(5);
    if (rechnen == nullptr) return;
    rechnen->setzeFormat(Tzahlenform::instanz().format);
    rechnen->winkelmodus = Tzahlenform::instanz().winkelmodus;
    if (QPlainTextEdit* ziel = rechnen->ergebnismemo()) {
        // A memo goes over as it is, empty lines included; other results as their lines.
        if (ergebnisfelder().isEmpty() && ergebnismemo())
            ziel->setPlainText(ergebnismemo()->toPlainText());
        else
            ziel->setPlainText(ergebniszeilen().join(QLatin1Char('\n')));
    }
    rechnen->show();
}

// The window's client area as an image, scaled to fit one page.
void Tmodulfenster::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QWidget* flaeche = centralWidget() ? centralWidget() : this;
    const QPixmap bild = flaeche->grab();
    QPainter maler;
    if (!maler.begin(&drucker)) {
        meldung(QStringLiteral("Der Drucker kann nicht benutzt werden."), this);
        return;
    }
    const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const QSize groesse = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
    maler.drawPixmap(QRect(QPoint(0, 0), groesse), bild);
}

void Tmodulfenster::druckereinrichtung() {
    QPrinter drucker;
    QPrintDialog dialog(&drucker, this);
    dialog.exec();
}

void Tmodulfenster::closeEvent(QCloseEvent* ereignis) {
    if (aenderungenBehandeln({this}, this))
        ereignis->accept();
    else
        ereignis->ignore();
}

} // namespace zol
