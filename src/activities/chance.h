#pragma once

namespace zorbla {

// The program's random choices (the letter to find, the word to guess, the count), uniform
// over 0 .. n-1, from one generator for the whole program: reseeding from the clock at each
// draw would give the same choice to two quick clicks. Seeded by the system, or, when the
// environment sets ZORBLA_SEED, by that number, so that two runs choose alike (for grabs of
// the windows compared between two builds).
int randomBelow(int n);

}  // namespace zorbla
