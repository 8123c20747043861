#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Platzhalter.h"
#include "template/Surface.h"

namespace tafomat {

// The base size: the leading-number reading of the size text, rounded down. Each line break
// moves the line's top down by it plus the value of Abstand, whatever #G is in force.
double Grundgröße(const Felder& felder);

// The two readings of a template. The script reads it as the preview does, but for these
// differences, which it has on purpose:
// - after #X n its text starts at n plus XPos, the preview's at n;
// - #Y n moves the lines after it too; the preview's next line continues as if it were not there;
// - a "#" that begins no command is left out; the preview draws it;
// - a colour component is rounded half to even and limited to 0 to 255 in both, but one beyond
//   16 bits stops the preview, and the script takes a component that is no number as 0;
// - the script's drawing calls name each run's baseline, 3 pixels plus its size below the line's
//   top, where the preview draws from the top;
// - the script draws the values it computes on the server where the preview draws the fields'
//   texts, and measures them by those texts.
enum class Lesart { Vorschau, Skript };

// What the template asks for next.
struct Zeichenereignis {
    enum class Art {
        Zeichen,      // a text character
        Platzhalter,  // a placeholder's value
        Farbe,        // the text colour from here on
        Größe,        // the font size from here on, in points, as read
        Fett,         // bold on or off from here on
        X,            // the text that follows starts at this x
        Y,            // the text that follows has its line's top at this y
        Zeile,        // a line begins at x and y (also the first)
    };
    Art art = Art::Zeichen;
    std::size_t stelle = 0;  // the first character of its command or text, counted from 1
    std::size_t breite = 0;  // its characters in the template, fields included; 0 for none
    char zeichen = 0;
    const Platzhalter* platzhalter = nullptr;
    std::optional<Farbwert> farbe;  // nullopt: a component the preview cannot take
    double größe = 0;
    bool fett = false;
    double x = 0;
    double y = 0;
};

// Reads the template and the layout fields once, in one of the two readings, as a sequence of
// drawing events.
class Vorlagenleser {
  public:
    Vorlagenleser(const Felder& felder, Lesart lesart);
    // The template alone, its layout fields at 0 and its base size 0: what each command and
    // character is, for the template field's explanations, not where it lands.
    Vorlagenleser(std::string vorlage, Lesart lesart);
    // The next event; false after the last.
    bool nächstes(Zeichenereignis& ereignis);

  private:
    double wert(Feld regler) const { return m_felder ? m_felder->wert(regler) : 0; }

    const Felder* m_felder;
    Lesart m_lesart;
    std::string m_vorlage;
    std::size_t m_stelle = 0;
    bool m_angefangen = false;
    bool m_fett = false;
    double m_grundgröße;
    double m_zeileY = 0;
};

}  // namespace tafomat
