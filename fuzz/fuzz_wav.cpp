// The sound device's "Open" on arbitrary bytes: whatever it accepts must be sound it can
// write back and read again unchanged.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

#include "sound/wavdevice.h"

using namespace zorbla;

namespace {

QString scratch(const char* name) {
    static const QString dir = [] {
        const QString d = QStringLiteral("/tmp/zorbla-fuzz-wav-%1").arg(getpid());
        QDir().mkpath(d);
        return d;
    }();
    return dir + '/' + QLatin1String(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = scratch("in.wav");
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    WavDevice device;
    device.open(input);
    if (!device.isOpen())
        return 0;
    const Sound& sound = device.sound();
    if (sound.channels < 1 || sound.sampleRate < 1 || sound.samples.size() % size_t(sound.channels) != 0)
        std::abort();
    if (sound.frames() > 0 && !device.save())
        std::abort();
    Sound back;
    if (sound.frames() > 0 && (!readWav(input, &back) || back.samples != sound.samples ||
                               back.channels != sound.channels || back.sampleRate != sound.sampleRate))
        std::abort();
    device.rewind();
    device.close();
    return 0;
}
