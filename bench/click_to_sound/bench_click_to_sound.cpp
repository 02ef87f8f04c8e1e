// From a click on a letter, number or colour to the first samples the sound server takes,
// beside the floor: starting a sink on a sound already decoded in memory. The two are
// measured in turn, so both see the same load on the machine.
//   bench_click_to_sound [clicks]
#include <QApplication>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QtTest>

#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "open_main_window.h"
#include "widgets/clicklabel.h"
#include "sound/mmcontrol.h"
#include "sound/wavdevice.h"

int main(int argc, char* argv[]) {
    bench::useTestScreen();
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    zorbla::Sound sound;
    if (!zorbla::readWav(QStringLiteral(ZORBLA_DATA_DIR "/sounds/a.wav"), &sound)) {
        std::fprintf(stderr, "bench_click_to_sound: no sounds/a.wav in %s\n", ZORBLA_DATA_DIR);
        return 1;
    }
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    const QByteArray pcm(reinterpret_cast<const char*>(sound.samples.data()),
                         qsizetype(sound.samples.size() * sizeof(qint16)));

    zorbla::frmZorbla window;
    if (!bench::openMainWindow(window))
        return 1;

    QList<QWidget*> targets;
    for (auto* l : window.Label_)
        targets << l;
    for (auto* l : window.LabelBroj_)
        targets << l;
    targets << window.imgCrvena << window.imgZuta << window.imgSmeda << window.imgZelena
            << window.imgPlava << window.imgNarandasta;
    const zorbla::WavDevice& device = window.MMControl1->device();

    std::vector<double> clickMs, floorMs, pushMs;
    int lost = 0;
    for (int i = 0; i < clicks; ++i) {
        // The floor: a sink started on a decoded buffer.
        {
            QBuffer buffer;
            buffer.setData(pcm);
            buffer.open(QIODevice::ReadOnly);
            QElapsedTimer clock;
            clock.start();
            auto* sink = new QAudioSink(format);
            sink->start(&buffer);
            if (bench::waitUntil([&] { return sink->processedUSecs() > 0; }, 3000))
                floorMs.push_back(bench::msSince(clock));
            sink->stop();
            delete sink;
        }
        // The floor again, the sound written straight into the sink.
        {
            QElapsedTimer clock;
            clock.start();
            auto* sink = new QAudioSink(format);
            QIODevice* out = sink->start();
            if (out) {
                out->write(pcm.left(qMin<qsizetype>(pcm.size(), sink->bytesFree())));
                if (bench::waitUntil([&] { return sink->processedUSecs() > 0; }, 3000))
                    pushMs.push_back(bench::msSince(clock));
            }
            sink->stop();
            delete sink;
        }
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
    window.MMControl1->setCommand(QStringLiteral("Close"));

    std::printf("click to sound, %d clicks over %lld letters, numbers and colours\n", clicks,
                static_cast<long long>(targets.size()));
    bench::printFigures("click to first samples", clickMs);
    bench::printFigures("floor: sink reads decoded sound", floorMs);
    bench::printFigures("floor: decoded sound written", pushMs);
    std::printf("  goal: median < 20 ms, p95 < 40 ms\n");
    if (lost)
        std::printf("  %d clicks were never heard (no sound server?)\n", lost);
    return clickMs.empty() ? 1 : 0;
}
