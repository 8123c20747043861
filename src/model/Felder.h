#pragma once

#include <array>
#include <string>

#include "model/Feld.h"

namespace tafomat {

// The field store as the Qt-free layers see it. The window implements it over its widgets,
// so that writing a field runs that field's change handling at once, as a user's edit does.
// Texts are Windows-1252 byte strings; scroll bars hold whole numbers.
class Felder {
  public:
    virtual ~Felder() = default;
    virtual std::string text(Feld feld) const = 0;
    virtual void setText(Feld feld, const std::string& text) = 0;
    virtual int wert(Feld regler) const = 0;
    virtual void setWert(Feld regler, int wert) = 0;
};

// A plain store over an array, starting from the design's start values; no change handling.
class FelderImSpeicher : public Felder {
  public:
    FelderImSpeicher();
    std::string text(Feld feld) const override;
    void setText(Feld feld, const std::string& text) override;
    int wert(Feld regler) const override;
    void setWert(Feld regler, int wert) override;

  private:
    std::array<std::string, FeldAnzahl> m_texte;
    std::array<int, FeldAnzahl> m_werte{};
};

}  // namespace tafomat
