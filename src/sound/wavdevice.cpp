#include "sound/wavdevice.h"

#include "files/originals.h"
#include "files/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <future>
#include <mutex>

#include <dlfcn.h>

namespace zorbla {

namespace {

QString programFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// Kept for the whole run (volatile, so that the store is never optimised away and the
// library stays reachable for leak checkers).
QLibrary* volatile engineLibrary = nullptr;

// Where the engine may be: built into the program itself (the fuzzing build), installed
// beside it, or in the build tree.
const SoundModuleApi* loadEngine(QString* error) {
    if (auto entry = reinterpret_cast<ZorblaSoundModuleEntry>(dlsym(RTLD_DEFAULT, ZORBLA_SOUND_MODULE_ENTRY)))
        return entry();
    const QString folder = programFolder();
    QStringList candidates = {
        QDir(folder).filePath(QStringLiteral(ZORBLA_SOUND_MODULE_FROM_PROGRAM "/" ZORBLA_SOUND_MODULE_FILE)),
        QDir(folder).filePath(QStringLiteral(ZORBLA_SOUND_MODULE_FILE)),
    };
    // A program (or test) run from the build tree uses the engine built beside it; an
    // installed one only its own.
    if (folder.startsWith(QStringLiteral(ZORBLA_BUILD_TREE "/")))
        candidates << QStringLiteral(ZORBLA_SOUND_MODULE_BUILT);
    QStringList failures;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the audio libraries do not take being unloaded well.
        auto* library = new QLibrary(path);
        library->setLoadHints(QLibrary::PreventUnloadHint);
        auto entry = reinterpret_cast<ZorblaSoundModuleEntry>(library->resolve(ZORBLA_SOUND_MODULE_ENTRY));
        if (!entry) {
            failures << library->errorString();
            delete library;
            continue;
        }
        const SoundModuleApi* api = entry();
        if (api && api->version == kSoundModuleVersion) {
            engineLibrary = library;
            return api;
        }
        failures << QStringLiteral("%1 is of another version of the program").arg(path);
        delete library;
    }
    *error = failures.isEmpty() ? QStringLiteral("%1 is not installed").arg(QStringLiteral(ZORBLA_SOUND_MODULE_FILE))
                                : failures.join(QStringLiteral("; "));
    return nullptr;
}

std::once_flag engineOnce;
const SoundModuleApi* engineApi = nullptr;

const SoundModuleApi* engine() {
    std::call_once(engineOnce, [] {
        QString error;
        engineApi = loadEngine(&error);
        if (!engineApi)
            std::fprintf(stderr, "zorbla: there is no sound: the sound engine cannot be loaded: %s\n",
                         qPrintable(error));
    });
    return engineApi;
}

const Sound kNoSound;

}  // namespace

void preloadSoundEngine() {
    // Waited for at exit, so the program never ends in the middle of loading a library.
    static std::future<void> loading = std::async(std::launch::async, [] { engine(); });
}

bool readWav(const QString& path, Sound* sound) {
    const SoundModuleApi* api = engine();
    return api && api->readWav(path, sound);
}

bool writeWav(const QString& path, const Sound& sound, QString* error) {
    if (const SoundModuleApi* api = engine())
        return api->writeWav(path, sound, error);
    if (error)
        *error = QStringLiteral("there is no sound engine");
    return false;
}

WavDevice::WavDevice(QObject* parent) : QObject(parent) {}

WavDevice::~WavDevice() { shutdown(); }

void WavDevice::open(const QString& writtenName) {
    if (!backend_ && !writtenName.isEmpty())
        if (const SoundModuleApi* api = engine()) {
            backend_.reset(api->createBackend());
            backend_->onPlaybackFinished = [this] { emit playbackFinished(); };
            backend_->onRecordingStopped = [this] { emit recordingStopped(); };
        }
    written_ = writtenName;
    if (backend_)
        backend_->open(resolvePath(writtenName), writtenName);
}

void WavDevice::close() {
    if (backend_)
        backend_->close();
}

void WavDevice::shutdown() {
    if (backend_)
        backend_->shutdown();
}

void WavDevice::play() {
    if (backend_)
        backend_->play();
}

void WavDevice::stop() {
    if (backend_)
        backend_->stop();
}

void WavDevice::rewind() {
    if (backend_)
        backend_->rewind();
}

void WavDevice::record() {
    if (backend_)
        backend_->record();
}

bool WavDevice::save() {
    bool ok = false;
    if (backend_ && backend_->isOpen()) {
        // Written into the family's own folder, over the pack's; a sound with nothing
        // beneath is kept before anything is written over it.
        QString why;
        if (!originals::keep(written_, &why))
            std::fprintf(stderr, "zorbla: the original of %s is not kept: %s\n", qPrintable(written_),
                         qPrintable(why));
        const QString target = ownPath(written_);
        QDir().mkpath(QFileInfo(target).absolutePath());
        ok = backend_->save(target);
    }
    emit saved(ok);
    return ok;
}

const Sound& WavDevice::sound() const { return backend_ ? backend_->sound() : kNoSound; }

}  // namespace zorbla
