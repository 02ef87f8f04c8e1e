// Pictures for a parent's own words: the emoji whose name or keywords (Unicode CLDR's
// annotations, in the edition's language) are the word.
#pragma once

#include "content.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace zorbla {
class WordTable;
}

namespace ag {

class EmojiNames {
public:
    // annotations: CLDR's annotations/<language>.xml; drawable: the emoji there are drawings of.
    bool load(const QString &annotations, const QSet<char32_t> &drawable, QString *error);
    // The emoji that best shows word (any case), or 0.
    char32_t find(const QString &word) const;

private:
    struct Candidate { char32_t cp; int score; int order; };
    QHash<QString, QList<Candidate>> m_byWord;
};

// Where CLDR keeps its annotations, and the emoji the drawings in artFile cover.
QString cldrAnnotations(const QString &language);
QSet<char32_t> drawableEmoji(const QString &artFile);

// The pictures of a parent's table: a word the curated table has keeps its picture, another
// gets the emoji its name finds, else a card with its word.
Content contentForTable(const Content &curated, const zorbla::WordTable &table, const EmojiNames &names);

} // namespace ag
