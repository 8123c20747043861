#pragma once

#include <QScrollArea>

#include "ui/Bildfeld.h"

namespace tafomat {

// The preview's place in the window: as large as its picture, up to the room it is given;
// a larger picture scrolls.
class Vorschaubereich : public QScrollArea {
  public:
    Vorschaubereich(Bildfeld* bild, QWidget* parent = nullptr);

    // Takes the picture's size, at most `platz`, with a scroll bar only where the picture is
    // larger than the room.
    void anpassen(QSize platz);
};

}  // namespace tafomat
