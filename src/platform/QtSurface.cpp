#include "platform/QtSurface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

#include "platform/QtText.h"

namespace tafomat {

namespace {

const QSize Startgroesse(460, 66);

QImage weissesBild(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return withSurfaceResolution(bild);
}

QImage eingebautesBild() {
    QImage bild(QStringLiteral(":/hintergrund.jpg"));
    return bild.isNull() ? weissesBild(Startgroesse) : withSurfaceResolution(bild);
}

// Every single-byte text once, so that drawing a character never builds a string.
const QString& zeichenText(unsigned char zeichen) {
    static const std::array<QString, 256> texte = [] {
        std::array<QString, 256> alle;
        for (int code = 0; code < 256; ++code) {
            alle[code] = toQString(std::string(1, static_cast<char>(code)));
        }
        return alle;
    }();
    return texte[zeichen];
}

}  // namespace

QColor toQColor(Farbwert farbe) {
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}

QImage withSurfaceResolution(QImage bild) {
    constexpr int PunkteJeMeter = 3780;
    bild = bild.convertToFormat(QImage::Format_RGB32);
    bild.setDotsPerMeterX(PunkteJeMeter);
    bild.setDotsPerMeterY(PunkteJeMeter);
    return bild;
}

bool isUsableFontFamily(const QString& familie) {
    if (familie.trimmed().isEmpty()) return false;
    if (QFontDatabase::hasFamily(familie)) return true;
    static const QString letzteWahl =
        QFontInfo(QFont(QStringLiteral("tafomat-no-such-font-family"))).family();
    const QString ersatz = QFontInfo(QFont(familie)).family();
    return !ersatz.isEmpty() && ersatz != letzteWahl;
}

QtSurface::QtSurface(QObject* parent)
    : QObject(parent),
      m_hintergrund(eingebautesBild()),
      m_bild(m_hintergrund),
      m_schrift(QStringLiteral("Arial")),
      m_masse(m_schrift) {
    m_schrift.setPointSizeF(m_groesse);
    // GD on the server smooths in grey; colour fringes would show nowhere else.
    m_schrift.setStyleStrategy(QFont::NoSubpixelAntialias);
    schriftAnwenden();
}

const QImage& QtSurface::image() const {
    malerBeenden();
    if (!m_meldetGerade) m_gemeldet = false;
    return m_bild;
}

void QtSurface::clear() {
    malerBeenden();
    m_bild = m_hintergrund;
    melden();
}

void QtSurface::setTextColor(Farbwert farbe) {
    m_farbe = farbe;
    m_stift = toQColor(farbe);
    if (m_maler) m_maler->setPen(m_stift);
}

Farbwert QtSurface::textColor() const {
    return m_farbe;
}
void QtSurface::setCurrentX(double x) {
    m_x = x;
}
double QtSurface::currentX() const {
    return m_x;
}
void QtSurface::setCurrentY(double y) {
    m_y = y;
}
double QtSurface::currentY() const {
    return m_y;
}

bool QtSurface::setFontSize(double punkte) {
    if (!isUsableFontSize(punkte)) return false;  // also refuses NaN
    if (punkte == m_groesse) return true;
    m_groesse = punkte;
    m_schrift.setPointSizeF(punkte);
    schriftAnwenden();
    return true;
}

double QtSurface::fontSize() const {
    return m_groesse;
}

bool QtSurface::setFontName(const std::string& name) {
    if (name == m_schriftName) return true;
    const QString familie = toQString(name);
    if (!isUsableFontFamily(familie)) return false;
    m_schriftName = name;
    m_schrift.setFamily(familie);
    schriftAnwenden();
    return true;
}

std::string QtSurface::fontName() const {
    return m_schriftName;
}

void QtSurface::drawText(const std::string& text) {
    if (text.empty()) return;
    const QPointF grundlinie(m_x, m_y + m_masse.ascent());
    if (text.size() == 1) {
        const auto zeichen = static_cast<unsigned char>(text[0]);
        const Zeichenmass& mass = zeichenmass(zeichen);
        if (!unsichtbar(mass)) {
            textMelden();
            maler().drawText(grundlinie, zeichenText(zeichen));
        }
        m_x += mass.vorschub;
        return;
    }
    const QString lauf = toQString(text);
    textMelden();
    maler().drawText(grundlinie, lauf);
    m_x += m_masse.horizontalAdvance(lauf);
}

double QtSurface::textWidth(const std::string& text) const {
    if (text.size() == 1) return zeichenmass(static_cast<unsigned char>(text[0])).vorschub;
    return text.empty() ? 0 : m_masse.horizontalAdvance(toQString(text));
}

bool QtSurface::loadBackground(const std::string& pfad) {
    if (pfad.empty()) {
        malerBeenden();
        m_hintergrund = weissesBild(m_bild.size());
    } else {
        QImageReader leser(toQString(pfad));
        leser.setDecideFormatFromContent(true);
        if (leser.format() != "jpeg") return false;
        const QImage bild = leser.read();
        if (bild.isNull()) return false;
        malerBeenden();
        m_hintergrund = withSurfaceResolution(bild);
    }
    m_bild = m_hintergrund;
    melden();
    return true;
}

int QtSurface::width() const {
    return m_bild.width();
}
int QtSurface::height() const {
    return m_bild.height();
}

void QtSurface::fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) {
    const QRect kasten(QPoint(std::min(x1, x2), std::min(y1, y2)),
                       QPoint(std::max(x1, x2), std::max(y1, y2)));
    maler().fillRect(kasten, toQColor(farbe));
    melden();
}

Farbwert QtSurface::colorAt(int x, int y) const {
    if (!m_bild.valid(x, y)) return -1;
    malerBeenden();
    const QRgb punkt = m_bild.pixel(x, y);
    return farbwert(qRed(punkt), qGreen(punkt), qBlue(punkt));
}

void QtSurface::schriftAnwenden() {
    m_masse = QFontMetricsF(m_schrift, &m_bild);
    m_zeichenmasse.fill(Zeichenmass{});
    if (m_maler) m_maler->setFont(m_schrift);
}

const QtSurface::Zeichenmass& QtSurface::zeichenmass(unsigned char zeichen) const {
    Zeichenmass& mass = m_zeichenmasse[zeichen];
    if (!mass.bekannt) {
        const QString& text = zeichenText(zeichen);
        mass.vorschub = m_masse.horizontalAdvance(text);
        mass.tinte = m_masse.boundingRect(text);
        mass.bekannt = true;
    }
    return mass;
}

// A character without ink, or whose ink lies wholly outside the picture, changes no pixel.
bool QtSurface::unsichtbar(const Zeichenmass& mass) const {
    if (mass.tinte.isEmpty()) return true;
    const QRectF flaeche = mass.tinte.translated(m_x, m_y + m_masse.ascent())
                               .adjusted(-2, -2, 2, 2);  // room for the smoothed edge
    return !flaeche.intersects(QRectF(m_bild.rect()));
}

QPainter& QtSurface::maler() {
    if (!m_maler) {
        m_maler = std::make_unique<QPainter>(&m_bild);
        m_maler->setFont(m_schrift);
        m_maler->setPen(m_stift);
    }
    return *m_maler;
}

void QtSurface::malerBeenden() const {
    m_maler.reset();
}

void QtSurface::melden() {
    m_gemeldet = true;
    m_meldetGerade = true;
    emit changed();
    m_meldetGerade = false;
}

void QtSurface::textMelden() {
    if (!m_gemeldet) melden();
}

}  // namespace tafomat
