#include "shell/rechnen/editform.h"

#include "engine/fktbaum.h"
#include "engine/rechnen.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/dienste/programmhaken.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/anzeigedlg.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/symbole.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

namespace zol {

namespace {

constexpr const char* kennung = "Rechnenfenster";

bool ist_fensterdatei(const QString& datei) {
    return QFileInfo(datei).suffix().toUpper() == QLatin1String("REF");
}

// Colours are stored as the red, green and blue bytes of one integer, red lowest.
int farbe_als_zahl(const QColor& f) {
    return f.red() | (f.green() << 8) | (f.blue() << 16);
}
QColor zahl_als_farbe(int z) {
    return QColor(z & 0xFF, (z >> 8) & 0xFF, (z >> 16) & 0xFF);
}

} // namespace

TEditForm::TEditForm(QWidget* eltern) : Tmodulfenster(QStringLiteral("TEditForm"), eltern) {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(false);
    Memo1->installEventFilter(this);
    setCentralWidget(Memo1);
    komponente(Memo1);
    menuesAufbauen();
    werkzeugleisteAufbauen();
    setzeModus(1);
    raenderSetzen();
    resize(720, 440);
}

void TEditForm::menuesAufbauen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(aktion(Befehl::neu));
    datei->addAction(aktion(Befehl::oeffnen));
    datei->addAction(aktion(Befehl::speichern));
    datei->addAction(aktion(Befehl::speichern_unter));
    datei->addAction(aktion(Befehl::drucken));
    datei->addSeparator();
    datei->addAction(aktion(Befehl::beenden));

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    for (Befehl b : {Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen,
                     Befehl::alles_auswaehlen})
        bearbeiten->addAction(aktion(b));

    QMenu* rechnen = menuBar()->addMenu(QStringLiteral("&Rechnen"));
    programmStarten_ =
        eigenerBefehl(QStringLiteral("Programmstarten"), QStringLiteral("Programm &starten"));
    programmStarten_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    programmStarten_->setToolTip(QStringLiteral("Programm starten"));
    connect(programmStarten_, &QAction::triggered, this, [this] { programmStarten(); });
    direktModus_ = eigenerBefehl(QStringLiteral("DirektModus"), QStringLiteral("&Direktmodus"));
    direktModus_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    direktModus_->setCheckable(true);
    connect(direktModus_, &QAction::triggered, this, [this] { setzeModus(1); });
    programmModus_ =
        eigenerBefehl(QStringLiteral("ProgrammModus"), QStringLiteral("&Programmmodus"));
    programmModus_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    programmModus_->setCheckable(true);
    connect(programmModus_, &QAction::triggered, this, [this] { setzeModus(0); });
    QAction* ausgeben =
        eigenerBefehl(QStringLiteral("Formelnausgeben"), QStringLiteral("Formeln &ausgeben"));
    ausgeben->setToolTip(QStringLiteral("Formeln ausgeben"));
    connect(ausgeben, &QAction::triggered, this, [this] { formelnAusgeben(); });
    QAction* schrift =
        eigenerBefehl(QStringLiteral("Schriftwaehlen"), QStringLiteral("Schrift &wählen..."));
    schrift->setToolTip(QStringLiteral("Schrift"));
    schrift->setIconText(QStringLiteral("Schrift"));
    connect(schrift, &QAction::triggered, this, [this] { schriftWaehlen(); });
    rechnen->addAction(programmStarten_);
    rechnen->addAction(direktModus_);
    rechnen->addAction(programmModus_);
    rechnen->addSeparator();
    rechnen->addAction(ausgeben);
    rechnen->addAction(schrift);

    QMenu* eigenschaften = menuBar()->addMenu(QStringLiteral("&Eigenschaften"));
    QAction* format = aktion(Befehl::zahlenformat);
    format->setText(QStringLiteral("&Zahlenformat"));
    eigenschaften->addAction(format);
    QAction* bearbeitenFormeln = aktion(Befehl::projektformeln);
    bearbeitenFormeln->setText(QStringLiteral("&Projektformeln bearbeiten..."));
    eigenschaften->addAction(bearbeitenFormeln);
    QAction* anzeigen = eigenerBefehl(QStringLiteral("Projektformelnanzeigen"),
                                      QStringLiteral("Projektformeln &anzeigen"));
    anzeigen->setToolTip(QStringLiteral("Projektformeln anzeigen"));
    connect(anzeigen, &QAction::triggered, this, [] {
        Tanzeigedlg::instanz().show();
        Tanzeigedlg::instanz().raise();
    });
    eigenschaften->addAction(anzeigen);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(aktion(Befehl::hilfe));
}

void TEditForm::werkzeugleisteAufbauen() {
    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    auto knopf = [&](const QString& name, QAction* a, const QString& hinweis) {
        auto* k = new QToolButton(leiste);
        k->setObjectName(name);
        k->setDefaultAction(a);
        if (!hinweis.isEmpty()) k->setToolTip(hinweis);
        leiste->addWidget(k);
        return k;
    };
    knopf(QStringLiteral("save"), aktion(Befehl::speichern),
          QStringLiteral("Rechnenfenster speichern"));
    auto* wechsel = new QAction(QStringLiteral("D<->P"), this);
    connect(wechsel, &QAction::triggered, this,
            [this] { setzeModus(programmStarten_->isEnabled() ? 1 : 0); });
    knopf(QStringLiteral("SpeedButton15"), wechsel, QStringLiteral("Direkt <-> Programm"));
    QToolButton* ausgeben = knopf(QStringLiteral("SpeedButton21"),
                                  findChild<QAction*>(QStringLiteral("Formelnausgeben")),
                                  QStringLiteral("Formeln ausgeben"));
    ausgeben->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ausgeben->setIcon(befehlssymbol(Befehl::ergebnisse_definieren));
    QAction* schrift = findChild<QAction*>(QStringLiteral("Schriftwaehlen"));
    knopf(QStringLiteral("SpeedButton22"), schrift, QStringLiteral("Schrift"))
        ->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The red "Rechne" button has its own action, so the menu entry keeps its longer caption;
    // both run the program and are enabled together.
    auto* rechne = new QAction(QStringLiteral("Rechne"), this);
    rechne->setEnabled(programmStarten_->isEnabled());
    connect(rechne, &QAction::triggered, programmStarten_, &QAction::trigger);
    connect(programmStarten_, &QAction::enabledChanged, rechne, &QAction::setEnabled);
    SpeedButton1 =
        knopf(QStringLiteral("SpeedButton1"), rechne, QStringLiteral("Programm starten"));
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton1->setStyleSheet(QStringLiteral("QToolButton { color: #c00000; font-weight: bold; }"
                                               "QToolButton:disabled { color: #a0a0a0; }"));
    knopf(QStringLiteral("saveas"), aktion(Befehl::speichern_unter), {});
    knopf(QStringLiteral("SpeedButton4"), aktion(Befehl::oeffnen),
          QStringLiteral("Rechnenfenster öffnen"));
    leiste->addSeparator();
    const QString namen[] = {QStringLiteral("cut"), QStringLiteral("copy"),
                             QStringLiteral("paste")};
    const QString hinweise[] = {QStringLiteral("Ausschneiden"), QStringLiteral("Kopieren"),
                                QStringLiteral("Einfügen")};
    const Befehl ablage[] = {Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen};
    for (int i = 0; i < 3; ++i)
        knopf(namen[i], aktion(ablage[i]), hinweise[i]);
    leiste->addSeparator();
    knopf(QStringLiteral("SpeedButton10"), aktion(Befehl::beenden), QStringLiteral("Beenden"));
    knopf(QStringLiteral("SpeedButton19"), aktion(Befehl::zahlenformat),
          QStringLiteral("Zahlenformat"));
    knopf(QStringLiteral("SpeedButton2"), aktion(Befehl::hauptmenue), QStringLiteral("Hauptmenü"));
    knopf(QStringLiteral("Hilfe"), aktion(Befehl::hilfe), QStringLiteral("Hilfe"));
    QAction* anzeigen = findChild<QAction*>(QStringLiteral("Projektformelnanzeigen"));
    QToolButton* a =
        knopf(QStringLiteral("SpeedButton34"), anzeigen, QStringLiteral("Projektformeln anzeigen"));
    a->setIcon(befehlssymbol(Befehl::projektformeln));
    knopf(QStringLiteral("SpeedButton17"), aktion(Befehl::projektformeln),
          QStringLiteral("Projektformeln bearbeiten"));
}

QStringList TEditForm::speichernFilter() const {
    return {QStringLiteral("Rechnenfenster (*.ref)"), QStringLiteral("Formeln (*.for)"),
            QStringLiteral("Text (*.txt)")};
}

QList<QWidget*> TEditForm::ergebnisanzeigen() const {
    return {Memo1};
}

void TEditForm::setzeModus(int modus) {
    modus_ = modus == 0 ? 0 : 1;
    const bool direkt = modus_ == 1;
    direktModus_->setChecked(direkt);
    programmModus_->setChecked(!direkt);
    programmStarten_->setEnabled(!direkt);
}

void TEditForm::raenderSetzen() {
    // 3 pixels left and right, 2 above and below, whatever the font. Changing the margin counts
    // as an edit of the document, but it is none of the user's.
    QTextDocument* dokument = Memo1->document();
    if (dokument->documentMargin() != 0) {
        const bool geaendert = dokument->isModified();
        dokument->setDocumentMargin(0);
        dokument->setModified(geaendert);
    }
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { padding: 2px 3px 2px 3px; }"));
}

void TEditForm::resizeEvent(QResizeEvent* ereignis) {
    Tmodulfenster::resizeEvent(ereignis);
    raenderSetzen();
}

void TEditForm::neu() {
    auto* fenster = new TEditForm;
    fenster->setzeFormat(Tzahlenform::instanz().format);
    fenster->winkelmodus = Tzahlenform::instanz().winkelmodus;
    fenster->show();
}

bool TEditForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Memo1 && ereignis->type() == QEvent::KeyPress && modus_ == 1) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if ((taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) &&
            !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            direktzeileAusfuehren();
        // Enter then takes its ordinary effect in the text.
    }
    return Tmodulfenster::eventFilter(objekt, ereignis);
}

void TEditForm::direktzeileAusfuehren() {
    QTextCursor cursor = Memo1->textCursor();
    const QTextBlock block = cursor.block();
    const Direktergebnis e =
        direktzeile(formelbaum(), block.text().toStdString(), format().toStdString());
    switch (e.art) {
    case Direktergebnis::Art::nichts:
        break;
    case Direktergebnis::Art::text_loeschen:
        Memo1->clear();
        break;
    case Direktergebnis::Art::formeln_anhaengen:
        for (const std::string& z : e.zeilen)
            Memo1->appendPlainText(QString::fromStdString(z));
        break;
    case Direktergebnis::Art::ergebnis: {
        // The value goes on a new line directly below; the caret follows it, so Enter opens
        // the next line for the next input.
        QTextCursor ende(block);
        ende.movePosition(QTextCursor::EndOfBlock);
        ende.insertText(QStringLiteral("\n") + QString::fromStdString(e.zeilen.front()));
        Memo1->setTextCursor(ende);
        break;
    }
    default:
        (e.art == Direktergebnis::Art::ungueltig ? meldung : hinweis)(
            QString::fromStdString(e.meldung), this);
        break;
    }
}

TEditForm* TEditForm::programmStarten() {
    std::vector<std::string> zeilen;
    for (const QString& z : Memo1->toPlainText().split(QLatin1Char('\n')))
        zeilen.push_back(z.toStdString());
    const Programmergebnis p = programmlauf(formelbaum(), zeilen, format().toStdString());
    if (p.ausgabe.empty()) return nullptr;
    // Every run opens its own output window, as the run starts without one.
    auto* ausgabe = new TEditForm;
    ausgabe->setWindowTitle(QStringLiteral("Ausgabe"));
    ausgabe->setzeFormat(format());
    ausgabe->winkelmodus = winkelmodus;
    for (const std::string& z : p.ausgabe)
        ausgabe->Memo1->appendPlainText(QString::fromStdString(z));
    ausgabe->show();
    ausgabe_ = ausgabe;
    return ausgabe;
}

void TEditForm::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Memo1->print(&drucker);
}

void TEditForm::formelnAusgeben() {
    for (const std::string& z : formeltexte(formelbaum()))
        Memo1->appendPlainText(QString::fromStdString(z));
}

void TEditForm::schriftWaehlen() {
    bool ok = false;
    const QFont schrift = QFontDialog::getFont(&ok, Memo1->font(), this);
    if (!ok) return;
    Memo1->setFont(schrift);
    raenderSetzen();
}

// Mode ("0" direct, "1" program), font name, bold, italic, underline, strike-out, colour and
// size in points, each followed by "#".
QString TEditForm::einstellungszeile() const {
    const QFont f = Memo1->font();
    const QColor farbe = Memo1->palette().color(QPalette::Text);
    auto b = [](bool wert) { return wert ? QStringLiteral("1") : QStringLiteral("0"); };
    return QStringLiteral("%1#%2#%3#%4#%5#%6#%7#%8#")
        .arg(modus_ == 1 ? 0 : 1)
        .arg(f.family(), b(f.bold()), b(f.italic()), b(f.underline()), b(f.strikeOut()))
        .arg(farbe_als_zahl(farbe))
        .arg(f.pointSize() > 0 ? f.pointSize() : 10);
}

void TEditForm::einstellungenLesen(const QString& zeile) {
    const QStringList felder = zeile.split(QLatin1Char('#'));
    setzeModus(felder.value(0) == QLatin1String("0") ? 1 : 0);
    if (felder.size() < 8) return;
    QFont f = Memo1->font();
    if (!felder[1].isEmpty()) f.setFamily(felder[1]);
    f.setBold(felder[2] == QLatin1String("1"));
    f.setItalic(felder[3] == QLatin1String("1"));
    f.setUnderline(felder[4] == QLatin1String("1"));
    f.setStrikeOut(felder[5] == QLatin1String("1"));
    bool ok = false;
    const int groesse = felder[7].toInt(&ok);
    if (ok && groesse >= 4 && groesse <= 200) f.setPointSize(groesse);
    Memo1->setFont(f);
    const int farbe = felder[6].toInt(&ok);
    if (ok) {
        QPalette p = Memo1->palette();
        p.setColor(QPalette::Text, zahl_als_farbe(farbe));
        Memo1->setPalette(p);
    }
    raenderSetzen();
}

bool TEditForm::inDateiSchreiben(const QString& datei) {
    QStringList zeilen;
    if (ist_fensterdatei(datei)) {
        Tsaveloadlist liste;
        liste.zeilen << QString::fromLatin1(kennung) << format() << einstellungszeile();
        liste.componentenspeichern(this, komponenten());
        zeilen = liste.zeilen;
    } else {
        zeilen = Memo1->toPlainText().split(QLatin1Char('\n'));
    }
    if (!zeilen_schreiben(datei, zeilen, this)) return false;
    Memo1->document()->setModified(false);
    return true;
}

bool TEditForm::laden(const QString& datei) {
    QStringList zeilen;
    if (!zeilen_lesen(datei, zeilen, this)) return false;
    if (!ist_fensterdatei(datei)) {
        Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
        Memo1->moveCursor(QTextCursor::Start);
        setzeDateiname(datei);
        return true;
    }
    if (zeilen.isEmpty() || zeilen.first() != QLatin1String(kennung)) {
        meldung(QStringLiteral("Datei kann nicht geladen werden."), this);
        return false;
    }
    setzeFormat(zeilen.value(1));
    einstellungenLesen(zeilen.value(2));
    Tsaveloadlist liste;
    liste.zeilen = zeilen;
    int index = 3;
    const bool vollstaendig = liste.componentenladen(this, komponenten(), index);
    setzeDateiname(datei);
    nachDemLaden(vollstaendig);
    return true;
}

void editform_registrieren() {
    fensterart_registrieren(QStringLiteral("TEditForm"), [] { return new TEditForm; });
}

} // namespace zol
