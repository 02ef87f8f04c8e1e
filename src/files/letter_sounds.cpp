#include "files/letter_sounds.h"

#include <QFile>
#include <QFileInfo>

#include "files/textcodec.h"

namespace zorbla {

namespace {

// The letters of each part found in the word in turn, spaces between them skipped, and
// nothing of the word left over; empty with the reason when they do not spell it.
QString placeParts(const QString& word, QList<LetterSoundPart>& parts) {
    int at = 0;
    for (LetterSoundPart& part : parts) {
        while (at < word.size() && word.at(at) == QLatin1Char(' '))
            ++at;
        if (word.mid(at, part.letters.size()).compare(part.letters, Qt::CaseInsensitive) != 0)
            return QStringLiteral("'%1' does not come next in %2").arg(part.letters, word);
        part.start = at;
        part.length = int(part.letters.size());
        at += part.length;
    }
    if (!word.mid(at).trimmed().isEmpty())
        return QStringLiteral("the sounds leave '%1' of %2 unsaid").arg(word.mid(at), word);
    return {};
}

}  // namespace

std::optional<QString> LetterSounds::read(const QString& path) {
    *this = LetterSounds();
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot be read (%2)").arg(name, file.errorString());
    if (file.size() > kMaxFileSize)
        return QStringLiteral("%1: too large to be a table of letter sounds").arg(name);
    const QByteArray bytes = file.readAll();
    if (!isValidUtf8(bytes))
        return QStringLiteral("%1: not UTF-8 text").arg(name);

    LetterSounds table;
    bool inWords = false;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fault = [&](const QString& what) {
            return std::optional<QString>(QStringLiteral("%1, line %2: %3").arg(name).arg(n + 1).arg(what));
        };
        if (line == QLatin1String("[words]")) {
            if (table.tiles_.size() < 26)
                return fault(QStringLiteral("%1 letters before the words; the 26 tiles come first")
                                 .arg(table.tiles_.size()));
            inWords = true;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2 || fields.at(0).isEmpty() || fields.at(1).isEmpty())
            return fault(QStringLiteral("not two fields separated by a tab"));
        const QString key = fields.at(0).toUpper();
        if (!inWords) {
            if (table.sounds_.contains(key))
                return fault(QStringLiteral("'%1' a second time").arg(fields.at(0)));
            table.sounds_.insert(key, fields.at(1));
            if (table.tiles_.size() < 26)
                table.tiles_ << fields.at(1);
            else
                table.groups_ << fields.at(0);
            continue;
        }
        QList<LetterSoundPart> parts;
        if (fields.at(1) != QLatin1String("-")) {
            for (const QString& letters : fields.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QString sound = table.sounds_.value(letters.toUpper());
                if (sound.isEmpty())
                    return fault(QStringLiteral("'%1' has no sound in the table").arg(letters));
                parts.append({letters, 0, 0, sound});
            }
            if (parts.isEmpty())
                return fault(QStringLiteral("no sounds; a word said whole has \"-\""));
            const QString wrong = placeParts(fields.at(0), parts);
            if (!wrong.isEmpty())
                return fault(wrong);
        }
        table.words_.insert(key, parts);
    }
    if (!inWords)
        return QStringLiteral("%1: no [words] section").arg(name);
    *this = table;
    return std::nullopt;
}

QString LetterSounds::tileSound(int i) const { return tiles_.value(i); }

QString LetterSounds::soundOf(const QString& letters) const { return sounds_.value(letters.toUpper()); }

QList<LetterSoundPart> LetterSounds::partsOf(const QString& word) const { return words_.value(word.toUpper()); }

}  // namespace zorbla
