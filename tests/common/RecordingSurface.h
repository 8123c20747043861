#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "template/Surface.h"

namespace tafomat::test {

// A fake surface that records what is drawn. Every character is half the font size wide,
// so widths are easy to compute by hand: 4 pixels a character at 8 points.
class RecordingSurface : public Surface {
  public:
    struct Gezeichnet {
        std::string text;
        double x;
        double y;
        double größe;
        Farbwert farbe;
        std::string schrift;
        bool fett;
    };

    std::vector<Gezeichnet> gezeichnet;
    int clears = 0;
    std::vector<double> größen;    // every size set, in order
    std::vector<Farbwert> farben;  // every colour set, in order

    void clear() override {
        ++clears;
        gezeichnet.clear();
    }
    void setTextColor(Farbwert farbe) override {
        m_farbe = farbe;
        farben.push_back(farbe);
    }
    Farbwert textColor() const override { return m_farbe; }
    void setCurrentX(double x) override { m_x = x; }
    double currentX() const override { return m_x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentY() const override { return m_y; }
    bool setFontSize(double punkte) override {
        if (!(punkte > 0) || !std::isfinite(punkte)) return false;
        m_größe = punkte;
        größen.push_back(punkte);
        return true;
    }
    double fontSize() const override { return m_größe; }
    bool setFontName(const std::string& name) override {
        if (name.empty() || name == "KeineSchrift") return false;
        m_schrift = name;
        return true;
    }
    std::string fontName() const override { return m_schrift; }
    void setBold(bool fett) override { m_fett = fett; }
    void drawText(const std::string& text) override {
        gezeichnet.push_back({text, m_x, m_y, m_größe, m_farbe, m_schrift, m_fett});
        m_x += textWidth(text);
    }
    double textWidth(const std::string& text) const override {
        return static_cast<double>(text.size()) * m_größe / 2;
    }
    std::optional<double> widthAt(double punkte, const std::string& text) const override {
        if (!(punkte > 0) || !std::isfinite(punkte)) return std::nullopt;
        return static_cast<double>(text.size()) * punkte / 2;
    }
    // With `misst`, the script carries measures of these widths, "AV" kerns, "fi" is a ligature
    // and a probe's boxes tell the layouts apart.
    std::optional<Zeichenmaß> zeichenmaß(double punkte, unsigned char zeichen) const override {
        if (!misst || !(punkte > 0)) return std::nullopt;
        return Zeichenmaß{std::llround(punkte / 2 * StiftJePixel), std::llround(punkte / 2 * 64), 0,
                          zeichen != ' ', std::llround(punkte / 2 * StiftJePixel) + 3};
    }
    Paarmaß paarmaß(double, unsigned char vorher, unsigned char zeichen) const override {
        if (misst && vorher == 'f' && zeichen == 'i') return Paarmaß{0, 0, 0, true};
        return misst && vorher == 'A' && zeichen == 'V' ? Paarmaß{-100, -64, -90, false}
                                                        : Paarmaß{};
    }
    std::optional<Probenmaß> probenmaß(double punkte, const std::string& text) const override {
        if (!misst) return std::nullopt;
        const auto breite = static_cast<int>(static_cast<double>(text.size()) * punkte / 2);
        return Probenmaß{Textrahmen{breite, 2, -9}, Textrahmen{breite + 1, 2, -9},
                         Textrahmen{breite + 2, 2, -9}};
    }
    bool loadBackground(const std::string& pfad) override {
        if (pfad == "fehlt.jpg") return false;
        hintergrund = pfad;
        return true;
    }
    int width() const override { return 460; }
    int height() const override { return 66; }
    void fillBox(int, int, int, int, Farbwert) override {}
    Farbwert colorAt(int, int) const override { return 0; }

    std::string hintergrund;
    bool misst = false;

  private:
    Farbwert m_farbe = 0;
    double m_x = 0;
    double m_y = 0;
    double m_größe = 8.25;
    std::string m_schrift = "Arial";
    bool m_fett = false;
};

}  // namespace tafomat::test
