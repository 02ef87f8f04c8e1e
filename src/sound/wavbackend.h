#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace zorbla {

// Raw 16-bit sound read from or written to a WAV file.
struct Sound {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<qint16> samples;  // interleaved frames

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
};

// Why the last play or recording did not start, or ended before its time.
enum class SoundProblem {
    None,
    NoServer,      // no sound server answers
    NoMicrophone,  // the server has no microphone to record from
    ServerGone,    // the server went away in the middle
};

// The sound engine behind WavDevice. It lives in a module of its own (with libpulse and
// libsndfile, and what they bring) that is loaded after the first frame, so the program
// does not wait for them to start.
class WavBackend {
public:
    virtual ~WavBackend() = default;

    // Opens the file at path; shownName names it in messages ("sounds\\b.wav").
    virtual void open(const QString& path, const QString& shownName) = 0;
    virtual void close() = 0;
    virtual void shutdown() = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void rewind() = 0;
    virtual void record() = 0;
    // Writes the open sound to target, which may be another file than the one read.
    virtual bool save(const QString& target) = 0;

    virtual bool isOpen() const = 0;
    virtual QString path() const = 0;
    virtual bool isPlaying() const = 0;
    virtual bool isRecording() const = 0;
    virtual qint64 position() const = 0;
    virtual qint64 processedUSecs() const = 0;
    virtual const Sound& sound() const = 0;
    virtual SoundProblem problem() const = 0;

    std::function<void()> onPlaybackFinished;
    std::function<void()> onRecordingStopped;
};

// What the module hands out. The version changes whenever this or WavBackend does.
struct SoundModuleApi {
    int version;
    WavBackend* (*createBackend)();
    bool (*readWav)(const QString& path, Sound* sound);
    bool (*writeWav)(const QString& path, const Sound& sound, QString* error);
};

constexpr int kSoundModuleVersion = 3;

}  // namespace zorbla

// The module's one entry point, looked up by name.
#define ZORBLA_SOUND_MODULE_ENTRY "zorbla_sound_module"
using ZorblaSoundModuleEntry = const zorbla::SoundModuleApi* (*)();
