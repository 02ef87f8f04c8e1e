#include "meaning.h"

#include "files/wordtable.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

namespace ag {

QString cldrAnnotations(const QString &language)
{
    return QStringLiteral("/usr/share/unicode/cldr/common/annotations/%1.xml").arg(language.section(QLatin1Char('-'), 0, 0));
}

QSet<char32_t> drawableEmoji(const QString &artFile)
{
    QSet<char32_t> out;
    QFile f(QFileInfo(artFile).dir().filePath(QStringLiteral("chars.json")));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QJsonObject chars = QJsonDocument::fromJson(f.readAll()).object();
    for (auto it = chars.begin(); it != chars.end(); ++it) {
        QString key = it.key();
        if (key.endsWith(QLatin1String("-fe0f")))
            key.chop(5);
        bool ok = false;
        const uint cp = key.toUInt(&ok, 16); // sequences ("1f468-200d-...") are left out
        if (ok)
            out.insert(char32_t(cp));
    }
    return out;
}

bool EmojiNames::load(const QString &annotations, const QSet<char32_t> &drawable, QString *error)
{
    QFile f(annotations);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1 (Debian package unicode-cldr-core)").arg(annotations);
        return false;
    }
    QXmlStreamReader xml(&f);
    int order = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("annotation"))
            continue;
        const QString cpText = xml.attributes().value(QLatin1String("cp")).toString();
        const bool name = xml.attributes().value(QLatin1String("type")) == QLatin1String("tts");
        const QString text = xml.readElementText().toLower();
        const QList<uint> cps = cpText.toUcs4();
        if (cps.size() != 1 && !(cps.size() == 2 && cps[1] == 0xFE0F))
            continue;
        if (!drawable.contains(char32_t(cps[0])))
            continue;
        ++order;
        auto add = [&](const QString &word, int score) {
            m_byWord[word.trimmed()].append({char32_t(cps[0]), score, order});
        };
        if (name) {
            add(text, 3); // its very name
            const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() > 1) { // "red apple" is an apple, "lice mačke" a cat
                add(parts.last(), 2);
                add(parts.first(), 2);
            }
        } else {
            for (const QString &k : text.split(QLatin1Char('|')))
                add(k, 1);
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1: %2").arg(annotations, xml.errorString());
        return false;
    }
    return true;
}

char32_t EmojiNames::find(const QString &word) const
{
    const QList<Candidate> c = m_byWord.value(word.toLower().trimmed());
    const Candidate *best = nullptr;
    for (const Candidate &x : c)
        if (!best || x.score > best->score || (x.score == best->score && x.order < best->order))
            best = &x;
    return best ? best->cp : 0;
}

namespace {

Picture pictureFor(const QString &word, const Picture &place, const Content &curated, const EmojiNames &names)
{
    Picture p = place;
    p.word = word;
    p.spoken.clear();
    for (const QList<Picture> *list : {&curated.letters, &curated.numbers})
        for (const Picture &known : *list)
            if (known.word == word) {
                p.emoji = known.emoji;
                p.drawHint = known.drawHint;
                p.spoken = known.spoken;
                return p;
            }
    p.emoji.clear();
    p.drawHint.clear();
    // A number's words name the thing last ("THREE DUCKS"); the whole first, then word by word.
    QStringList tries{word};
    const QStringList parts = word.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (auto it = parts.crbegin(); parts.size() > 1 && it != parts.crend(); ++it)
        tries << *it;
    for (const QString &t : tries)
        if (const char32_t cp = names.find(t)) {
            p.emoji = {cp};
            break;
        }
    return p;
}

} // namespace

Content contentForTable(const Content &curated, const zorbla::WordTable &table, const EmojiNames &names)
{
    Content c = curated;
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p) {
            c.letters[l * 4 + p] = pictureFor(table.cell(1 + l, p + 1), curated.letter(l, p), curated, names);
            c.letters[l * 4 + p].key = table.capitalLetter(l);
        }
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p)
            c.numbers[(k - 1) * 4 + p] = pictureFor(table.cell(30 + k, p + 1), curated.number(k, p), curated, names);
    return c;
}

} // namespace ag
