// The sound engine: WAV files through libsndfile, played and recorded through Qt
// Multimedia. Built as a module of its own and loaded after the program's first frame.
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/paths.h"
#include "sound/wavbackend.h"

namespace zorbla {

namespace {

constexpr int kMaxChannels = 8;
constexpr int kMaxSampleRate = 384000;
constexpr sf_count_t kChunkFrames = 16384;
// The sound server's buffer for a playing sound, and how often it is topped up. The first
// write fills it whole, so the server starts at once; the rest is a margin against the
// window being busy for a moment.
constexpr int kBufferMs = 2000;  // the server grants about half
constexpr int kFeedMs = 50;
// How long a stopped sink or source is kept before it is deleted. Qt's PulseAudio sink
// that runs dry asks the server, from the server connection's own thread, to drain it and
// to call the sink back; a sink deleted before that answer comes is called back all the
// same. Kept this long, the answer has long come or the stream is gone.
constexpr int kRetireMs = 1000;

bool readWav(const QString& path, Sound* sound) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return false;
    if (info.channels <= 0 || info.channels > kMaxChannels || info.samplerate <= 0 ||
        info.samplerate > kMaxSampleRate) {
        sf_close(file);
        return false;
    }
    Sound result;
    result.sampleRate = info.samplerate;
    result.channels = info.channels;
    // Floating-point sound runs from -1 to 1: read as such and scale it, since read as
    // integers it would come out silent (or, scaled by the library, louder than it is).
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    const bool floating = subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
    // Read in chunks rather than trusting the frame count of the header.
    std::vector<qint16> chunk(size_t(kChunkFrames) * size_t(info.channels));
    std::vector<float> floats(floating ? chunk.size() : 0);
    for (;;) {
        sf_count_t got;
        if (floating) {
            got = sf_readf_float(file, floats.data(), kChunkFrames);
            for (sf_count_t i = 0; i < got * info.channels; ++i) {
                const float v = std::isfinite(floats[size_t(i)]) ? floats[size_t(i)] : 0.0f;
                chunk[size_t(i)] = qint16(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
            }
        } else {
            got = sf_readf_short(file, chunk.data(), kChunkFrames);
        }
        if (got <= 0)
            break;
        result.samples.insert(result.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    const bool failed = sf_error(file) != SF_ERR_NO_ERROR;
    sf_close(file);
    if (failed)
        return false;
    *sound = std::move(result);
    return true;
}

bool writeWav(const QString& path, const Sound& sound, QString* error) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = sound.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open_fd(out.handle(), SFM_WRITE, &info, SF_FALSE);
    if (!file) {
        if (error)
            *error = QString::fromLocal8Bit(sf_strerror(nullptr));
        out.cancelWriting();
        return false;
    }
    const sf_count_t frames = sound.frames();
    const sf_count_t written = frames > 0 ? sf_writef_short(file, sound.samples.data(), frames) : 0;
    const int closeError = sf_close(file);
    if (written != frames || closeError != 0) {
        if (error)
            *error = QStringLiteral("the sound could not be written completely");
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

// One open WAV file held in memory, played through the sound server and recorded into
// from the default microphone. It fails quietly: with no file, no server or no
// microphone it simply does nothing.
class PulseWavBackend final : public WavBackend {
public:
    PulseWavBackend();
    ~PulseWavBackend() override;

    void open(const QString& writtenName) override;
    void close() override;
    void shutdown() override;
    void play() override;
    void stop() override;
    void rewind() override;
    void record() override;
    bool save() override;

    bool isOpen() const override { return open_; }
    QString path() const override { return path_; }
    bool isPlaying() const override { return sink_ != nullptr; }
    bool isRecording() const override { return source_ != nullptr; }
    qint64 position() const override;
    qint64 processedUSecs() const override;
    const Sound& sound() const override { return sound_; }

private:
    void finishPlayback(bool reachedEnd);
    void feedSink();
    void checkPlayback();
    void takeRecordedData();
    void retire(QObject* audio);
    void sweepRetired();
    QAudioFormat format() const;

    QObject context_;  // what the timers and the microphone report to
    bool open_ = false;
    QString path_;
    Sound sound_;
    qint64 position_ = 0;  // frames; where the next play or recording starts

    QAudioSink* sink_ = nullptr;
    QPointer<QIODevice> playOutput_;  // the sink's own device, written to as it frees room
    QByteArray playData_;             // the part of sound_ being played, not copied
    qsizetype playWritten_ = 0;       // bytes of playData_ given to the sink
    qint64 playStartFrame_ = 0;
    qint64 playFrames_ = 0;
    QElapsedTimer playClock_;
    QTimer playTimer_;
    QTimer feedTimer_;

    QAudioSource* source_ = nullptr;
    // Sinks and sources on their way out: stopped, then asked to go after kRetireMs.
    struct Retired {
        QPointer<QObject> audio;
        QElapsedTimer since;
    };
    std::vector<Retired> retired_;
    std::vector<QPointer<QObject>> goingAway_;  // asked to go, not gone yet
    QTimer retireTimer_;
    QPointer<QIODevice> recordInput_;
    QByteArray recordPending_;  // an odd byte left over between reads
};

// The format of a sound recorded into a file that did not exist yet.
QAudioFormat defaultRecordingFormat() {
    QAudioFormat f;
    f.setSampleRate(22050);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

PulseWavBackend::PulseWavBackend() {
    playTimer_.setSingleShot(true);
    QObject::connect(&playTimer_, &QTimer::timeout, &context_, [this] { checkPlayback(); });
    feedTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feedTimer_, &QTimer::timeout, &context_, [this] { feedSink(); });
    QObject::connect(&retireTimer_, &QTimer::timeout, &context_, [this] { sweepRetired(); });
}

PulseWavBackend::~PulseWavBackend() { shutdown(); }

void PulseWavBackend::shutdown() {
    close();
    retireTimer_.stop();  // nothing more is asked to go while the rest goes here
    // What is still waiting to go goes now. Deletions already asked for are taken back
    // first, since each stream runs the event loop as it goes and would otherwise meet
    // its own deletion again.
    std::vector<QPointer<QObject>> all = std::move(goingAway_);
    goingAway_.clear();
    for (const Retired& r : retired_)
        all.push_back(r.audio);
    retired_.clear();
    for (const QPointer<QObject>& audio : all)
        if (audio)
            QCoreApplication::removePostedEvents(audio.data(), QEvent::DeferredDelete);
    for (const QPointer<QObject>& audio : all)
        delete audio.data();
}

// Qt's PulseAudio streams run the event loop while they are destroyed. Deleted inside a
// click handler, that would let the next click run in the middle of this one, so they
// go when the event loop next has nothing else on, once kRetireMs have passed.
void PulseWavBackend::retire(QObject* audio) {
    QElapsedTimer since;
    since.start();
    retired_.push_back({audio, since});
    if (!retireTimer_.isActive())
        retireTimer_.start(kRetireMs / 4);
}

// Each one is asked to go once only: asked again from inside its own destruction, it
// would be destroyed twice.
void PulseWavBackend::sweepRetired() {
    goingAway_.erase(std::remove_if(goingAway_.begin(), goingAway_.end(),
                                    [](const QPointer<QObject>& p) { return p.isNull(); }),
                     goingAway_.end());
    for (auto it = retired_.begin(); it != retired_.end();) {
        if (it->audio && !it->since.hasExpired(kRetireMs)) {
            ++it;
            continue;
        }
        if (it->audio) {
            goingAway_.push_back(it->audio);
            it->audio->deleteLater();
        }
        it = retired_.erase(it);
    }
    if (retired_.empty())
        retireTimer_.stop();
}

QAudioFormat PulseWavBackend::format() const {
    QAudioFormat f;
    f.setSampleRate(sound_.sampleRate);
    f.setChannelCount(sound_.channels);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

void PulseWavBackend::open(const QString& writtenName) {
    close();
    if (writtenName.isEmpty())
        return;
    const QString path = resolvePath(writtenName);
    Sound sound;
    if (!readWav(path, &sound)) {
        // Silent for the child, but whoever looks after the pack should hear of it.
        // A file that is there but is no sound is left alone; a missing one can be recorded.
        if (QFileInfo::exists(path)) {
            std::fprintf(stderr, "zorbla: the sound %s cannot be played: it is not a sound file this program reads\n",
                         qPrintable(writtenName));
            return;
        }
        std::fprintf(stderr, "zorbla: the sound %s is missing\n", qPrintable(writtenName));
        const QAudioFormat f = defaultRecordingFormat();
        sound.sampleRate = f.sampleRate();
        sound.channels = f.channelCount();
    }
    open_ = true;
    path_ = path;
    sound_ = std::move(sound);
    position_ = 0;
}

void PulseWavBackend::close() {
    stop();
    open_ = false;
    path_.clear();
    sound_ = Sound();
    position_ = 0;
}

qint64 PulseWavBackend::position() const {
    if (!sink_)
        return position_;
    const qint64 played = sink_->processedUSecs() * sound_.sampleRate / 1000000;
    return qMin(playStartFrame_ + played, sound_.frames());
}

qint64 PulseWavBackend::processedUSecs() const { return sink_ ? sink_->processedUSecs() : 0; }

void PulseWavBackend::play() {
    if (!open_ || isRecording())
        return;
    if (sink_)
        finishPlayback(false);
    const qint64 total = sound_.frames();
    if (position_ >= total)
        return;
    playStartFrame_ = position_;
    playFrames_ = total - position_;
    const auto* data = reinterpret_cast<const char*>(sound_.samples.data() +
                                                     position_ * sound_.channels);
    const qsizetype bytes = qsizetype(playFrames_ * sound_.channels * qint64(sizeof(qint16)));
    // Parentless: Qt 6.4 gives the sink's backend the sink's parent, and deleting both
    // through one parent frees the backend twice.
    sink_ = new QAudioSink(format());
    const qsizetype bytesPerMs = qsizetype(sound_.sampleRate) * sound_.channels * 2 / 1000;
    sink_->setBufferSize(bytesPerMs * kBufferMs);
    // Written to rather than read from: a sink that reads waits for its first tick before it
    // takes anything, and that wait is most of what a child would notice.
    playOutput_ = sink_->start();
    if (!playOutput_ || sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        // No sound server or no device: play nothing, quietly.
        finishPlayback(false);
        position_ = playStartFrame_;
        return;
    }
    playData_ = QByteArray::fromRawData(data, bytes);
    playWritten_ = 0;
    feedSink();
    playClock_.start();
    feedTimer_.start(kFeedMs);
    playTimer_.start(int(playFrames_ * 1000 / sound_.sampleRate));
}

void PulseWavBackend::feedSink() {
    if (!sink_ || !playOutput_)
        return;
    const int frameBytes = sound_.channels * int(sizeof(qint16));
    qsizetype room = sink_->bytesFree() / frameBytes * frameBytes;
    if (playWritten_ < playData_.size() && room > 0) {
        const qsizetype n = qMin(room, playData_.size() - playWritten_);
        const qint64 written = playOutput_->write(playData_.constData() + playWritten_, n);
        if (written > 0) {
            playWritten_ += qsizetype(written);
            room -= qsizetype(written);
        }
    }
    // After the sound, silence for as long as the sink plays: the server starts a stream
    // only once its pre-buffer is full, so a short sound needs it behind; and a stream
    // never runs dry (see kRetireMs). The silence ends unheard when the sound does.
    if (playWritten_ >= playData_.size() && room > 0)
        playOutput_->write(QByteArray(room, '\0'));
}

void PulseWavBackend::checkPlayback() {
    if (!sink_)
        return;
    const qint64 durationUs = playFrames_ * 1000000 / sound_.sampleRate;
    const qint64 processedUs = sink_->processedUSecs();
    const qint64 elapsedUs = playClock_.nsecsElapsed() / 1000;
    const bool failed = sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError;
    // The sink runs dry before the server has played its buffer; wait for the clock too,
    // so the end of the sound is heard before the stream goes.
    if ((processedUs >= durationUs && elapsedUs >= durationUs) || failed ||
        elapsedUs > durationUs + 5000000) {
        finishPlayback(true);
        return;
    }
    const qint64 waitUs = qMax(processedUs, elapsedUs) < durationUs
                              ? durationUs - qMax(processedUs, elapsedUs)
                              : 20000;
    playTimer_.start(int(qBound<qint64>(qint64(10), waitUs / 1000, qint64(1000))));
}

void PulseWavBackend::finishPlayback(bool reachedEnd) {
    if (!sink_)
        return;
    playTimer_.stop();
    feedTimer_.stop();
    position_ = reachedEnd ? sound_.frames() : position();
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    playOutput_ = nullptr;
    playData_.clear();
    playWritten_ = 0;
    sink->stop();  // the server drops what it still holds: the sound ends at once
    retire(sink);  // and with it the device written to
    if (reachedEnd)
        if (onPlaybackFinished)
            onPlaybackFinished();
}

void PulseWavBackend::stop() {
    if (sink_)
        finishPlayback(false);
    if (source_) {
        takeRecordedData();
        QAudioSource* source = source_;
        source_ = nullptr;
        recordInput_ = nullptr;
        source->stop();
        retire(source);
        recordPending_.clear();
        sound_.samples.resize(size_t(sound_.frames() * sound_.channels));  // whole frames only
        position_ = sound_.frames();
        if (onRecordingStopped)
            onRecordingStopped();
    }
}

void PulseWavBackend::rewind() {
    stop();
    position_ = 0;
}

void PulseWavBackend::record() {
    if (!open_)
        return;
    stop();
    // The recording replaces the sound from the current position on.
    sound_.samples.resize(size_t(position_ * sound_.channels));
    source_ = new QAudioSource(format());  // parentless, as the sink
    recordInput_ = source_->start();
    if (!recordInput_ || source_->error() != QAudio::NoError) {
        QAudioSource* source = source_;
        source_ = nullptr;
        recordInput_ = nullptr;
        retire(source);
        return;
    }
    QObject::connect(recordInput_, &QIODevice::readyRead, &context_, [this] { takeRecordedData(); });
}

void PulseWavBackend::takeRecordedData() {
    if (!recordInput_)
        return;
    recordPending_.append(recordInput_->readAll());
    const qsizetype whole = recordPending_.size() / qsizetype(sizeof(qint16));
    const auto* data = reinterpret_cast<const qint16*>(recordPending_.constData());
    sound_.samples.insert(sound_.samples.end(), data, data + whole);
    recordPending_.remove(0, whole * qsizetype(sizeof(qint16)));
}

bool PulseWavBackend::save() {
    if (!open_)
        return false;
    if (isRecording())
        stop();
    QString error;
    if (writeWav(path_, sound_, &error))
        return true;
    std::fprintf(stderr, "zorbla: the recording could not be saved in %s: %s; the old sound is unchanged\n",
                 qPrintable(QDir::toNativeSeparators(path_)), qPrintable(error));
    return false;
}

}  // namespace
}  // namespace zorbla

extern "C" Q_DECL_EXPORT const zorbla::SoundModuleApi* zorbla_sound_module() {
    static const zorbla::SoundModuleApi api = {
        zorbla::kSoundModuleVersion,
        []() -> zorbla::WavBackend* { return new zorbla::PulseWavBackend; },
        zorbla::readWav,
        zorbla::writeWav,
    };
    return &api;
}
