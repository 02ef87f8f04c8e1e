#pragma once

#include <QtGlobal>

#include <vector>

// How loud a sound is and how it is brought to the pack's loudness: the pack generator
// uses these for every sound it speaks, the voice studio for every take it keeps, so a
// family's voice sits beside the pack's at one loudness.
namespace zorbla::level {

using Samples = std::vector<qint16>;  // mono

// One loudness for the whole pack, in LUFS: leaves speech room for its peaks.
constexpr double kPackLoudness = -20.0;

// Cuts leading and trailing quiet (below about -38 dBFS) down to keepMs, with short
// fades; empty when nothing is louder than that.
Samples trimSilence(const Samples& in, int sampleRate, int keepMs = 40);

// Integrated loudness (EBU R 128) in LUFS, -infinity for silence; a sound shorter than a
// second is measured repeated, as the measure needs 400 ms blocks.
double loudness(const Samples& s, int sampleRate);

// Brings the sound to kPackLoudness. A peak that would clip is turned down and let up
// again over 50 ms (a limiter), which touches too little of it to change its loudness.
void toPackLoudness(Samples* s, int sampleRate);

}  // namespace zorbla::level
