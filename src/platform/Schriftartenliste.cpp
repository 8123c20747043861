#include "platform/Schriftartenliste.h"

#include <QFontDatabase>

#include "platform/QtText.h"

namespace tafomat {

QtSchriftartenliste::QtSchriftartenliste() {
    for (const QString& familie : QFontDatabase::families()) {
        if (fitsCp1252(familie)) m_namen.append(familie);
    }
}

std::optional<int> QtSchriftartenliste::anzahl() const {
    return static_cast<int>(m_namen.size());
}

std::optional<QString> QtSchriftartenliste::name(int index) const {
    if (index < 0 || index >= m_namen.size()) return std::nullopt;
    return m_namen.at(index);
}

}  // namespace tafomat
