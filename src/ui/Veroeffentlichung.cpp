#include "ui/Veroeffentlichung.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "phpgen/PhpSkript.h"
#include "platform/Dateien.h"
#include "platform/Schluesselbund.h"
#include "publish/Abruf.h"
#include "publish/Hochladen.h"
#include "publish/Ziel.h"
#include "publish/Zieldatei.h"
#include "ui/Hinweiszeile.h"
#include "ui/Veroeffentlichungsinhalt.h"

namespace tafomat {

namespace {

QLineEdit* feld(QWidget* eltern, const char* name, const QString& beispiel) {
    auto* eingabe = new QLineEdit(eltern);
    eingabe->setObjectName(QLatin1String(name));
    eingabe->setPlaceholderText(beispiel);
    return eingabe;
}

QLineEdit* kopierfeld(QWidget* eltern, const char* name) {
    auto* zeile = new QLineEdit(eltern);
    zeile->setObjectName(QLatin1String(name));
    zeile->setReadOnly(true);
    return zeile;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The keyring's name for a password: protocol, user, host and port, as "sftp://anna@host".
QString kontoVon(const Ziel& ziel) {
    return text(ziel.anzeige()).section(QLatin1Char('/'), 0, 2);
}

// Far more than a target's few lines; anything larger is no such file.
constexpr std::size_t GrößteZieldatei = 16 * 1024;

}  // namespace

std::unique_ptr<Veroeffentlichungsinhalt> VeroeffentlichungsinhaltVon(const Felder& felder,
                                                                      const GdSurface& vorschau) {
    ServerPaket paket = ServerPaketPlanen(felder, vorschau, PhpSkript(felder, vorschau));
    if (paket.fehler) return nullptr;
    return std::make_unique<Veroeffentlichungsinhalt>(
        Veroeffentlichungsinhalt{std::move(paket), DesignErwartung(felder, vorschau)});
}

Veroeffentlichungsdialog::Veroeffentlichungsdialog(Inhaltsquelle quelle,
                                                   Schluesselbund& schlüsselbund, QString zieldatei,
                                                   QWidget* eltern)
    : QDialog(eltern),
      m_quelle(std::move(quelle)),
      m_schlüsselbund(schlüsselbund),
      m_zieldatei(std::move(zieldatei)) {
    setWindowTitle(QStringLiteral("Veröffentlichen"));
    m_server = feld(this, "Server", QStringLiteral("sftp://example.org/~/www/banner/"));
    m_benutzer = feld(this, "Benutzer", QStringLiteral("anna"));
    m_passwort = feld(this, "Passwort", QString());
    m_passwort->setEchoMode(QLineEdit::Password);
    m_adresse = feld(this, "Adresse", QStringLiteral("https://example.org/banner/Tafomat.php"));
    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Server (sftp://, ftps:// oder ftp://):"), m_server);
    formular->addRow(QStringLiteral("Benutzer:"), m_benutzer);
    formular->addRow(QStringLiteral("Passwort:"), m_passwort);
    m_behalten = new QCheckBox(QStringLiteral("Passwort im Schlüsselbund speichern"), this);
    m_behalten->setObjectName(QStringLiteral("SchluesselbundSpeichern"));
    m_behalten->setToolTip(
        QStringLiteral("Bewahrt das Passwort nach dem Hochladen im Schlüsselbund Ihres Systems "
                       "auf, nie in einer Datei. Ohne Haken wird es dort gelöscht."));
    formular->addRow(QString(), m_behalten);
    formular->addRow(QStringLiteral("Adresse des Banners:"), m_adresse);
    m_veröffentlichen = new QPushButton(QStringLiteral("Veröffentlichen und prüfen"), this);
    m_prüfen = new QPushButton(QStringLiteral("Nur prüfen"), this);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_annehmen = new QPushButton(QStringLiteral("Schlüssel des Servers annehmen"), this);
    m_veröffentlichen->setObjectName(QStringLiteral("VeroeffentlichenKnopf"));
    m_prüfen->setObjectName(QStringLiteral("PruefenKnopf"));
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenKnopf"));
    m_annehmen->setObjectName(QStringLiteral("AnnehmenKnopf"));
    m_abbrechen->setEnabled(false);
    m_annehmen->hide();
    auto* knöpfe = new QHBoxLayout;
    for (QPushButton* knopf : {m_veröffentlichen, m_prüfen, m_annehmen, m_abbrechen})
        knöpfe->addWidget(knopf);
    m_fortschritt = new QProgressBar(this);
    m_fortschritt->setRange(0, 0);
    m_fortschritt->hide();
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("Meldung"));
    m_meldung->setWordWrap(true);
    m_meldung->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_bbcode = kopierfeld(this, "BBCode");
    m_html = kopierfeld(this, "Html");
    m_bildname = kopierfeld(this, "BBCodeBildname");
    auto* einbindung = new QFormLayout;
    einbindung->addRow(QStringLiteral("BBCode:"), m_bbcode);
    einbindung->addRow(QStringLiteral("HTML:"), m_html);
    einbindung->addRow(QStringLiteral("Mit Bildnamen:"), m_bildname);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(formular);
    ganz->addLayout(knöpfe);
    ganz->addWidget(m_fortschritt);
    ganz->addWidget(m_meldung);
    ganz->addLayout(einbindung);
    connect(m_veröffentlichen, &QPushButton::clicked, this, [this] { starten(true); });
    connect(m_prüfen, &QPushButton::clicked, this, [this] { starten(false); });
    connect(m_abbrechen, &QPushButton::clicked, this, [this] { m_abbruch = true; });
    connect(m_annehmen, &QPushButton::clicked, this, [this] { starten(true, m_fingerabdruck); });
    for (QLineEdit* zeile : {m_server, m_benutzer})
        connect(zeile, &QLineEdit::editingFinished, this, [this] { passwortErfragen(); });
    zielVorgeben();
    passwortErfragen();
}

// A missing or damaged file beside the design offers nothing.
void Veroeffentlichungsdialog::zielVorgeben() {
    if (m_zieldatei.isEmpty()) return;
    const FileContent inhalt = readFile(m_zieldatei, GrößteZieldatei);
    if (inhalt.failure) return;
    const std::optional<Zielangaben> angaben = ZieldateiLesen(inhalt.bytes);
    if (!angaben) return;
    m_server->setText(text(ServerOhneBenutzer(angaben->ziel)));
    m_benutzer->setText(text(angaben->ziel.benutzer));
    m_adresse->setText(text(angaben->adresse));
}

void Veroeffentlichungsdialog::zielMerken() {
    if (m_zieldatei.isEmpty() || !m_hochgeladen) return;
    const std::optional<std::string> inhalt =
        ZieldateiText({*m_hochgeladen, m_adresse->text().trimmed().toStdString()});
    if (!inhalt || !writeFile(m_zieldatei, *inhalt))
        anhängen(QStringLiteral("Das Ziel konnte nicht neben der Gestaltung gespeichert werden."));
}

std::optional<QString> Veroeffentlichungsdialog::konto() const {
    Ziel ziel{Protokoll::Sftp, {}, {}, 22, {}};
    QString fehler;
    if (!zielLesen(ziel, fehler)) return std::nullopt;
    return kontoVon(ziel);
}

// The keyring answers later; by then the user may have typed a password or another server.
void Veroeffentlichungsdialog::passwortErfragen() {
    const std::optional<QString> gefragt = konto();
    if (!gefragt || !m_passwort->text().isEmpty()) return;
    const QPointer<Veroeffentlichungsdialog> selbst(this);
    m_schlüsselbund.lesen(*gefragt, [selbst, gefragt](std::optional<QString> passwort) {
        if (!selbst || !passwort || selbst->konto() != gefragt ||
            !selbst->m_passwort->text().isEmpty())
            return;
        selbst->m_passwort->setText(*passwort);
        selbst->m_behalten->setChecked(true);
    });
}

// After an upload, which proved the password: kept when ticked, otherwise removed.
void Veroeffentlichungsdialog::passwortBehalten() {
    if (!m_hochgeladen) return;
    const QString name = kontoVon(*m_hochgeladen);
    if (!m_behalten->isChecked()) return m_schlüsselbund.löschen(name);
    if (m_passwort->text().isEmpty()) return;
    const QPointer<Veroeffentlichungsdialog> selbst(this);
    m_schlüsselbund.speichern(name, m_passwort->text(), [selbst](bool behalten) {
        if (selbst && !behalten)
            selbst->anhängen(
                QStringLiteral("Kein Schlüsselbund hat das Passwort angenommen; es wird beim "
                               "nächsten Mal wieder erfragt."));
    });
}

void Veroeffentlichungsdialog::anhängen(const QString& satz) {
    m_meldung->setText(m_meldung->text() + QLatin1Char(' ') + satz);
}

Veroeffentlichungsdialog::~Veroeffentlichungsdialog() {
    m_abbruch = true;
    arbeitBeenden();
}

void Veroeffentlichungsdialog::arbeitBeenden() {
    if (m_arbeit.joinable()) m_arbeit.join();
}

// The user is written into the server's address, which may name him itself.
bool Veroeffentlichungsdialog::zielLesen(Ziel& ziel, QString& fehler) const {
    QString adresse = m_server->text().trimmed();
    const qsizetype schema = adresse.indexOf(QStringLiteral("://"));
    if (schema > 0 && !m_benutzer->text().isEmpty() &&
        !adresse.mid(schema + 3).section(QLatin1Char('/'), 0, 0).contains(QLatin1Char('@')))
        adresse.insert(schema + 3, m_benutzer->text().trimmed() + QLatin1Char('@'));
    const auto gelesen = ZielLesen(adresse.toStdString());
    if (const auto* grund = std::get_if<std::string>(&gelesen)) {
        fehler = QStringLiteral("Die Server-Adresse passt nicht: ") + text(*grund);
        return false;
    }
    ziel = std::get<Ziel>(gelesen);
    return true;
}

void Veroeffentlichungsdialog::starten(bool hochladen, std::optional<std::string> annehmen) {
    if (m_arbeit.joinable()) return;
    const std::string adresse = m_adresse->text().trimmed().toStdString();
    QString fehler;
    Ziel ziel{Protokoll::Sftp, {}, {}, 22, {}};
    if (hochladen && !zielLesen(ziel, fehler)) return zeigen(fehler);
    m_hochgeladen = hochladen ? std::make_unique<Ziel>(ziel) : nullptr;
    if (!adresse.starts_with("http://") && !adresse.starts_with("https://"))
        return zeigen(
            QStringLiteral("Die Adresse des Banners muss mit http:// oder https:// "
                           "beginnen."));
    m_inhalt = m_quelle();
    if (!m_inhalt)
        return zeigen(
            QStringLiteral("Aus der Gestaltung entsteht kein Skript; sehen Sie in der "
                           "Hinweiszeile nach."));
    Zugang zugang;
    if (!m_passwort->text().isEmpty()) zugang.passwort = m_passwort->text().toStdString();
    zugang.knownHosts =
        QFile::encodeName(QDir::home().filePath(QStringLiteral(".ssh/known_hosts"))).toStdString();
    zugang.annehmen = std::move(annehmen);
    m_abbruch = false;
    for (QPushButton* knopf : {m_veröffentlichen, m_prüfen, m_annehmen}) knopf->setEnabled(false);
    m_abbrechen->setEnabled(true);
    m_annehmen->hide();
    m_fortschritt->show();
    zeigen(hochladen ? QStringLiteral("Lade hoch …") : QStringLiteral("Prüfe …"));
    const Veroeffentlichungsinhalt& inhalt = *m_inhalt;
    // The network's work runs beside the window; the comparison, which draws the design,
    // comes back into the window's thread.
    m_arbeit = std::thread([this, hochladen, ziel, zugang = std::move(zugang), adresse, &inhalt] {
        Hochladebericht bericht{true, {}, std::nullopt};
        if (hochladen) {
            const std::vector<Hochladedatei> dateien{
                {inhalt.paket.bild.name, inhalt.paket.bild.bytes},
                {inhalt.paket.schrift.name, inhalt.paket.schrift.bytes},
                {inhalt.paket.skript.name, inhalt.paket.skript.bytes}};
            bericht = Hochladen(ziel, zugang, dateien, &m_abbruch);
        }
        std::optional<Abruf> abruf;
        if (bericht.erfolg && !m_abbruch) abruf = Abrufen(adresse, std::nullopt, &m_abbruch);
        QMetaObject::invokeMethod(
            this, [this, bericht, abruf] { hochgeladen(bericht, abruf); }, Qt::QueuedConnection);
    });
}

void Veroeffentlichungsdialog::hochgeladen(const Hochladebericht& bericht,
                                           const std::optional<Abruf>& abruf) {
    arbeitBeenden();
    m_fortschritt->hide();
    m_abbrechen->setEnabled(false);
    for (QPushButton* knopf : {m_veröffentlichen, m_prüfen, m_annehmen}) knopf->setEnabled(true);
    m_fingerabdruck = bericht.fingerabdruck;
    m_annehmen->setVisible(m_fingerabdruck.has_value());
    if (!bericht.erfolg) {
        zeigen(QStringLiteral("Nicht veröffentlicht: ") + text(bericht.meldung));
        return;
    }
    if (abruf && m_inhalt)
        prüfungZeigen(*abruf,
                      bericht.meldung.empty() ? QString() : QStringLiteral("Veröffentlicht. "));
    else
        zeigen(QStringLiteral("Abgebrochen."));
    // The upload succeeded, whatever the address sends.
    zielMerken();
    passwortBehalten();
    m_hochgeladen.reset();
}

void Veroeffentlichungsdialog::prüfungZeigen(const Abruf& abruf, const QString& vorne) {
    const Prüfergebnis prüfung = AbrufPrüfen(abruf, m_inhalt->erwartung);
    if (prüfung.status == PrüfungGleich) {
        zeigen(vorne + QStringLiteral("Die Adresse sendet das gestaltete Banner: ") +
               text(prüfung.zeile));
        einbindungZeigen(m_adresse->text().trimmed().toStdString());
    } else {
        zeigen(vorne + QStringLiteral("Die Adresse sendet nicht das gestaltete Banner: ") +
               text(prüfung.zeile));
    }
}

void Veroeffentlichungsdialog::einbindungZeigen(const std::string& adresse) {
    const QString a = text(adresse);
    const QString endung = m_inhalt && m_inhalt->erwartung.art == "jpeg"
                               ? QStringLiteral("jpg")
                               : text(m_inhalt ? m_inhalt->erwartung.art : "jpg");
    m_bbcode->setText(QStringLiteral("[img]%1[/img]").arg(a));
    m_html->setText(QStringLiteral("<img src=\"%1\" alt=\"Banner\">").arg(a));
    m_bildname->setText(QStringLiteral("[img]%1/banner.%2[/img]").arg(a, endung));
}

void Veroeffentlichungsdialog::zeigen(const QString& text) {
    m_meldung->setText(text);
    emit ergebnis(text);
}

// One dialog at a time, beside the window, which goes on while it works; it draws from the
// window's design as it stands when its work starts.
}  // namespace tafomat
