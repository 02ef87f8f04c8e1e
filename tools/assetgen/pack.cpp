#include "pack.h"
#include "bear.h"
#include "content.h"
#include "design.h"
#include "gifwriter.h"
#include "lettersounds.h"
#include "meaning.h"
#include "pictures.h"
#include "sound.h"
#include "files/letter_sounds.h"
#include "files/pack.h"
#include "files/paths.h"
#include "files/wordtable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

namespace ag {

namespace {

void say(const QString &s)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(s));
}

using Job = std::function<QString()>; // returns an error, or empty

// Speech must stay on one thread (espeak-ng is global); pictures are
// independent and shared out. The speech thread joins the pictures when done.
QString runJobs(const QList<Job> &speech, const QList<Job> &pictures, int threads)
{
    std::atomic<int> next{0};
    std::mutex errorLock;
    QString firstError;
    std::atomic<bool> failed{false};
    auto record = [&](const QString &e) {
        std::lock_guard<std::mutex> g(errorLock);
        if (firstError.isEmpty())
            firstError = e;
        failed = true;
    };
    auto drain = [&] {
        for (int i; !failed && (i = next++) < pictures.size();) {
            const QString e = pictures[i]();
            if (!e.isEmpty())
                record(e);
        }
    };
    std::thread speaker([&] {
        for (const Job &j : speech) {
            if (failed)
                break;
            const QString e = j();
            if (!e.isEmpty())
                record(e);
        }
        drain();
    });
    std::vector<std::thread> workers;
    for (int t = 1; t < std::max(1, threads); ++t)
        workers.emplace_back(drain);
    for (auto &w : workers)
        w.join();
    speaker.join();
    return firstError;
}

struct SpeechItem {
    QString file;
    QString text;
    bool asLetter = false;
};

// The folder's word table, read as the program reads it.
bool readWordTable(const QDir &folder, zorbla::WordTable *table, QString *error)
{
    if (const auto fault = zorbla::WordTableReader::read(*table, folder)) {
        *error = fault->message();
        return false;
    }
    return true;
}

QString lowerWord(const QString &w)
{
    return w.toLower();
}

// What to say for every sound file that comes from the word table.
QList<SpeechItem> tableSpeech(const zorbla::WordTable &table, const Content *content)
{
    using namespace zorbla;
    QList<SpeechItem> items;
    for (int i = 0; i < 26; ++i) {
        const QString letter = table.capitalLetter(i);
        items.append({pack::fileName(pack::letterSound(i)), letter.isEmpty() ? QString(QLatin1Char('A' + i)) : letter, true});
    }
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p) {
            QString text = table.cell(1 + l, p + 1);
            if (content && content->letter(l, p).word == text)
                text = content->letter(l, p).sayText();
            items.append({pack::fileName(pack::letterWordSound(l, p + 1)), lowerWord(text)});
        }
    for (int k = 1; k <= 10; ++k)
        items.append({pack::fileName(pack::numberSound(k)), QString::number(k)});
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p) {
            QString text = table.cell(30 + k, p + 1);
            if (content && content->number(k, p).word == text)
                text = content->number(k, p).sayText();
            items.append({pack::fileName(pack::numberWordSound(k, p + 1)), lowerWord(text)});
        }
    return items;
}

struct SpeechState {
    Speaker speaker;
    QHash<QByteArray, std::pair<QString, QString>> seen; // sample hash -> file and text, to catch duplicates
};

QString speakToFile(SpeechState &st, const QString &path, const QString &text, bool asLetter,
                    const Samples *effect = nullptr)
{
    QString error;
    if (text.trimmed().isEmpty() || text == QLatin1String("-"))
        return QStringLiteral("nothing to say for %1").arg(path);
    Samples s = trimSilence(st.speaker.speak(text, asLetter, &error));
    if (!error.isEmpty())
        return error;
    if (s.empty())
        return QStringLiteral("espeak-ng said nothing for '%1' (%2)").arg(text, path);
    normalize(&s);
    if (effect) {
        // The effect first, the words joining in while it rings.
        Samples mixed = *effect;
        mixInto(&mixed, s, kSampleRate * 35 / 100, 1.0);
        s = mixed;
    }
    // Every sound of the pack as loud as the others, so no click startles and none is lost.
    normalizeLoudness(&s);
    if (durationSeconds(s) > 4.0)
        return QStringLiteral("'%1' lasts %2 s, more than 4 s (%3)").arg(text).arg(durationSeconds(s), 0, 'f', 2).arg(path);
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(s.data()), qsizetype(s.size() * sizeof(short))),
        QCryptographicHash::Sha1);
    // The same word twice (the colour orange and the fruit) may well sound the same.
    const auto same = st.seen.constFind(hash);
    if (same != st.seen.constEnd() && same->second != text.toLower())
        say(QStringLiteral("warning: %1 sounds exactly like %2").arg(path, same->first));
    st.seen.insert(hash, {path, text.toLower()});
    return writeWav(path, s, &error) ? QString() : error;
}

QList<Job> speechJobs(std::shared_ptr<SpeechState> st, const Prompts &prompts, const zorbla::WordTable &table,
                      const Content *content, const QString &soundDir, bool effects)
{
    QList<Job> jobs;
    const QString voice = prompts.voice;
    jobs.append([st, voice] {
        QString e;
        return st->speaker.init(voice, &e) ? QString() : e;
    });
    for (const SpeechItem &it : tableSpeech(table, content))
        jobs.append([st, it, soundDir] { return speakToFile(*st, soundDir + QLatin1Char('/') + it.file, it.text, it.asLetter); });
    for (const char *stem : zorbla::pack::kPrompts) {
        const QString text = prompts.text.value(QLatin1String(stem));
        const bool twinkle = stem == zorbla::pack::star;
        const QString path = soundDir + QLatin1Char('/') + zorbla::pack::fileName(zorbla::pack::sound(stem));
        jobs.append([st, path, text, twinkle] {
            const Samples chime = synthTwinkle();
            return speakToFile(*st, path, text, false, twinkle ? &chime : nullptr);
        });
    }
    if (effects) {
        const QString boing = soundDir + QLatin1Char('/') + zorbla::pack::fileName(zorbla::pack::sound(zorbla::pack::boing));
        const QString tune = soundDir + QLatin1Char('/') + zorbla::pack::fileName(zorbla::pack::sound(zorbla::pack::alphabetSong));
        jobs.append([boing] {
            QString e;
            Samples s = synthBoing();
            normalizeLoudness(&s);
            return writeWav(boing, s, &e) ? QString() : e;
        });
        jobs.append([tune] {
            QString e;
            Samples s = synthAlphabetTune();
            normalizeLoudness(&s);
            return writeWav(tune, s, &e) ? QString() : e;
        });
    }
    return jobs;
}

// The letter sounds and the table of words sounded out. Spoken after every other sound:
// espeak-ng carries its waveform from one utterance to the next, so before them they would
// change those sounds' bytes.
QList<Job> letterSoundJobs(std::shared_ptr<SpeechState> st, std::shared_ptr<const LetterSoundTable> sounds,
                           const zorbla::WordTable &table, const Content &content, const QString &dataDir)
{
    QList<Job> jobs;
    for (const LetterSound &s : sounds->sounds) {
        const QString path = dataDir + QLatin1Char('/') + QString(s.file()).replace(QLatin1Char('\\'), QLatin1Char('/'));
        jobs.append([st, s, path] { return makeLetterSound(st->speaker, s, path); });
    }
    // The letters' words (rows 1-26) and the numbers' (rows 31-40), each with what the pack
    // says for it.
    QStringList words, spoken;
    const auto add = [&](const QString &word, const Picture &pic) {
        words << word;
        spoken << (pic.word == word ? pic.sayText() : word);
    };
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p)
            add(table.cell(1 + l, p + 1), content.letter(l, p));
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p)
            add(table.cell(30 + k, p + 1), content.number(k, p));
    jobs.append([st, sounds, words, spoken, dataDir] {
        const QString path = dataDir + QLatin1Char('/') + zorbla::pack::letterSoundTable();
        QString e;
        if (!saveBytes(path, letterSoundsFile(*sounds, readWords(st->speaker, *sounds, words, spoken)), &e))
            return e;
        // Read back as the program reads it.
        zorbla::LetterSounds check;
        const auto fault = check.read(path);
        return fault ? *fault : QString();
    });
    return jobs;
}

bool makeDir(const QString &path)
{
    if (QDir().mkpath(path))
        return true;
    say(QStringLiteral("cannot create folder %1").arg(path));
    return false;
}

Job gifJob(const QString &path, std::function<QList<GifFrame>()> frames, bool transparent = false)
{
    return [path, frames, transparent] {
        QString e;
        GifOptions o;
        o.transparent = transparent;
        const QByteArray bytes = encodeGif(frames(), o, &e);
        if (bytes.isEmpty())
            return QStringLiteral("%1: %2").arg(path, e);
        return saveBytes(path, bytes, &e) ? QString() : e;
    };
}

// Every table word must be drawable; the emoji text too.
QString textCharacters(const Content &c)
{
    QString s = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-");
    for (const Picture &p : c.letters)
        s += p.word;
    for (const Picture &p : c.numbers)
        s += p.word;
    return s;
}

} // namespace

int generatePack(const PackOptions &o)
{
    QElapsedTimer timer;
    timer.start();
    Content content;
    zorbla::WordTable table;
    Prompts prompts;
    QString error;
    const bool english = o.language.isEmpty() || o.language == QLatin1String("en");
    const QString language = english ? QStringLiteral("en") : o.language;
    const QString editionDir = english ? o.assetsDir : o.assetsDir + QLatin1Char('/') + language;
    const QString tableDir = o.tableDir.isEmpty() ? editionDir : o.tableDir;
    const QString textPath = zorbla::wordTablePath(QDir(tableDir));
    const QString art = o.emojiArt.isEmpty() ? defaultEmojiArt() : o.emojiArt;
    auto letterSounds = std::make_shared<LetterSoundTable>();
    if (!loadContent(editionDir + QStringLiteral("/content.tsv"), &content, &error)
        || !readWordTable(QDir(tableDir), &table, &error)
        || !loadPrompts(o.assetsDir + QStringLiteral("/prompts.tsv"), language, &prompts, &error)
        || !loadLetterSounds(editionDir + QStringLiteral("/letter_sounds.tsv"), table, letterSounds.get(), &error)) {
        say(error);
        return 1;
    }
    if (!o.tableDir.isEmpty()) {
        // A parent's own words: pictures found by what they mean.
        EmojiNames names;
        if (!names.load(cldrAnnotations(language), drawableEmoji(art), &error)) {
            say(error);
            return 1;
        }
        content = contentForTable(content, table, names);
    }
    if (prompts.fellBack)
        say(QStringLiteral("no prompts for '%1' in prompts.tsv: they stay English").arg(language));
    // The program shows the table's tiles; each must be the letter its pictures were chosen for.
    for (int l = 0; l < 26; ++l)
        if (table.capitalLetter(l) != content.letter(l, 0).key) {
            say(QStringLiteral("text.txt tile %1 is '%2' but content.tsv has its pictures for '%3'")
                    .arg(l + 1).arg(table.capitalLetter(l), content.letter(l, 0).key));
            return 1;
        }
    for (const QList<Picture> *list : {&content.letters, &content.numbers})
        for (const Picture &p : *list)
            if (!hasDrawing(p))
                say(QStringLiteral("warning: nothing draws '%1' (%2 %3): it gets a card with its word")
                        .arg(p.word, p.key).arg(p.index));
    // The pictures show content.tsv's words; the game compares with text.txt's.
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p)
            if (table.cell(1 + l, p + 1) != content.letter(l, p).word) {
                say(QStringLiteral("text.txt row %1 word %2 is '%3' but content.tsv says '%4'")
                        .arg(l + 1).arg(p + 1).arg(table.cell(1 + l, p + 1), content.letter(l, p).word));
                return 1;
            }
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p)
            if (table.cell(30 + k, p + 1) != content.number(k, p).word) {
                say(QStringLiteral("text.txt row %1 word %2 is '%3' but content.tsv says '%4'")
                        .arg(30 + k).arg(p + 1).arg(table.cell(30 + k, p + 1), content.number(k, p).word));
                return 1;
            }

    QList<char32_t> emoji = designEmoji();
    for (const Picture &p : content.letters)
        emoji += p.emoji;
    for (const Picture &p : content.numbers)
        emoji += p.emoji;
    auto atlas = std::make_shared<EmojiAtlas>();
    if (!checkFonts(textCharacters(content), &error) || !atlas->build(art, emoji, &error)) {
        say(error);
        return 1;
    }

    const QString imageDir = o.dataDir + QStringLiteral("/images");
    const QString soundDir = o.dataDir + QStringLiteral("/sounds");
    if (!makeDir(imageDir) || !makeDir(soundDir) || (!o.designDir.isEmpty() && !makeDir(o.designDir)))
        return 1;
    // Over the folder's own table, whatever the case of its name: never a second one.
    const QString dataTable = zorbla::wordTablePath(QDir(o.dataDir));
    QFile::remove(dataTable);
    if (!QFile::copy(textPath, dataTable)) {
        say(QStringLiteral("cannot copy %1 to %2").arg(textPath, o.dataDir));
        return 1;
    }
    QFile(dataTable).setPermissions(
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    auto st = std::make_shared<SpeechState>();
    const QList<Job> speech = speechJobs(st, prompts, table, &content, soundDir, true)
                              + letterSoundJobs(st, letterSounds, table, content, o.dataDir);

    // Longest jobs first, so no thread is left with a big one at the end.
    using namespace zorbla;
    const auto file = [&o](const QString &written) { return o.dataDir + QLatin1Char('/') + QString(written).replace(QLatin1Char('\\'), QLatin1Char('/')); };
    QList<Job> pictures;
    for (int k = 10; k >= 1; --k) {
        pictures.append(gifJob(file(pack::numberAnimation(k)), [k] { return numberAnimation(k); }));
    }
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p) {
            const Picture pic = content.letter(l, p);
            pictures.append(gifJob(file(pack::letterAnimation(l, p + 1)), [pic, l, atlas] { return letterAnimation(pic, l, *atlas); }));
        }
    if (!o.designDir.isEmpty())
        for (const DesignItem &d : designItems(o.assetsDir + QStringLiteral("/../translations"))) {
            const QString path = o.designDir + QLatin1Char('/') + d.name;
            pictures.append([d, path, atlas] {
                QString e;
                const QByteArray bytes = d.make(*atlas, &e);
                if (bytes.isEmpty())
                    return QStringLiteral("%1: %2").arg(path, e.isEmpty() ? QStringLiteral("no picture") : e);
                return saveBytes(path, bytes, &e) ? QString() : e;
            });
        }
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p) {
            const Picture pic = content.letter(l, p);
            const QString still = pack::letterPicture(l, p + 1);
            for (int scale : {1, 2})
                pictures.append(gifJob(file(pack::atScale(still, scale)),
                                       [pic, l, atlas, scale] { return QList<GifFrame>{{letterStill(pic, l, *atlas, scale), 0}}; }));
        }
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p) {
            const Picture pic = content.number(k, p);
            const bool counted = p + 1 == pack::countingPicture(k);
            const QString still = pack::numberPicture(k, p + 1);
            for (int scale : {1, 2})
                pictures.append(gifJob(file(pack::atScale(still, scale)),
                                       [pic, counted, atlas, scale] { return QList<GifFrame>{{numberStill(pic, counted, *atlas, scale), 0}}; }));
        }
    const Mood moods[] = {Mood::Neutral, Mood::Happy, Mood::Sad};
    for (int i = 0; i < 3; ++i) {
        const Mood m = moods[i];
        for (int scale : {1, 2})
            pictures.append(gifJob(file(pack::atScale(pack::bear(i + 1), scale)),
                                   [m, scale] { return QList<GifFrame>{{bearImage(m, scale), 0}}; }, true));
    }

    const int threads = o.jobs > 0 ? o.jobs : std::max(1, QThread::idealThreadCount());
    error = runJobs(speech, pictures, threads);
    if (!error.isEmpty()) {
        say(error);
        return 1;
    }
    if (!o.stampFile.isEmpty()) {
        QFile stamp(o.stampFile);
        if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            say(QStringLiteral("cannot write %1").arg(o.stampFile));
            return 1;
        }
        stamp.write("pack generated\n");
    }
    // The speech jobs less the voice's start and the table of words.
    if (o.verbose)
        say(QStringLiteral("%1 pictures, %2 sounds and %3 letter sounds in %4 s on %5 threads")
                .arg(pictures.size()).arg(speech.size() - 2 - letterSounds->sounds.size())
                .arg(letterSounds->sounds.size()).arg(timer.elapsed() / 1000.0, 0, 'f', 2).arg(threads));
    return 0;
}

int revoice(const QString &assetsDir, const QString &dataDir, const QString &language, int jobs)
{
    Q_UNUSED(jobs);
    zorbla::WordTable table;
    Prompts prompts;
    QString error;
    if (!readWordTable(QDir(dataDir), &table, &error)
        || !loadPrompts(assetsDir + QStringLiteral("/prompts.tsv"), language, &prompts, &error)) {
        say(error);
        return 1;
    }
    if (prompts.fellBack)
        say(QStringLiteral("no prompt table for '%1': the prompts and colours stay English, spoken with voice %2")
                .arg(language, prompts.voice));
    const QString soundDir = dataDir + QStringLiteral("/sounds");
    if (!makeDir(soundDir))
        return 1;
    auto st = std::make_shared<SpeechState>();
    // Effects are the same in every language; only the speech is redone.
    error = runJobs(speechJobs(st, prompts, table, nullptr, soundDir, false), {}, 1);
    if (!error.isEmpty()) {
        say(error);
        return 1;
    }
    return 0;
}

int writeMontage(const QString &dataDir, const QString &designDir, const QString &outFile)
{
    struct Tile { QString label; QImage image; };
    struct Section { QString title; QList<Tile> tiles; int cell; };
    QList<Section> sections;
    auto load = [](const QString &path, bool middle) {
        // GIF frames only exist composed over the ones before: read along.
        QImageReader r(path);
        QImage im = r.read();
        for (int i = 1, n = middle ? r.imageCount() / 2 : 0; i <= n && r.canRead(); ++i)
            im = r.read();
        return im;
    };
    using namespace zorbla;
    const QString img = dataDir + QStringLiteral("/images/");
    const auto tile = [&img, &load](const QString &written, bool middle) {
        const QString name = pack::fileName(written);
        return Tile{name.chopped(4), load(img + name, middle)};
    };
    Section letters{QStringLiteral("Letter pictures"), {}, 150};
    for (int l = 0; l < 26; ++l)
        for (int p = 1; p <= 4; ++p)
            letters.tiles.append(tile(pack::letterPicture(l, p), false));
    Section numbers{QStringLiteral("Number pictures"), {}, 150};
    for (int k = 1; k <= 10; ++k)
        for (int p = 1; p <= 4; ++p)
            numbers.tiles.append(tile(pack::numberPicture(k, p), false));
    Section anims{QStringLiteral("Animations (middle frame) and bears"), {}, 150};
    for (const auto &[l, p] : {std::pair{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 1}, {23, 1}, {25, 3}})
        anims.tiles.append(tile(pack::letterAnimation(l, p), true));
    for (int k : {1, 3, 7, 10})
        anims.tiles.append(tile(pack::numberAnimation(k), true));
    for (int i = 1; i <= 3; ++i)
        anims.tiles.append(tile(pack::bear(i), false));
    sections << letters << numbers << anims;
    if (!designDir.isEmpty()) {
        Section design{QStringLiteral("Design pictures"), {}, 150};
        const QStringList files = QDir(designDir).entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.gif")},
                                                             QDir::Files, QDir::Name);
        for (const QString &f : files) {
            design.tiles.append({f, load(designDir + QLatin1Char('/') + f, false)});
            if (f.endsWith(QLatin1String(".gif")))
                design.tiles.append({f + QStringLiteral(" (mid)"), load(designDir + QLatin1Char('/') + f, true)});
        }
        sections << design;
    }
    const int cols = 13, pad = 8, label = 18, heading = 40;
    int height = pad;
    for (const Section &s : sections)
        height += heading + ((s.tiles.size() + cols - 1) / cols) * (s.cell + label + pad);
    const int width = cols * (150 + pad) + pad;
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(QColor(60, 160, 245));
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int y = pad;
    int missing = 0;
    for (const Section &s : sections) {
        p.setPen(Qt::white);
        p.setFont(wordFont(26));
        p.drawText(QRect(pad, y, width, heading), Qt::AlignVCenter, s.title);
        y += heading;
        for (int i = 0; i < s.tiles.size(); ++i) {
            const QRect cell(pad + (i % cols) * (s.cell + pad), y + (i / cols) * (s.cell + label + pad), s.cell, s.cell);
            const QImage &im = s.tiles[i].image;
            if (im.isNull()) {
                ++missing;
                p.fillRect(cell, Qt::red);
            } else {
                QSize sz = im.size();
                if (sz.width() > s.cell || sz.height() > s.cell)
                    sz.scale(cell.size(), Qt::KeepAspectRatio);
                p.drawImage(QRect(cell.center().x() - sz.width() / 2, cell.center().y() - sz.height() / 2, sz.width(), sz.height()), im);
            }
            p.setPen(Qt::white);
            p.setFont(wordFont(13, false));
            p.drawText(QRect(cell.left(), cell.bottom() + 1, cell.width(), label), Qt::AlignCenter, s.tiles[i].label);
        }
        y += ((s.tiles.size() + cols - 1) / cols) * (s.cell + label + pad);
    }
    p.end();
    if (!out.save(outFile)) {
        say(QStringLiteral("cannot write %1").arg(outFile));
        return 1;
    }
    if (missing) {
        say(QStringLiteral("%1 pictures missing (red in the montage); generate the pack first").arg(missing));
        return 1;
    }
    return 0;
}

} // namespace ag
