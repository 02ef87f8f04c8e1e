#include "sound/module/pulse_client.h"

#include <cstdio>

namespace zorbla {

namespace {

// How long a request waits for the server to answer. A local server answers in a few
// milliseconds; a missing one is known at once. One that answers later is used by the
// next request.
constexpr int kConnectMs = 300;

}  // namespace

PulseClient& PulseClient::instance() {
    static PulseClient client;
    return client;
}

PulseClient::~PulseClient() {
    if (!loop_)
        return;
    lock();
    dropContext();
    unlock();
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

void PulseClient::lock() {
    if (loop_)
        pa_threaded_mainloop_lock(loop_);
}

void PulseClient::unlock() {
    if (loop_)
        pa_threaded_mainloop_unlock(loop_);
}

void PulseClient::signal() { pa_threaded_mainloop_signal(loop_, 0); }

bool PulseClient::wait(const std::function<bool()>& done, int ms) {
    if (done())
        return true;
    struct Deadline {
        PulseClient* client;
        bool passed = false;
    } deadline{this};
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    timeval when{};
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(ms) * PA_USEC_PER_MSEC);
    pa_time_event* event = api->time_new(
        api, &when,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* d) {
            auto* deadline = static_cast<Deadline*>(d);
            deadline->passed = true;
            deadline->client->signal();
        },
        &deadline);
    while (!done() && !deadline.passed)
        pa_threaded_mainloop_wait(loop_);
    api->time_free(event);
    return done();
}

void PulseClient::dropContext() {
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

// On libpulse's thread, holding the lock.
void PulseClient::onContextState(pa_context* context, void* self) {
    auto* client = static_cast<PulseClient*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        client->contextWasReady_ = true;
        if (client->silentSaid_)
            std::fprintf(stderr, client->everReady_ ? "zorbla: the sound server is back: sounds are heard again\n"
                                                    : "zorbla: a sound server has started: sounds are heard now\n");
        client->silentSaid_ = false;
        client->everReady_ = true;
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        if (!client->silentSaid_) {
            if (client->contextWasReady_)
                std::fprintf(stderr, "zorbla: the sound server has gone away: sounds are silent until it is back\n");
            else
                std::fprintf(stderr, "zorbla: there is no sound server (%s): sounds are silent until one starts\n",
                             pa_strerror(pa_context_errno(context)));
            client->silentSaid_ = true;
        }
        break;
    default:
        break;
    }
    client->signal();
}

pa_context* PulseClient::connection() {
    if (!loop_) {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_)
            return nullptr;
        pa_threaded_mainloop_set_name(loop_, "zorbla-sound");
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
            return nullptr;
        }
    }
    PulseLock hold(*this);
    if (context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        dropContext();  // lost, or never made: a new one is tried now
    if (!context_) {
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Zorbla");
        pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "zorbla");
        pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "zorbla");
        context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Zorbla", props);
        pa_proplist_free(props);
        if (!context_)
            return nullptr;
        contextWasReady_ = false;
        pa_context_set_state_callback(context_, &PulseClient::onContextState, this);
        // A server is started by the desktop (or its socket), never by a click.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            onContextState(context_, this);
            dropContext();
            return nullptr;
        }
    }
    const auto settled = [this] {
        const pa_context_state_t s = pa_context_get_state(context_);
        return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
    };
    wait(settled, kConnectMs);
    if (pa_context_get_state(context_) == PA_CONTEXT_READY)
        return context_;
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        dropContext();
    return nullptr;
}

}  // namespace zorbla
