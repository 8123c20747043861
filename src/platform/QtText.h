#pragma once

#include <QString>

#include <string>

namespace tafomat {

// The widget boundary: the Qt-free layers hold Windows-1252 bytes, the widgets QString.
QString toQString(const std::string& cp1252);
// Characters that Windows-1252 cannot hold are left out; use fitsCp1252 to keep them out first.
std::string toCp1252(const QString& text);
bool fitsCp1252(const QString& text);
// The text with every character that Windows-1252 cannot hold removed.
QString keepCp1252(const QString& text);

// The text cut in its middle to at most maxLength characters, its start and end kept.
QString shortenMiddle(const QString& text, int maxLength);

}  // namespace tafomat
