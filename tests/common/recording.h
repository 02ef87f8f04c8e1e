#pragma once

// What a recording from the test microphone must hold: the samples written into the
// microphone's pipe, bit for bit. PulseAudio gives just those; PipeWire feeds silence
// while the pipe is quiet, so there a take may have silence before and after them.

#include <QFile>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace zorbla_test {

// Speaks the samples into the test microphone, followed by a little silence: PipeWire
// passes a pipe's samples on in whole periods, and the silence pushes the last one out.
inline bool speakIntoMicrophone(const std::vector<qint16>& samples) {
    QFile mic(qEnvironmentVariable("ZORBLA_MIC_FIFO"));
    if (!mic.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    std::vector<qint16> sound = samples;
    sound.resize(samples.size() + 4096, 0);
    const qint64 bytes = qint64(sound.size() * sizeof(qint16));
    return mic.write(reinterpret_cast<const char*>(sound.data()), bytes) == bytes;
}

inline bool holdsIntact(const std::vector<qint16>& take, const std::vector<qint16>& known) {
    const auto at = std::search(take.begin(), take.end(), known.begin(), known.end());
    if (at == take.end())
        return false;
    const auto silent = [](qint16 v) { return v == 0; };
    return std::all_of(take.begin(), at, silent) && std::all_of(at + std::ptrdiff_t(known.size()), take.end(), silent);
}

inline bool holds(const std::vector<qint16>& take, const std::vector<qint16>& known) {
    return std::search(take.begin(), take.end(), known.begin(), known.end()) != take.end();
}

}  // namespace zorbla_test
