#include "render/GdSchrift.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_SIZES_H
#include <raqm.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/Cp1252.h"

namespace tafomat {

namespace {

// GD's resolutions: the layout at 300 dpi, the glyphs drawn at 96 dpi.
constexpr int LayoutDpi = 300;
constexpr int BildDpi = 96;
constexpr int GdAlphaMax = 127;
// Sizes kept per font, more than a template's two-character size fields can name; the
// rendered coverage of a font's glyphs kept at all its sizes.
constexpr std::size_t GemerkteGrößen = 256;
constexpr std::size_t GemerkteRasterBytes = 64 << 20;

// GD's pen to pixels, written as GD writes it, so that the double rounds as on the server.
double stiftInPixel(Stift stift) {
    return static_cast<double>(stift) * BildDpi / (LayoutDpi * 64);
}

// The first character map GD accepts for Unicode text, in the face's order.
FT_CharMap gdZeichentabelle(FT_Face face) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_Encoding kodierung = face->charmaps[i]->encoding;
        if (kodierung == FT_ENCODING_MS_SYMBOL || kodierung == FT_ENCODING_UNICODE ||
            kodierung == FT_ENCODING_ADOBE_CUSTOM || kodierung == FT_ENCODING_ADOBE_STANDARD)
            return face->charmaps[i];
    }
    return nullptr;
}

std::uint32_t bigEndian(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

// FreeType reads a cut-off TrueType or OpenType file without complaint and draws its missing
// glyphs empty: every table the file lists must lie inside it. Other formats pass.
bool tabellenVollständig(const std::string& pfad) {
    std::error_code fehler;
    const auto größe = std::filesystem::file_size(pfad, fehler);
    if (fehler) return false;
    std::ifstream datei(pfad, std::ios::binary);
    unsigned char kopf[12] = {};
    if (!datei.read(reinterpret_cast<char*>(kopf), sizeof kopf)) return true;
    const std::uint32_t art = bigEndian(kopf);
    if (art != 0x00010000 && art != 0x4F54544F /* OTTO */ && art != 0x74727565 /* true */)
        return true;
    const int tabellen = (kopf[4] << 8) | kopf[5];
    for (int i = 0; i < tabellen; ++i) {
        unsigned char eintrag[16];
        if (!datei.read(reinterpret_cast<char*>(eintrag), sizeof eintrag)) return false;
        const std::uint64_t ende = std::uint64_t{bigEndian(eintrag + 8)} + bigEndian(eintrag + 12);
        if (ende > größe) return false;
    }
    return true;
}

int abrunden64(FT_Pos wert) {
    return static_cast<int>(std::floor(static_cast<double>(wert) / 64));
}
int aufrunden64(FT_Pos wert) {
    return static_cast<int>(std::ceil(static_cast<double>(wert) / 64));
}

}  // namespace

struct GdSchrift::Innen {
    FT_Library bibliothek = nullptr;
    FT_Face face = nullptr;
    bool symbol = false;
    GdRasterSpeicher raster;
    std::uint64_t größen = 0;  // sizes made so far, to number them

    ~Innen() {
        if (face) FT_Done_Face(face);
        if (bibliothek) FT_Done_FreeType(bibliothek);
    }
};

struct GdGröße::Größen {
    FT_Size layout = nullptr;
    FT_Size bild = nullptr;
};

std::shared_ptr<GdSchrift> GdSchrift::öffnen(const std::string& pfad) {
    if (!tabellenVollständig(pfad)) return nullptr;
    auto innen = std::make_shared<Innen>();
    if (FT_Init_FreeType(&innen->bibliothek) != 0) return nullptr;
    if (FT_New_Face(innen->bibliothek, pfad.c_str(), 0, &innen->face) != 0) {
        innen->face = nullptr;
        return nullptr;
    }
    const FT_CharMap tabelle = gdZeichentabelle(innen->face);
    if (!tabelle || FT_Set_Charmap(innen->face, tabelle) != 0) return nullptr;
    innen->symbol = tabelle->encoding == FT_ENCODING_MS_SYMBOL;
    auto schrift = std::shared_ptr<GdSchrift>(new GdSchrift(std::move(innen), pfad));
    if (!schrift->probe()) return nullptr;
    return schrift;
}

std::shared_ptr<GdSchrift> GdSchrift::geteilt(const std::string& pfad) {
    static std::vector<std::shared_ptr<GdSchrift>> offen;
    for (const auto& schrift : offen)
        if (schrift->pfad() == pfad) return schrift;
    std::shared_ptr<GdSchrift> schrift = öffnen(pfad);
    if (!schrift) return nullptr;
    if (offen.size() >= 8) offen.erase(offen.begin());
    offen.push_back(schrift);
    return schrift;
}

GdSchrift::GdSchrift(std::shared_ptr<Innen> innen, std::string pfad)
    : m_innen(std::move(innen)), m_pfad(std::move(pfad)) {}

GdSchrift::~GdSchrift() = default;

// A damaged file may open and still fail at its glyphs, and GD then draws no text that holds
// one: every printable ASCII character must load.
bool GdSchrift::probe() {
    const std::shared_ptr<GdGröße> probe = größe(12);
    if (!probe) return false;
    for (char32_t zeichen = U' '; zeichen <= U'~'; ++zeichen) {
        const GdGlyphe& glyphe = probe->glyphe(probe->glyphIndex(zeichen));
        if (glyphe.layoutFehler || glyphe.zeichenFehler) return false;
    }
    return probe->gerastert(probe->glyphIndex(U'A')) != nullptr;
}

// The size last asked for stands last; a new size displaces the one unused longest.
std::shared_ptr<GdGröße> GdSchrift::größe(double punkte) {
    const auto gefunden = std::find_if(m_größen.begin(), m_größen.end(), [&](const auto& größe) {
        return größe->punkte() == punkte;
    });
    if (gefunden != m_größen.end()) {
        std::rotate(gefunden, gefunden + 1, m_größen.end());
    } else {
        if (m_größen.size() >= GemerkteGrößen) m_größen.erase(m_größen.begin());
        m_größen.push_back(std::make_shared<GdGröße>(m_innen, punkte));
    }
    return m_größen.back()->gültig() ? m_größen.back() : nullptr;
}

GdGröße::GdGröße(std::shared_ptr<GdSchrift::Innen> schrift, double punkte)
    : m_schrift(std::move(schrift)),
      m_ft(std::make_unique<Größen>()),
      m_punkte(punkte),
      m_nummer(++m_schrift->größen) {
    FT_Face face = m_schrift->face;
    // GD sets the size in 1/64 point, cut towards zero.
    const auto größe = static_cast<FT_F26Dot6>(punkte * 64);
    if (FT_New_Size(face, &m_ft->layout) != 0) return;
    FT_Activate_Size(m_ft->layout);
    if (FT_Set_Char_Size(face, 0, größe, LayoutDpi, LayoutDpi) != 0) return;
    if (FT_New_Size(face, &m_ft->bild) != 0) return;
    FT_Activate_Size(m_ft->bild);
    if (FT_Set_Char_Size(face, 0, größe, BildDpi, BildDpi) != 0) return;
    m_oberlänge = aufrunden64(face->size->metrics.ascender);
    m_zeilenhöhe96 = face->size->metrics.height;
    m_gültig = true;
}

GdGröße::~GdGröße() {
    if (m_ft->layout) FT_Done_Size(m_ft->layout);
    if (m_ft->bild) FT_Done_Size(m_ft->bild);
}

bool GdGröße::symbol() const {
    return m_schrift->symbol;
}

unsigned GdGröße::glyphIndex(char32_t zeichen) const {
    // GD reaches the glyphs of a symbol font through the private-use page.
    if (m_schrift->symbol) zeichen |= 0xF000;
    return FT_Get_Char_Index(m_schrift->face, zeichen);
}

const GdGlyphe& GdGröße::glyphe(unsigned index) {
    return eintrag(index);
}

GdGlyphe& GdGröße::eintrag(unsigned index) {
    const auto gefunden = m_glyphen.find(index);
    if (gefunden != m_glyphen.end()) return gefunden->second;
    GdGlyphe& glyphe = m_glyphen[index];
    FT_Face face = m_schrift->face;
    FT_Activate_Size(m_ft->layout);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) {
        glyphe.layoutFehler = true;
    } else {
        const FT_Glyph_Metrics& maße = face->glyph->metrics;
        glyphe.vorschub = maße.horiAdvance;
        glyphe.linksLayout = maße.horiBearingX;
        glyphe.obenLayout = maße.horiBearingY;
        glyphe.höheLayout = maße.height;
    }
    FT_Activate_Size(m_ft->bild);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) {
        glyphe.zeichenFehler = true;
        return glyphe;
    }
    // Bundled GD moves its pen by the advance of the glyph image, in whole pixels when hinted.
    glyphe.vorschub96 = face->glyph->advance.x;
    const FT_Glyph_Metrics& maße = face->glyph->metrics;
    glyphe.vorschubMetrik96 = maße.horiAdvance;
    FT_Glyph bild = nullptr;
    if (FT_Get_Glyph(face->glyph, &bild) == 0) {
        FT_BBox kasten;
        FT_Glyph_Get_CBox(bild, FT_GLYPH_BBOX_GRIDFIT, &kasten);
        glyphe.rechts96 = kasten.xMax;
        glyphe.unten96 = kasten.yMin;
        glyphe.oben96 = kasten.yMax;
        FT_Done_Glyph(bild);
    }
    glyphe.ungefährLinks = abrunden64(maße.horiBearingX) - 1;
    glyphe.ungefährOben = aufrunden64(maße.horiBearingY) + 1;
    glyphe.ungefährBreite = aufrunden64(maße.width) + 3;
    glyphe.ungefährHöhe = aufrunden64(maße.height) + 3;
    return glyphe;
}

Stift GdGröße::kerning(unsigned vorher, unsigned index) {
    FT_Face face = m_schrift->face;
    if (!vorher || !index || FT_IS_FIXED_WIDTH(face) || !FT_HAS_KERNING(face)) return 0;
    const std::uint64_t paar = (static_cast<std::uint64_t>(vorher) << 32) | index;
    const auto gefunden = m_kerning.find(paar);
    if (gefunden != m_kerning.end()) return gefunden->second;
    FT_Activate_Size(m_ft->layout);
    FT_Vector abstand{0, 0};
    if (FT_Get_Kerning(face, vorher, index, FT_KERNING_DEFAULT, &abstand) != 0) abstand.x = 0;
    m_kerning.emplace(paar, abstand.x);
    return abstand.x;
}

Stift GdGröße::kerning96(unsigned vorher, unsigned index) {
    FT_Face face = m_schrift->face;
    if (!vorher || !index || !FT_HAS_KERNING(face)) return 0;
    const std::uint64_t paar = (static_cast<std::uint64_t>(vorher) << 32) | index;
    const auto gefunden = m_kerning96.find(paar);
    if (gefunden != m_kerning96.end()) return gefunden->second;
    FT_Activate_Size(m_ft->bild);
    FT_Vector abstand{0, 0};
    if (FT_Get_Kerning(face, vorher, index, FT_KERNING_DEFAULT, &abstand) != 0) abstand.x = 0;
    m_kerning96.emplace(paar, abstand.x);
    return abstand.x;
}

Stift GdGröße::nächsteZeile96(Stift y) const {
    // Bundled GD's line spacing: the 96 dpi line height times 1.05, rounded to the next row.
    constexpr double Zeilenabstand = 1.05;
    y -= static_cast<long>(static_cast<double>(m_zeilenhöhe96) * Zeilenabstand);
    return (y - 32) & -64;
}

Stift GdGröße::nächsteZeile(Stift y) const {
    // GD's line spacing of 1.05, added in floating point and cut to whole 300 dpi pixels.
    constexpr double Zeilenabstand = 1.05;
    auto neu =
        static_cast<Stift>(static_cast<double>(y) + Zeilenabstand * m_punkte * 64 * LayoutDpi / 72);
    return neu & ~Stift{63};
}

std::optional<std::vector<GdGröße::RaqmGlyphe>> GdGröße::raqmSatz(std::u32string_view text) const {
    std::vector<RaqmGlyphe> gesetzt;
    if (text.empty()) return gesetzt;
    std::vector<std::uint32_t> zeichen(text.begin(), text.end());
    if (m_schrift->symbol)
        for (std::uint32_t& code : zeichen) code |= 0xF000;
    // libgd hands raqm the face at its 300 dpi size, whose unhinted advances HarfBuzz reads.
    FT_Activate_Size(m_ft->layout);
    raqm_t* satz = raqm_create();
    if (!satz) return std::nullopt;
    std::size_t anzahl = 0;
    const raqm_glyph_t* glyphen = nullptr;
    if (raqm_set_text(satz, zeichen.data(), zeichen.size()) &&
        raqm_set_freetype_face(satz, m_schrift->face) &&
        raqm_set_par_direction(satz, RAQM_DIRECTION_DEFAULT) && raqm_layout(satz))
        glyphen = raqm_get_glyphs(satz, &anzahl);
    if (glyphen) {
        gesetzt.reserve(anzahl);
        for (std::size_t i = 0; i < anzahl; ++i)
            gesetzt.push_back({glyphen[i].index, glyphen[i].x_advance, glyphen[i].x_offset,
                               glyphen[i].y_offset, glyphen[i].cluster});
    }
    raqm_destroy(satz);
    if (!glyphen) return std::nullopt;
    return gesetzt;
}

namespace {

// Shaping a call costs HarfBuzz far more than its glyphs: the measures of every character and
// pair come from a few long texts, in which a character the fonts lack (drawn as .notdef, which
// neither kerns nor joins) parts the pieces.
constexpr char32_t Trenner = U'\x01';

// The characters a script's text can hold, as GD reads them.
const std::u32string& raqmAlphabet() {
    static const std::u32string alphabet = [] {
        std::u32string zeichen;
        for (int code = 2; code < 256; ++code)
            if (code != '\r' && code != '\n')
                zeichen += unicodeFromCp1252(static_cast<unsigned char>(code));
        return zeichen;
    }();
    return alphabet;
}

// Where each character's first glyph begins, in pen units from the text's start; -1 for a
// character that a ligature took into the glyph before.
std::vector<Stift> glyphAnfänge(const std::vector<GdGröße::RaqmGlyphe>& glyphen,
                                std::size_t länge) {
    std::vector<Stift> anfang(länge + 1, -1);
    Stift stift = 0;
    for (const GdGröße::RaqmGlyphe& glyphe : glyphen) {
        if (glyphe.zeichen < länge && anfang[glyphe.zeichen] < 0) anfang[glyphe.zeichen] = stift;
        stift += glyphe.vorschub;
    }
    anfang[länge] = stift;
    return anfang;
}

}  // namespace

Stift GdGröße::raqmVorschub(char32_t zeichen) {
    if (const auto gefunden = m_raqmVorschub.find(zeichen); gefunden != m_raqmVorschub.end())
        return gefunden->second;
    std::u32string text;
    const std::u32string& alphabet = raqmAlphabet();
    const bool einzeln = alphabet.find(zeichen) == std::u32string::npos;
    for (const char32_t code : einzeln ? std::u32string(1, zeichen) : alphabet) {
        text += code;
        text += Trenner;
    }
    const auto glyphen = raqmSatz(text);
    const std::vector<Stift> anfang =
        glyphAnfänge(glyphen.value_or(std::vector<RaqmGlyphe>{}), text.size());
    for (std::size_t i = 0; i < text.size(); i += 2)
        m_raqmVorschub[text[i]] = glyphen ? anfang[i + 1] - anfang[i] : 0;
    return m_raqmVorschub[zeichen];
}

RaqmPaar GdGröße::raqmPaar(char32_t vorher, char32_t zeichen) {
    auto& reihe = m_raqmPaare[vorher];
    if (const auto gefunden = reihe.find(zeichen); gefunden != reihe.end()) return gefunden->second;
    std::u32string text;
    const std::u32string& alphabet = raqmAlphabet();
    const bool einzeln = alphabet.find(zeichen) == std::u32string::npos ||
                         alphabet.find(vorher) == std::u32string::npos;
    for (const char32_t code : einzeln ? std::u32string(1, zeichen) : alphabet) {
        text += vorher;
        text += code;
        text += Trenner;
    }
    const Stift allein = raqmVorschub(vorher);
    const auto glyphen = raqmSatz(text);
    const std::vector<Stift> anfang =
        glyphAnfänge(glyphen.value_or(std::vector<RaqmGlyphe>{}), text.size());
    for (std::size_t i = 0; i < text.size(); i += 3) {
        RaqmPaar paar;
        if (glyphen && anfang[i + 1] < 0)
            paar.ligatur = true;
        else if (glyphen)
            paar.kerning = anfang[i + 1] - anfang[i] - allein;
        reihe[text[i + 1]] = paar;
    }
    return reihe[zeichen];
}

const GdRaster* GdRasterSpeicher::finden(std::uint64_t schlüssel) {
    const auto gefunden = m_einträge.find(schlüssel);
    if (gefunden == m_einträge.end()) return nullptr;
    m_reihenfolge.splice(m_reihenfolge.end(), m_reihenfolge, gefunden->second.stelle);
    return &gefunden->second.raster;
}

const GdRaster& GdRasterSpeicher::ablegen(std::uint64_t schlüssel, GdRaster raster) {
    const std::size_t bytes = raster.deckung.size() + sizeof(Eintrag);
    while (!m_reihenfolge.empty() && m_bytes + bytes > GemerkteRasterBytes) {
        const auto alt = m_einträge.find(m_reihenfolge.front());
        m_bytes -= alt->second.raster.deckung.size() + sizeof(Eintrag);
        m_einträge.erase(alt);
        m_reihenfolge.pop_front();
    }
    m_reihenfolge.push_back(schlüssel);
    m_bytes += bytes;
    Eintrag& eintrag = m_einträge[schlüssel];
    eintrag = Eintrag{std::move(raster), std::prev(m_reihenfolge.end())};
    return eintrag.raster;
}

const GdRaster* GdGröße::gerastert(unsigned index) {
    GdGlyphe& glyphe = eintrag(index);
    if (glyphe.layoutFehler || glyphe.zeichenFehler) return nullptr;
    const std::uint64_t schlüssel = (m_nummer << 32) | index;
    if (const GdRaster* raster = m_schrift->raster.finden(schlüssel)) return raster;
    FT_Face face = m_schrift->face;
    FT_Activate_Size(m_ft->bild);
    FT_Glyph bildglyphe = nullptr;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0 ||
        FT_Get_Glyph(face->glyph, &bildglyphe) != 0) {
        glyphe.zeichenFehler = true;
        return nullptr;
    }
    if (bildglyphe->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Glyph_To_Bitmap(&bildglyphe, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) {
        FT_Done_Glyph(bildglyphe);
        glyphe.zeichenFehler = true;
        return nullptr;
    }
    const auto* bitmapGlyphe = reinterpret_cast<FT_BitmapGlyph>(bildglyphe);
    const FT_Bitmap& bitmap = bitmapGlyphe->bitmap;
    const bool grau = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    if (!grau && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        FT_Done_Glyph(bildglyphe);
        glyphe.zeichenFehler = true;  // GD: "Unsupported ft_pixel_mode"
        return nullptr;
    }
    GdRaster raster;
    raster.links = bitmapGlyphe->left;
    raster.oben = bitmapGlyphe->top;
    raster.breite = static_cast<int>(bitmap.width);
    raster.höhe = static_cast<int>(bitmap.rows);
    raster.deckung.resize(static_cast<std::size_t>(raster.breite) * raster.höhe);
    for (int zeile = 0; zeile < raster.höhe; ++zeile) {
        const unsigned char* quelle =
            bitmap.buffer + static_cast<std::ptrdiff_t>(zeile) * bitmap.pitch;
        std::uint8_t* ziel =
            raster.deckung.data() + static_cast<std::size_t>(zeile) * raster.breite;
        for (int spalte = 0; spalte < raster.breite; ++spalte) {
            // GD's scaling of the grey levels to its alpha levels, or a set bit as full ink.
            ziel[spalte] = grau ? static_cast<std::uint8_t>(quelle[spalte] * GdAlphaMax /
                                                            (bitmap.num_grays - 1))
                                : ((quelle[spalte >> 3] & (1 << (~spalte & 7))) ? GdAlphaMax : 0);
        }
    }
    FT_Done_Glyph(bildglyphe);
    return &m_schrift->raster.ablegen(schlüssel, std::move(raster));
}

// GD starts a line anew at a carriage return and moves down at a line feed, without kerning
// across them. Bundled GD keeps its line in whole pixels (y is then in pixels).
void GdLauf::zeilenwechsel(char32_t zeichen) {
    m_stiftX = 0;
    m_metrikX96 = 0;
    m_vorher = 0;
    if (zeichen != U'\n') return;
    if (m_familie != GdFamilie::ImPhp) {
        m_stiftY = m_größe->nächsteZeile(m_stiftY);
    } else {
        m_stiftY96 = m_größe->nächsteZeile96(m_stiftY96);
        m_stiftY = static_cast<int>(static_cast<double>(-m_stiftY96) + 32) / 64;
    }
}

void GdLauf::anhängen(char32_t zeichen) {
    // GD reads its text as a C string: nothing after a NUL is drawn.
    if (m_beendet || zeichen == U'\0') {
        m_beendet = true;
        return;
    }
    if (m_familie == GdFamilie::Raqm) {
        m_text += zeichen;
        return raqmSetzen();
    }
    ++m_zeichen;
    if (zeichen == U'\r' || zeichen == U'\n') return zeilenwechsel(zeichen);
    const unsigned index = m_größe->glyphIndex(zeichen);
    const GdGlyphe& glyphe = m_größe->glyphe(index);
    if (m_familie == GdFamilie::System) {
        if (glyphe.layoutFehler) m_abgelehnt = true;
        const Stift kerning = m_größe->kerning(m_vorher, index);
        // GD counts the kerning into the advance of the glyph before.
        if (kerning != 0 && !m_gesetzt.empty()) m_gesetzt.back().vorschub += kerning;
        m_stiftX += kerning;
        m_gesetzt.push_back({index, m_stiftX, m_stiftY, m_stiftX, m_stiftY, glyphe.vorschub,
                             zeichen, m_zeichen - 1});
        m_stiftX += glyphe.vorschub;
    } else {
        const Stift kerning = m_größe->kerning96(m_vorher, index);
        m_stiftX += kerning;
        m_metrikX96 += kerning;
        m_gesetzt.push_back(
            {index, m_stiftX, m_stiftY, m_metrikX96, m_stiftY96, 0, zeichen, m_zeichen - 1});
        m_stiftX += glyphe.vorschub96;
        m_metrikX96 += glyphe.vorschubMetrik96;
    }
    m_vorher = index;
}

void GdLauf::anhängen(std::u32string_view text) {
    if (m_familie != GdFamilie::Raqm) {
        for (const char32_t zeichen : text) anhängen(zeichen);
        return;
    }
    for (const char32_t zeichen : text) {
        if (m_beendet || zeichen == U'\0') {
            m_beendet = true;
            break;
        }
        m_text += zeichen;
    }
    raqmSetzen();
}

// libgd lets libraqm lay out the whole call and then walks its glyphs; a carriage return or line
// feed (the character a glyph stands for) moves the pen as in the system's layout. GD moves a
// symbol font's characters to the private-use page before it looks for line breaks.
void GdLauf::raqmSetzen() {
    m_gesetzt.clear();
    m_stiftX = 0;
    m_stiftY = 0;
    m_abgelehnt = false;
    const auto glyphen = m_größe->raqmSatz(m_text);
    if (!glyphen) {
        m_abgelehnt = true;
        return;
    }
    const bool umbrüche = !m_größe->symbol();
    for (std::size_t i = 0; i < glyphen->size(); ++i) {
        const GdGröße::RaqmGlyphe& glyphe = (*glyphen)[i];
        const char32_t zeichen = m_text[glyphe.zeichen];
        if (umbrüche && (zeichen == U'\r' || zeichen == U'\n')) {
            zeilenwechsel(zeichen);
            continue;
        }
        m_gesetzt.push_back({glyphe.index, m_stiftX + glyphe.versatzX, m_stiftY - glyphe.versatzY,
                             m_stiftX, m_stiftY, glyphe.vorschub, zeichen, i});
        m_stiftX += glyphe.vorschub;
    }
}

std::optional<Textrahmen> GdLauf::rahmen() const {
    if (m_abgelehnt) return std::nullopt;
    return m_familie == GdFamilie::ImPhp ? rahmenGebündelt() : rahmenSystem();
}

namespace {

struct Kasten {
    Stift minX = 0;
    Stift minY = 0;
    Stift maxX = 0;
    Stift maxY = 0;
};

// GD starts its box with the layout's first glyph and widens it by every other one; a text
// that begins with a line break keeps the pen's origin in it.
void erweitern(Kasten& kasten, const Kasten& glyphe, bool erste) {
    if (erste) {
        kasten = glyphe;
        return;
    }
    kasten.minX = std::min(kasten.minX, glyphe.minX);
    kasten.minY = std::min(kasten.minY, glyphe.minY);
    kasten.maxX = std::max(kasten.maxX, glyphe.maxX);
    kasten.maxY = std::max(kasten.maxY, glyphe.maxY);
}

}  // namespace

// The box at 300 dpi from the hinted metrics and the layout's advances, scaled as libgd 2.3
// scales it for an angle of 0 and cut to int.
std::optional<Textrahmen> GdLauf::rahmenSystem() const {
    Kasten kasten;
    for (const Gesetzt& gesetzt : m_gesetzt) {
        const GdGlyphe& glyphe = m_größe->glyphe(gesetzt.index);
        if (glyphe.layoutFehler) return std::nullopt;
        const Stift obenY = gesetzt.stiftY - glyphe.obenLayout;
        erweitern(kasten,
                  {gesetzt.stiftX + glyphe.linksLayout, obenY, gesetzt.stiftX + gesetzt.vorschub,
                   obenY + glyphe.höheLayout},
                  gesetzt.nummer == 0);
    }
    const double sinA = std::sin(0.0);
    const double cosA = std::cos(0.0);
    const double skala = static_cast<double>(BildDpi) / (64 * LayoutDpi);
    const auto minX = static_cast<double>(kasten.minX);
    Textrahmen rahmen;
    rahmen.rechts = static_cast<int>(
        0 + (static_cast<double>(kasten.maxX) * cosA + static_cast<double>(kasten.maxY) * sinA) *
                skala);
    rahmen.unten =
        static_cast<int>(0 - (minX * sinA - static_cast<double>(kasten.maxY) * cosA) * skala);
    rahmen.oben =
        static_cast<int>(0 - (minX * sinA - static_cast<double>(kasten.minY) * cosA) * skala);
    return rahmen;
}

// Bundled GD's box: each glyph's box at 96 dpi widened to whole pixels, a blank counted with its
// advance, then rounded outwards.
std::optional<Textrahmen> GdLauf::rahmenGebündelt() const {
    Kasten kasten;
    bool erste = true;
    for (const Gesetzt& gesetzt : m_gesetzt) {
        const GdGlyphe& glyphe = m_größe->glyphe(gesetzt.index);
        if (glyphe.zeichenFehler) return std::nullopt;
        const Stift leer = gesetzt.zeichen == U' ' ? glyphe.vorschubMetrik96 : 0;
        erweitern(kasten,
                  {0, gesetzt.stiftY + glyphe.unten96, gesetzt.stiftX + glyphe.rechts96 + leer,
                   gesetzt.stiftY + glyphe.oben96},
                  erste);
        erste = false;
    }
    return Textrahmen{static_cast<int>((kasten.maxX + 63) >> 6),
                      static_cast<int>(-(kasten.minY >> 6)),
                      static_cast<int>(-((kasten.maxY + 63) >> 6))};
}

namespace {

std::uint32_t mischen(std::uint32_t unten, std::uint32_t farbe, int stufe) {
    // GD's alpha blending of the text colour over an opaque pixel.
    const int rest = GdAlphaMax - stufe;
    auto kanal = [&](int verschiebung) {
        const int oben = static_cast<int>((farbe >> verschiebung) & 0xFF);
        const int alt = static_cast<int>((unten >> verschiebung) & 0xFF);
        return static_cast<std::uint32_t>((oben * stufe + alt * rest) / GdAlphaMax) << verschiebung;
    };
    return kanal(16) | kanal(8) | kanal(0);
}

void glypheZeichnen(Bild& bild, const GdRaster& glyphe, int links, int oben, std::uint32_t farbe) {
    for (int zeile = 0; zeile < glyphe.höhe; ++zeile) {
        const int y = oben + zeile;
        if (y < 0 || y >= bild.höhe()) continue;
        const std::uint8_t* stufen =
            glyphe.deckung.data() + static_cast<std::size_t>(zeile) * glyphe.breite;
        for (int spalte = 0; spalte < glyphe.breite; ++spalte) {
            const int stufe = stufen[spalte];
            const int x = links + spalte;
            if (stufe == 0 || x < 0 || x >= bild.breite()) continue;
            bild.setzePunkt(x, y, mischen(bild.punkt(x, y), farbe, stufe));
        }
    }
}

bool außerhalb(const Bild& bild, int links, int oben, int breite, int höhe) {
    return links >= bild.breite() || oben >= bild.höhe() || links + breite <= 0 || oben + höhe <= 0;
}

}  // namespace

void GdLauf::zeichnen(Bild& bild, std::int64_t x, std::int64_t y, std::uint32_t farbe) const {
    if (m_abgelehnt) return;
    if (m_familie == GdFamilie::ImPhp)
        zeichnenGebündelt(bild, x, y, farbe);
    else
        zeichnenSystem(bild, x, y, farbe);
}

// Bundled GD rounds its pen to whole pixels at each glyph and adds them as int.
void GdLauf::zeichnenGebündelt(Bild& bild, std::int64_t x, std::int64_t y,
                               std::uint32_t farbe) const {
    constexpr std::int64_t Weit = 1000000000;
    for (const Gesetzt& gesetzt : m_gesetzt) {
        const GdGlyphe& grob = m_größe->glyphe(gesetzt.index);
        if (grob.zeichenFehler) return;
        const std::int64_t ursprungX = x + ((gesetzt.x + 31) >> 6);
        const std::int64_t ursprungY = y + gesetzt.y;
        if (std::llabs(ursprungX) > Weit || std::llabs(ursprungY) > Weit) continue;
        if (außerhalb(bild, static_cast<int>(ursprungX) + grob.ungefährLinks - 1,
                      static_cast<int>(ursprungY) - grob.ungefährOben - 1, grob.ungefährBreite + 2,
                      grob.ungefährHöhe + 2))
            continue;
        const GdRaster* glyphe = m_größe->gerastert(gesetzt.index);
        if (!glyphe) return;
        glypheZeichnen(bild, *glyphe, static_cast<int>(ursprungX) + glyphe->links,
                       static_cast<int>(ursprungY) - glyphe->oben, farbe);
    }
}

void GdLauf::zeichnenSystem(Bild& bild, std::int64_t stiftX0, std::int64_t stiftY0,
                            std::uint32_t farbe) const {
    // GD takes the pen's start as int and adds in double; far beyond the picture nothing shows,
    // and the pixel arithmetic stays inside int.
    constexpr double Weit = 1e9;
    const double x = static_cast<double>(stiftX0);
    const double y = static_cast<double>(stiftY0);
    for (const Gesetzt& gesetzt : m_gesetzt) {
        // The pen in pixels, added and cut towards zero exactly as GD does it for angle 0.
        const double stiftX = stiftInPixel(gesetzt.x);
        const double stiftY = stiftInPixel(gesetzt.y);
        const GdGlyphe& grob = m_größe->glyphe(gesetzt.index);
        // libgd with raqm loads each glyph only when it draws it, and stops at one that fails.
        if (grob.zeichenFehler || grob.layoutFehler) return;
        if (std::fabs(x + stiftX) > Weit || std::fabs(y + stiftY) > Weit) continue;
        const int ungefährX = static_cast<int>(x + stiftX + grob.ungefährLinks);
        const int ungefährY = static_cast<int>(y + stiftY - grob.ungefährOben);
        if (außerhalb(bild, ungefährX - 1, ungefährY - 1, grob.ungefährBreite + 2,
                      grob.ungefährHöhe + 2))
            continue;
        const GdRaster* glyphe = m_größe->gerastert(gesetzt.index);
        if (!glyphe) return;
        const int links = static_cast<int>(x + stiftX + glyphe->links);
        const int oben = static_cast<int>(y + stiftY - glyphe->oben);
        glypheZeichnen(bild, *glyphe, links, oben, farbe);
    }
}

std::u32string unicodeText(std::string_view cp1252) {
    std::u32string text;
    text.reserve(cp1252.size());
    for (const char zeichen : cp1252)
        text += unicodeFromCp1252(static_cast<unsigned char>(zeichen));
    return text;
}

}  // namespace tafomat
