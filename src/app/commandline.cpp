#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/edition.h"

#ifndef ZORBLA_VERSION
#error "ZORBLA_VERSION comes from the project version"
#endif

namespace zorbla {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, const QStringList& editions) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption kiosk(QStringLiteral("kiosk"), QString());
    const QCommandLineOption voices(QStringLiteral("voices"), QString());
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("code"));
    const QCommandLineOption touch(QStringLiteral("touch"), QString());
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(kiosk);
    parser.addOption(voices);
    parser.addOption(language);
    parser.addOption(touch);

    QStringList named;
    for (const QString& code : editions)
        named << QStringLiteral("%1 (%2)").arg(code, editionName(code));

    CommandLine c;
    const QString usage = Words::tr("Usage: zorbla [--kiosk | --voices] [--language CODE] [--touch] [--help] [--version]");
    if (!parser.parse(arguments)) {
        c.action = CommandLine::Refuse;
        c.text = parser.errorText() + QLatin1Char('\n') + usage;
    } else if (!parser.positionalArguments().isEmpty()) {
        c.action = CommandLine::Refuse;
        c.text = Words::tr("Zorbla takes no file or folder: '%1'.\n%2").arg(parser.positionalArguments().first(), usage);
    } else if (parser.isSet(help)) {
        c.action = CommandLine::Help;
        // Written out: the parser's own help wants the application object for its name.
        c.text = usage + QStringLiteral("\n\n") +
                 Words::tr("Zorbla: the alphabet, numbers and colours for young children.\n"
                    "It works in the folder it is started in when that folder has a text.txt.\n"
                    "Otherwise an installed Zorbla reads each word table, picture and sound\n"
                    "first from the family's own folder (~/.local/share/zorbla, and\n"
                    "~/.local/share/zorbla/CODE for the other editions), which holds only\n"
                    "what the family recorded or changed, then from a school's folders\n"
                    "(the site setting's, then zorbla/CODE in /usr/local/share), then from\n"
                    "where the edition is installed.\n"
                    "Settings (kiosk, language, site) are read from /etc/xdg/zorbla/zorbla.conf\n"
                    "for the whole machine, whose \"locked\" keys hold, and from\n"
                    "~/.config/zorbla/zorbla.conf for the user. See man zorbla.\n\n"
                    "Options:\n"
                    "  --language CODE  The edition: its words, pictures and sounds, and the\n"
                    "                   program's own words. Without it, the desktop's language\n"
                    "                   chooses, and English where there is no edition of it.\n"
                    "                   Editions: %1.\n"
                    "  --voices         The voice studio: record the family's own voice for any\n"
                    "                   sound of the working folder, or put the pack's back.\n"
                    "  --kiosk          A locked start for the youngest: Escape and the exit door\n"
                    "                   end Zorbla only when held for three seconds, and T opens\n"
                    "                   no word editor.\n"
                    "  --touch          Letter keys on the screen in the games that ask for\n"
                    "                   typing, for a touch screen or a whiteboard without a\n"
                    "                   keyboard. On by itself where there is a touch screen.\n"
                    "  -h, --help       Show this help and end.\n"
                    "  -v, --version    Show the version and end.\n")
                     .arg(named.join(QStringLiteral(", ")));
    } else if (parser.isSet(version)) {
        c.action = CommandLine::Version;
        c.text = QStringLiteral("zorbla " ZORBLA_VERSION "\n");
    }
    c.kiosk = parser.isSet(kiosk);
    c.voices = parser.isSet(voices);
    c.touch = parser.isSet(touch);
    c.language = parser.value(language);
    if (c.action == CommandLine::Run && c.kiosk && c.voices) {
        c.action = CommandLine::Refuse;
        c.text = Words::tr("--kiosk and --voices do not go together.") + QLatin1Char('\n') + usage;
    }
    if (c.action == CommandLine::Run && parser.isSet(language) && !editions.contains(c.language)) {
        c.action = CommandLine::Refuse;
        c.text = Words::tr("There is no edition '%1'. The editions installed are: %2.")
                     .arg(c.language, named.join(QStringLiteral(", "))) +
                 QLatin1Char('\n') + usage;
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
