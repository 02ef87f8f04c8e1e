#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSink;
class QAudioSource;
class QIODevice;

namespace zorbla {

// Raw 16-bit sound read from or written to a WAV file.
struct Sound {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<qint16> samples;  // interleaved frames

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
};

// Reads any PCM WAV that libsndfile knows, converted to 16 bit. False when the file is
// missing or not a sound.
bool readWav(const QString& path, Sound* sound);

// Writes 16-bit PCM WAV through a temporary file beside the target, renamed over it, so
// a failure never leaves the old file truncated. On failure *error says why.
bool writeWav(const QString& path, const Sound& sound, QString* error = nullptr);

// The sound device behind the media control: one open WAV file held in memory, played
// through the sound server and recorded into from the default microphone. It fails
// quietly: with no file, no server or no microphone it simply does nothing.
class WavDevice : public QObject {
    Q_OBJECT
public:
    explicit WavDevice(QObject* parent = nullptr);
    ~WavDevice() override;

    // Opens a file, named as the program writes it ("sounds\b.wav"), in the working
    // folder. A missing file is opened empty, so a recording can create it; a file that
    // exists but is no sound opens nothing.
    void open(const QString& writtenName);
    void close();
    // Closes and lets every stream go at once. The streams run the event loop as they
    // go, so a window calls this while it is still whole, before its controls go.
    void shutdown();
    void play();
    void stop();
    void rewind();
    void record();
    // Writes the open sound back to its file; false when nothing is open or writing failed.
    bool save();

    bool isOpen() const { return open_; }
    QString path() const { return path_; }  // the file on disk, empty when nothing is open
    bool isPlaying() const { return sink_ != nullptr; }
    bool isRecording() const { return source_ != nullptr; }
    qint64 position() const;  // in frames
    // Microseconds of the current play the sound server has taken; 0 when nothing plays.
    qint64 processedUSecs() const;
    const Sound& sound() const { return sound_; }

    // The format of a sound recorded into a file that did not exist yet.
    static QAudioFormat defaultRecordingFormat();

signals:
    void playbackFinished();
    void recordingStopped();

private:
    void finishPlayback(bool reachedEnd);
    void feedSink();
    void checkPlayback();
    void takeRecordedData();
    void retire(QObject* audio);
    QAudioFormat format() const;

    bool open_ = false;
    QString path_;
    Sound sound_;
    qint64 position_ = 0;  // frames; where the next play or recording starts

    QAudioSink* sink_ = nullptr;
    QPointer<QIODevice> playOutput_;  // the sink's own device, written to as it frees room
    QByteArray playData_;             // the part of sound_ being played, not copied
    qsizetype playWritten_ = 0;       // bytes of playData_ given to the sink
    qsizetype paddingLeft_ = 0;       // silence still to write after the sound
    qint64 playStartFrame_ = 0;
    qint64 playFrames_ = 0;
    QElapsedTimer playClock_;
    QTimer playTimer_;
    QTimer feedTimer_;

    QAudioSource* source_ = nullptr;
    std::vector<QPointer<QObject>> retired_;  // sinks and sources on their way out
    QPointer<QIODevice> recordInput_;
    QByteArray recordPending_;  // an odd byte left over between reads
};

}  // namespace zorbla
