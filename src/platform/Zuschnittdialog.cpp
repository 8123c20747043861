#include "platform/Zuschnittdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tafomat {

namespace {

constexpr QSize Ansichtsfläche(720, 420);

struct Vorlage {
    const char* name;
    QSize größe;  // empty: free
};

const Vorlage Vorlagen[] = {
    {"468 × 60", {468, 60}},
    {"500 × 100", {500, 100}},
    {"500 × 150", {500, 150}},
    {"Freie Größe", {}},
};

}  // namespace

Zuschnittansicht::Zuschnittansicht(const QImage& foto, QWidget* parent)
    : QWidget(parent),
      m_foto(foto),
      m_ansicht(foto.scaled(Ansichtsfläche, Qt::KeepAspectRatio, Qt::SmoothTransformation)),
      m_maßstab(foto.isNull() ? 1.0 : double(m_ansicht.width()) / foto.width()),
      m_rahmen(QPointF(0, 0), QSizeF(foto.size())) {
    setObjectName(QStringLiteral("Ausschnitt"));
    setAccessibleName(QStringLiteral("Ausschnitt des Fotos"));
    setFixedSize(m_ansicht.size());
    setCursor(Qt::SizeAllCursor);
}

void Zuschnittansicht::rahmenFormen(double seitenverhältnis, double anteil) {
    const QPointF mitte = m_rahmen.center();
    double breite = m_foto.width();
    double höhe = breite / seitenverhältnis;
    if (höhe > m_foto.height()) {
        höhe = m_foto.height();
        breite = höhe * seitenverhältnis;
    }
    m_rahmen.setSize(QSizeF(breite * anteil, höhe * anteil));
    m_rahmen.moveCenter(mitte);
    einpassen();
}

void Zuschnittansicht::verschieben(QPointF umFotopixel) {
    m_rahmen.translate(umFotopixel);
    einpassen();
}

void Zuschnittansicht::einpassen() {
    m_rahmen.moveLeft(std::clamp(m_rahmen.left(), 0.0, m_foto.width() - m_rahmen.width()));
    m_rahmen.moveTop(std::clamp(m_rahmen.top(), 0.0, m_foto.height() - m_rahmen.height()));
    update();
}

QRect Zuschnittansicht::rahmen() const {
    return m_rahmen.toRect().intersected(m_foto.rect());
}

void Zuschnittansicht::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.drawImage(0, 0, m_ansicht);
    const QRectF rahmen(m_rahmen.topLeft() * m_maßstab, m_rahmen.size() * m_maßstab);
    // Outside the frame the photo is dimmed.
    QPainterPath außen;
    außen.addRect(rect());
    außen.addRect(rahmen);
    maler.fillPath(außen, QColor(0, 0, 0, 120));
    maler.setPen(QPen(Qt::yellow, 2));
    maler.drawRect(rahmen);
}

void Zuschnittansicht::mousePressEvent(QMouseEvent* event) {
    m_griff = event->position();
}

void Zuschnittansicht::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    verschieben((event->position() - m_griff) / m_maßstab);
    m_griff = event->position();
}

Zuschnittdialog::Zuschnittdialog(const QImage& foto, bool unverändertErlaubt, QWidget* parent)
    : QDialog(parent),
      m_ansicht(new Zuschnittansicht(foto)),
      m_vorlagen(new QComboBox),
      m_breite(new QSpinBox),
      m_höhe(new QSpinBox),
      m_qualität(new QSpinBox),
      m_anteil(new QSlider(Qt::Horizontal)) {
    setObjectName(QStringLiteral("Zuschnitt"));
    setWindowTitle(QStringLiteral("Tafomat – Foto zum Banner zuschneiden"));
    for (const Vorlage& vorlage : Vorlagen) m_vorlagen->addItem(QString::fromUtf8(vorlage.name));
    for (QSpinBox* maß : {m_breite, m_höhe}) maß->setRange(1, 4096);
    m_qualität->setRange(0, 100);
    m_qualität->setValue(85);
    m_anteil->setRange(10, 100);
    m_anteil->setValue(100);

    auto* form = new QFormLayout;
    const auto zeile = [&](const QString& text, QWidget* feld) {
        auto* label = new QLabel(text);
        label->setBuddy(feld);
        form->addRow(label, feld);
    };
    zeile(QStringLiteral("&Größe des Banners"), m_vorlagen);
    zeile(QStringLiteral("&Breite in Pixeln"), m_breite);
    zeile(QStringLiteral("&Höhe in Pixeln"), m_höhe);
    zeile(QStringLiteral("&Ausschnitt"), m_anteil);
    zeile(QStringLiteral("JPEG-&Qualität"), m_qualität);

    auto* knöpfe = new QDialogButtonBox;
    knöpfe->addButton(QStringLiteral("Banner speichern …"), QDialogButtonBox::AcceptRole);
    if (unverändertErlaubt) {
        QPushButton* so = knöpfe->addButton(QStringLiteral("Unverändert übernehmen"),
                                            QDialogButtonBox::ActionRole);
        connect(so, &QPushButton::clicked, this, [this] { done(Unverändert); });
    }
    knöpfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(
        QStringLiteral("Foren nehmen Banner bis etwa 468 × 60 bis 500 × 150 Pixel und 20 bis "
                       "150 KB. Den Rahmen mit der Maus auf den Teil des Fotos ziehen, der das "
                       "Banner wird.")));
    spalte->addWidget(m_ansicht, 0, Qt::AlignCenter);
    spalte->addLayout(form);
    spalte->addWidget(knöpfe);

    connect(m_vorlagen, &QComboBox::currentIndexChanged, this, &Zuschnittdialog::vorlageWählen);
    for (QSpinBox* maß : {m_breite, m_höhe})
        connect(maß, &QSpinBox::valueChanged, this, &Zuschnittdialog::rahmenAnpassen);
    connect(m_anteil, &QSlider::valueChanged, this, &Zuschnittdialog::rahmenAnpassen);
    vorlageWählen();
}

void Zuschnittdialog::vorlageWählen() {
    const QSize größe = Vorlagen[std::max(m_vorlagen->currentIndex(), 0)].größe;
    const bool frei = größe.isEmpty();
    m_breite->setEnabled(frei);
    m_höhe->setEnabled(frei);
    if (!frei) {
        const QSignalBlocker breite(m_breite);
        const QSignalBlocker höhe(m_höhe);
        m_breite->setValue(größe.width());
        m_höhe->setValue(größe.height());
    }
    rahmenAnpassen();
}

void Zuschnittdialog::rahmenAnpassen() {
    m_ansicht->rahmenFormen(double(m_breite->value()) / m_höhe->value(), m_anteil->value() / 100.0);
}

Zuschnitt Zuschnittdialog::zuschnitt() const {
    return {m_ansicht->rahmen(), QSize(m_breite->value(), m_höhe->value()), m_qualität->value()};
}

}  // namespace tafomat
