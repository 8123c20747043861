#pragma once

#include <QObject>

namespace tafomat {

// Tells whoever listens that the window's preview was drawn anew, also by a redraw that stopped
// part-way. A class of its own: moc cannot read the window's header, whose field names hold
// umlauts.
class Neuzeichnung : public QObject {
    Q_OBJECT
  signals:
    void gezeichnet();
};

}  // namespace tafomat
