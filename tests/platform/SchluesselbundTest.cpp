// The desktop's keyring as a session runs it: a session bus of the test's own and
// gnome-keyring-daemon on it with a keyring of its own, both stopped by their process ids. Each
// test is a process of its own, so that each reads its own bus address.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/Schluesselbund.h"

namespace tafomat {
namespace {

namespace fs = std::filesystem;

const QString Konto = QStringLiteral("sftp://anna@127.0.0.1:2222");
// Made at run time; no password stands in the sources.
const QString Passwort = QStringLiteral("pw%1-Stab").arg(QCoreApplication::applicationPid());

// What the keyring answers, waited for while the events run.
struct Antworten {
    Schluesselbund& bund;

    std::optional<bool> speichern(const QString& passwort) {
        std::optional<bool> antwort;
        bund.speichern(Konto, passwort, [&](bool behalten) { antwort = behalten; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return antwort.has_value(); }, 30000));
        return antwort;
    }
    std::optional<std::optional<QString>> lesen() {
        std::optional<std::optional<QString>> antwort;
        bund.lesen(Konto, [&](std::optional<QString> passwort) { antwort = passwort; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return antwort.has_value(); }, 30000));
        return antwort;
    }
};

// No file under the folder holds the password as it is.
void nirgendsImKlartext(const QString& ordner) {
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner.toStdString())) {
        if (!eintrag.is_regular_file()) continue;
        std::ifstream datei(eintrag.path(), std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(datei), {}};
        EXPECT_EQ(inhalt.find(Passwort.toStdString()), std::string::npos) << eintrag.path();
    }
}

// Ends a process started by the test, by its id.
struct Dienst {
    QProcess prozess;
    ~Dienst() {
        prozess.kill();
        prozess.waitForFinished(5000);
    }
};

TEST(Schluesselbund, TheDesktopsKeyringKeepsReadsAndForgets) {
    QTemporaryDir heim;
    ASSERT_TRUE(heim.isValid());
    ASSERT_TRUE(QDir(heim.path()).mkpath(QStringLiteral("laufzeit")));
    QFile::setPermissions(heim.filePath(QStringLiteral("laufzeit")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Dienst bus;
    bus.prozess.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
    ASSERT_TRUE(bus.prozess.waitForStarted(10000)) << "dbus-daemon (Debian: dbus) is needed";
    ASSERT_TRUE(QTest::qWaitFor([&] { return bus.prozess.canReadLine(); }, 10000));
    const QByteArray adresse = bus.prozess.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", adresse);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), heim.path());
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), heim.filePath(QStringLiteral("daten")));
    umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), heim.filePath(QStringLiteral("laufzeit")));
    Dienst schlüsselbund;
    schlüsselbund.prozess.setProcessEnvironment(umgebung);
    schlüsselbund.prozess.start(QStringLiteral("gnome-keyring-daemon"),
                                {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                                 QStringLiteral("--components=secrets")});
    ASSERT_TRUE(schlüsselbund.prozess.waitForStarted(10000))
        << "gnome-keyring-daemon (Debian: gnome-keyring) is needed";
    // The keyring's own password, on standard input as a session's login gives it.
    schlüsselbund.prozess.write("schluessel-des-tests");
    schlüsselbund.prozess.closeWriteChannel();

    const std::unique_ptr<Schluesselbund> bund = SystemSchluesselbund();
    Antworten antworten{*bund};
    // The daemon takes a moment to claim its name on the bus.
    std::optional<bool> gespeichert;
    for (int versuch = 0; versuch < 50 && gespeichert != true; ++versuch) {
        gespeichert = antworten.speichern(Passwort);
        if (gespeichert != true) QTest::qWait(100);
    }
    ASSERT_EQ(gespeichert, true);
    EXPECT_EQ(antworten.lesen(), std::optional<QString>(Passwort));
    bund->löschen(Konto);
    EXPECT_EQ(antworten.lesen(),
              std::optional<std::optional<QString>>(std::in_place, std::nullopt));
    nirgendsImKlartext(heim.path());
}

// Where no keyring answers, nothing is kept, nowhere else either: the dialog asks each time.
TEST(Schluesselbund, WithoutAKeyringNothingIsKept) {
    QTemporaryDir heim;
    ASSERT_TRUE(heim.isValid());
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            QFile::encodeName(QStringLiteral("unix:path=") +
                              heim.filePath(QStringLiteral("kein-bus"))));
    qputenv("HOME", QFile::encodeName(heim.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(heim.filePath(QStringLiteral("config"))));
    const std::unique_ptr<Schluesselbund> bund = SystemSchluesselbund();
    Antworten antworten{*bund};
    EXPECT_EQ(antworten.speichern(Passwort), false);
    EXPECT_EQ(antworten.lesen(),
              std::optional<std::optional<QString>>(std::in_place, std::nullopt));
    EXPECT_TRUE(QDir(heim.path()).isEmpty());
}

}  // namespace
}  // namespace tafomat
