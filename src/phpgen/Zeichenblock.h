#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Vorlage.h"
#include "preview/Surface.h"

namespace tafomat {

// Compiles the template into the script's drawing block: colour statements and one text
// statement per run with its drawing calls, placed with the widths the surface measures.
class Zeichenblock {
  public:
    Zeichenblock(const Felder& felder, Surface& flaeche);

    // nullopt when the surface refuses a size or a position cannot go into a drawing call.
    std::optional<std::string> übersetzen();

  private:
    bool ausführen(const Token& token);
    void neueZeile();
    bool größeSetzen(double größe);
    bool PhpTextzeile();
    void PhpFarbe(const Token& token);
    void PhpPlatzhalter(const Token& token);
    void zeichenAnhängen(char zeichen);
    bool zeichenaufrufeSchreiben();

    const Felder& m_felder;
    Surface& m_flaeche;
    std::string m_schrift;
    double m_grundgröße = 0;
    double m_größe = 0;
    bool m_fett = false;
    double m_zeileY = 0;
    double m_laufStartX = 0;
    double m_stiftX = 0;
    std::string m_lauf;
    std::string m_block;
    std::string m_einZeichen = std::string(1, ' ');  // reused for measuring one character
};

}  // namespace tafomat
