#pragma once

#include <QSyntaxHighlighter>
#include <QTextBlock>

#include <vector>

#include "template/Vorlagendeutung.h"

namespace tafomat {

// Colours the template field as the template reader reads it: bold, colour (in the colour it
// sets), size, position and placeholders each in a look of their own, a command that the reader
// reads otherwise than it looks wavy underlined, a lower-case command letter dotted. Each line is
// read on its own, from the line where a command that reaches into it began.
class Vorlagenfarben : public QSyntaxHighlighter {
  public:
    explicit Vorlagenfarben(QTextDocument* dokument);

    // The readings that touch the line, with their places counted from the line's start in the
    // template's way (a line break is two characters); a reading that began on a line before
    // starts below 0.
    static std::vector<Deutung> zeilenDeutungen(const QTextBlock& zeile, int& vorlauf);

  protected:
    void highlightBlock(const QString& text) override;
};

// The look of one reading in the field.
QTextCharFormat deutungsformat(const Deutung& deutung);

}  // namespace tafomat
