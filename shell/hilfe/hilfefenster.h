#pragma once
// "Hilfe - Mathematik ZOL": the help viewer. One window for the whole program, not modal; it
// shows the bundled help pages with contents, back and forward, a full-text search over all
// pages, printing and the links between the pages.
#include <QMainWindow>
#include <QStringList>
#include <QUrl>

class QAction;
class QLineEdit;
class QPrinter;
class QTextBrowser;

namespace zol {

class Thilfefenster : public QMainWindow {
    Q_OBJECT
public:
    explicit Thilfefenster(QWidget* eltern = nullptr);

    // Opens the page of a help context number (the contents page for an unknown number).
    void zeigeKontext(int kontext);
    // Opens a page of the help folder, "rechnen.html" or "formelsprache.html#funktionen".
    void oeffne(const QString& ziel);
    // Lists the pages that contain every word of begriff; the words are marked on the pages
    // until the search field is emptied.
    void suchen(const QString& begriff);
    // Prints the page shown (or the selected part of it) on an already set-up printer.
    void drucke(QPrinter& drucker) const;

    QTextBrowser* browser() const { return browser_; }
    QLineEdit* suchfeld() const { return suchfeld_; }
    // File name of the page shown ("rechnen.html"); empty for the search results.
    QString seite() const;

public slots:
    void inhalt();
    void suchen();
    void drucken();

private:
    void werkzeugleisteAufbauen();
    QString suchergebnisse(const QString& begriff) const;
    void quelleGewechselt(const QUrl& neu);
    void markieren(bool zumErstenTreffer);

    QTextBrowser* browser_;
    QLineEdit* suchfeld_ = nullptr;
    QAction* zurueck_ = nullptr;
    QAction* vor_ = nullptr;
    QStringList woerter_; // words of the last search, marked on every page
    QUrl vorher_;         // the address shown before the current one
};

} // namespace zol
