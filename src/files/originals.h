#pragma once

#include <QString>

// A sound the family records over is the pack's until then. Where the pack's own lies
// beneath the family's folder it stays there, and putting it back only takes the family's
// away. A sound with nothing beneath (a folder started in by hand, or a family's own
// sound) is first kept as it was, once, under "originals" in the family's folder
// ("originals/sounds/b.wav"), so that it can always be put back.
// Every name is written as the program writes it ("sounds\b.wav").
namespace zorbla::originals {

// Where the original of a file is kept when there is nothing beneath.
QString keptPath(const QString& written);

// Whether the family's own file is in place of one that can be put back.
bool isReplaced(const QString& written);

// Keeps the file as it is now, before the family's own is written over it, unless an
// original is kept already, the pack's lies beneath, or there is no file yet; written
// whole or not at all. False, with *error, when it could not be kept.
bool keep(const QString& written, QString* error = nullptr);

// Puts the original back in place of the family's file, whole or not at all; the kept
// copy goes once it is back. False, with *error, when there is none or it could not be put.
bool restore(const QString& written, QString* error = nullptr);

}  // namespace zorbla::originals
