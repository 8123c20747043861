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
    m_vorlage = mehrzeilenText(m_feld);
    m_deutungen = VorlageDeuten(m_vorlage, Erklärungen::Ohne);
    const auto fehler = std::find_if(m_deutungen.begin(), m_deutungen.end(),
                                     [](const Deutung& d) { return d.fehlerhaft; });
    if (fehler == m_deutungen.end()) {
        m_hinweis.löschen(Hinweisart::Befehlsform);
    } else {
        m_hinweis.setzen(Hinweisart::Befehlsform,
                         QStringLiteral("Zeile %1: ").arg(zeileVon(m_vorlage, fehler->anfang)) +
                             text(Erklärung(m_vorlage, *fehler)));
    }
    caretErklären();
}

QString Vorlagenerklärung::erklärungBei(int vorlagenPosition) const {
    const auto stelle = static_cast<std::size_t>(std::max(vorlagenPosition, 0));
    // The first reading that ends at the place or after it.
    const auto d = std::lower_bound(
        m_deutungen.begin(), m_deutungen.end(), stelle,
        [](const Deutung& deutung, std::size_t s) { return deutung.anfang + deutung.länge < s; });
    if (d == m_deutungen.end() || d->anfang > stelle) return {};
    // Right after one command and at the start of the next, the next one is meant.
    const auto nächste = std::next(d);
    const bool weiter =
        d->anfang + d->länge == stelle && nächste != m_deutungen.end() && nächste->anfang == stelle;
    return text(Erklärung(m_vorlage, weiter ? *nächste : *d));
}

void Vorlagenerklärung::caretErklären() {
    const Vorlagenauswahl auswahl = auswahlLesen(m_feld);
    if (const QString erklärung = erklärungBei(auswahl.start); !erklärung.isEmpty()) {
        m_hinweis.setzen(Hinweisart::Befehl, erklärung);
    } else {
        m_hinweis.löschen(Hinweisart::Befehl);
    }
}

bool Vorlagenerklärung::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(objekt, event);
    auto* hilfe = static_cast<QHelpEvent*>(event);
    const int feldstelle = m_feld.cursorForPosition(hilfe->pos()).position();
    const QString erklärung = erklärungBei(vorlagenPosition(*m_feld.document(), feldstelle));
    if (!erklärung.isEmpty()) {
        QToolTip::showText(hilfe->globalPos(), erklärung, m_feld.viewport());
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
