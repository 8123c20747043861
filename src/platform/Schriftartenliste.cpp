#include "platform/Schriftartenliste.h"

#include "platform/QtText.h"
#include "render/Schriftsuche.h"

namespace tafomat {

QtSchriftartenliste::QtSchriftartenliste() {
    for (const std::string& familie : schriftfamilien()) {
        const QString name = QString::fromStdString(familie);
        if (fitsCp1252(name)) m_namen.append(name);
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
