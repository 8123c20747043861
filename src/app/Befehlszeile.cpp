#include "app/Befehlszeile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/Export.h"
#include "app/Veroeffentlichen.h"
#include "platform/QtText.h"

namespace tafomat {

namespace {

const QString Aufruf = QStringLiteral(
    "Usage: tafomat [DESIGN.txt] | tafomat export|publish|check DESIGN.txt [options] | "
    "tafomat --help");

void fehler(const QString& text) {
    std::fprintf(stderr, "tafomat: %s\n", text.toLocal8Bit().constData());
}

// A call that cannot be right: what is wrong, then how the program is called.
int aufruffehler(const QString& text, const QString& aufruf) {
    fehler(text);
    std::fprintf(stderr, "%s\n", aufruf.toLocal8Bit().constData());
    return ExitFehlerEingabe;
}

// "Usage: tafomat export DESIGN.txt [--php FILE] ...", from the options themselves.
QString exportAufruf(const QList<QCommandLineOption>& optionen) {
    QString zeile = QStringLiteral("Usage: tafomat export DESIGN.txt");
    for (const QCommandLineOption& option : optionen)
        zeile +=
            option.valueName().isEmpty()
                ? QStringLiteral(" [--%1]").arg(option.names().constFirst())
                : QStringLiteral(" [--%1 %2]").arg(option.names().constFirst(), option.valueName());
    return zeile;
}

[[nodiscard]] std::optional<Exportauftrag> exportauftrag(QCommandLineParser& parser,
                                                         const QStringList& argumente) {
    const QCommandLineOption php(QStringLiteral("php"),
                                 QStringLiteral("Write the PHP script to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption vorschau(QStringLiteral("preview"),
                                      QStringLiteral("Write the preview picture to FILE, as PNG."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption server(
        QStringLiteral("server-preview"),
        QStringLiteral("Write the banner as the server sends it that day to FILE, as PNG."),
        QStringLiteral("FILE"));
    const QCommandLineOption paket(
        QStringLiteral("bundle"),
        QStringLiteral("Write Tafomat.php, the background picture and the font file into DIR."),
        QStringLiteral("DIR"));
    const QCommandLineOption info(
        QStringLiteral("info"),
        QStringLiteral("Print the banner's size as the server sends it that day: pixels, KB, type "
                       "and quality."));
    const QCommandLineOption art(QStringLiteral("type"),
                                 QStringLiteral("Picture type the script sends: jpeg, png or gif."),
                                 QStringLiteral("TYPE"), QStringLiteral("jpeg"));
    const QCommandLineOption qualität(
        QStringLiteral("quality"), QStringLiteral("Quality (jpeg 0-100) or compression (png 0-9)."),
        QStringLiteral("Q"));
    const QCommandLineOption heute(QStringLiteral("today"),
                                   QStringLiteral("The date the days are counted to, DD.MM.YYYY."),
                                   QStringLiteral("DATE"));
    const QList<QCommandLineOption> optionen{php,  vorschau, server,   paket,
                                             info, art,      qualität, heute};
    parser.addOptions(optionen);
    parser.clearPositionalArguments();
    parser.addPositionalArgument(QStringLiteral("export"),
                                 QStringLiteral("Export a saved design."));
    parser.addPositionalArgument(QStringLiteral("DESIGN.txt"),
                                 QStringLiteral("The settings file of the design."));
    if (!parser.parse(argumente)) {
        aufruffehler(parser.errorText(), exportAufruf(optionen));
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const QStringList positionen = parser.positionalArguments();
    if (positionen.size() != 2) {
        aufruffehler(QStringLiteral("export takes exactly one design file"),
                     exportAufruf(optionen));
        return std::nullopt;
    }
    Exportauftrag auftrag;
    auftrag.design = positionen.at(1);
    if (parser.isSet(php)) auftrag.php = parser.value(php);
    if (parser.isSet(vorschau)) auftrag.vorschau = parser.value(vorschau);
    if (parser.isSet(server)) auftrag.serveransicht = parser.value(server);
    if (parser.isSet(paket)) auftrag.paket = parser.value(paket);
    auftrag.info = parser.isSet(info);
    if (!auftrag.hatAusgabe()) {
        aufruffehler(QStringLiteral("export %1: nothing to do; name an output, e.g. --php FILE.php")
                         .arg(auftrag.design),
                     exportAufruf(optionen));
        return std::nullopt;
    }
    auftrag.art = parser.value(art);
    if (parser.isSet(qualität)) auftrag.qualität = parser.value(qualität);
    if (parser.isSet(heute)) {
        const std::optional<Tageszahl> tag = fitsCp1252(parser.value(heute))
                                                 ? readDate(toCp1252(parser.value(heute)))
                                                 : std::nullopt;
        if (!tag) {
            fehler(QStringLiteral("--today: %1 is no date DD.MM.YYYY").arg(parser.value(heute)));
            return std::nullopt;
        }
        auftrag.heute = std::floor(*tag);
    }
    return auftrag;
}

Fensterauftrag beenden(int status) {
    return {status, std::nullopt};
}

// Qt's own options, as QApplication and the X11 platform take them: those followed by a
// value ("-style fusion" or "-style=fusion") and those that stand alone.
constexpr std::string_view QtOptionenMitWert[] = {"platform",        "platformpluginpath",
                                                  "platformtheme",   "plugin",
                                                  "qwindowgeometry", "qwindowicon",
                                                  "qwindowtitle",    "session",
                                                  "style",           "stylesheet",
                                                  "qmljsdebugger",   "display",
                                                  "geometry",        "name",
                                                  "title",           "visual"};
constexpr std::string_view QtOptionenOhneWert[] = {"reverse", "widgetcount", "testability",
                                                   "nograb",  "dograb",      "sync"};

// How many arguments Qt's option at this argument takes: 0 when it is none of them.
int qtOptionLänge(std::string_view argument) {
    if (!argument.starts_with('-') || argument == "-" || argument == "--") return 0;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t gleich = argument.find('=');
    const std::string_view name = argument.substr(0, gleich);
    if (std::ranges::find(QtOptionenOhneWert, name) != std::end(QtOptionenOhneWert)) return 1;
    if (std::ranges::find(QtOptionenMitWert, name) == std::end(QtOptionenMitWert)) return 0;
    return gleich == std::string_view::npos ? 2 : 1;
}

QStringList ohneQtOptionen(const QStringList& argumente) {
    QStringList eigene;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const int qt = i == 0 ? 0 : qtOptionLänge(argumente.at(i).toStdString());
        if (qt > 0)
            i += qt - 1;
        else
            eigene.append(argumente.at(i));
    }
    return eigene;
}

}  // namespace

bool ohneFenster(int argc, const char* const* argv) {
    std::vector<std::string_view> eigene;
    for (int i = 1; i < argc; ++i) {
        const int qt = qtOptionLänge(argv[i]);
        if (qt > 0) {
            i += qt - 1;
        } else {
            eigene.push_back(argv[i]);
        }
    }
    const bool design = eigene.size() == 1 && !eigene.front().starts_with('-') &&
                        eigene.front() != "export" && eigene.front() != "publish" &&
                        eigene.front() != "check";
    return !eigene.empty() && !design;
}

Fensterauftrag Befehlszeile(const QStringList& argumente, bool mitFenster) {
    if (argumente.size() <= 1) return {};
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Designs forum banners and writes the PHP script that draws them.\n"
                       "Without a command the window opens, with the design if one is named."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (argumente.at(1) == QLatin1String("export")) {
        const std::optional<Exportauftrag> auftrag = exportauftrag(parser, argumente);
        return beenden(auftrag ? Exportieren(*auftrag) : ExitFehlerEingabe);
    }
    if (argumente.at(1) == QLatin1String("publish"))
        return beenden(Veröffentlichen(parser, argumente));
    if (argumente.at(1) == QLatin1String("check")) return beenden(Prüfen(parser, argumente));
    parser.addPositionalArgument(
        QStringLiteral("DESIGN.txt"),
        QStringLiteral("Open the window with this design, as \"Einstellungen öffnen\" does."),
        QStringLiteral("[DESIGN.txt]"));
    parser.addPositionalArgument(
        QStringLiteral("export"),
        QStringLiteral("Export a saved design (see: tafomat export --help)."),
        QStringLiteral("| export ..."));
    parser.addPositionalArgument(
        QStringLiteral("publish"),
        QStringLiteral("Upload the design's server bundle (see: tafomat publish --help)."),
        QStringLiteral("| publish ..."));
    parser.addPositionalArgument(
        QStringLiteral("check"),
        QStringLiteral(
            "Compare what an address sends with the design (see: tafomat check --help)."),
        QStringLiteral("| check ..."));
    if (!parser.parse(argumente)) return beenden(aufruffehler(parser.errorText(), Aufruf));
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    const QStringList positionen = parser.positionalArguments();
    if (positionen.size() != 1)
        return beenden(aufruffehler(QStringLiteral("give one design file or none"), Aufruf));
    // Never a window where no screen is: nobody could close it.
    if (!mitFenster)
        return beenden(aufruffehler(
            QStringLiteral("the window takes one design file and Qt's own options only"), Aufruf));
    return {std::nullopt, positionen.front()};
}

int BefehlAusführen(const QStringList& argumente) {
    return Befehlszeile(ohneQtOptionen(argumente), false).status.value_or(ExitFehlerEingabe);
}

}  // namespace tafomat
