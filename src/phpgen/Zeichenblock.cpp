#include "phpgen/Zeichenblock.h"

#include "model/Feld.h"
#include "phpgen/PhpText.h"

namespace tafomat {

namespace {

// A run opens and closes a string; a run that starts or ends with a concatenation (an escaped
// character or a placeholder) loses the empty string there.
std::string laufausdruck(const std::vector<Stück>& stücke) {
    std::string lauf;
    for (const Stück& stück : stücke) {
        if (stück.platzhalter) {
            lauf += "\".";
            lauf += platzhalter(stück.platzhalter)->variable;
            lauf += ".\"";
        } else {
            lauf += gezeichneterText(stück.text);
        }
    }
    if (lauf.front() == '"')
        lauf.erase(0, 2);
    else
        lauf.insert(0, 1, '"');
    if (lauf.back() == '"')
        lauf.erase(lauf.size() - 2);
    else
        lauf += '"';
    return lauf;
}

class Block {
  public:
    explicit Block(const std::string& schriftname) : m_schrift(schriftdateiImSkript(schriftname)) {}

    void operator()(const Farbaufruf& farbe) {
        zeile("$Farbe=ImageColorAllocate($Bild," + std::to_string(farbe.rot) + "," +
              std::to_string(farbe.grün) + "," + std::to_string(farbe.blau) + ");");
    }

    // Bold draws the run a second time one pixel to the right.
    void operator()(const Textaufruf& text) {
        zeile("$Txt=" + laufausdruck(text.stücke) + ";");
        kopienZeichnen(text.fett, [&](int rechts) {
            zeile("TextZeichnen($Bild," + phpZahl(text.größe) + ",0," +
                  std::to_string(text.x + rechts) + "," + std::to_string(text.y) + ",$Farbe," +
                  m_schrift + ",$Txt);");
        });
        zeile("");
    }

    std::string text() && { return std::move(m_text); }

  private:
    void zeile(const std::string& text) {
        m_text += text;
        m_text += Zeilenumbruch;
    }

    std::string m_schrift;
    std::string m_text;
};

}  // namespace

std::string Zeichenblock(const Zeichenplan& plan, const std::string& schriftname) {
    Block block(schriftname);
    for (const Zeichenaufruf& aufruf : plan.aufrufe) std::visit(block, aufruf);
    return std::move(block).text();
}

}  // namespace tafomat
