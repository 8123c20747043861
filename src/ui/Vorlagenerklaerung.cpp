#include "ui/Vorlagenerklaerung.h"

#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>

#include "ui/FensterFelder.h"
#include "ui/Hinweiszeile.h"
#include "ui/Vorlagenfarben.h"
#include "ui/Vorlagenfeld.h"

namespace tafomat {

namespace {

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

constexpr char Platzhalterreihe[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 'Z'};

}  // namespace

Vorlagenerklärung::Vorlagenerklärung(Vorlagenfeld& feld, Hinweiszeile& hinweis, QObject* parent)
    : QObject(parent),
      m_feld(feld),
      m_hinweis(hinweis),
      m_farben(new Vorlagenfarben(feld.document())) {
    m_farben->setParent(this);
    connect(&feld, &QPlainTextEdit::textChanged, this, &Vorlagenerklärung::vorlageLesen);
    connect(&feld, &QPlainTextEdit::cursorPositionChanged, this, &Vorlagenerklärung::caretErklären);
    feld.viewport()->installEventFilter(this);
    feld.setMenüergänzung([this](QMenu& menü) { menüErgänzen(menü); });
    vorlageLesen();
}

// The whole template once per change: the notice line names the first command that reads
// otherwise than it looks, by its line.
void Vorlagenerklärung::vorlageLesen() {
    const std::string vorlage = mehrzeilenText(m_feld);
    m_deutungen = VorlageDeuten(vorlage);
    const auto fehler = std::find_if(m_deutungen.begin(), m_deutungen.end(),
                                     [](const Deutung& d) { return d.fehlerhaft; });
    if (fehler == m_deutungen.end()) {
        m_hinweis.löschen(Hinweisart::Befehlsform);
    } else {
        m_hinweis.setzen(Hinweisart::Befehlsform,
                         QStringLiteral("Zeile %1: ").arg(zeileVon(vorlage, fehler->anfang)) +
                             text(fehler->erklärung));
    }
    caretErklären();
}

std::optional<Deutung> Vorlagenerklärung::deutungBei(int vorlagenPosition) const {
    const auto stelle = static_cast<std::size_t>(std::max(vorlagenPosition, 0));
    std::optional<Deutung> danach;
    for (const Deutung& d : m_deutungen) {
        if (d.anfang > stelle) break;
        if (stelle < d.anfang + d.länge) return d;
        if (stelle == d.anfang + d.länge) danach = d;
    }
    return danach;
}

void Vorlagenerklärung::caretErklären() {
    const Vorlagenauswahl auswahl = auswahlLesen(m_feld);
    if (const std::optional<Deutung> d = deutungBei(auswahl.start)) {
        m_hinweis.setzen(Hinweisart::Befehl, text(d->erklärung));
    } else {
        m_hinweis.löschen(Hinweisart::Befehl);
    }
}

bool Vorlagenerklärung::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(objekt, event);
    auto* hilfe = static_cast<QHelpEvent*>(event);
    const int feldstelle = m_feld.cursorForPosition(hilfe->pos()).position();
    const std::optional<Deutung> d = deutungBei(vorlagenPosition(*m_feld.document(), feldstelle));
    if (d) {
        QToolTip::showText(hilfe->globalPos(), text(d->erklärung), m_feld.viewport());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

// Qt's own German menu already has "Einfügen" for pasting.
void Vorlagenerklärung::menüErgänzen(QMenu& menü) {
    QMenu* untermenü = menü.addMenu(QStringLiteral("Platzhalter einfügen"));
    untermenü->setObjectName(QStringLiteral("PlatzhalterEinfügen"));
    for (const char name : Platzhalterreihe) {
        const QString beschriftung = QString::fromUtf8(
            platzhalterName(name).data(), static_cast<qsizetype>(platzhalterName(name).size()));
        connect(untermenü->addAction(beschriftung), &QAction::triggered, this,
                [this, name] { einfügen(QStringLiteral("#") + QChar::fromLatin1(name), 2, 0); });
    }
    untermenü->addSeparator();
    connect(untermenü->addAction(QStringLiteral("#X Waagerechte Position in Pixeln")),
            &QAction::triggered, this, [this] { einfügen(QStringLiteral("#X000"), 2, 3); });
    connect(untermenü->addAction(QStringLiteral("#Y Senkrechte Position in Pixeln")),
            &QAction::triggered, this, [this] { einfügen(QStringLiteral("#Y000"), 2, 3); });
}

// At the selection's start, as one undo step; the selection stays in the text. The position's
// digits are selected, so that typing replaces them.
void Vorlagenerklärung::einfügen(const QString& einsatz, int auswahlAb, int auswahlLänge) {
    const Vorlagenauswahl auswahl = auswahlLesen(m_feld);
    m_feld.ersetzen({auswahl.start, 0}, einsatz, {auswahl.start + auswahlAb, auswahlLänge});
    m_feld.setFocus();
}

}  // namespace tafomat
