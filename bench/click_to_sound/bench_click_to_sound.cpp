// From a click on a letter, number or colour to the first samples the sound server takes,
// beside the floor: a bare libpulse stream, on a connection already made, that writes a
// sound already decoded in memory as soon as the server asks for it. The two are measured
// in turn, so both see the same load on the machine.
//   bench_click_to_sound [clicks]
#include <QApplication>
#include <QDir>
#include <QtTest>

#include <pulse/pulseaudio.h>

#include <atomic>
#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "open_main_window.h"
#include "widgets/clicklabel.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"

namespace {

class BareStream {
public:
    ~BareStream() {
        if (!loop_)
            return;
        pa_threaded_mainloop_lock(loop_);
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }
    bool connect() {
        loop_ = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(loop_);
        pa_threaded_mainloop_lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "bench floor");
        pa_context_set_state_callback(
            context_,
            [](pa_context*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); },
            loop_);
        bool ok = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
        while (ok && pa_context_get_state(context_) != PA_CONTEXT_READY) {
            if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
                ok = false;
            else
                pa_threaded_mainloop_wait(loop_);
        }
        pa_threaded_mainloop_unlock(loop_);
        return ok;
    }
    // Milliseconds from asking for a stream to the first samples written into it; -1 if none.
    double firstWriteMs(const zorbla::Sound& sound, const QByteArray& pcm) {
        struct Play {
            const QByteArray* pcm;
            std::atomic<bool> written{false};
        } play{&pcm};
        QElapsedTimer clock;
        clock.start();
        pa_threaded_mainloop_lock(loop_);
        pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(sound.sampleRate), uint8_t(sound.channels)};
        pa_stream* stream = pa_stream_new(context_, "floor", &format, nullptr);
        pa_stream_set_write_callback(
            stream,
            [](pa_stream* s, size_t bytes, void* p) {
                auto* play = static_cast<Play*>(p);
                if (play->written)
                    return;
                pa_stream_write(s, play->pcm->constData(), qMin(bytes, size_t(play->pcm->size())), nullptr, 0,
                                PA_SEEK_RELATIVE);
                play->written = true;
            },
            &play);
        pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr);
        pa_threaded_mainloop_unlock(loop_);
        const bool ok = bench::waitUntil([&] { return play.written.load(); }, 3000);
        const double ms = bench::msSince(clock);
        pa_threaded_mainloop_lock(loop_);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        pa_threaded_mainloop_unlock(loop_);
        return ok ? ms : -1;
    }

private:
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
    bench::useTestScreen();
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    zorbla::Sound sound;
    if (!zorbla::readWav(QStringLiteral(ZORBLA_DATA_DIR "/sounds/a.wav"), &sound)) {
        std::fprintf(stderr, "bench_click_to_sound: no sounds/a.wav in %s\n", ZORBLA_DATA_DIR);
        return 1;
    }
    const QByteArray pcm(reinterpret_cast<const char*>(sound.samples.data()),
                         qsizetype(sound.samples.size() * sizeof(qint16)));
    BareStream floor;
    if (!floor.connect()) {
        std::fprintf(stderr, "bench_click_to_sound: no sound server\n");
        return 1;
    }

    zorbla::MainWindow window;
    if (!bench::openMainWindow(window))
        return 1;

    QList<QWidget*> targets;
    for (int i = 0; i < 26; ++i)
        targets << bench::control(window, QStringLiteral("letterTile%1").arg(i));
    for (int k = 1; k <= 10; ++k)
        targets << bench::control(window, QStringLiteral("numberTile%1").arg(k));
    for (const char* colour : {"red", "yellow", "brown", "green", "blue", "orange"})
        targets << bench::control(window, QStringLiteral("swatch_") + QLatin1String(colour));
    const zorbla::WavDevice& device = window.mediaControl().device();

    std::vector<double> clickMs, floorMs;
    int lost = 0;
    for (int i = 0; i < clicks; ++i) {
        const double ms = floor.firstWriteMs(sound, pcm);
        if (ms >= 0)
            floorMs.push_back(ms);
        // A click on the next tile, number or swatch in turn.
        QWidget* target = targets[i % targets.size()];
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(target, Qt::LeftButton);
        if (bench::waitUntil([&] { return device.processedUSecs() > 0; }, 3000))
            clickMs.push_back(bench::msSince(clock));
        else
            ++lost;
        QTest::qWait(20);  // a child's next click comes while the sound still plays
    }
    window.mediaControl().setCommand(QStringLiteral("Close"));

    std::printf("click to sound, %d clicks over %lld letters, numbers and colours\n", clicks,
                static_cast<long long>(targets.size()));
    bench::printFigures("click to first samples", clickMs);
    bench::printFigures("floor: a bare stream writes the decoded sound", floorMs);
    std::printf("  goal: median < 20 ms, p95 < 40 ms\n");
    if (lost)
        std::printf("  %d clicks were never heard (no sound server?)\n", lost);
    return clickMs.empty() ? 1 : 0;
}
