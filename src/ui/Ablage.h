#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

namespace tafomat {

// Files dropped on the window: one local picture or settings file is the window's, also
// over a text field, which would otherwise take its path as text.
class Ablage : public QObject {
  public:
    using Öffnen = std::function<void(const QString& pfad)>;

    // Watches the window and each of its controls that accepts drops.
    Ablage(QWidget& fenster, Öffnen öffnen);

  protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

  private:
    QWidget& m_fenster;
    Öffnen m_öffnen;
};

}  // namespace tafomat
