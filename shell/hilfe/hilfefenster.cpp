#include "shell/hilfe/hilfefenster.h"

#include "shell/hilfe/hilfekontexte.h"
#include "shell/hilfe/hilfesuche.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace zol {

namespace {

// Addresses of the generated search result pages: "suche:" followed by the search text.
constexpr const char* suchschema = "suche";

// A browser that also shows the generated search result pages, so that they take part in
// the back and forward history like any other page.
class Hilfebrowser : public QTextBrowser {
public:
    std::function<QString(const QString&)> suchseite;

    explicit Hilfebrowser(QWidget* eltern) : QTextBrowser(eltern) {}

    QVariant loadResource(int typ, const QUrl& adresse) override {
        if (typ == QTextDocument::HtmlResource && adresse.scheme() == QLatin1String(suchschema))
            return suchseite(adresse.path());
        return QTextBrowser::loadResource(typ, adresse);
    }
};

QString stilvorlage() {
    QFile f(QLatin1String(hilfeordner) + QStringLiteral("/hilfe.css"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Plain text as HTML with the places of the words in bold.
QString hervorgehoben(const QString& text, const QStringList& woerter) {
    QString html;
    int pos = 0;
    for (const auto& [anfang, ende] : fundstellen(text, woerter)) {
        html += text.mid(pos, anfang - pos).toHtmlEscaped();
        html += QStringLiteral("<b class=\"fund\">") +
                text.mid(anfang, ende - anfang).toHtmlEscaped() + QStringLiteral("</b>");
        pos = ende;
    }
    return html + text.mid(pos).toHtmlEscaped();
}

} // namespace

Thilfefenster::Thilfefenster(QWidget* eltern) : QMainWindow(eltern, Qt::Window) {
    setObjectName(QStringLiteral("Thilfefenster"));
    setWindowTitle(QStringLiteral("Hilfe - Mathematik ZOL"));
    // The help never keeps the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* browser = new Hilfebrowser(this);
    browser->setObjectName(QStringLiteral("Browser"));
    browser->suchseite = [this](const QString& begriff) { return suchergebnisse(begriff); };
    browser->setOpenExternalLinks(true);
    browser->document()->setDefaultStyleSheet(stilvorlage());
    // Some room between the text and the frame, in proportion to the font.
    browser->document()->setDocumentMargin(fontMetrics().averageCharWidth() * 3 / 2);
    browser_ = browser;
    setCentralWidget(browser_);
    werkzeugleisteAufbauen();

    connect(browser_, &QTextBrowser::sourceChanged, this, &Thilfefenster::quelleGewechselt);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QAction::setEnabled);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);
}

void Thilfefenster::werkzeugleisteAufbauen() {
    QToolBar* leiste = addToolBar(QStringLiteral("Hilfe"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto aktion = [&](const char* name, const QString& text, const QString& hinweis,
                      const QKeySequence& kurz, QStyle::StandardPixmap symbol, auto ziel) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hinweis + (kurz.isEmpty() ? QString()
                                                : QStringLiteral(" (%1)").arg(
                                                      kurz.toString(QKeySequence::NativeText))));
        a->setShortcut(kurz);
        if (symbol != QStyle::SP_CustomBase) a->setIcon(style()->standardIcon(symbol));
        connect(a, &QAction::triggered, this, ziel);
        leiste->addAction(a);
        leiste->widgetForAction(a)->setObjectName(QString::fromLatin1(name));
        return a;
    };
    aktion("Inhalt", QStringLiteral("Inhalt"), QStringLiteral("Inhaltsverzeichnis der Hilfe"),
           QKeySequence(Qt::ALT | Qt::Key_Home), QStyle::SP_CustomBase, [this] { inhalt(); });
    zurueck_ = aktion("Zurueck", QStringLiteral("Zurück"), QStringLiteral("Zurück"),
                      QKeySequence(QKeySequence::Back), QStyle::SP_ArrowBack,
                      [this] { browser_->backward(); });
    vor_ = aktion("Vor", QStringLiteral("Vor"), QStringLiteral("Vorwärts"),
                  QKeySequence(QKeySequence::Forward), QStyle::SP_ArrowForward,
                  [this] { browser_->forward(); });
    leiste->addSeparator();
    aktion("Drucken", QStringLiteral("Drucken..."), QStringLiteral("Seite drucken"),
           QKeySequence(QKeySequence::Print), QStyle::SP_CustomBase, [this] { drucken(); });
    leiste->addSeparator();
    aktion("Groesser", QStringLiteral("A+"), QStringLiteral("Schrift vergrößern"),
           QKeySequence(QKeySequence::ZoomIn), QStyle::SP_CustomBase,
           [this] { browser_->zoomIn(1); });
    aktion("Kleiner", QStringLiteral("A-"), QStringLiteral("Schrift verkleinern"),
           QKeySequence(QKeySequence::ZoomOut), QStyle::SP_CustomBase,
           [this] { browser_->zoomOut(1); });
    leiste->addSeparator();

    auto* beschriftung = new QLabel(QStringLiteral(" &Suchen: "), leiste);
    suchfeld_ = new QLineEdit(leiste);
    suchfeld_->setObjectName(QStringLiteral("Suchfeld"));
    suchfeld_->setPlaceholderText(QStringLiteral("Suchbegriff"));
    suchfeld_->setToolTip(
        QStringLiteral("Geben Sie ein oder mehrere Wörter ein und drücken Sie die Eingabetaste."));
    suchfeld_->setClearButtonEnabled(true);
    suchfeld_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 22);
    beschriftung->setBuddy(suchfeld_);
    leiste->addWidget(beschriftung);
    leiste->addWidget(suchfeld_);
    aktion("Suchen", QStringLiteral("Suchen"), QStringLiteral("In allen Hilfeseiten suchen"), {},
           QStyle::SP_CustomBase, [this] { suchen(); });
    connect(suchfeld_, &QLineEdit::returnPressed, this, [this] { suchen(); });
    // An emptied search field ends the marking of the search words.
    connect(suchfeld_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.trimmed().isEmpty()) return;
        woerter_.clear();
        markieren(false);
    });

    // F1 in the help leads to the contents, which say how the help is used.
    auto* hilfeZurHilfe = new QAction(this);
    hilfeZurHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    connect(hilfeZurHilfe, &QAction::triggered, this, [this] { inhalt(); });
    addAction(hilfeZurHilfe);
    auto* finden = new QAction(this);
    finden->setShortcut(QKeySequence(QKeySequence::Find));
    connect(finden, &QAction::triggered, this, [this] {
        suchfeld_->setFocus();
        suchfeld_->selectAll();
    });
    addAction(finden);
    auto* schliessen = new QAction(this);
    schliessen->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    addAction(schliessen);
}

void Thilfefenster::zeigeKontext(int kontext) {
    oeffne(hilfeziel(kontext));
}

void Thilfefenster::oeffne(const QString& ziel) {
    browser_->setSource(hilfeadresse(ziel));
}

void Thilfefenster::inhalt() {
    zeigeKontext(hilfekontext_inhalt);
}

QString Thilfefenster::seite() const {
    const QUrl q = browser_->source();
    if (q.scheme() == QLatin1String(suchschema)) return {};
    return q.fileName();
}

void Thilfefenster::suchen() {
    suchen(suchfeld_->text());
}

void Thilfefenster::suchen(const QString& begriff) {
    const QString text = begriff.simplified();
    if (text.isEmpty()) return;
    if (suchfeld_->text() != text) suchfeld_->setText(text);
    woerter_ = suchwoerter(text);
    QUrl adresse;
    adresse.setScheme(QLatin1String(suchschema));
    adresse.setPath(text);
    if (browser_->source() == adresse)
        browser_->reload();
    else
        browser_->setSource(adresse);
}

QString Thilfefenster::suchergebnisse(const QString& begriff) const {
    const QList<Suchtreffer> treffer = hilfe_suchen(begriff);
    const QStringList woerter = suchwoerter(begriff);
    const QString gesucht = QStringLiteral("„") + begriff.toHtmlEscaped() + QStringLiteral("“");
    QString html = QStringLiteral("<html><head><title>Suche: ") + begriff.toHtmlEscaped() +
                   QStringLiteral("</title></head><body><h1>Suchergebnisse</h1>");
    if (treffer.isEmpty()) {
        html += QStringLiteral("<p>Zu %1 wurde keine Seite gefunden.</p>"
                               "<ul><li>Prüfen Sie die Schreibweise.</li>"
                               "<li>Mehrere Wörter müssen alle auf derselben Seite stehen: "
                               "versuchen Sie es mit weniger Wörtern.</li>"
                               "<li>Ein Wortanfang genügt: <i>Ableit</i> findet auch "
                               "<i>Ableitung</i>.</li></ul>")
                    .arg(gesucht);
    } else {
        html +=
            treffer.size() == 1
                ? QStringLiteral("<p>%1 steht auf einer Seite:</p>").arg(gesucht)
                : QStringLiteral("<p>%1 steht auf %2 Seiten:</p>").arg(gesucht).arg(treffer.size());
        for (const Suchtreffer& t : treffer) {
            html += QStringLiteral("<p class=\"treffer\"><a href=\"%1\">%2</a> "
                                   "<span class=\"anzahl\">(%3 %4)</span><br/>%5</p>")
                        .arg(hilfeadresse(t.datei).toString(), t.titel.toHtmlEscaped())
                        .arg(t.anzahl)
                        .arg(t.anzahl == 1 ? QStringLiteral("Fundstelle")
                                           : QStringLiteral("Fundstellen"),
                             hervorgehoben(t.auszug, woerter));
        }
    }
    html += QStringLiteral("<p class=\"zurueck\"><a href=\"%1\">Zum Inhalt der Hilfe</a></p>"
                           "</body></html>")
                .arg(hilfeadresse(hilfeziel(hilfekontext_inhalt)).toString());
    return html;
}

void Thilfefenster::quelleGewechselt(const QUrl& neu) {
    // Coming from the result list, the page opens at the first place of the search words.
    const bool vonSuche = vorher_.scheme() == QLatin1String(suchschema) &&
                          neu.scheme() != QLatin1String(suchschema) && !neu.hasFragment();
    vorher_ = neu;
    markieren(vonSuche);
}

void Thilfefenster::markieren(bool zumErstenTreffer) {
    QList<QTextEdit::ExtraSelection> marken;
    QTextDocument* dokument = browser_->document();
    const auto stellen = fundstellen(dokument->toPlainText(), woerter_);
    QTextCharFormat format;
    format.setBackground(QColor(255, 224, 102));
    format.setForeground(QColor(Qt::black));
    for (const auto& [anfang, ende] : stellen) {
        QTextEdit::ExtraSelection marke;
        marke.cursor = QTextCursor(dokument);
        marke.cursor.setPosition(anfang);
        marke.cursor.setPosition(ende, QTextCursor::KeepAnchor);
        marke.format = format;
        marken << marke;
    }
    browser_->setExtraSelections(marken);
    if (zumErstenTreffer && !stellen.isEmpty()) {
        QTextCursor cursor(dokument);
        cursor.setPosition(stellen.first().first);
        browser_->setTextCursor(cursor);
        // The place a third down from the top, with the text before it in view.
        const int oben = browser_->cursorRect(cursor).top();
        QScrollBar* leiste = browser_->verticalScrollBar();
        leiste->setValue(leiste->value() + oben - browser_->viewport()->height() / 3);
    }
}

void Thilfefenster::drucke(QPrinter& drucker) const {
    browser_->print(&drucker);
}

void Thilfefenster::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(browser_->documentTitle());
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (browser_->textCursor().hasSelection())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() == QDialog::Accepted) drucke(drucker);
}

} // namespace zol
