#pragma once

#include <QDir>
#include <QString>

#include <array>
#include <optional>

#include "files/textcodec.h"

namespace zorbla {

// The word table: rows 0 to 56, columns 0 to 4, one row per line of text.txt.
// Rows 1-26 hold four words per letter, 31-40 four per number, 41-47 the capital and
// 49-55 the small letters, four to a row. Row 0 and column 0 are never written.
class WordTable {
public:
    static constexpr int kRows = 57;
    static constexpr int kColumns = 5;
    static constexpr int kMaxLines = kRows - 1;

    // An out-of-range cell reads as empty text.
    const QString& cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    // The capital (rows 41-47) or small (rows 49-55) letter with alphabet index i (A = 0).
    const QString& capitalLetter(int i) const { return cell(41 + i / 4, 1 + i % 4); }
    const QString& smallLetter(int i) const { return cell(49 + i / 4, 1 + i % 4); }

    bool operator==(const WordTable& other) const { return cells_ == other.cells_; }

private:
    std::array<std::array<QString, kColumns>, kRows> cells_;
};

// What is wrong with a word table file, worded for the parent who edits it.
struct WordTableError {
    QString file;  // the file's name as the user knows it
    int line = 0;  // 1-based; 0 when the fault is not on a line
    QString what;

    QString message() const;
};

struct WordTableFile {
    QString path;             // the file found, or the name as written when none was
    TextEncoding encoding;    // how its bytes were stored
};

// The one reader of the word table. Every line is checked before anything is stored, so
// a failed read leaves the table as it was. Rows past the last line keep their words.
class WordTableReader {
public:
    // A table is a few kilobytes; anything far larger is not one, and reading it whole
    // would only cost memory.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    // Reads text.txt (found without regard to case) from the folder into the table.
    static std::optional<WordTableError> read(WordTable& table, const QDir& folder,
                                              WordTableFile* file = nullptr);
    // Reads the word table of the pack, found as every pack file is (files/paths.h).
    static std::optional<WordTableError> read(WordTable& table, WordTableFile* file = nullptr);

    // Reads a table from text already decoded; fileName names it in error messages.
    static std::optional<WordTableError> parse(const QString& text, const QString& fileName,
                                               WordTable& table);
};

}  // namespace zorbla
