#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDevice>
#include <QProcessEnvironment>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>
#include <future>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include "app/application.h"
#include "app/commandline.h"
#include "app/edition.h"
#include "app/single_start.h"
#include "app/workfolder.h"
#include "files/settings.h"
#include "main_window/main_window.h"
#include "studio/voice_studio.h"

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The editions that may be asked for: those installed beside the program, or, for a
// program run from where it was built, every edition it has words for.
QStringList availableEditions() {
    const QStringList installed =
        zorbla::installedEditions(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    return installed.isEmpty() ? zorbla::knownEditions() : installed;
}

// The edition asked for, else the one the settings choose, else the desktop's; its words
// are made the program's. The arguments are read again in its language.
zorbla::CommandLine chooseEdition(const QStringList& arguments, const QStringList& editions,
                                  const zorbla::Settings& settings, QString* edition) {
    const zorbla::CommandLine c = zorbla::readCommandLine(arguments, editions);
    const char* key = zorbla::Settings::kLanguage;
    QString chosen = settings.value(key);
    if (!chosen.isEmpty() && !editions.contains(chosen)) {
        std::fprintf(stderr, "zorbla: %s: %s=%s is not an edition installed (%s); it is passed over\n",
                     qPrintable(settings.fileOf(key)), key, qPrintable(chosen),
                     qPrintable(editions.join(QStringLiteral(", "))));
        chosen.clear();
    }
    if (editions.contains(c.language)) {
        if (chosen.isEmpty() || !settings.isLocked(key))
            chosen = c.language;
        else if (c.language != chosen)
            std::fprintf(stderr, "zorbla: the edition is set to %s for this machine in %s; --language %s is not used\n",
                         qPrintable(chosen), qPrintable(settings.fileOf(key)), qPrintable(c.language));
    }
    *edition = chosen.isEmpty() ? zorbla::desktopEdition(QProcessEnvironment::systemEnvironment(), editions) : chosen;
    zorbla::useEditionWords(*edition);
    return zorbla::readCommandLine(arguments, editions);
}

// A machine with a touch screen may have no keyboard near it (a classroom's whiteboard).
bool hasTouchScreen() {
    const auto devices = QInputDevice::devices();
    return std::any_of(devices.cbegin(), devices.cend(),
                       [](const QInputDevice* d) { return d->type() == QInputDevice::DeviceType::TouchScreen; });
}

// Help and version go to stdout; refused arguments to stderr with status 2.
int answer(const zorbla::CommandLine& c) {
    if (c.action == zorbla::CommandLine::Refuse) {
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(c.text));
        return zorbla::CommandLine::kRefusedStatus;
    }
    std::fputs(qPrintable(c.text), stdout);
    return 0;
}

}  // namespace

// The program is its main window: it starts by creating it and ends when it ends.
int main(int argc, char* argv[]) {
    // Pictures are made and dropped in megabytes while the window starts; each gets memory
    // of its own from the system and gives it back when dropped, rather than leaving the
    // heap grown for good.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // --help, --version and plainly wrong arguments are answered before any window
    // system is touched, so they work on a machine without a display.
    const QStringList raw = argumentList(argc, argv);
    const QStringList editions = availableEditions();
    const zorbla::Settings settings = zorbla::Settings::ofThisUser();
    QString edition;
    const zorbla::CommandLine early = zorbla::readCommandLine(raw, editions);
    if (early.action != zorbla::CommandLine::Run &&
        !(early.action == zorbla::CommandLine::Refuse && zorbla::mayBeForQt(raw))) {
        QCoreApplication words(argc, argv);  // for the translation only; no display
        return answer(chooseEdition(raw, editions, settings, &edition));
    }

    // The desktop's fonts are read while the application connects to the display: the
    // first text waits for that list, and reading it needs nothing of Qt.
    std::future<void> fonts = std::async(std::launch::async, [] {
        if (FcInit()) {
            FcPattern* all = FcPatternCreate();
            FcObjectSet* asked = FcObjectSetBuild(FC_FAMILY, FC_FILE, nullptr);
            if (FcFontSet* found = all && asked ? FcFontList(nullptr, all, asked) : nullptr)
                FcFontSetDestroy(found);
            if (asked)
                FcObjectSetDestroy(asked);
            if (all)
                FcPatternDestroy(all);
        }
    });
    QApplication app(argc, argv);
    fonts.wait();  // before Qt reads the same list
    zorbla::nameApplication();
    zorbla::redrawShownWindowsOnce();
    QApplication::setApplicationVersion(QStringLiteral(ZORBLA_VERSION));

    // Qt has taken its own arguments (-platform, -display...); nothing else is allowed.
    for (const QString& line : settings.problems())
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(line));
    const zorbla::CommandLine late = chooseEdition(app.arguments(), editions, settings, &edition);
    if (late.action != zorbla::CommandLine::Run)
        return answer(late);

    // A program of the kind already on this display comes to the front instead; this
    // start ends before it shows or says anything.
    using Kind = zorbla::SingleStart::Kind;
    zorbla::SingleStart single(late.voices ? Kind::VoiceStudio : Kind::MainWindow, edition, raw);
    if (!single.isFirst()) {
        const char* what = late.voices ? "Zorbla's voice studio" : "Zorbla";
        const QString running = single.runningEdition();
        if (running.isEmpty())
            std::fprintf(stderr, "zorbla: %s is already running on this display, but does not answer\n", what);
        else if (running != edition)
            std::fprintf(stderr,
                         "zorbla: %s is already running in the %s (%s) edition, and was brought to the front\n", what,
                         qPrintable(running), qPrintable(zorbla::editionName(running)));
        return 0;
    }

    zorbla::enterWorkFolder(edition, settings.value(zorbla::Settings::kSite));

    if (late.voices) {
        zorbla::VoiceStudio studio;
        if (auto why = studio.load()) {
            std::fprintf(stderr, "zorbla: %s\n", qPrintable(*why));
            QMessageBox::critical(nullptr, zorbla::VoiceStudio::tr("Zorbla - Voices"), *why);
            return 1;
        }
        single.answerWith(&studio);
        studio.show();
        return app.exec();
    }

    zorbla::MainWindow window;
    const QString letters =
        settings.choice(zorbla::Settings::kLetters, zorbla::Settings::letterSayings());
    window.setLetterSaying(letters == QLatin1String("sounds")  ? zorbla::MainWindow::LetterSaying::Sound
                           : letters == QLatin1String("both") ? zorbla::MainWindow::LetterSaying::NameThenSound
                                                               : zorbla::MainWindow::LetterSaying::Name);
    if (settings.flag(zorbla::Settings::kKiosk, false, late.kiosk, true)) {
        window.setKiosk(true);
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    // Where there is a touch screen the keys are always shown: a setting cannot take a
    // child's only way to type away.
    window.setLetterKeys(hasTouchScreen() || settings.flag(zorbla::Settings::kTouch, false, late.touch, true));
    if (auto error = window.load()) {
        const QString message = error->message();
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, QStringLiteral("Zorbla"),
                              QCoreApplication::translate("main", "Zorbla cannot start in the folder %1.\n\n%2")
                                  .arg(QDir::toNativeSeparators(QDir::currentPath()), message));
        return 1;
    }
    // The exit button and Escape end the program at once, without further events.
    QObject::connect(&window, &zorbla::MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); },
                     Qt::DirectConnection);
    window.showFullScreen();
    single.answerWith(&window);
    return app.exec();
}
