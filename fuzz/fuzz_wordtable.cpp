// The word table reader on arbitrary bytes: it must never crash or hang, a table it
// accepts must hold what the lines say, and the text must survive its own encoding.
#include <QByteArray>

#include <cstdlib>

#include "files/textcodec.h"
#include "files/wordtable.h"

using namespace zorbla;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TextEncoding encoding;
    const QString text = decodeText(bytes, &encoding);

    // Decoding and encoding again gives the bytes back, whichever encoding was found.
    QByteArray back;
    if (!encodeText(text, encoding, &back) || back != bytes)
        std::abort();

    WordTable table;
    table.setCell(56, 4, QStringLiteral("kept"));
    const auto error = WordTableReader::parse(text, QStringLiteral("text.txt"), table);
    if (error) {
        if (error->line < 1 || error->line > WordTable::kMaxLines + 1 || error->what.isEmpty())
            std::abort();
        if (table.cell(56, 4) != QLatin1String("kept"))  // a failed read stores nothing
            std::abort();
        return 0;
    }
    // Every stored word is a piece of the text without a line end in it.
    for (int r = 1; r < WordTable::kRows; ++r)
        for (int c = 1; c < WordTable::kColumns; ++c) {
            const QString& w = table.cell(r, c);
            if (r == 56 && c == 4 && w == QLatin1String("kept"))  // past the end of a shorter table
                continue;
            if (w.contains('\n') || w.contains('\r') || (c < 4 && w.contains(',')) || (c == 4 && w.contains('.')))
                std::abort();
            if (!w.isEmpty() && !text.contains(w))
                std::abort();
        }
    return 0;
}
