#include "platform/QtSurface.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>
#include <QTextLayout>

#include <algorithm>

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

// The checked JPEG decoded; null when its decoder gives up.
QImage jpegDekodieren(const std::string& bytes) {
    QByteArray daten = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer puffer(&daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, "jpeg");
    // Behind the pixel limit that the file check applies, in case the decoder sees more.
    leser.setAllocationLimit(256);
    return leser.read();
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
      m_schrift(QStringLiteral("Arial")) {
    // GD on the server smooths in grey; colour fringes would show nowhere else.
    m_schrift.setStyleStrategy(QFont::NoSubpixelAntialias);
    groesseWaehlen(8.25);
}

QtSurface::Groessenmass::Groessenmass(double punkte, const QFont& schrift,
                                      const QPaintDevice* geraet)
    : punkte(punkte), schrift(schrift), masse(schrift, geraet), oberlaenge(masse.ascent()) {}

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
    if (punkte != m_mass->punkte) groesseWaehlen(punkte);
    return true;
}

double QtSurface::fontSize() const {
    return m_mass->punkte;
}

bool QtSurface::setFontName(const std::string& name) {
    if (name == m_schriftName) return true;
    const QString familie = toQString(name);
    if (!isUsableFontFamily(familie)) return false;
    m_schriftName = name;
    m_schrift.setFamily(familie);
    const double punkte = m_mass->punkte;
    m_groessen.clear();
    groesseWaehlen(punkte);
    return true;
}

std::string QtSurface::fontName() const {
    return m_schriftName;
}

void QtSurface::drawText(const std::string& text) {
    if (text.empty()) return;
    const Laufmass& mass = laufmass(text);
    if (!unsichtbar(mass)) {
        textMelden();
        // the same glyphs at the same places as drawText would lay them out anew
        const QPointF oben(m_x, m_y + m_mass->oberlaenge - mass.oberlaenge);
        for (const QGlyphRun& glyphen : mass.glyphen) maler().drawGlyphRun(oben, glyphen);
    }
    m_x += mass.vorschub;
}

double QtSurface::textWidth(const std::string& text) const {
    return text.empty() ? 0 : laufmass(text).vorschub;
}

bool QtSurface::loadBackground(const std::string& pfad) {
    m_hintergrundfehler.reset();
    if (pfad.empty()) {
        malerBeenden();
        m_hintergrund = weissesBild(m_bild.size());
    } else {
        QImage bild;
        {
            const Hintergrunddatei datei =
                HintergrunddateiLesen(QFile::encodeName(toQString(pfad)).toStdString());
            m_hintergrundfehler = datei.fehler;
            if (m_hintergrundfehler) return false;
            bild = jpegDekodieren(datei.bytes);
        }  // the file's bytes are gone before the picture is copied
        if (bild.isNull()) {
            m_hintergrundfehler = Bildfehler{Bildfehlergrund::Beschaedigt};
            return false;
        }
        malerBeenden();
        m_hintergrund = withSurfaceResolution(std::move(bild));
    }
    m_bild = m_hintergrund;
    melden();
    return true;
}

const std::optional<Bildfehler>& QtSurface::backgroundFailure() const {
    return m_hintergrundfehler;
}

void QtSurface::loadBuiltInBackground() {
    malerBeenden();
    m_hintergrund = eingebautesBild();
    m_bild = m_hintergrund;
    melden();
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

void QtSurface::groesseWaehlen(double punkte) {
    constexpr std::size_t GemerkteGroessen = 8;
    const auto gefunden = std::find_if(m_groessen.begin(), m_groessen.end(),
                                       [&](const auto& mass) { return mass->punkte == punkte; });
    if (gefunden != m_groessen.end()) {
        m_mass = gefunden->get();
    } else {
        if (m_groessen.size() >= GemerkteGroessen) m_groessen.clear();
        m_schrift.setPointSizeF(punkte);
        m_groessen.push_back(std::make_unique<Groessenmass>(punkte, m_schrift, &m_bild));
        m_mass = m_groessen.back().get();
    }
    if (m_maler) m_maler->setFont(m_mass->schrift);
}

const QtSurface::Laufmass& QtSurface::laufmass(const std::string& text) const {
    constexpr std::size_t GemerkteLaeufe = 256;
    if (text.size() == 1) {
        Laufmass& mass = m_mass->zeichen[static_cast<unsigned char>(text[0])];
        if (!mass.bekannt) vermessen(mass, toQString(text));
        return mass;
    }
    auto& laeufe = m_mass->laeufe;
    if (laeufe.size() >= GemerkteLaeufe && !laeufe.contains(text)) laeufe.clear();
    Laufmass& mass = laeufe[text];
    if (!mass.bekannt) vermessen(mass, toQString(text));
    return mass;
}

void QtSurface::vermessen(Laufmass& mass, const QString& text) const {
    mass.vorschub = m_mass->masse.horizontalAdvance(text);
    mass.tinte = m_mass->masse.boundingRect(text);
    QTextLayout zeile(text, m_mass->schrift, &m_bild);
    zeile.beginLayout();
    const QTextLine linie = zeile.createLine();
    zeile.endLayout();
    mass.oberlaenge = linie.ascent();
    mass.glyphen = zeile.glyphRuns();
    mass.bekannt = true;
}

// A text without ink, or whose ink lies wholly outside the picture, changes no pixel.
bool QtSurface::unsichtbar(const Laufmass& mass) const {
    if (mass.tinte.isEmpty()) return true;
    const QRectF flaeche = mass.tinte.translated(m_x, m_y + m_mass->oberlaenge)
                               .adjusted(-2, -2, 2, 2);  // room for the smoothed edge
    return !flaeche.intersects(QRectF(m_bild.rect()));
}

QPainter& QtSurface::maler() {
    if (!m_maler) {
        m_maler = std::make_unique<QPainter>(&m_bild);
        m_maler->setFont(m_mass->schrift);
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
