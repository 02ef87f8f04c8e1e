// assetgen: draws and speaks the picture and sound pack of Zorbla.
#include "lettersounds.h"
#include "pack.h"

#include "files/pack.h"
#include "paint.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

#include <malloc.h>

#ifndef ZORBLA_ASSETS_DIR
#define ZORBLA_ASSETS_DIR "assets"
#endif

int main(int argc, char **argv)
{
    // Pictures of megabytes are made and dropped by the hundred: memory kept for the next
    // one, rather than given back and cleared again by the system each time.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    // No display is needed: pictures are drawn into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("assetgen"));

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral(
        "Generates Zorbla's picture and sound pack.\n\n"
        "  assetgen --data DIR [--design DIR]     write the whole pack into DIR\n"
        "  assetgen --data DIR --language LANG    write the whole edition of assets/LANG/ into DIR\n"
        "  ... --table DIR                        with the words of DIR/text.txt: a word the edition\n"
        "                                         has no picture for gets the emoji its name finds\n"
        "                                         (Unicode CLDR), else a card with the word\n"
        "  assetgen --data DIR --voice LANG       speak DIR/text.txt again in an espeak-ng\n"
        "                                         language (e.g. hr); prompts and colours come\n"
        "                                         from prompts.tsv, English when it has no table\n"
        "  assetgen --data DIR --montage FILE     one PNG of the whole pack for review\n"
        "                                         (generates the pack first when DIR has none)\n"
        "  assetgen --data DIR --letter-sounds-report [--language LANG]\n"
        "                                         the edition's letter sounds as DIR has them,\n"
        "                                         in Markdown (docs/letter-sounds.md)"));
    cli.addHelpOption();
    QCommandLineOption assets(QStringLiteral("assets"), QStringLiteral("Folder with content.tsv, text.txt and prompts.tsv."),
                              QStringLiteral("DIR"), QStringLiteral(ZORBLA_ASSETS_DIR));
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("The data folder to write (text.txt, images/, sounds/)."),
                            QStringLiteral("DIR"));
    QCommandLineOption design(QStringLiteral("design"), QStringLiteral("Folder for the window pictures."), QStringLiteral("DIR"));
    QCommandLineOption voice(QStringLiteral("voice"), QStringLiteral("Re-speak the sounds of --data in this espeak-ng language."),
                             QStringLiteral("LANG"));
    QCommandLineOption language(QStringLiteral("language"), QStringLiteral("The edition: its content.tsv and text.txt are in the assets' LANG folder."),
                                QStringLiteral("LANG"));
    QCommandLineOption table(QStringLiteral("table"), QStringLiteral("A parent's own word table (DIR/text.txt)."), QStringLiteral("DIR"));
    QCommandLineOption montage(QStringLiteral("montage"), QStringLiteral("Write a review montage PNG."), QStringLiteral("FILE"));
    QCommandLineOption stamp(QStringLiteral("stamp"), QStringLiteral("File to touch after success (for the build)."),
                             QStringLiteral("FILE"));
    QCommandLineOption jobs(QStringLiteral("jobs"), QStringLiteral("Worker threads (default: one per core)."), QStringLiteral("N"));
    QCommandLineOption emojiArt(QStringLiteral("emoji-art"), QStringLiteral("The emoji drawings (Iconify JSON of Noto's emoji)."),
                                QStringLiteral("FILE"), ag::defaultEmojiArt());
    QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Say how long it took."));
    QCommandLineOption report(QStringLiteral("letter-sounds-report"),
                              QStringLiteral("Print the edition's letter sounds in DIR as a Markdown table."));
    cli.addOptions({assets, data, design, language, table, voice, montage, stamp, jobs, emojiArt, verbose, report});
    cli.process(app);

    if (!cli.isSet(data)) {
        std::fprintf(stderr, "assetgen: --data DIR is required (see --help)\n");
        return 2;
    }
    ag::PackOptions o;
    o.assetsDir = QDir(cli.value(assets)).absolutePath();
    o.dataDir = QDir(cli.value(data)).absolutePath();
    o.designDir = cli.isSet(design) ? QDir(cli.value(design)).absolutePath() : QString();
    o.stampFile = cli.value(stamp);
    o.jobs = cli.value(jobs).toInt();
    o.emojiArt = cli.value(emojiArt);
    o.verbose = cli.isSet(verbose);
    o.language = cli.value(language);
    o.tableDir = cli.isSet(table) ? QDir(cli.value(table)).absolutePath() : QString();

    if (cli.isSet(report))
        return ag::reportLetterSounds(o.assetsDir, o.language, o.dataDir);
    if (cli.isSet(voice))
        return ag::revoice(o.assetsDir, o.dataDir, cli.value(voice), o.jobs);
    if (cli.isSet(montage)) {
        if (!QFileInfo::exists(o.dataDir + QStringLiteral("/images/") + zorbla::pack::fileName(zorbla::pack::letterPicture(0, 1)))) {
            if (const int rc = ag::generatePack(o))
                return rc;
        }
        return ag::writeMontage(o.dataDir, o.designDir, cli.value(montage));
    }
    return ag::generatePack(o);
}
