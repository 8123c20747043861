#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// A number exactly as its decimal text says: 4,35 is 435 hundredths, not the binary fraction
// nearest to it. Money is computed with it, so that no cent is lost to rounding and no binary
// noise shows in an amount text.
class Dezimalzahl {
  public:
    // The decimal reading (readDecimal in Zahlen.h), kept exact.
    [[nodiscard]] static std::optional<Dezimalzahl> lesen(std::string_view text);

    double wert() const;  // the nearest double, as readDecimal gives it
    Dezimalzahl malHundert() const;
    // The whole number at or below the value, as digits with a minus sign: "435", "-1", "0".
    std::string abgerundet() const;

    // Differences and products are exact within 38 digits. A result that needs more is not
    // exact, nor is anything computed from it; its value is then not to be used.
    bool istExakt() const { return m_exakt; }
    friend Dezimalzahl operator-(const Dezimalzahl& a, const Dezimalzahl& b);
    friend Dezimalzahl operator*(const Dezimalzahl& a, const Dezimalzahl& b);

  private:
    struct Festkomma;
    [[nodiscard]] std::optional<Festkomma> festkomma() const;
    static Dezimalzahl ausFestkomma(const Festkomma& zahl);
    static Dezimalzahl nichtExakt();

    bool m_exakt = true;
    bool m_negativ = false;
    std::string m_ganz;   // digits before the comma, without leading zeros
    std::string m_bruch;  // digits after it
};

}  // namespace tafomat
