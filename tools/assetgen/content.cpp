#include "content.h"

#include <QFile>

#include <algorithm>

#include "files/pack.h"
#include "files/textcodec.h"

namespace ag {

static bool readAll(const QString &path, QByteArray *data, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return false;
    }
    *data = f.readAll();
    return true;
}

// Tables may be edited by hand in any editor: read as the program reads its word table.
static QString decode(const QByteArray &data)
{
    return zorbla::decodeText(data);
}

bool loadContent(const QString &path, Content *out, QString *error)
{
    QByteArray data;
    if (!readAll(path, &data, error))
        return false;
    Content c;
    int lineNo = 0;
    for (const QString &raw : decode(data).split(QLatin1Char('\n'))) {
        ++lineNo;
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        auto fail = [&](const QString &why) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNo).arg(why);
            return false;
        };
        if (f.size() < 5)
            return fail(QStringLiteral("expected at least 5 tab-separated fields"));
        Picture p;
        p.kind = f[0];
        p.key = f[1];
        bool ok = false;
        p.index = f[2].toInt(&ok);
        if (!ok || p.index < 1 || p.index > 4)
            return fail(QStringLiteral("picture number must be 1..4"));
        p.word = f[3];
        const QString art = f[4].trimmed();
        if (art.startsWith(QLatin1Char('('))) {
            p.drawHint = art;
        } else {
            for (const QString &tok : art.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (tok.startsWith(QLatin1Char('x'))) {
                    p.count = tok.mid(1).toInt(&ok);
                    if (!ok || p.count < 1 || p.count > 10)
                        return fail(QStringLiteral("bad count %1").arg(tok));
                } else {
                    const uint cp = tok.toUInt(&ok, 16);
                    if (!ok || cp == 0 || cp > 0x10FFFF)
                        return fail(QStringLiteral("bad code point %1").arg(tok));
                    p.emoji.append(char32_t(cp));
                }
            }
        }
        if (f.size() > 5)
            p.spoken = f[5].trimmed();
        if (p.kind == QLatin1String("letter")) {
            // Tiles go by position: an edition's alphabet is its own (Č, Ñ, ...).
            if (p.key.isEmpty() || p.key.size() > 2 || !p.key[0].isLetter())
                return fail(QStringLiteral("letter key must be the tile's letter"));
            if (c.letters.size() % 4 != p.index - 1
                || (p.index > 1 && c.letters.last().key != p.key))
                return fail(QStringLiteral("each letter needs its rows 1..4 in order"));
            if (p.index == 1 && std::any_of(c.letters.cbegin(), c.letters.cend(), [&](const Picture &q) { return q.key == p.key; }))
                return fail(QStringLiteral("letter %1 has a second tile").arg(p.key));
            if (c.letters.size() >= 104)
                return fail(QStringLiteral("more than 26 letters"));
            c.letters.append(p);
        } else if (p.kind == QLatin1String("number")) {
            const int k = p.key.toInt(&ok);
            if (!ok || k < 1 || k > 10)
                return fail(QStringLiteral("number key must be 1..10"));
            if (c.numbers.size() != (k - 1) * 4 + p.index - 1)
                return fail(QStringLiteral("number rows must come in order 1-1..10-4"));
            if (p.count != k)
                return fail(QStringLiteral("number %1 must show %1 objects").arg(k));
            c.numbers.append(p);
        } else {
            return fail(QStringLiteral("unknown kind %1").arg(p.kind));
        }
    }
    if (c.letters.size() != 104 || c.numbers.size() != 40) {
        *error = QStringLiteral("%1: need 104 letter and 40 number rows, found %2 and %3")
                     .arg(path).arg(c.letters.size()).arg(c.numbers.size());
        return false;
    }
    *out = c;
    return true;
}

bool loadPrompts(const QString &path, const QString &language, Prompts *out, QString *error)
{
    QByteArray data;
    if (!readAll(path, &data, error))
        return false;
    QHash<QString, Prompts> byLang;
    for (const QString &raw : decode(data).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 3) {
            *error = QStringLiteral("%1: bad line '%2'").arg(path, line);
            return false;
        }
        Prompts &p = byLang[f[0]];
        p.language = f[0];
        if (f[1] == QLatin1String("@voice"))
            p.voice = f[2];
        else
            p.text.insert(f[1], f[2]);
    }
    // "hr-HR" and "hr" share a table.
    QString lang = language;
    if (!byLang.contains(lang))
        lang = language.section(QLatin1Char('-'), 0, 0);
    Prompts chosen;
    if (byLang.contains(lang)) {
        chosen = byLang.value(lang);
    } else {
        chosen = byLang.value(QStringLiteral("en"));
        chosen.fellBack = true;
        chosen.voice = language; // the language's plain espeak-ng voice
    }
    chosen.language = language;
    for (const char *stem : zorbla::pack::kPrompts) {
        if (!chosen.text.contains(QLatin1String(stem))) {
            *error = QStringLiteral("%1: no '%2' prompt for %3").arg(path, QLatin1String(stem), lang);
            return false;
        }
    }
    if (chosen.voice.isEmpty()) {
        *error = QStringLiteral("%1: no @voice for %2").arg(path, lang);
        return false;
    }
    *out = chosen;
    return true;
}

} // namespace ag
