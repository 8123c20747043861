#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/Bild.h"
#include "template/Surface.h"

namespace tafomat {

// GD's pen position, in 1/200 pixel (26.6 fixed point at 300 dpi).
using Stift = std::int64_t;

// The families of GD that draw on servers. The system libgd (2.1 and later: Debian, Ubuntu; PHP
// 8.6's bundled copy too) lays a call out at 300 dpi and cuts the pen to pixels at each glyph;
// the copy bundled inside PHP up to 8.5 (official container images, PHP for Windows, many hosts)
// lays it out at 96 dpi with advances and kerning in whole pixels, and kerns fixed-width fonts
// too; libgd built with libraqm (some hosts' PHP repositories) lets HarfBuzz shape the call at
// 300 dpi: unhinted advances, the font's GPOS kerning and ligatures. All draw a single glyph
// alike.
enum class GdFamilie { System, ImPhp, Raqm };

// How HarfBuzz, through libraqm, sets two neighbours: the first one's advance changed by the
// kerning in pen units, or the two joined in one ligature glyph.
struct RaqmPaar {
    Stift kerning = 0;
    bool ligatur = false;
};

// One glyph's measures: its advance in GD's layout, and roughly where its ink lies when GD draws
// it at 96 dpi.
struct GdGlyphe {
    Stift vorschub = 0;          // the hinted advance at 300 dpi
    Stift vorschub96 = 0;        // the hinted advance at 96 dpi, in 1/64 pixel (bundled GD)
    bool layoutFehler = false;   // FreeType cannot load it at 300 dpi: GD refuses the whole call
    bool zeichenFehler = false;  // nor at 96 dpi: GD stops drawing at this glyph
    // The hinted metrics at 300 dpi, from which the system libgd's ImageTTFBBox is made.
    Stift linksLayout = 0;
    Stift obenLayout = 0;
    Stift höheLayout = 0;
    // Bundled GD's ImageTTFBBox: the advance at 96 dpi in 1/64 pixel and the glyph's box there,
    // widened to whole pixels.
    Stift vorschubMetrik96 = 0;
    Stift rechts96 = 0;
    Stift unten96 = 0;
    Stift oben96 = 0;
    // Where the ink may lie at 96 dpi, from the hinted metrics, with a pixel to spare around it.
    int ungefährLinks = 0;
    int ungefährOben = 0;
    int ungefährBreite = 0;
    int ungefährHöhe = 0;
};

// A glyph as GD draws it at 96 dpi: its coverage scaled to GD's 128 alpha levels (0 is no ink),
// and where the bitmap lies relative to the pen.
struct GdRaster {
    int links = 0;
    int oben = 0;
    int breite = 0;
    int höhe = 0;
    std::vector<std::uint8_t> deckung;  // breite x hoehe
};

// The rendered glyphs of one font at all its sizes, within a bound on their memory: the glyphs
// drawn longest ago go first.
class GdRasterSpeicher {
  public:
    const GdRaster* finden(std::uint64_t schlüssel);
    const GdRaster& ablegen(std::uint64_t schlüssel, GdRaster raster);

  private:
    using Liste = std::list<std::uint64_t>;
    struct Eintrag {
        GdRaster raster;
        Liste::iterator stelle;
    };
    std::unordered_map<std::uint64_t, Eintrag> m_einträge;
    Liste m_reihenfolge;  // the one drawn last at the back
    std::size_t m_bytes = 0;
};

class GdGröße;

// A font file opened as GD opens it for ImageTTFText: its first face, the first Unicode or symbol
// character map, glyphs hinted by FreeType at 300 dpi for the layout and at 96 dpi for drawing.
class GdSchrift {
  public:
    // nullptr when FreeType cannot read the file or it has no character map GD would take.
    [[nodiscard]] static std::shared_ptr<GdSchrift> öffnen(const std::string& pfad);
    // The same, opened once and shared by everything that draws with the file.
    [[nodiscard]] static std::shared_ptr<GdSchrift> geteilt(const std::string& pfad);
    ~GdSchrift();
    GdSchrift(const GdSchrift&) = delete;
    GdSchrift& operator=(const GdSchrift&) = delete;

    const std::string& pfad() const { return m_pfad; }

    // The font at a size in points, kept for the sizes last asked for; nullptr for a size that
    // GD cannot set.
    [[nodiscard]] std::shared_ptr<GdGröße> größe(double punkte);

    struct Innen;  // FreeType's handles

  private:
    GdSchrift(std::shared_ptr<Innen> innen, std::string pfad);
    [[nodiscard]] bool probe();

    std::shared_ptr<Innen> m_innen;
    std::string m_pfad;
    std::vector<std::shared_ptr<GdGröße>> m_größen;
};

// The font at one size: glyphs, kerning and line measures, computed once and kept.
class GdGröße {
  public:
    GdGröße(std::shared_ptr<GdSchrift::Innen> schrift, double punkte);
    ~GdGröße();
    GdGröße(const GdGröße&) = delete;
    GdGröße& operator=(const GdGröße&) = delete;

    bool gültig() const { return m_gültig; }
    double punkte() const { return m_punkte; }
    // The distance from the top of a line to its baseline at 96 dpi, in whole pixels.
    int oberlänge() const { return m_oberlänge; }

    unsigned glyphIndex(char32_t zeichen) const;
    // A symbol font: GD moves every character to the private-use page.
    bool symbol() const;
    const GdGlyphe& glyphe(unsigned index);
    // The kerning GD adds between two neighbours in one call, in pen units.
    Stift kerning(unsigned vorher, unsigned index);
    // The kerning bundled GD adds, in 1/64 pixel at 96 dpi: whole pixels, fixed-width fonts too.
    Stift kerning96(unsigned vorher, unsigned index);
    // GD's next line inside one call: the pen's new y; for bundled GD in 1/64 pixel, downwards
    // negative.
    Stift nächsteZeile(Stift y) const;
    Stift nächsteZeile96(Stift y) const;
    // The glyph's coverage, rendered on first use; nullptr where FreeType cannot render it
    // (GD stops drawing there). Valid until the next call.
    const GdRaster* gerastert(unsigned index);

    // One call of libgd built with libraqm: the glyphs HarfBuzz gives for the text, in order;
    // nullopt where libraqm fails (GD then refuses the call).
    struct RaqmGlyphe {
        unsigned index = 0;
        Stift vorschub = 0;
        Stift versatzX = 0;
        Stift versatzY = 0;
        std::size_t zeichen = 0;  // the first character of the text it stands for
    };
    std::optional<std::vector<RaqmGlyphe>> raqmSatz(std::u32string_view text) const;
    // A character's advance set alone, and what HarfBuzz makes of two neighbours.
    Stift raqmVorschub(char32_t zeichen);
    RaqmPaar raqmPaar(char32_t vorher, char32_t zeichen);

  private:
    struct Größen;
    GdGlyphe& eintrag(unsigned index);

    std::shared_ptr<GdSchrift::Innen> m_schrift;
    std::unique_ptr<Größen> m_ft;
    double m_punkte;
    bool m_gültig = false;
    int m_oberlänge = 0;
    Stift m_zeilenhöhe96 = 0;
    std::unordered_map<unsigned, GdGlyphe> m_glyphen;
    std::unordered_map<std::uint64_t, Stift> m_kerning;
    std::unordered_map<std::uint64_t, Stift> m_kerning96;
    std::unordered_map<char32_t, Stift> m_raqmVorschub;
    std::unordered_map<char32_t, std::unordered_map<char32_t, RaqmPaar>> m_raqmPaare;
    std::uint64_t m_nummer;  // tells this size's glyphs apart in the font's raster store
};

// One call of ImageTTFText, laid out as a GD family lays it out: the glyphs of a text at their
// pen positions, kerned within the call. Text can be added piece by piece.
class GdLauf {
  public:
    explicit GdLauf(std::shared_ptr<GdGröße> größe, GdFamilie familie = GdFamilie::System)
        : m_größe(std::move(größe)), m_familie(familie) {}

    void anhängen(char32_t zeichen);
    void anhängen(std::u32string_view text);
    // The pen after the last glyph: where GD's layout of the text ends. In pen units for the
    // system libgd and raqm, in 1/64 pixel for bundled GD.
    Stift vorschub() const { return m_stiftX; }
    bool leer() const { return m_gesetzt.empty(); }
    // A glyph FreeType could not load at 300 dpi makes GD refuse the whole call.
    bool abgelehnt() const { return m_abgelehnt; }
    // What ImageTTFBBox gives for the text; nullopt where it fails.
    std::optional<Textrahmen> rahmen() const;

    // Draws the glyphs in order with the pen starting at (x, y), as ImageTTFText does on a
    // true-colour picture with alpha blending; the picture's edges clip.
    // Positions far outside the picture draw nothing, as no glyph of them could show.
    void zeichnen(Bild& bild, std::int64_t x, std::int64_t y, std::uint32_t farbe) const;

  private:
    struct Gesetzt {
        unsigned index;
        Stift x;  // where the glyph is drawn
        Stift y;
        Stift stiftX = 0;  // GD's pen there, which its bounding box counts from
        Stift stiftY = 0;
        Stift vorschub = 0;  // the advance the box counts, kerning included
        char32_t zeichen = 0;
        std::size_t nummer = 0;  // its place among the glyphs GD's layout gives
    };

    void zeilenwechsel(char32_t zeichen);
    void raqmSetzen();
    std::optional<Textrahmen> rahmenSystem() const;
    std::optional<Textrahmen> rahmenGebündelt() const;
    void zeichnenSystem(Bild& bild, std::int64_t x, std::int64_t y, std::uint32_t farbe) const;
    void zeichnenGebündelt(Bild& bild, std::int64_t x, std::int64_t y, std::uint32_t farbe) const;

    std::shared_ptr<GdGröße> m_größe;
    GdFamilie m_familie;
    std::vector<Gesetzt> m_gesetzt;
    Stift m_stiftX = 0;
    Stift m_stiftY = 0;
    Stift m_stiftY96 = 0;       // bundled GD's line, in 1/64 pixel
    Stift m_metrikX96 = 0;      // bundled GD's pen for its bounding box, from the glyphs' metrics
    std::size_t m_zeichen = 0;  // characters laid out
    unsigned m_vorher = 0;
    bool m_abgelehnt = false;
    bool m_beendet = false;  // a NUL came
    std::u32string m_text;   // raqm shapes the whole call at once
};

// The Unicode text GD draws for Windows-1252 bytes.
std::u32string unicodeText(std::string_view cp1252);

}  // namespace tafomat
