#pragma once

#include <pulse/pulseaudio.h>

#include <functional>

namespace zorbla {

// The program's one connection to the sound server (PulseAudio, or PipeWire's PulseAudio
// server), served by libpulse's own thread, which sleeps until the server says something.
//
// Desktops restart their sound server under running programs, and at login a program may
// start before it. libpulse tells at once when the connection is lost; a new one is made
// at the next request for a sound, never on a timer, so an idle program stays asleep.
// One line on the error output says when the server goes and one when it is back.
class PulseClient {
public:
    static PulseClient& instance();

    // The connection, made now if there is none or the last one was lost; nullptr when no
    // server answers within a moment. Called without the lock held.
    pa_context* connection();

    // Whatever touches the context or a stream holds this lock; libpulse's callbacks run
    // holding it too.
    void lock();
    void unlock();
    // Holding the lock: waits until done() or until ms have passed; done() at the end.
    bool wait(const std::function<bool()>& done, int ms);
    // From a callback: wakes wait().
    void signal();

    PulseClient(const PulseClient&) = delete;
    PulseClient& operator=(const PulseClient&) = delete;

private:
    PulseClient() = default;
    ~PulseClient();

    static void onContextState(pa_context* context, void* self);
    void dropContext();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool contextWasReady_ = false;
    bool everReady_ = false;
    bool silentSaid_ = false;  // the line saying there is no server has been written
};

// The lock held for a scope.
class PulseLock {
public:
    explicit PulseLock(PulseClient& client) : client_(client) { client_.lock(); }
    ~PulseLock() { client_.unlock(); }
    PulseLock(const PulseLock&) = delete;
    PulseLock& operator=(const PulseLock&) = delete;

private:
    PulseClient& client_;
};

}  // namespace zorbla
