#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "sound/wavbackend.h"

namespace zorbla {

// Reads any PCM WAV that libsndfile knows, converted to 16 bit. False when the file is
// missing or not a sound, or when there is no sound engine.
bool readWav(const QString& path, Sound* sound);

// Writes 16-bit PCM WAV through a temporary file beside the target, renamed over it, so
// a failure never leaves the old file truncated. On failure *error says why.
bool writeWav(const QString& path, const Sound& sound, QString* error = nullptr);

// The sound device behind the media control: one open WAV file held in memory, played
// through the sound server and recorded into from the default microphone. It fails
// quietly: with no file, no server, no microphone or no sound engine it does nothing.
// The engine is loaded when a sound is first opened, if it is not loaded already.
class WavDevice : public QObject {
    Q_OBJECT
public:
    explicit WavDevice(QObject* parent = nullptr);
    ~WavDevice() override;

    // Opens a file of the pack, named as the program writes it ("sounds\b.wav"). A
    // missing file is opened empty, so a recording can create it; a file that exists but
    // is no sound opens nothing.
    void open(const QString& writtenName);
    void close();
    // Closes and lets every stream go at once.
    void shutdown();
    void play();
    void stop();
    void rewind();
    void record();
    // Writes the open sound to the family's own copy of its file; false when nothing is
    // open or writing failed.
    bool save();

    bool isOpen() const { return backend_ && backend_->isOpen(); }
    // The file on disk it was read from or last saved to, empty when nothing is open.
    QString path() const { return backend_ ? backend_->path() : QString(); }
    bool isPlaying() const { return backend_ && backend_->isPlaying(); }
    bool isRecording() const { return backend_ && backend_->isRecording(); }
    qint64 position() const { return backend_ ? backend_->position() : 0; }  // in frames
    // Microseconds of the current play the sound server has taken; 0 when nothing plays.
    qint64 processedUSecs() const { return backend_ ? backend_->processedUSecs() : 0; }
    const Sound& sound() const;
    // Why the last play or recording did not start, or ended before its time.
    SoundProblem problem() const { return backend_ ? backend_->problem() : SoundProblem::NoServer; }

signals:
    void playbackFinished();
    void recordingStopped();
    void saved(bool ok);  // after save(): whether the sound was written

private:
    std::unique_ptr<WavBackend> backend_;  // made when a sound is first opened
    QString written_;                      // the name of the sound open
};

// Loads the sound engine on another thread now, so that the first sound does not wait
// for it. Called once the program's first frame is on the screen.
void preloadSoundEngine();

}  // namespace zorbla
