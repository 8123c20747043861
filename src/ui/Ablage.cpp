#include "ui/Ablage.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/Dateien.h"
#include "ui/Dateiarten.h"

namespace tafomat {

namespace {

// The one local file that a drag carries, or an empty path.
QString abgelegterPfad(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().size() != 1) return {};
    return daten->urls().constFirst().toLocalFile();
}

bool lässtSichÖffnen(const QString& pfad) {
    return istBildName(pfad) || istEinstellungenName(pfad);
}

}  // namespace

Ablage::Ablage(QWidget& fenster, Öffnen öffnen)
    : QObject(&fenster), m_fenster(fenster), m_öffnen(std::move(öffnen)) {
    fenster.installEventFilter(this);
    for (QWidget* kind : fenster.findChildren<QWidget*>()) {
        if (kind->acceptDrops()) kind->installEventFilter(this);
    }
}

// Over a control only drags that carry files are the window's.
bool Ablage::eventFilter(QObject* objekt, QEvent* event) {
    const QEvent::Type art = event->type();
    if (art != QEvent::DragEnter && art != QEvent::DragMove && art != QEvent::Drop) return false;
    auto* ablage = static_cast<QDropEvent*>(event);
    const bool dateien = ablage->mimeData() && ablage->mimeData()->hasUrls();
    if (objekt != &m_fenster && !dateien) return false;
    const QString pfad = abgelegterPfad(ablage->mimeData());
    if (!lässtSichÖffnen(pfad)) {
        ablage->ignore();
        return true;
    }
    ablage->acceptProposedAction();
    if (art == QEvent::Drop) m_öffnen(pfad);
    return true;
}

}  // namespace tafomat
