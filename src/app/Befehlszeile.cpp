#include "app/Befehlszeile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "app/Export.h"
#include "platform/QtText.h"

namespace tafomat {

namespace {

void fehler(const QString& text) {
    std::fprintf(stderr, "tafomat: %s\n", text.toLocal8Bit().constData());
}

std::optional<Exportauftrag> exportauftrag(QCommandLineParser& parser,
                                           const QStringList& argumente) {
    const QCommandLineOption php(QStringLiteral("php"),
                                 QStringLiteral("Write the PHP script to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption vorschau(QStringLiteral("preview"),
                                      QStringLiteral("Write the preview picture to FILE, as PNG."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption art(QStringLiteral("type"),
                                 QStringLiteral("Picture type the script sends: jpeg, png or gif."),
                                 QStringLiteral("TYPE"), QStringLiteral("jpeg"));
    const QCommandLineOption qualität(
        QStringLiteral("quality"), QStringLiteral("Quality (jpeg 0-100) or compression (png 0-9)."),
        QStringLiteral("Q"));
    const QCommandLineOption heute(QStringLiteral("today"),
                                   QStringLiteral("The date the days are counted to, DD.MM.YYYY."),
                                   QStringLiteral("DATE"));
    parser.addOptions({php, vorschau, art, qualität, heute});
    parser.clearPositionalArguments();
    parser.addPositionalArgument(QStringLiteral("export"),
                                 QStringLiteral("Export a saved design."));
    parser.addPositionalArgument(QStringLiteral("DESIGN.txt"),
                                 QStringLiteral("The settings file of the design."));
    if (!parser.parse(argumente)) {
        fehler(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const QStringList positionen = parser.positionalArguments();
    if (positionen.size() != 2) {
        fehler(QStringLiteral("export takes exactly one design file"));
        return std::nullopt;
    }
    Exportauftrag auftrag;
    auftrag.design = positionen.at(1);
    if (parser.isSet(php)) auftrag.php = parser.value(php);
    if (parser.isSet(vorschau)) auftrag.vorschau = parser.value(vorschau);
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

}  // namespace

bool ohneFenster(int argc, const char* const* argv) {
    if (argc < 2) return false;
    const std::string_view erstes = argv[1];
    for (const std::string_view auskunft : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
        if (erstes == auskunft) return true;
    return !erstes.starts_with('-');
}

int Befehlszeile(const QStringList& argumente) {
    if (argumente.size() <= 1) return -1;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Designs forum banners and writes the PHP script that draws them.\n"
                       "Without arguments the window opens."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (argumente.at(1) == QLatin1String("export")) {
        const std::optional<Exportauftrag> auftrag = exportauftrag(parser, argumente);
        return auftrag ? Exportieren(*auftrag) : ExitFehlerEingabe;
    }
    parser.addPositionalArgument(
        QStringLiteral("export"),
        QStringLiteral("Export a saved design (see: tafomat export --help)."),
        QStringLiteral("[export]"));
    if (!parser.parse(argumente)) {
        fehler(parser.errorText());
        return ExitFehlerEingabe;
    }
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    fehler(QStringLiteral("unknown command %1 (try --help)").arg(argumente.at(1)));
    return ExitFehlerEingabe;
}

}  // namespace tafomat
