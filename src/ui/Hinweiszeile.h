#pragma once

#include <QString>
#include <QWidget>

#include <map>

namespace tafomat {

// What the notice line can tell, the most urgent first: of the notices that stand, the line
// shows the first. A new kind of notice is one more entry here and one call of setzen.
enum class Hinweisart {
    Eingabe,      // a field that cannot be read stops the preview and the script
    Vorlage,      // a command of the template cannot be drawn
    Befehlsform,  // a command of the template reads otherwise than it looks
    Speichern,    // the last save failed
    Bild,         // the design's picture cannot be loaded
    Drehung,      // the picture asks by its Exif entry to be turned, which GD ignores
    Schrift,      // the font drawn is not the one chosen
    Punkt,        // a point in an amount that reads as a thousands mark
    Bannergröße,  // the banner is larger than forums commonly allow
    Befehl,       // what the command at the template's caret does
    Adresse,      // what the banner's address sent at the last publish or check
};

// One short sentence for what the user needs to know now, right of the preview; its tooltip
// holds the full text of every notice that stands. A sentence too long for the line ends in
// "…".
class Hinweiszeile : public QWidget {
  public:
    explicit Hinweiszeile(QWidget* parent = nullptr);

    // Sets or replaces the notice of this kind; `ganz` defaults to the sentence.
    void setzen(Hinweisart art, const QString& satz, const QString& ganz = {});
    void löschen(Hinweisart art);
    // The sentence shown, empty when no notice stands.
    QString satz() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Hinweis {
        QString satz;
        QString ganz;
    };
    void zeigen();

    std::map<Hinweisart, Hinweis> m_hinweise;
};

}  // namespace tafomat
