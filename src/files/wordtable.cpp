#include "files/wordtable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <vector>

#include "files/paths.h"

namespace zorbla {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(WordTable)
};

const QString kEmpty;

// One line's four words, or what is wrong with it.
std::optional<QString> splitLine(const QString& line, std::array<QString, 4>& words) {
    if (line.isEmpty())
        return Words::tr("the line is empty; every line needs a prefix of three characters, "
                              "four words between three commas and a full stop, as in "
                              "\"01 ANT,APPLE,ARM,AXE.\"");
    // Positions are 0-based here: the words begin after the three prefix characters.
    const qsizetype comma1 = line.indexOf(',');
    if (comma1 < 0)
        return Words::tr("no comma; four words need three commas between them");
    if (comma1 < 3)
        return Words::tr("a comma within the first three characters; they are the prefix "
                              "before the first word, as \"01 \" in \"01 ANT,APPLE,ARM,AXE.\"");
    const qsizetype comma2 = line.indexOf(',', comma1 + 1);
    if (comma2 < 0)
        return Words::tr("only one comma; four words need three commas between them");
    const qsizetype comma3 = line.indexOf(',', comma2 + 1);
    if (comma3 < 0)
        return Words::tr("only two commas; four words need three commas between them");
    const qsizetype stop = line.indexOf('.', comma3 + 1);
    if (stop < 0)
        return Words::tr("no full stop after the third comma; the fourth word ends with \".\"");
    words[0] = line.mid(3, comma1 - 3);
    words[1] = line.mid(comma1 + 1, comma2 - comma1 - 1);
    words[2] = line.mid(comma2 + 1, comma3 - comma2 - 1);
    words[3] = line.mid(comma3 + 1, stop - comma3 - 1);
    return std::nullopt;
}

}  // namespace

const QString& WordTable::cell(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return kEmpty;
    return cells_[row][column];
}

void WordTable::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return;
    cells_[row][column] = text;
}

QString WordTableError::message() const {
    if (line > 0)
        return Words::tr("%1, line %2: %3").arg(file).arg(line).arg(what);
    return Words::tr("%1: %2").arg(file, what);
}

std::optional<WordTableError> WordTableReader::parse(const QString& text, const QString& fileName,
                                                     WordTable& table) {
    // A line ends at CR LF, LF or CR; the end of the last line is no further line.
    std::vector<std::array<QString, 4>> rows;
    qsizetype start = 0;
    const qsizetype size = text.size();
    int lineNumber = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        ++lineNumber;
        if (lineNumber > WordTable::kMaxLines)
            return WordTableError{fileName, lineNumber,
                                  Words::tr("the table has room for %1 lines only; delete "
                                                 "this line and those after it")
                                      .arg(WordTable::kMaxLines)};
        std::array<QString, 4> words;
        if (auto fault = splitLine(text.mid(start, end - start), words))
            return WordTableError{fileName, lineNumber, *fault};
        rows.push_back(std::move(words));
        if (end < size && text.at(end) == '\r' && end + 1 < size && text.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    for (size_t i = 0; i < rows.size(); ++i)
        for (int k = 0; k < 4; ++k)
            table.setCell(int(i) + 1, k + 1, rows[i][k]);
    return std::nullopt;
}

namespace {

std::optional<WordTableError> readFile(WordTable& table, const QString& path, const QString& folder,
                                       WordTableFile* file) {
    const QString shown = QFileInfo(path).fileName();
    if (file)
        file->path = path;
    QFileInfo info(path);
    if (!info.exists())
        return WordTableError{shown, 0,
                              Words::tr("the word table is missing from the folder %1")
                                  .arg(QDir::toNativeSeparators(folder))};
    if (info.isDir())
        return WordTableError{shown, 0, Words::tr("this is a folder, not a word table file")};
    if (info.size() > WordTableReader::kMaxFileSize)
        return WordTableError{shown, 0,
                              Words::tr("the file is %1 bytes long, far too large for a "
                                             "word table of at most %2 lines")
                                  .arg(info.size())
                                  .arg(WordTable::kMaxLines)};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return WordTableError{shown, 0, Words::tr("cannot be opened: %1").arg(f.errorString())};
    // Read no more than the limit even if the file grew since it was looked at.
    const QByteArray bytes = f.read(WordTableReader::kMaxFileSize + 1);
    if (f.error() != QFileDevice::NoError)
        return WordTableError{shown, 0, Words::tr("cannot be read: %1").arg(f.errorString())};
    f.close();
    if (bytes.size() > WordTableReader::kMaxFileSize)
        return WordTableError{shown, 0, Words::tr("the file is far too large for a word table")};
    TextEncoding encoding;
    const QString text = decodeText(bytes, &encoding);
    if (file)
        file->encoding = encoding;
    return WordTableReader::parse(text, shown, table);
}

}  // namespace

std::optional<WordTableError> WordTableReader::read(WordTable& table, const QDir& folder, WordTableFile* file) {
    return readFile(table, wordTablePath(folder), folder.absolutePath(), file);
}

std::optional<WordTableError> WordTableReader::read(WordTable& table, WordTableFile* file) {
    return readFile(table, wordTablePath(), ownFolder(), file);
}

}  // namespace zorbla
