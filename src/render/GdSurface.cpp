#include "render/GdSurface.h"

#include <algorithm>
#include <cmath>

#include "model/Cp1252.h"
#include "render/Bilddatei.h"
#include "render/Schriftsuche.h"

namespace tafomat {

namespace {

std::uint32_t rgb(Farbwert farbe) {
    return gdRgb(farbanteile(farbe));
}

Farbwert farbwertVon(std::uint32_t rgb) {
    return farbwert(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

std::shared_ptr<GdSchrift> schriftÖffnen(const std::string& name) {
    const std::optional<std::string> datei = schriftdateiSuchen(name);
    return datei ? GdSchrift::geteilt(*datei) : nullptr;
}

}  // namespace

static Bild eingebautesBild() {
    return jpegLesen(eingebautesBildJpeg()).value_or(Bild(460, 66));
}

GdSurface::GdSurface()
    : m_hintergrund(eingebautesBild()),
      m_bild(m_hintergrund),
      m_schrift(schriftÖffnen(m_schriftName)) {}

const Bild& GdSurface::bild() const {
    laufZeichnen();
    if (!m_meldetGerade) m_gemeldet = false;
    return m_bild;
}

std::string GdSurface::schriftdatei() const {
    return m_schrift ? m_schrift->pfad() : std::string();
}

void GdSurface::clear() {
    m_lauf.reset();
    m_bild.zurückAuf(m_hintergrund);
    melden();
}

void GdSurface::setTextColor(Farbwert farbe) {
    m_farbe = farbe;
}

void GdSurface::setCurrentX(double x) {
    laufZeichnen();
    m_stift = inStift(x);
}

double GdSurface::currentX() const {
    return static_cast<double>(m_stift) / StiftJePixel;
}

void GdSurface::setCurrentY(double y) {
    laufZeichnen();
    m_y = std::clamp(y, -GrößteLage, GrößteLage);
}

bool GdSurface::setFontSize(double punkte) {
    if (!isUsableFontSize(punkte)) return false;
    if (m_schrift && !m_schrift->größe(punkte)) return false;
    m_punkte = punkte;
    return true;
}

bool GdSurface::setFontName(const std::string& name) {
    if (name == m_schriftName && m_schrift) return true;
    std::shared_ptr<GdSchrift> schrift = schriftÖffnen(utf8FromCp1252(name));
    if (!schrift) return false;
    laufZeichnen();
    m_schrift = std::move(schrift);
    m_schriftName = name;
    return true;
}

std::shared_ptr<GdGröße> GdSurface::größe() const {
    return m_schrift ? m_schrift->größe(m_punkte) : nullptr;
}

void GdSurface::drawText(const std::string& text) {
    if (text.empty()) return;
    if (!setztLaufFort()) laufBeginnen();
    if (!m_lauf) return;
    if (!m_gemeldet) melden();
    m_lauf->lauf.anhängen(unicodeText(text));
    m_stift = m_lauf->anfang + m_lauf->lauf.vorschub();
}

bool GdSurface::setztLaufFort() const {
    return tafomat::setztLaufFort(m_lauf ? std::optional(m_lauf->art) : std::nullopt, laufart());
}

Laufart GdSurface::laufart() const {
    return {m_punkte, m_fett, m_farbe};
}

// The script places a run at the whole pixel where the text before it ended, and GD draws it
// from there; the exact end still places the run after it.
void GdSurface::laufBeginnen() {
    laufZeichnen();
    std::shared_ptr<GdGröße> schrift = größe();
    if (!schrift) return;
    const std::int64_t x = ganzerPixel(m_stift);
    const std::int64_t y = std::llround(m_y) + schrift->oberlänge();
    m_lauf.emplace(OffenerLauf{GdLauf(std::move(schrift)), x, y, laufart(), m_stift});
}

void GdSurface::laufZeichnen() const {
    if (!m_lauf) return;
    const OffenerLauf lauf = std::move(*m_lauf);
    m_lauf.reset();
    kopienZeichnen(lauf.art.fett, [&](int rechts) {
        lauf.lauf.zeichnen(m_bild, lauf.x + rechts, lauf.y, rgb(lauf.art.farbe));
    });
}

double GdSurface::textWidth(const std::string& text) const {
    return widthAt(m_punkte, text).value_or(0);
}

std::optional<double> GdSurface::widthAt(double punkte, const std::string& text) const {
    if (!isUsableFontSize(punkte)) return std::nullopt;
    if (!m_schrift) return 0;
    std::shared_ptr<GdGröße> schrift = m_schrift->größe(punkte);
    if (!schrift) return std::nullopt;
    if (text.empty()) return 0;
    GdLauf lauf(std::move(schrift));
    lauf.anhängen(unicodeText(text));
    return static_cast<double>(lauf.vorschub()) / StiftJePixel;
}

std::optional<Zeichenmaß> GdSurface::zeichenmaß(double punkte, unsigned char zeichen) const {
    const std::shared_ptr<GdGröße> schrift = m_schrift ? m_schrift->größe(punkte) : nullptr;
    if (!schrift) return std::nullopt;
    const unsigned index = schrift->glyphIndex(unicodeFromCp1252(zeichen));
    const GdGlyphe& glyphe = schrift->glyphe(index);
    if (glyphe.layoutFehler || glyphe.zeichenFehler) return std::nullopt;
    const GdRaster* raster = schrift->gerastert(index);
    if (!raster) return std::nullopt;
    const bool tinte = std::any_of(raster->deckung.begin(), raster->deckung.end(),
                                   [](std::uint8_t stufe) { return stufe != 0; });
    return Zeichenmaß{glyphe.vorschub, glyphe.vorschub96, raster->links, tinte,
                      schrift->raqmVorschub(unicodeFromCp1252(zeichen))};
}

Paarmaß GdSurface::paarmaß(double punkte, unsigned char vorher, unsigned char zeichen) const {
    const std::shared_ptr<GdGröße> schrift = m_schrift ? m_schrift->größe(punkte) : nullptr;
    if (!schrift) return {};
    const unsigned a = schrift->glyphIndex(unicodeFromCp1252(vorher));
    const unsigned b = schrift->glyphIndex(unicodeFromCp1252(zeichen));
    const RaqmPaar raqm = schrift->raqmPaar(unicodeFromCp1252(vorher), unicodeFromCp1252(zeichen));
    return {schrift->kerning(a, b), schrift->kerning96(a, b), raqm.kerning, raqm.ligatur};
}

std::optional<Probenmaß> GdSurface::probenmaß(double punkte, const std::string& text) const {
    const std::shared_ptr<GdGröße> schrift = m_schrift ? m_schrift->größe(punkte) : nullptr;
    if (!schrift) return std::nullopt;
    const auto rahmen = [&](GdFamilie familie) {
        GdLauf lauf(schrift, familie);
        lauf.anhängen(unicodeText(text));
        return lauf.rahmen();
    };
    return Probenmaß{rahmen(GdFamilie::System), rahmen(GdFamilie::ImPhp), rahmen(GdFamilie::Raqm)};
}

bool GdSurface::loadBackground(const std::string& pfad) {
    m_hintergrundfehler.reset();
    m_ausrichtung.reset();
    if (pfad.empty()) {
        if (!m_nurPrüfen) setBackground(Bild(m_hintergrund.breite(), m_hintergrund.höhe()));
        return true;
    }
    std::optional<Bild> bild;
    {
        const Hintergrunddatei datei = HintergrunddateiLesen(utf8FromCp1252(pfad));
        m_hintergrundfehler = datei.fehler;
        // What the server's GD refuses is no background of the server view either.
        if (!m_hintergrundfehler && jpegWarnt(datei.bytes))
            m_hintergrundfehler = Bildfehler{Bildfehlergrund::Beschaedigt};
        if (m_hintergrundfehler) return false;
        m_ausrichtung = exifAusrichtung(datei.bytes);
        if (m_nurPrüfen) return true;
        bild = jpegLesen(datei.bytes);
    }  // the file's bytes are gone before the picture is copied
    if (!bild) {
        m_hintergrundfehler = Bildfehler{Bildfehlergrund::Beschaedigt};
        m_ausrichtung.reset();
        return false;
    }
    setBackground(std::move(*bild));
    return true;
}

void GdSurface::loadBuiltInBackground() {
    setBackground(eingebautesBild());
}

void GdSurface::setBackground(Bild bild) {
    m_lauf.reset();
    m_hintergrund = std::move(bild);
    m_bild = m_hintergrund;
    ++m_hintergrundNummer;
    melden();
}

void GdSurface::fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) {
    laufZeichnen();
    const int links = std::max(std::min(x1, x2), 0);
    const int rechts = std::min(std::max(x1, x2), m_bild.breite() - 1);
    const int oben = std::max(std::min(y1, y2), 0);
    const int unten = std::min(std::max(y1, y2), m_bild.höhe() - 1);
    for (int y = oben; y <= unten; ++y)
        for (int x = links; x <= rechts; ++x) m_bild.setzePunkt(x, y, rgb(farbe));
    melden();
}

Farbwert GdSurface::colorAt(int x, int y) const {
    laufZeichnen();
    if (!m_bild.enthält(x, y)) return -1;
    return farbwertVon(m_bild.punkt(x, y));
}

void GdSurface::melden() {
    m_gemeldet = true;
    if (!m_melden) return;
    m_meldetGerade = true;
    m_melden();
    m_meldetGerade = false;
}

}  // namespace tafomat
