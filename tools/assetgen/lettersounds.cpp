#include "lettersounds.h"

#include "files/pack.h"
#include "files/paths.h"
#include "files/wordtable.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <functional>

#include <sndfile.h>

namespace ag {

namespace {

// A stop's vowel is there only to let the stop be heard: no longer than this.
constexpr double kLongestSchwa = 0.12;
// A letter sound is short, margins included, so that a word's sounds follow quickly.
constexpr double kLongestSound = 0.6;
// Shorter than this, a phone was swallowed rather than said.
constexpr double kShortestPhone = 0.01;
// A held sound must last long enough to be heard as held.
constexpr double kShortestHold = 0.1;
// flite's phones alone are quick (an [ɪ] of 0.1 s): vowels and held sounds a little
// longer, as long as espeak-ng's.
constexpr double kFliteHold = 1.4;

const char *kindName(SoundKind k)
{
    switch (k) {
    case SoundKind::Vowel: return "vowel";
    case SoundKind::Held: return "held";
    case SoundKind::Schwa: return "schwa";
    case SoundKind::Silent: return "silent";
    }
    return "";
}

QStringList phoneList(const QString &s)
{
    return s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QString LetterSound::file() const
{
    return tile >= 0 ? zorbla::pack::letterSoundOf(tile) : zorbla::pack::groupSoundOf(stem);
}

QStringList LetterSound::inWords() const
{
    switch (kind) {
    case SoundKind::Silent:
        return {};
    case SoundKind::Schwa:
        return phonemes.mid(0, phonemes.size() - 1);
    case SoundKind::Held: {
        QStringList once;
        for (const QString &p : phonemes)
            if (once.isEmpty() || once.back() != p)
                once << p;
        return once;
    }
    case SoundKind::Vowel:
        break;
    }
    return phonemes;
}

bool loadLetterSounds(const QString &path, const zorbla::WordTable &table, LetterSoundTable *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    LetterSoundTable t;
    QSet<QString> letters, stems;
    static const QRegularExpression stemPattern(QStringLiteral("^[a-z0-9_]{2,}$"));
    bool wholeWords = false;
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fail = [&](const QString &what) {
            *error = QStringLiteral("%1, line %2: %3").arg(path).arg(n + 1).arg(what);
            return false;
        };
        const QStringList c = lines[n].split(QLatin1Char('\t'));
        if (line == QLatin1String("[said whole]")) {
            wholeWords = true;
            continue;
        }
        if (wholeWords) {
            if (c.size() != 2 || c[0].trimmed().isEmpty() || c[1].trimmed().isEmpty())
                return fail(QStringLiteral("a word said whole and why, separated by a tab"));
            t.saidWhole.insert(c[0].trimmed().toUpper(), c[1].trimmed());
            continue;
        }
        if (c.size() != 5 && c.size() != 6)
            return fail(QStringLiteral("%1 columns; letters, file, kind, phonemes, IPA and (maybe) other "
                                       "phonemes in words take 5 or 6").arg(c.size()));
        LetterSound s;
        s.letters = c[0].trimmed();
        if (s.letters.isEmpty() || s.letters != s.letters.toUpper())
            return fail(QStringLiteral("'%1' is not in capitals").arg(s.letters));
        if (letters.contains(s.letters))
            return fail(QStringLiteral("'%1' a second time").arg(s.letters));
        letters.insert(s.letters);
        if (t.sounds.size() < 26) {
            s.tile = int(t.sounds.size());
            if (s.letters != table.capitalLetter(s.tile))
                return fail(QStringLiteral("tile %1 is '%2' in text.txt, but this row is '%3': the first 26 rows "
                                           "are the tiles in their order").arg(s.tile + 1).arg(table.capitalLetter(s.tile), s.letters));
            if (c[1].trimmed() != QLatin1String("-"))
                return fail(QStringLiteral("a tile's file is named by its position: '-', not '%1'").arg(c[1]));
        } else {
            s.stem = c[1].trimmed();
            if (!stemPattern.match(s.stem).hasMatch() || stems.contains(s.stem))
                return fail(QStringLiteral("'%1' is no file stem of its own (two or more of a-z, 0-9, _)").arg(s.stem));
            stems.insert(s.stem);
        }
        const QString kind = c[2].trimmed();
        bool known = false;
        for (SoundKind k : {SoundKind::Vowel, SoundKind::Held, SoundKind::Schwa, SoundKind::Silent})
            if (kind == QLatin1String(kindName(k)))
                s.kind = k, known = true;
        if (!known)
            return fail(QStringLiteral("no kind '%1' (vowel, held, schwa or silent)").arg(kind));
        s.phonemes = phoneList(c[3]);
        if (s.phonemes.isEmpty() || (s.kind == SoundKind::Schwa && s.phonemes.size() < 2))
            return fail(QStringLiteral("no phonemes for '%1'").arg(s.letters));
        s.ipa = c[4].trimmed();
        if (c.size() == 6)
            for (const QString &other : c[5].split(QLatin1Char(','), Qt::SkipEmptyParts))
                if (!phoneList(other).isEmpty())
                    s.alsoInWords << phoneList(other);
        t.sounds << s;
    }
    if (t.sounds.size() < 26) {
        *error = QStringLiteral("%1: %2 rows; the 26 tiles come first").arg(path).arg(t.sounds.size());
        return false;
    }
    *out = t;
    return true;
}

QList<const LetterSound *> splitWord(const QString &word, const LetterSoundTable &table)
{
    int longest = 1;
    for (const LetterSound &s : table.sounds)
        longest = std::max(longest, int(s.letters.size()));
    const QString w = word.toUpper();
    QList<const LetterSound *> parts;
    for (int at = 0; at < w.size();) {
        if (w[at] == QLatin1Char(' ')) {
            ++at;
            continue;
        }
        const LetterSound *found = nullptr;
        for (int n = std::min<int>(longest, int(w.size()) - at); n > 0 && !found; --n)
            for (const LetterSound &s : table.sounds)
                if (s.letters.size() == n && w.mid(at, n) == s.letters) {
                    found = &s;
                    break;
                }
        if (!found)
            return {};
        parts << found;
        at += int(found->letters.size());
    }
    return parts;
}

bool saysWord(const QList<const LetterSound *> &parts, const QStringList &wordPhonemes, const Speaker &speaker,
              QList<int> *lengths)
{
    QList<int> taken;
    // Each part one of its ways of being written, in turn, to the last phoneme.
    std::function<bool(int, int)> from = [&](int part, int at) {
        if (part == parts.size())
            return at == wordPhonemes.size();
        QList<QStringList> ways{speaker.plainPhonemes(parts[part]->inWords())};
        for (const QStringList &other : parts[part]->alsoInWords)
            ways << speaker.plainPhonemes(other);
        for (const QStringList &way : ways) {
            if (way.isEmpty() || wordPhonemes.mid(at, way.size()) != way)
                continue;
            taken << int(way.size());
            if (from(part + 1, at + int(way.size())))
                return true;
            taken.removeLast();
        }
        return false;
    };
    const bool says = !parts.isEmpty() && from(0, 0);
    if (says && lengths)
        *lengths = taken;
    return says;
}

Samples speakLetterSound(Speaker &speaker, const LetterSound &sound, QList<RenderedPhone> *made, QString *error)
{
    const bool flite = speaker.speaksWithFlite();
    double stretch = flite && (sound.kind == SoundKind::Vowel || sound.kind == SoundKind::Held) ? kFliteHold : 1.0;
    Samples s;
    // A stop's vowel too long at the voice's speed is said again quicker, twice at most.
    for (int attempt = 0; attempt < 3; ++attempt, stretch *= 0.8) {
        s = speaker.speakPhonemes(sound.phonemes, stretch, made, error);
        if (!error->isEmpty() || sound.kind != SoundKind::Schwa || made->isEmpty()
            || made->back().seconds <= kLongestSchwa)
            break;
    }
    return s;
}

QString makeLetterSound(Speaker &speaker, const LetterSound &sound, const QString &path)
{
    const QString name = QStringLiteral("letter sound %1 (%2)").arg(sound.letters, zorbla::pack::fileName(sound.file()));
    QString error;
    QList<RenderedPhone> made;
    Samples s = speakLetterSound(speaker, sound, &made, &error);
    if (!error.isEmpty())
        return QStringLiteral("%1: %2").arg(name, error);
    QStringList names;
    for (const RenderedPhone &p : made)
        names << p.name;
    if (names != sound.phonemes)
        return QStringLiteral("%1: the synthesizer made [%2] where the table asks for [%3]")
            .arg(name, names.join(QLatin1Char(' ')), sound.phonemes.join(QLatin1Char(' ')));
    double held = 0;
    for (const RenderedPhone &p : made) {
        if (p.seconds < kShortestPhone)
            return QStringLiteral("%1: [%2] lasts %3 s, swallowed").arg(name, p.name).arg(p.seconds, 0, 'f', 3);
        held += p.seconds;
    }
    if (sound.kind == SoundKind::Schwa && made.back().seconds > kLongestSchwa)
        return QStringLiteral("%1: its vowel [%2] lasts %3 s, more than %4 s")
            .arg(name, made.back().name).arg(made.back().seconds, 0, 'f', 3).arg(kLongestSchwa);
    if (sound.kind == SoundKind::Held && held < kShortestHold)
        return QStringLiteral("%1: held only %2 s; write a phone twice to hold it longer").arg(name).arg(held, 0, 'f', 3);
    s = trimSilence(s);
    if (s.empty())
        return QStringLiteral("%1: nothing to hear").arg(name);
    normalize(&s);
    normalizeLoudness(&s);
    if (durationSeconds(s) > kLongestSound)
        return QStringLiteral("%1: lasts %2 s, more than %3 s").arg(name).arg(durationSeconds(s), 0, 'f', 2).arg(kLongestSound);
    return writeWav(path, s, &error) ? QString() : error;
}

QList<WordReading> readWords(Speaker &speaker, const LetterSoundTable &sounds, const QStringList &words,
                             const QStringList &spoken)
{
    QList<WordReading> out;
    QSet<QString> seen;
    for (int i = 0; i < words.size(); ++i) {
        // As written, as the program looks it up; compared in capitals.
        const QString word = words[i];
        const QString upper = word.toUpper();
        if (word.trimmed().isEmpty() || word == QLatin1String("-") || seen.contains(upper))
            continue;
        seen.insert(upper);
        WordReading r{word, {}};
        const QList<const LetterSound *> parts = splitWord(word, sounds);
        // Said otherwise than written, its letters do not spell what is heard.
        if (!parts.isEmpty() && spoken.value(i).toUpper() == upper && !sounds.saidWhole.contains(upper)) {
            QString foreign;
            const QStringList phonemes = speaker.wordPhonemes(word, &foreign);
            if (!phonemes.isEmpty() && saysWord(parts, phonemes, speaker))
                r.parts = parts;
        }
        out << r;
    }
    return out;
}

QByteArray letterSoundsFile(const LetterSoundTable &sounds, const QList<WordReading> &words)
{
    QString text = QStringLiteral(
        "# The letter sounds, made by Zorbla's pack generator from its table of sounds.\n"
        "# Each letter and the sound it stands for in reading: the 26 tiles in their order, then\n"
        "# the groups of letters that make one sound.\n");
    for (const LetterSound &s : sounds.sounds)
        text += s.letters + QLatin1Char('\t') + s.file() + QLatin1Char('\n');
    text += QStringLiteral(
        "[words]\n"
        "# Each word of text.txt: the letters of the sounds it is sounded out with, in order,\n"
        "# or - when it is said whole.\n");
    for (const WordReading &w : words) {
        QStringList parts;
        for (const LetterSound *p : w.parts)
            parts << p->letters;
        text += w.word + QLatin1Char('\t') + (parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char(' ')))
                + QLatin1Char('\n');
    }
    return text.toUtf8();
}

int reportLetterSounds(const QString &assetsDir, const QString &language, const QString &dataDir)
{
    const bool english = language.isEmpty() || language == QLatin1String("en");
    const QString editionDir = english ? assetsDir : assetsDir + QLatin1Char('/') + language;
    zorbla::WordTable table;
    LetterSoundTable sounds;
    QString error;
    if (const auto fault = zorbla::WordTableReader::read(table, QDir(editionDir)))
        error = fault->message();
    else
        loadLetterSounds(editionDir + QStringLiteral("/letter_sounds.tsv"), table, &sounds, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "assetgen: %s\n", qPrintable(error));
        return 1;
    }
    QString md = QStringLiteral("| Letters | IPA | Kind | Phonemes given | Seconds | LUFS |\n|---|---|---|---|---|---|\n");
    for (const LetterSound &s : sounds.sounds) {
        const QString path = zorbla::resolvePath(s.file(), QDir(dataDir));
        SF_INFO info{};
        SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (!f) {
            std::fprintf(stderr, "assetgen: no %s: generate the edition first\n", qPrintable(path));
            return 1;
        }
        Samples data(size_t(info.frames));
        sf_read_short(f, data.data(), info.frames);
        sf_close(f);
        const QString ipa = s.kind == SoundKind::Silent ? QStringLiteral("none; says [%1]").arg(s.ipa)
                                                        : QStringLiteral("/%1/").arg(s.ipa);
        md += QStringLiteral("| %1 | %2 | %3 | `%4` | %5 | %6 |\n")
                  .arg(s.letters, ipa, QLatin1String(kindName(s.kind)), s.phonemes.join(QLatin1Char(' ')))
                  .arg(durationSeconds(data), 0, 'f', 2)
                  .arg(loudness(data), 0, 'f', 1);
    }
    QFile list(zorbla::resolvePath(zorbla::pack::letterSoundTable(), QDir(dataDir)));
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "assetgen: no %s in %s\n", qPrintable(zorbla::pack::letterSoundTable()), qPrintable(dataDir));
        return 1;
    }
    QStringList out;
    int whole = 0;
    bool inWords = false;
    for (const QString &line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'))) {
        if (line == QLatin1String("[words]"))
            inWords = true;
        if (!inWords || line.startsWith(QLatin1Char('#')) || !line.contains(QLatin1Char('\t')))
            continue;
        const QString parts = line.section(QLatin1Char('\t'), 1);
        if (parts == QLatin1String("-"))
            ++whole;
        else
            out << QStringLiteral("%1 (%2)").arg(line.section(QLatin1Char('\t'), 0, 0), parts);
    }
    const int all = int(out.size()) + whole;
    md += QStringLiteral("\n%1 sounds. Words sounded out: %2 of %3 (%4 %), said whole: %5 (%6 %).\n")
              .arg(sounds.sounds.size()).arg(out.size()).arg(all)
              .arg(all ? 100.0 * double(out.size()) / all : 0, 0, 'f', 0).arg(whole)
              .arg(all ? 100.0 * whole / all : 0, 0, 'f', 0);
    if (!out.isEmpty())
        md += QStringLiteral("\nSounded out: %1.\n").arg(out.join(QStringLiteral(", ")));
    std::fputs(md.toUtf8().constData(), stdout);
    return 0;
}

} // namespace ag
