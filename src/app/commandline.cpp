#include "app/commandline.h"

#include <QCommandLineParser>

#ifndef ZORBLA_VERSION
#error "ZORBLA_VERSION comes from the project version"
#endif

namespace zorbla {

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption kiosk(QStringLiteral("kiosk"), QStringLiteral("A locked start."));
    const QCommandLineOption voices(QStringLiteral("voices"), QStringLiteral("The voice studio."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(kiosk);
    parser.addOption(voices);

    CommandLine c;
    const QString usage = QStringLiteral("Usage: zorbla [--kiosk | --voices] [--help] [--version]");
    if (!parser.parse(arguments)) {
        c.action = CommandLine::Refuse;
        c.text = parser.errorText() + QLatin1Char('\n') + usage;
    } else if (!parser.positionalArguments().isEmpty()) {
        c.action = CommandLine::Refuse;
        c.text = QStringLiteral("Zorbla takes no file or folder: '%1'.\n%2")
                     .arg(parser.positionalArguments().first(), usage);
    } else if (parser.isSet(help)) {
        c.action = CommandLine::Help;
        // Written out: the parser's own help wants the application object for its name.
        c.text = usage + QStringLiteral(
            "\n\nZorbla: the alphabet, numbers and colours for young children.\n"
            "It works in the folder it is started in when that folder has a text.txt;\n"
            "otherwise an installed Zorbla works in the user's own folder\n"
            "(~/.local/share/zorbla), filled from the installed pictures and sounds.\n\n"
            "Options:\n"
            "  --voices       The voice studio: record the family's own voice for any\n"
            "                 sound of the working folder, or put the pack's back.\n"
            "  --kiosk        A locked start for the youngest: Escape and the exit door\n"
            "                 end Zorbla only when held for three seconds, and T opens\n"
            "                 no word editor.\n"
            "  -h, --help     Show this help and end.\n"
            "  -v, --version  Show the version and end.\n");
    } else if (parser.isSet(version)) {
        c.action = CommandLine::Version;
        c.text = QStringLiteral("zorbla " ZORBLA_VERSION "\n");
    }
    c.kiosk = parser.isSet(kiosk);
    c.voices = parser.isSet(voices);
    if (c.action == CommandLine::Run && c.kiosk && c.voices) {
        c.action = CommandLine::Refuse;
        c.text = QStringLiteral("--kiosk and --voices do not go together.\n") + usage;
    }
    return c;
}

bool mayBeForQt(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.size() > 2 && a[0] == QLatin1Char('-') && a[1] != QLatin1Char('-'))
            return true;
    }
    return false;
}

}  // namespace zorbla
