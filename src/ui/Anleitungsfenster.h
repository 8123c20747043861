#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QTextDocument;

namespace tafomat {

// The German guide rendered inside the program: its Markdown with its pictures, a contents
// list of its sections and links between them that work, without any external viewer.
class Anleitungsfenster : public QWidget {
  public:
    explicit Anleitungsfenster(QWidget* parent = nullptr);

    // Reads the guide; false when the file cannot be read.
    bool laden(const QString& pfad);
    // Shows the section of this anchor ("die-platzhalter").
    void abschnittZeigen(const QString& anker);

    QTextBrowser* browser() const { return m_browser; }
    QListWidget* inhalt() const { return m_inhalt; }

  private:
    QTextBrowser* m_browser;
    QListWidget* m_inhalt;
};

// The anchor of a heading as the guide's links name it: lower case, blanks as "-", everything
// but letters, digits, "-" and "_" left out ("Zwischenspeichern und Größe" gives
// "zwischenspeichern-und-größe").
QString überschriftAnker(const QString& überschrift);

// Gives every heading of the document its anchor; the headings of the second level in order.
QStringList ankerSetzen(QTextDocument& dokument);

}  // namespace tafomat
