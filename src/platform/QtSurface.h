#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "preview/Surface.h"
#include "render/Hintergrunddatei.h"

namespace tafomat {

// The preview surface: a picture with text drawn over it, measured and drawn at 96 dpi,
// the resolution at which GD on the server turns points into pixels.
class QtSurface : public QObject, public Surface {
    Q_OBJECT
  public:
    explicit QtSurface(QObject* parent = nullptr);  // built-in picture, Arial 8.25 pt, black

    const QImage& image() const;

    // Surface operations: see preview/Surface.h (implemented in QtSurface.cpp).
    void clear() override;
    void setTextColor(Farbwert farbe) override;
    Farbwert textColor() const override;
    void setCurrentX(double x) override;
    double currentX() const override;
    void setCurrentY(double y) override;
    double currentY() const override;
    bool setFontSize(double punkte) override;
    double fontSize() const override;
    // A name that isUsableFontFamily rejects is refused and the previous font stays; the name
    // is kept as given, since the script names its font file after it.
    bool setFontName(const std::string& name) override;
    std::string fontName() const override;
    void drawText(const std::string& text) override;
    double textWidth(const std::string& text) const override;
    // Only JPEG content is taken, whatever the name, as the script opens the picture as JPEG;
    // the file is checked by HintergrunddateiLesen before it is decoded. An empty path leaves
    // a white picture of the current size.
    bool loadBackground(const std::string& pfad) override;
    // Why the last loadBackground failed; empty after a success.
    const std::optional<Bildfehler>& backgroundFailure() const;
    // The built-in picture becomes the background again, as at the start; backgroundFailure
    // still tells why the last picture was refused.
    void loadBuiltInBackground();
    int width() const override;
    int height() const override;
    void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) override;
    Farbwert colorAt(int x, int y) const override;  // -1 outside the picture

  signals:
    // The picture changed (drawn, cleared, or a new background with maybe a new size).
    // clear, loadBackground and fillBox always tell; drawing text tells only at its first
    // change since image() was last read outside this signal, so that a listener schedules
    // one repaint (QWidget::update) per redraw and reads the picture when it paints.
    void changed();

  private:
    // A text laid out once: drawing it again only places its glyphs.
    struct Laufmass {
        bool bekannt = false;
        double vorschub = 0;
        QRectF tinte;              // the ink around the origin on the baseline; empty for a blank
        QList<QGlyphRun> glyphen;  // placed with the line's top at 0
        double oberlaenge = 0;     // of the laid-out line, which fallback fonts may raise
    };
    // The measures of the current font at one size, kept for the sizes a template switches
    // between.
    struct Groessenmass {
        Groessenmass(double punkte, const QFont& schrift, const QPaintDevice* geraet);
        double punkte;
        QFont schrift;
        QFontMetricsF masse;
        double oberlaenge;
        std::array<Laufmass, 256> zeichen{};
        std::unordered_map<std::string, Laufmass> laeufe;  // placeholder values come again
    };

    void groesseWaehlen(double punkte);
    const Laufmass& laufmass(const std::string& text) const;
    void vermessen(Laufmass& mass, const QString& text) const;
    bool unsichtbar(const Laufmass& mass) const;
    QPainter& maler();
    void malerBeenden() const;
    void melden();
    void textMelden();

    QImage m_hintergrund;
    QImage m_bild;
    std::optional<Bildfehler> m_hintergrundfehler;
    std::string m_schriftName = "Arial";
    QFont m_schrift;
    Farbwert m_farbe = 0;
    QColor m_stift = Qt::black;
    double m_x = 0;
    double m_y = 0;
    mutable std::vector<std::unique_ptr<Groessenmass>> m_groessen;
    Groessenmass* m_mass = nullptr;
    // Kept open between drawing calls, since opening a painter costs more than a character;
    // ended before the picture is read or replaced. Declared after m_bild: it ends first.
    mutable std::unique_ptr<QPainter> m_maler;
    mutable bool m_gemeldet = false;
    bool m_meldetGerade = false;
};

// Whether text can be drawn in this font family: an installed family, or a name for which
// the system's font configuration names a substitute of its own (fontconfig draws "Arial" as
// Liberation Sans, made with Arial's widths, so the preview measures as the server's Arial
// does). A name that only falls through to the last-resort font would silently show an
// unrelated face: it is not usable.
bool isUsableFontFamily(const QString& familie);

// FreeType keeps pixel sizes in 16 bits; far below that a single letter outgrows any banner.
inline constexpr double LargestFontSize = 24000;
inline bool isUsableFontSize(double punkte) {
    return punkte > 0 && punkte <= LargestFontSize;
}

QColor toQColor(Farbwert farbe);
// 96 dots per inch, the resolution at which GD turns points into pixels.
QImage withSurfaceResolution(QImage bild);

}  // namespace tafomat
