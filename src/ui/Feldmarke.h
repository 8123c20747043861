#pragma once

#include <QString>
#include <QWidget>

namespace tafomat {

// A field whose text cannot be read gets a red ground, mixed into the palette's own so that its
// text stays readable in light and dark palettes, and a tooltip that says why before the field's
// own tooltip. A hint alone goes into the tooltip without the mark; neither restores the field.
void feldMarkieren(QWidget* feld, bool unlesbar, const QString& grund,
                   const QString& eigenerTipp = {});

// Whether the field carries the mark.
bool istMarkiert(const QWidget* feld);

}  // namespace tafomat
