#include "app/single_start.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdio>
#include <cstdlib>

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

// Asks the X window manager (nothing on other platforms) to give the window the keyboard,
// as a launcher does for the user: the later start is the user asking for Zorbla. Qt's own
// request carries the time of the last event this program saw, and a window manager that
// keeps windows from taking the keyboard (mutter) refuses it when the user has been in
// another window since.
void askForTheKeyboard(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window.windowHandle())
        return;
    xcb_connection_t* c = x11->connection();
    const auto id = xcb_window_t(window.windowHandle()->winId());
    static const char name[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, id), nullptr);
    if (atom && tree) {
        xcb_client_message_event_t request = {};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = id;
        request.type = atom->atom;
        request.data.data32[0] = 2;  // on the user's behalf
        request.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(c);
    }
    std::free(atom);
    std::free(tree);
}

}  // namespace

SingleStart::SingleStart(Kind kind, const QString& edition, const QStringList& arguments) : edition_(edition) {
    const QString display = displayName(arguments);
    if (!display.isEmpty())
        claim(placeOf(kind, display));
}

SingleStart::~SingleStart() = default;

void SingleStart::claim(const QString& place) {
    lock_ = std::make_unique<QLockFile>(place + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);  // held for the whole run: stale only when its program is gone
    if (!lock_->tryLock(0)) {
        if (lock_->error() == QLockFile::LockFailedError) {
            // Held by a program that runs: this start ends, whether or not it answers.
            first_ = false;
            askRunning(place);
            lock_.reset();
            return;
        }
        // A folder that cannot hold the lock must not keep a child from playing.
        std::fprintf(stderr, "zorbla: %s cannot be locked; other starts will not find this one\n",
                     qPrintable(QDir::toNativeSeparators(lock_->fileName())));
        lock_.reset();
        return;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(place) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Held under the lock, a socket is a crashed program's, unless it answers (its lock
        // file was taken away by hand): then that one is the first.
        QLocalSocket probe;
        probe.connectToServer(place);
        if (probe.waitForConnected(1000)) {
            probe.abort();
            lock_.reset();
            delete server_;
            server_ = nullptr;
            first_ = false;
            askRunning(place);
            return;
        }
        QLocalServer::removeServer(place);
        server_->listen(place);
    }
    if (!server_->isListening())
        std::fprintf(stderr, "zorbla: cannot listen on %s (%s); other starts will not find this one\n",
                     qPrintable(place), qPrintable(server_->errorString()));
    connect(server_, &QLocalServer::newConnection, this, &SingleStart::answer);
}

// Waits for the running one's answer, its edition on a line; none when it does not answer.
void SingleStart::askRunning(const QString& place) {
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(place);
        if (socket.waitForConnected(int(std::max<qint64>(1, kWaitMs - waited.elapsed()))))
            break;
        if (waited.elapsed() >= kWaitMs)
            return;
        QThread::msleep(50);
    }
    while (!socket.canReadLine() && waited.elapsed() < kWaitMs &&
           socket.waitForReadyRead(int(std::max<qint64>(1, kWaitMs - waited.elapsed())))) {
    }
    if (socket.canReadLine())
        runningEdition_ = QString::fromUtf8(socket.readLine()).trimmed();
}

void SingleStart::answer() {
    while (QLocalSocket* caller = server_->nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        caller->write(edition_.toUtf8() + '\n');
        caller->disconnectFromServer();  // once written
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
