#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tafomat {

// The names of the fonts available for text output. Either request may fail.
class Schriftartenliste {
  public:
    virtual ~Schriftartenliste() = default;
    [[nodiscard]] virtual std::optional<int> anzahl() const = 0;
    [[nodiscard]] virtual std::optional<QString> name(int index) const = 0;
};

// The installed font families that the preview can draw and that a Windows-1252 text can name,
// in alphabetical order.
class QtSchriftartenliste : public Schriftartenliste {
  public:
    QtSchriftartenliste();
    [[nodiscard]] std::optional<int> anzahl() const override;
    [[nodiscard]] std::optional<QString> name(int index) const override;

  private:
    QStringList m_namen;
};

}  // namespace tafomat
