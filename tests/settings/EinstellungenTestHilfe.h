#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/RecordingSurface.h"
#include "model/Felder.h"
#include "settings/Einstellungen.h"

namespace tafomat::test {

// The lines of a settings file, each followed by CR LF.
inline std::string datei(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const std::string& zeile : zeilen) text += zeile + "\r\n";
    return text;
}

// Records 1 to 14 of a design whose every value differs from the start values.
inline std::vector<std::string> andereDatensätze() {
    return {
        "C:\\Bilder\\wald.jpg", "wald.jpg", "Courier New", " 12 ",  " 255 ", "-12 ", " 7 ", " 64 ",
        "01.02.2003",           "6,50",     "30",          "99,95", "0,50",  "2,25"};
}

// Which of the fifteen records the parse holds, in file order.
inline std::array<bool, EinstellungenDatensätze> vorhanden(const Einstellungen& e) {
    std::array<bool, EinstellungenDatensätze> da{};
    for (std::size_t i = 0; i < da.size(); ++i) da[i] = e.werte[i].has_value();
    return da;
}

// A field store that logs every write, in order, as "Name=value".
class ProtokollFelder : public FelderImSpeicher {
  public:
    explicit ProtokollFelder(std::vector<std::string>& protokoll) : m_protokoll(protokoll) {}
    void setText(Feld feld, const std::string& text) override {
        m_protokoll.push_back(std::string(feldName(feld)) + "=" + text);
        FelderImSpeicher::setText(feld, text);
    }
    void setWert(Feld regler, int wert) override {
        m_protokoll.push_back(std::string(feldName(regler)) + "=" + std::to_string(wert));
        FelderImSpeicher::setWert(regler, wert);
    }

  private:
    std::vector<std::string>& m_protokoll;
};

// A surface that logs picture loads into the same log as the fields.
class ProtokollSurface : public RecordingSurface {
  public:
    explicit ProtokollSurface(std::vector<std::string>& protokoll) : m_protokoll(protokoll) {}
    bool loadBackground(const std::string& pfad) override {
        m_protokoll.push_back("laden " + pfad);
        return RecordingSurface::loadBackground(pfad);
    }

  private:
    std::vector<std::string>& m_protokoll;
};

}  // namespace tafomat::test
