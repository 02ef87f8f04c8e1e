// How clearly the pack speaks: the share of its one-word picture words, number words and
// colour words that a recogniser, listening for those words only, hears as themselves.
//   bench_clearness [DATA_DIR] [--language LANG] [--assets DIR]
// DATA_DIR is a generated pack (default: the build's), LANG its edition (default en),
// DIR the assets it was made from (for the colour words and the voice's name).
#include "content.h"
#include "sound.h"

#include "files/pack.h"
#include "files/wordtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTextStream>

#include <pocketsphinx.h>
#include <sndfile.h>

#include <cstdio>

namespace {

struct Word {
    QString text;  // lower case, as the recogniser's dictionary has it
    QString file;  // the sound that says it
};

ag::Samples readWav(const QString &path, int *rate)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!f || info.channels != 1) {
        if (f)
            sf_close(f);
        return {};
    }
    ag::Samples s(size_t(info.frames));
    s.resize(size_t(sf_read_short(f, s.data(), info.frames)));
    sf_close(f);
    *rate = info.samplerate;
    return s;
}

// The recogniser's pronouncing dictionary: which words it can hear at all.
QSet<QString> dictionaryWords(const QString &path)
{
    QSet<QString> words;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    QTextStream in(&f);
    QString line;
    while (in.readLineInto(&line)) {
        const QString w = line.section(QLatin1Char(' '), 0, 0);
        if (!w.contains(QLatin1Char('(')))
            words.insert(w);
    }
    return words;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString language = QStringLiteral("en");
    if (const int i = args.indexOf(QStringLiteral("--language")); i >= 0 && i + 1 < args.size()) {
        language = args.at(i + 1);
        args.remove(i, 2);
    }
    QString assetsDir = QStringLiteral(ZORBLA_ASSETS_DIR);
    if (const int i = args.indexOf(QStringLiteral("--assets")); i >= 0 && i + 1 < args.size()) {
        assetsDir = args.at(i + 1);
        args.remove(i, 2);
    }
    const QString dataDir = args.isEmpty() ? QStringLiteral(ZORBLA_DATA_DIR) : args.first();

    // Debian packages a recogniser model for US English only.
    const QMap<QString, QString> models{{QStringLiteral("en"), QStringLiteral("en-us")}};
    if (!models.contains(language)) {
        std::printf("clearness (%s): no recogniser model for this language\n", qPrintable(language));
        return 0;
    }
    const QString modelDir = QStringLiteral(POCKETSPHINX_MODELS "/") + models.value(language);
    const QString dictPath = modelDir + QStringLiteral("/cmudict-en-us.dict");

    zorbla::WordTable table;
    if (const auto fault = zorbla::WordTableReader::read(table, QDir(dataDir))) {
        std::fprintf(stderr, "%s\n", qPrintable(fault->message()));
        return 1;
    }
    ag::Prompts prompts;
    QString error;
    if (!ag::loadPrompts(assetsDir + QStringLiteral("/prompts.tsv"), language, &prompts, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // The words a child hears alone: one-word picture words, the numbers' words (the
    // first word of each number's first picture, "ONE APPLE"), and the colours.
    using namespace zorbla;
    const auto soundPath = [&](const QString &written) {
        return dataDir + QStringLiteral("/sounds/") + pack::fileName(written);
    };
    QList<Word> words;
    for (int l = 0; l < 26; ++l)
        for (int p = 1; p <= 4; ++p) {
            const QString w = table.cell(l + 1, p).trimmed().toLower();
            if (!w.isEmpty() && !w.contains(QLatin1Char(' ')))
                words.append({w, soundPath(pack::letterWordSound(l, p))});
        }
    for (int k = 1; k <= 10; ++k)
        words.append({table.cell(30 + k, 1).section(QLatin1Char(' '), 0, 0).toLower(), soundPath(pack::numberSound(k))});
    for (const char *stem : {pack::red, pack::orange, pack::blue, pack::brown, pack::green, pack::yellow})
        words.append({prompts.text.value(QLatin1String(stem)).trimmed().toLower(), soundPath(pack::sound(stem))});

    const QSet<QString> dictionary = dictionaryWords(dictPath);
    QStringList unknown, vocabulary;
    QList<Word> heard;
    for (const Word &w : words) {
        if (!dictionary.contains(w.text)) {
            unknown.append(w.text);
            continue;
        }
        heard.append(w);
        if (!vocabulary.contains(w.text))
            vocabulary.append(w.text);
    }
    const QString jsgf = QStringLiteral("#JSGF V1.0;\ngrammar pack;\npublic <word> = %1;\n")
                             .arg(vocabulary.join(QStringLiteral(" | ")));

    cmd_ln_t *config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", qPrintable(modelDir + QStringLiteral("/en-us")),
                                   "-dict", qPrintable(dictPath), "-samprate", "16000", "-cmn", "batch", "-dither", "yes", "-seed", "1", "-logfn", "/dev/null", nullptr);
    ps_decoder_t *ps = config ? ps_init(config) : nullptr;
    if (!ps || ps_set_jsgf_string(ps, "pack", jsgf.toUtf8().constData()) != 0 || ps_set_search(ps, "pack") != 0) {
        std::fprintf(stderr, "pocketsphinx could not start with the model in %s\n", qPrintable(modelDir));
        return 1;
    }

    int right = 0;
    QStringList misses;
    for (const Word &w : heard) {
        int rate = 0;
        ag::Samples s = readWav(w.file, &rate);
        if (s.empty()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(w.file));
            return 1;
        }
        s = ag::resample(s, rate, 16000);
        ag::normalize(&s, 0.9);
        // Half a second of silence each side, as a word is heard in a room: the pack's
        // sounds are trimmed close, and the recogniser sets its levels on the silence.
        s.insert(s.begin(), 8000, 0);
        s.insert(s.end(), 8000, 0);
        ps_start_utt(ps);
        ps_process_raw(ps, s.data(), s.size(), FALSE, TRUE);
        ps_end_utt(ps);
        int32 score = 0;
        const char *hyp = ps_get_hyp(ps, &score);
        const QString got = hyp ? QString::fromUtf8(hyp).trimmed() : QString();
        if (got == w.text)
            ++right;
        else
            misses.append(QStringLiteral("%1 (heard %2)").arg(w.text.toUpper(), got.isEmpty() ? QStringLiteral("nothing") : got.toUpper()));
    }
    ps_free(ps);
    cmd_ln_free_r(config);

    std::printf("clearness (%s, voice %s): %d of %d words heard as themselves, %.1f %%\n", qPrintable(language),
                qPrintable(prompts.voice), right, int(heard.size()), heard.isEmpty() ? 0.0 : 100.0 * right / heard.size());
    if (!misses.isEmpty())
        std::printf("  missed: %s\n", qPrintable(misses.join(QStringLiteral(", "))));
    if (!unknown.isEmpty())
        std::printf("  not in the recogniser's dictionary, not counted: %s\n", qPrintable(unknown.join(QStringLiteral(", "))));
    return 0;
}
