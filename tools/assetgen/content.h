// The inputs of the pack beside the word table (which is read as the program reads it):
// the picture table (content.tsv) and the spoken prompts (prompts.tsv).
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace ag {

struct Picture {
    QString kind;           // "letter" or "number"
    QString key;            // the tile's letter ("A", "Č") or "1".."10"
    int index = 0;          // 1..4
    QString word;           // as shown, in capitals
    QList<char32_t> emoji;  // empty when drawn by hand
    QString drawHint;       // "(xylophone)" etc. when there is no emoji
    int count = 1;          // how many objects a number picture shows
    QString spoken;         // what to say when it differs from the word

    QString sayText() const { return spoken.isEmpty() ? word : spoken; }
};

struct Content {
    QList<Picture> letters; // 104: tiles 1..26, pictures 1..4 of each
    QList<Picture> numbers; // 40, 1-1..10-4 in order
    const Picture &letter(int l, int p) const { return letters.at(l * 4 + p); }
    const Picture &number(int k, int p) const { return numbers.at((k - 1) * 4 + p); }
};

bool loadContent(const QString &path, Content *out, QString *error);

struct Prompts {
    QString language;
    QString voice;
    QHash<QString, QString> text; // file stem -> what to say
    bool fellBack = false;        // no table for the language, English used
};

bool loadPrompts(const QString &path, const QString &language, Prompts *out, QString *error);

} // namespace ag
