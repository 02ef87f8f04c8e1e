#pragma once

#include <QString>

// A sound replaced by a recording (the S key, or the voice studio) is first kept as it
// was, once, under "originals" in the working folder ("originals/sounds/b.wav"), so that
// it can always be put back, whatever was recorded over it since.
namespace zorbla::originals {

// Where the original of a file of the working folder is kept.
QString keptPath(const QString& path);
bool isKept(const QString& path);

// Keeps the file as it is now, unless an original is kept already or there is no file
// yet; written whole or not at all. False, with *error, when it could not be kept.
bool keep(const QString& path, QString* error = nullptr);

// Puts the kept original back in place of the file, whole or not at all; the kept copy
// goes once it is back. False, with *error, when there is none or it could not be put.
bool restore(const QString& path, QString* error = nullptr);

}  // namespace zorbla::originals
