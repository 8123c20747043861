#include "ui/Anleitungsfenster.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace tafomat {

namespace {

constexpr int Inhaltsrolle = Qt::UserRole;

}  // namespace

QString überschriftAnker(const QString& überschrift) {
    QString anker;
    for (const QChar zeichen : überschrift.trimmed().toLower()) {
        if (zeichen.isLetterOrNumber() || zeichen == QLatin1Char('-') ||
            zeichen == QLatin1Char('_')) {
            anker += zeichen;
        } else if (zeichen.isSpace()) {
            anker += QLatin1Char('-');
        }
    }
    return anker;
}

// Qt's Markdown reader gives headings no anchors, so the guide's own links would lead nowhere.
QStringList ankerSetzen(QTextDocument& dokument) {
    QStringList abschnitte;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        const int stufe = block.blockFormat().headingLevel();
        if (stufe == 0) continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({überschriftAnker(block.text())});
        cursor.mergeCharFormat(format);
        if (stufe == 2) abschnitte.append(block.text());
    }
    return abschnitte;
}

Anleitungsfenster::Anleitungsfenster(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser), m_inhalt(new QListWidget) {
    setObjectName(QStringLiteral("Anleitung"));
    setWindowTitle(QStringLiteral("Tafomat – Anleitung"));
    m_browser->setObjectName(QStringLiteral("AnleitungText"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(QStringLiteral("Anleitung"));
    m_inhalt->setObjectName(QStringLiteral("AnleitungInhalt"));
    m_inhalt->setAccessibleName(QStringLiteral("Inhalt der Anleitung"));
    // Their own scroll bars would be read without a name.
    for (QAbstractScrollArea* fläche : {static_cast<QAbstractScrollArea*>(m_browser),
                                        static_cast<QAbstractScrollArea*>(m_inhalt)}) {
        fläche->horizontalScrollBar()->setAccessibleName(fläche->accessibleName() +
                                                         QStringLiteral(", waagerecht"));
        fläche->verticalScrollBar()->setAccessibleName(fläche->accessibleName() +
                                                       QStringLiteral(", senkrecht"));
    }
    m_inhalt->setMaximumWidth(220);
    auto* reihe = new QHBoxLayout(this);
    reihe->addWidget(m_inhalt);
    reihe->addWidget(m_browser, 1);
    connect(m_inhalt, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        abschnittZeigen(eintrag->data(Inhaltsrolle).toString());
    });
    connect(m_inhalt, &QListWidget::itemClicked, this, [this](QListWidgetItem* eintrag) {
        abschnittZeigen(eintrag->data(Inhaltsrolle).toString());
    });
    resize(820, 640);
}

bool Anleitungsfenster::laden(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromUtf8(datei.readAll());
    // Pictures are named beside the guide.
    m_browser->setSearchPaths({QFileInfo(pfad).absolutePath()});
    m_browser->setMarkdown(text);
    m_inhalt->clear();
    for (const QString& abschnitt : ankerSetzen(*m_browser->document())) {
        auto* eintrag = new QListWidgetItem(abschnitt, m_inhalt);
        eintrag->setData(Inhaltsrolle, überschriftAnker(abschnitt));
    }
    return true;
}

void Anleitungsfenster::abschnittZeigen(const QString& anker) {
    m_browser->scrollToAnchor(anker);
}

}  // namespace tafomat
