#include "platform/QtText.h"

#include <QList>

#include "model/Cp1252.h"

namespace tafomat {

QString toQString(const std::string& cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252) {
        const char32_t u = unicodeFromCp1252(static_cast<unsigned char>(c));
        text.append(QChar(static_cast<char16_t>(u)));  // every code lies in the BMP
    }
    return text;
}

std::string toCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t u : text.toUcs4()) {
        if (const auto code = cp1252FromUnicode(u)) bytes.push_back(static_cast<char>(*code));
    }
    return bytes;
}

bool fitsCp1252(const QString& text) {
    for (const char32_t u : text.toUcs4()) {
        if (!cp1252FromUnicode(u)) return false;
    }
    return true;
}

QString keepCp1252(const QString& text) {
    return toQString(toCp1252(text));
}

QString shortenMiddle(const QString& text, int maxLength) {
    if (text.size() <= maxLength) return text;
    const QString mitte = QStringLiteral("...");
    const int vorn = (maxLength - static_cast<int>(mitte.size())) / 3;
    const int hinten = maxLength - static_cast<int>(mitte.size()) - vorn;
    return text.left(vorn) + mitte + text.right(hinten);
}

}  // namespace tafomat
