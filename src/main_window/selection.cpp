#include "main_window/selection.h"

#include "files/pack.h"
#include "files/wordtable.h"

namespace zorbla {

Selection startingSelection() {
    Selection s;
    s.letter = QStringLiteral("A");
    s.words[0] = QStringLiteral("ZORBLA");
    s.sounds[0] = pack::sound(pack::alphabet);
    return s;
}

Selection letterSelection(const WordTable& table, int index) {
    Selection s;
    s.letter = table.capitalLetter(index);
    s.sound = pack::letterSound(index);
    s.smallLetter = table.smallLetter(index);
    for (int p = 1; p <= 4; ++p) {
        const size_t at = size_t(p - 1);
        s.words[at] = table.cell(index + 1, p);
        s.pictures[at] = pack::letterPicture(index, p);
        s.animations[at] = pack::letterAnimation(index, p);
        s.sounds[at] = pack::letterWordSound(index, p);
    }
    return s;
}

Selection numberSelection(const WordTable& table, int k, const QString& letter) {
    Selection s;
    s.letter = letter;
    s.sound = pack::numberSound(k);
    for (int p = 1; p <= 4; ++p) {
        const size_t at = size_t(p - 1);
        s.words[at] = table.cell(30 + k, p);
        s.pictures[at] = pack::numberPicture(k, p);
        s.animations[at] = pack::numberAnimation(k);
        s.sounds[at] = pack::numberWordSound(k, p);
    }
    return s;
}

}  // namespace zorbla
