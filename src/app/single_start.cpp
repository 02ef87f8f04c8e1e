#include "app/single_start.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLockFile>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace zorbla {

namespace {

// How long a later start waits for the running one: it may have just taken the lock and
// not be listening yet, or be busy for a moment.
constexpr int kWaitMs = 5000;

// The display the application is on, as part of a file name: the platform and the X
// display (":0", its screen number left out) or the Wayland display. Empty where there
// is no display to see (offscreen).
QString displayName(const QStringList& arguments) {
    const QString platform = QGuiApplication::platformName();
    QString display;
    if (platform == QLatin1String("xcb")) {
        display = qEnvironmentVariable("DISPLAY");
        for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
            if (arguments[i] == QLatin1String("-display") || arguments[i] == QLatin1String("--display"))
                display = arguments[i + 1];
        if (display.startsWith(QLatin1String("unix:")))
            display.remove(0, 4);
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = display.indexOf(QLatin1Char('.'), colon);
        if (colon >= 0 && dot > colon)
            display.truncate(dot);
    } else if (platform.startsWith(QLatin1String("wayland"))) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    } else if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return QString();
    }
    QString name = platform + QLatin1Char('-') + display;
    return name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
}

// Where the places of this user are: the runtime folder (the user's alone, emptied at
// logout), else the temporary folder with the user's number in the name.
QString placeOf(SingleStart::Kind kind, const QString& display) {
    const QString stem = QStringLiteral("zorbla-%1-%2")
                             .arg(kind == SingleStart::Kind::VoiceStudio ? QStringLiteral("voices")
                                                                          : QStringLiteral("main"),
                                  display);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(stem);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2").arg(stem).arg(getuid()));
}

// The place's socket address; false when the path is too long for one.
bool addressOf(const QString& place, sockaddr_un* address) {
    const QByteArray path = QFile::encodeName(place);
    *address = {};
    address->sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

// A socket connected to the place, or -1 when nothing listens there.
int connectTo(const sockaddr_un& address) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Gives the window the keyboard on X (nothing on other platforms), as a launcher does for
// the user: the later start is the user asking for Zorbla. Qt's own request carries the
// time of the last event this program saw, which a window manager that keeps windows from
// taking the keyboard (mutter) refuses when the user has been in another window since,
// and which the X server itself ignores, with no window manager, when another program
// took the keyboard later.
void askForTheKeyboard(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window.windowHandle())
        return;
    xcb_connection_t* c = x11->connection();
    const auto id = xcb_window_t(window.windowHandle()->winId());
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, id), nullptr);
    if (!tree)
        return;
    const xcb_atom_t check = atomNamed(c, "_NET_SUPPORTING_WM_CHECK");
    xcb_get_property_reply_t* manager = xcb_get_property_reply(
        c, xcb_get_property(c, 0, tree->root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    if (manager && xcb_get_property_value_length(manager) > 0) {
        xcb_client_message_event_t request = {};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = id;
        request.type = atomNamed(c, "_NET_ACTIVE_WINDOW");
        request.data.data32[0] = 2;  // on the user's behalf
        request.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
    } else {
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(c);
    std::free(manager);
    std::free(tree);
}

}  // namespace

SingleStart::SingleStart(Kind kind, const QString& edition, const QStringList& arguments) : edition_(edition) {
    const QString display = displayName(arguments);
    if (!display.isEmpty())
        claim(placeOf(kind, display));
}

SingleStart::~SingleStart() {
    if (listening_ < 0)
        return;
    close(listening_);
    unlink(address_.sun_path);  // before the lock goes with this object
}

void SingleStart::claim(const QString& place) {
    if (!addressOf(place, &address_)) {
        std::fprintf(stderr, "zorbla: %s is too long a path for a socket; other starts will not find this one\n",
                     qPrintable(place));
        return;
    }
    lock_ = std::make_unique<QLockFile>(place + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);  // held for the whole run: stale only when its program is gone
    if (!lock_->tryLock(0)) {
        if (lock_->error() == QLockFile::LockFailedError) {
            // Held by a program that runs: this start ends, whether or not it answers.
            first_ = false;
            askRunning();
            lock_.reset();
            return;
        }
        // A folder that cannot hold the lock must not keep a child from playing.
        std::fprintf(stderr, "zorbla: %s cannot be locked; other starts will not find this one\n",
                     qPrintable(QDir::toNativeSeparators(lock_->fileName())));
        lock_.reset();
        return;
    }
    // Under the lock a socket left is a crashed program's, unless it answers (its lock file
    // was taken away by hand): then that one is the first.
    if (const int other = connectTo(address_); other >= 0) {
        close(other);
        lock_.reset();
        first_ = false;
        askRunning();
        return;
    }
    unlink(address_.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address_), sizeof address_) != 0 ||
        chmod(address_.sun_path, S_IRUSR | S_IWUSR) != 0 || listen(fd, 8) != 0) {
        std::fprintf(stderr, "zorbla: cannot listen on %s (%s); other starts will not find this one\n",
                     qPrintable(place), std::strerror(errno));
        if (fd >= 0)
            close(fd);
        return;
    }
    listening_ = fd;
    auto* calls = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(calls, &QSocketNotifier::activated, this, &SingleStart::answer);
}

// Waits for the running one's answer, its edition on a line; none when it does not answer.
void SingleStart::askRunning() {
    QElapsedTimer waited;
    waited.start();
    int fd;
    while ((fd = connectTo(address_)) < 0) {
        if (waited.elapsed() >= kWaitMs)
            return;
        QThread::msleep(50);
    }
    QByteArray said;
    char buffer[64];
    pollfd answer = {fd, POLLIN, 0};
    while (!said.contains('\n') && waited.elapsed() < kWaitMs &&
           poll(&answer, 1, int(kWaitMs - waited.elapsed())) > 0) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        said.append(buffer, n);
    }
    close(fd);
    if (said.contains('\n'))
        runningEdition_ = QString::fromUtf8(said.left(said.indexOf('\n'))).trimmed();
}

void SingleStart::answer() {
    int caller;
    while ((caller = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        const QByteArray line = edition_.toUtf8() + '\n';
        send(caller, line.constData(), size_t(line.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        close(caller);
        bringToFront();
    }
}

void SingleStart::answerWith(QWidget* window) {
    window_ = window;
    shownAs_ = window->windowState();
    window->installEventFilter(this);
}

// The window's state when it was last not minimised: a minimised window has lost it.
bool SingleStart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange &&
        !window_->windowState().testFlag(Qt::WindowMinimized))
        shownAs_ = window_->windowState();
    return false;
}

// Out of a minimised state, above the other windows and with the keyboard.
void SingleStart::bringToFront() {
    if (!window_)
        return;
    window_->setWindowState(shownAs_ & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    askForTheKeyboard(*window_);
}

}  // namespace zorbla
