#include "model/Felder.h"

namespace tafomat {

FelderImSpeicher::FelderImSpeicher() {
    for (int i = 0; i < FeldAnzahl; ++i) {
        const auto feld = static_cast<Feld>(i);
        if (istRegler(feld)) {
            m_werte[i] = startWert(feld);
        }
        m_texte[i] = startText(feld);
    }
}

std::string FelderImSpeicher::text(Feld feld) const {
    const int i = static_cast<int>(feld);
    return istRegler(feld) ? std::to_string(m_werte[i]) : m_texte[i];
}

void FelderImSpeicher::setText(Feld feld, const std::string& text) {
    m_texte[static_cast<int>(feld)] = text;
}

int FelderImSpeicher::wert(Feld regler) const {
    return m_werte[static_cast<int>(regler)];
}

void FelderImSpeicher::setWert(Feld regler, int wert) {
    m_werte[static_cast<int>(regler)] = wert;
}

}  // namespace tafomat
