#pragma once

#include <QString>
#include <QStringList>

namespace zorbla {

// The program's own arguments: --help, --version, --kiosk, --voices, --language and --touch.
struct CommandLine {
    enum Action { Run, Help, Version, Refuse };
    Action action = Run;
    bool kiosk = false;   // the locked start
    bool voices = false;  // the voice studio instead of the program
    bool touch = false;   // letter keys on the screen
    QString language;     // the edition asked for; empty when the desktop's language chooses
    QString text;  // the help or version text, or why the arguments are refused

    static constexpr int kRefusedStatus = 2;
};

// Reads the arguments, the program's name first. editions are those that may be asked
// for; the texts are in the language of the translation installed.
CommandLine readCommandLine(const QStringList& arguments, const QStringList& editions);

// True when an argument could be one of Qt's own (-platform, -display, -reverse...):
// those are single-dash words that QApplication takes away before the program looks.
bool mayBeForQt(const QStringList& arguments);

}  // namespace zorbla
