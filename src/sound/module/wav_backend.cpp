// The sound engine: WAV files through libsndfile, played and recorded through the sound
// server with libpulse. Built as a module of its own and loaded after the program's first
// frame.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>

#include "sound/module/pulse_client.h"
#include "sound/wavbackend.h"

namespace zorbla {

namespace {

constexpr int kMaxChannels = 8;
constexpr int kMaxSampleRate = 384000;
constexpr sf_count_t kChunkFrames = 16384;
// What the server holds of a playing sound: enough to ride out a busy moment, little
// enough that a cut-off sound stops at once.
constexpr int kPlayBufferMs = 250;
// How often a recording is handed over, which is how often the studio's meter moves.
constexpr int kRecordFragmentMs = 40;
// How long a recording waits to learn whether there is a microphone.
constexpr int kAskServerMs = 1000;

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

class PulseWavBackend;

// Holding the lock: lets a stream go with no further news of it. One still being made
// cannot be disconnected yet; it is once the server has made it.
void letGo(pa_stream* stream) {
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    const auto settled = [](pa_stream* s, void*) {
        const pa_stream_state_t state = pa_stream_get_state(s);
        if (state == PA_STREAM_READY) {
            pa_stream_disconnect(s);
        } else if (!PA_STREAM_IS_GOOD(state)) {
            pa_stream_set_state_callback(s, nullptr, nullptr);
            pa_stream_unref(s);
        }
    };
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_CREATING:
        pa_stream_set_state_callback(stream, settled, nullptr);
        break;
    case PA_STREAM_READY:
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        break;
    default:
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        break;
    }
}

// A sound on its way to the server: libpulse's thread writes it as the server asks for it.
struct Playback {
    PulseWavBackend* backend = nullptr;
    quint64 id = 0;
    pa_stream* stream = nullptr;
    QByteArray data;  // the part of the sound being played, not copied
    // Holding the lock:
    qsizetype written = 0;
    pa_operation* drain = nullptr;  // asked for once everything is written
    QElapsedTimer sinceFirstWrite;
};

// A recording: libpulse's thread gathers what the microphone gives, and hands it over.
struct Capture {
    PulseWavBackend* backend = nullptr;
    quint64 id = 0;
    pa_stream* stream = nullptr;
    // Holding the lock:
    QByteArray pending;
    bool handOverAsked = false;
};

// One open WAV file held in memory, played through the sound server and recorded into
// from the default microphone. It fails quietly: with no file, no server or no
// microphone it simply does nothing, and problem() says why.
class PulseWavBackend final : public WavBackend {
public:
    PulseWavBackend();
    ~PulseWavBackend() override;

    void open(const QString& path, const QString& shownName) override;
    void close() override;
    void shutdown() override;
    void play() override;
    void stop() override;
    void rewind() override;
    void record() override;
    bool save(const QString& target) override;

    bool isOpen() const override { return open_; }
    QString path() const override { return path_; }
    bool isPlaying() const override { return playback_ != nullptr; }
    bool isRecording() const override { return capture_ != nullptr; }
    qint64 position() const override;
    qint64 processedUSecs() const override;
    const Sound& sound() const override { return sound_; }
    SoundProblem problem() const override { return problem_; }

private:
    static void onPlaybackState(pa_stream* stream, void* playback);
    static void onPlaybackWanted(pa_stream* stream, size_t bytes, void* playback);
    static void onPlaybackDrained(pa_stream* stream, int success, void* playback);
    static void onCaptureState(pa_stream* stream, void* capture);
    static void onCaptureRead(pa_stream* stream, size_t bytes, void* capture);
    // From libpulse's thread: f runs on the program's thread, unless this backend is gone.
    template <typename F>
    void post(F f) {
        QMetaObject::invokeMethod(&context_, std::move(f), Qt::QueuedConnection);
    }

    void playbackDrained(quint64 id);
    void playbackFailed(quint64 id);
    void finishPlayback(bool reachedEnd);
    void endPlaybackStream();
    void takeRecordedData();
    void endRecording();
    SoundProblem askForMicrophone(pa_context* context);
    pa_sample_spec sampleFormat() const;
    pa_channel_map channelMap() const;

    PulseClient& client_ = PulseClient::instance();
    QObject context_;  // what libpulse's news and the timer report to
    bool open_ = false;
    QString path_;
    Sound sound_;
    qint64 position_ = 0;  // frames; where the next play or recording starts
    SoundProblem problem_ = SoundProblem::None;
    quint64 lastId_ = 0;

    std::unique_ptr<Playback> playback_;
    qint64 playStartFrame_ = 0;
    qint64 playFrames_ = 0;
    QElapsedTimer playClock_;
    QTimer playTimer_;

    std::unique_ptr<Capture> capture_;
    QByteArray recordPending_;             // an odd byte left over between hand-overs
    std::vector<qint16> beforeRecording_;  // the sound a recording replaces, until it ends well
    qint64 recordStartFrame_ = 0;
    bool recordingLost_ = false;           // cut short by the server: nothing to save
};

PulseWavBackend::PulseWavBackend() {
    playTimer_.setSingleShot(true);
    QObject::connect(&playTimer_, &QTimer::timeout, &context_, [this] { finishPlayback(true); });
}

PulseWavBackend::~PulseWavBackend() { shutdown(); }

// Every stream goes at once, holding the lock, so no news of it comes afterwards.
void PulseWavBackend::shutdown() { close(); }

pa_sample_spec PulseWavBackend::sampleFormat() const {
    pa_sample_spec s{};
    s.format = PA_SAMPLE_S16LE;
    s.rate = uint32_t(sound_.sampleRate);
    s.channels = uint8_t(sound_.channels);
    return s;
}

pa_channel_map PulseWavBackend::channelMap() const {
    pa_channel_map map;
    pa_channel_map_init_extend(&map, unsigned(sound_.channels), PA_CHANNEL_MAP_DEFAULT);
    return map;
}

void PulseWavBackend::open(const QString& path, const QString& writtenName) {
    close();
    if (path.isEmpty())
        return;
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
        sound = Sound();  // a new recording: 22050 Hz, mono
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
    recordingLost_ = false;
}

qint64 PulseWavBackend::position() const {
    if (!playback_)
        return position_;
    PulseLock hold(client_);
    if (!playback_->sinceFirstWrite.isValid())
        return playStartFrame_;
    const qint64 written = playback_->written / (sound_.channels * qint64(sizeof(qint16)));
    const qint64 played = playback_->sinceFirstWrite.nsecsElapsed() / 1000 * sound_.sampleRate / 1000000;
    return playStartFrame_ + qMin(played, written);
}

qint64 PulseWavBackend::processedUSecs() const {
    if (!playback_)
        return 0;
    PulseLock hold(client_);
    const qint64 frames = playback_->written / (sound_.channels * qint64(sizeof(qint16)));
    return frames * 1000000 / sound_.sampleRate;
}

void PulseWavBackend::play() {
    if (!open_ || isRecording())
        return;
    if (playback_)
        finishPlayback(false);
    const qint64 total = sound_.frames();
    if (position_ >= total)
        return;
    const pa_sample_spec s = sampleFormat();
    if (!pa_sample_spec_valid(&s))
        return;
    pa_context* context = client_.connection();
    if (!context) {
        problem_ = SoundProblem::NoServer;
        return;
    }
    problem_ = SoundProblem::None;
    auto playback = std::make_unique<Playback>();
    playback->backend = this;
    playback->id = ++lastId_;
    const auto* data = reinterpret_cast<const char*>(sound_.samples.data() + position_ * sound_.channels);
    playback->data = QByteArray::fromRawData(data, qsizetype((total - position_) * sound_.channels * 2));
    {
        PulseLock hold(client_);
        const pa_channel_map map = channelMap();
        pa_stream* stream =
            pa_stream_new(context, QFileInfo(path_).fileName().toUtf8().constData(), &s, &map);
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, &PulseWavBackend::onPlaybackState, playback.get());
        pa_stream_set_write_callback(stream, &PulseWavBackend::onPlaybackWanted, playback.get());
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t(kPlayBufferMs) * PA_USEC_PER_MSEC, &s));
        attr.prebuf = uint32_t(-1);
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        // No device named: the desktop's default, followed when the desktop changes it.
        if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
            letGo(stream);
            return;
        }
        playback->stream = stream;
    }
    playback_ = std::move(playback);
    playStartFrame_ = position_;
    playFrames_ = total - position_;
    playClock_.start();
    // At the latest this long after the sound's end, it counts as played whatever the server says.
    playTimer_.start(int(qMin<qint64>(playFrames_ * 1000 / sound_.sampleRate + 5000, INT_MAX)));
}

// On libpulse's thread, holding the lock.
void PulseWavBackend::onPlaybackState(pa_stream* stream, void* p) {
    auto* playback = static_cast<Playback*>(p);
    if (pa_stream_get_state(stream) == PA_STREAM_FAILED) {
        PulseWavBackend* backend = playback->backend;
        const quint64 id = playback->id;
        backend->post([backend, id] { backend->playbackFailed(id); });
    }
}

// On libpulse's thread, holding the lock: the server has room for this many bytes.
void PulseWavBackend::onPlaybackWanted(pa_stream* stream, size_t bytes, void* p) {
    auto* playback = static_cast<Playback*>(p);
    const qsizetype n = qMin(qsizetype(bytes), playback->data.size() - playback->written);
    if (n > 0) {
        if (!playback->sinceFirstWrite.isValid())
            playback->sinceFirstWrite.start();
        pa_stream_write(stream, playback->data.constData() + playback->written, size_t(n), nullptr, 0,
                        PA_SEEK_RELATIVE);
        playback->written += n;
    }
    // Draining also starts a sound shorter than what the server waits for before it plays.
    if (playback->written >= playback->data.size() && !playback->drain)
        playback->drain = pa_stream_drain(stream, &PulseWavBackend::onPlaybackDrained, p);
}

void PulseWavBackend::onPlaybackDrained(pa_stream*, int success, void* p) {
    auto* playback = static_cast<Playback*>(p);
    PulseWavBackend* backend = playback->backend;
    const quint64 id = playback->id;
    if (success)
        backend->post([backend, id] { backend->playbackDrained(id); });
    else
        backend->post([backend, id] { backend->playbackFailed(id); });
}

// The server has played what it was given; the end is heard once the sound's own time
// has passed too.
void PulseWavBackend::playbackDrained(quint64 id) {
    if (!playback_ || playback_->id != id)
        return;
    const qint64 durationMs = playFrames_ * 1000 / sound_.sampleRate;
    playTimer_.start(int(qBound<qint64>(0, durationMs - playClock_.elapsed(), qint64(INT_MAX))));
}

void PulseWavBackend::playbackFailed(quint64 id) {
    if (!playback_ || playback_->id != id)
        return;
    problem_ = SoundProblem::ServerGone;
    finishPlayback(true);
}

void PulseWavBackend::finishPlayback(bool reachedEnd) {
    if (!playback_)
        return;
    playTimer_.stop();
    position_ = reachedEnd ? sound_.frames() : position();
    endPlaybackStream();  // the server drops what it still holds: the sound ends at once
    if (reachedEnd && onPlaybackFinished)
        onPlaybackFinished();
}

void PulseWavBackend::endPlaybackStream() {
    {
        PulseLock hold(client_);
        if (pa_operation* drain = playback_->drain) {
            if (pa_operation_get_state(drain) == PA_OPERATION_RUNNING)
                pa_operation_cancel(drain);
            pa_operation_unref(drain);
        }
        letGo(playback_->stream);
    }
    playback_.reset();
}

void PulseWavBackend::stop() {
    if (playback_)
        finishPlayback(false);
    if (capture_)
        endRecording();
}

void PulseWavBackend::rewind() {
    stop();
    position_ = 0;
}

// The server's default source, when it is a microphone and not the echo of a sink (which
// a server with no microphone offers in its place, and which would record silence).
SoundProblem PulseWavBackend::askForMicrophone(pa_context* context) {
    struct Answer {
        PulseClient* client;
        bool done = false;
        bool microphone = false;
    } answer{&client_};
    PulseLock hold(client_);
    pa_operation* asking = pa_context_get_source_info_by_name(
        context, "@DEFAULT_SOURCE@",
        [](pa_context*, const pa_source_info* info, int last, void* a) {
            auto* answer = static_cast<Answer*>(a);
            if (last == 0 && info)
                answer->microphone = info->monitor_of_sink == PA_INVALID_INDEX;
            else
                answer->done = true;
            answer->client->signal();
        },
        &answer);
    if (!asking)
        return SoundProblem::NoServer;
    client_.wait([&] { return answer.done || pa_operation_get_state(asking) != PA_OPERATION_RUNNING; },
                 kAskServerMs);
    const bool answered = answer.done;
    if (pa_operation_get_state(asking) == PA_OPERATION_RUNNING)
        pa_operation_cancel(asking);
    pa_operation_unref(asking);
    if (!answered)
        return SoundProblem::NoServer;
    return answer.microphone ? SoundProblem::None : SoundProblem::NoMicrophone;
}

void PulseWavBackend::record() {
    if (!open_)
        return;
    stop();
    recordingLost_ = false;
    const pa_sample_spec s = sampleFormat();
    if (!pa_sample_spec_valid(&s))
        return;
    pa_context* context = client_.connection();
    problem_ = context ? askForMicrophone(context) : SoundProblem::NoServer;
    if (problem_ != SoundProblem::None)
        return;
    auto capture = std::make_unique<Capture>();
    capture->backend = this;
    capture->id = ++lastId_;
    {
        PulseLock hold(client_);
        const pa_channel_map map = channelMap();
        pa_stream* stream = pa_stream_new(context, "Recording", &s, &map);
        if (!stream) {
            problem_ = SoundProblem::NoServer;
            return;
        }
        pa_stream_set_state_callback(stream, &PulseWavBackend::onCaptureState, capture.get());
        pa_stream_set_read_callback(stream, &PulseWavBackend::onCaptureRead, capture.get());
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(pa_usec_to_bytes(pa_usec_t(kRecordFragmentMs) * PA_USEC_PER_MSEC, &s));
        if (pa_stream_connect_record(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY) < 0) {
            letGo(stream);
            problem_ = SoundProblem::NoServer;
            return;
        }
        capture->stream = stream;
    }
    capture_ = std::move(capture);
    // The recording replaces the sound from the current position on; the old sound is kept
    // until the recording has ended well.
    beforeRecording_ = sound_.samples;
    recordStartFrame_ = position_;
    sound_.samples.resize(size_t(position_ * sound_.channels));
}

// On libpulse's thread, holding the lock.
void PulseWavBackend::onCaptureState(pa_stream* stream, void* c) {
    auto* capture = static_cast<Capture*>(c);
    if (pa_stream_get_state(stream) == PA_STREAM_FAILED) {
        PulseWavBackend* backend = capture->backend;
        const quint64 id = capture->id;
        backend->post([backend, id] {
            if (backend->capture_ && backend->capture_->id == id)
                backend->endRecording();
        });
    }
}

// On libpulse's thread, holding the lock.
void PulseWavBackend::onCaptureRead(pa_stream* stream, size_t, void* c) {
    auto* capture = static_cast<Capture*>(c);
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        if (data)
            capture->pending.append(static_cast<const char*>(data), qsizetype(bytes));
        else
            capture->pending.append(QByteArray(qsizetype(bytes), '\0'));  // a gap the server left
        pa_stream_drop(stream);
    }
    if (!capture->handOverAsked && !capture->pending.isEmpty()) {
        capture->handOverAsked = true;
        PulseWavBackend* backend = capture->backend;
        const quint64 id = capture->id;
        backend->post([backend, id] {
            if (backend->capture_ && backend->capture_->id == id)
                backend->takeRecordedData();
        });
    }
}

void PulseWavBackend::takeRecordedData() {
    if (!capture_)
        return;
    {
        PulseLock hold(client_);
        recordPending_.append(capture_->pending);
        capture_->pending.clear();
        capture_->handOverAsked = false;
    }
    const qsizetype whole = recordPending_.size() / qsizetype(sizeof(qint16));
    const auto* data = reinterpret_cast<const qint16*>(recordPending_.constData());
    sound_.samples.insert(sound_.samples.end(), data, data + whole);
    recordPending_.remove(0, whole * qsizetype(sizeof(qint16)));
}

void PulseWavBackend::endRecording() {
    takeRecordedData();
    bool lost;
    {
        PulseLock hold(client_);
        lost = !PA_STREAM_IS_GOOD(pa_stream_get_state(capture_->stream));
        letGo(capture_->stream);
    }
    capture_.reset();
    recordPending_.clear();
    if (lost) {
        // Cut short by the server: the sound it was to replace stays as it was.
        sound_.samples = std::move(beforeRecording_);
        position_ = recordStartFrame_;
        recordingLost_ = true;
        problem_ = SoundProblem::ServerGone;
        std::fprintf(stderr, "zorbla: the recording into %s was cut short when the sound server went away; "
                             "the old sound is kept\n",
                     qPrintable(QDir::toNativeSeparators(path_)));
    } else {
        sound_.samples.resize(size_t(sound_.frames() * sound_.channels));  // whole frames only
        position_ = sound_.frames();
    }
    beforeRecording_ = {};
    if (onRecordingStopped)
        onRecordingStopped();
}

bool PulseWavBackend::save(const QString& target) {
    if (!open_)
        return false;
    if (isRecording())
        stop();
    if (recordingLost_) {
        std::fprintf(stderr,
                     "zorbla: nothing is saved in %s: its recording was cut short; the old sound is unchanged\n",
                     qPrintable(QDir::toNativeSeparators(path_)));
        return false;
    }
    QString error;
    if (writeWav(target, sound_, &error)) {
        path_ = target;
        return true;
    }
    std::fprintf(stderr, "zorbla: the recording could not be saved in %s: %s; the old sound is unchanged\n",
                 qPrintable(QDir::toNativeSeparators(target)), qPrintable(error));
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
