#pragma once

#include <QByteArray>
#include <QString>

namespace zorbla {

// How an 8-bit text file was stored, so that it can be written back the same way.
struct TextEncoding {
    enum Kind { Utf8, Windows1250 };
    Kind kind = Utf8;
    bool bom = false;  // a UTF-8 byte-order mark stood at the start
};

// Decodes a word table file: bytes that are valid UTF-8 are UTF-8, anything else is
// Windows-1250 (the code page such files were made with). A UTF-8 byte-order mark is
// dropped and remembered.
QString decodeText(const QByteArray& bytes, TextEncoding* encoding = nullptr);

// Encodes text in the given encoding. Returns false when a character has no place in
// Windows-1250; *badIndex then tells which one.
bool encodeText(const QString& text, const TextEncoding& encoding, QByteArray* out,
                qsizetype* badIndex = nullptr);

bool isValidUtf8(const QByteArray& bytes);

}  // namespace zorbla
