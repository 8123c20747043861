#pragma once

#include <QDialog>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tafomat {

// Declared apart (ui/Veroeffentlichungsinhalt.h, publish/): moc reads only this header.
struct Abruf;
struct Hochladebericht;
class Schluesselbund;
struct Veroeffentlichungsinhalt;
struct Ziel;

// "Veröffentlichen …": the server's address, the user, the password and the banner's public
// address; it uploads and checks, or only checks, while the window goes on. The password is
// held in the field while the dialog is open, and kept beyond only in the keyring, when the
// user ticks it. The target without the password is kept in a file beside the design, when it
// has one, and offered again.
class Veroeffentlichungsdialog : public QDialog {
    Q_OBJECT

  public:
    using Inhaltsquelle = std::function<std::unique_ptr<Veroeffentlichungsinhalt>()>;
    Veroeffentlichungsdialog(Inhaltsquelle quelle, Schluesselbund& schlüsselbund,
                             QString zieldatei = {}, QWidget* eltern = nullptr);
    ~Veroeffentlichungsdialog() override;

  signals:
    // The result in one German sentence, for the window's notice line.
    void ergebnis(const QString& text);

  private:
    void starten(bool hochladen, std::optional<std::string> annehmen = std::nullopt);
    void hochgeladen(const Hochladebericht& bericht, const std::optional<Abruf>& abruf);
    void prüfungZeigen(const Abruf& abruf, const QString& vorne);
    void zeigen(const QString& text);
    void einbindungZeigen(const std::string& adresse);
    void arbeitBeenden();
    bool zielLesen(Ziel& ziel, QString& fehler) const;
    void zielVorgeben();
    void zielMerken();
    std::optional<QString> konto() const;
    void passwortErfragen();
    void passwortBehalten();
    void anhängen(const QString& satz);

    Inhaltsquelle m_quelle;
    Schluesselbund& m_schlüsselbund;
    QString m_zieldatei;
    std::unique_ptr<Ziel> m_hochgeladen;  // where the running or last work uploaded to
    std::unique_ptr<Veroeffentlichungsinhalt> m_inhalt;
    QLineEdit* m_server;
    QLineEdit* m_benutzer;
    QLineEdit* m_passwort;
    QLineEdit* m_adresse;
    QCheckBox* m_behalten;
    QPushButton* m_veröffentlichen;
    QPushButton* m_prüfen;
    QPushButton* m_abbrechen;
    QPushButton* m_annehmen;
    QProgressBar* m_fortschritt;
    QLabel* m_meldung;
    QLineEdit* m_bbcode;
    QLineEdit* m_html;
    QLineEdit* m_bildname;
    std::optional<std::string> m_fingerabdruck;
    std::atomic<bool> m_abbruch{false};
    std::thread m_arbeit;
};

}  // namespace tafomat
