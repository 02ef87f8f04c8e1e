#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include <sys/un.h>

class QLockFile;
class QWidget;

namespace zorbla {

// One Zorbla per user and display, and one voice studio beside it. The first start of a
// kind holds a lock file in the user's runtime folder (QLockFile: a crashed program's
// lock is found stale by its process, so nothing stops the next start) and listens on a
// Unix socket beside it. A later start on the same display finds the lock taken,
// connects, and is told the running one's edition while that one comes to the front;
// the later start then ends. Each X display and Wayland display is a place of its own;
// the offscreen platform, which no one sees, has none, so every start there runs.
// (Plain sockets, not Qt Network's: that library brings Kerberos and a proxy library
// with it, some 6 ms and most of a MiB more at every start.)
class SingleStart : public QObject {
    Q_OBJECT
public:
    enum class Kind { MainWindow, VoiceStudio };

    // Claims the kind's place on this display, or asks the program holding it to come to
    // the front. arguments are the program's as given, before Qt took its own (-display).
    // Needs the application object; run before any window is made.
    SingleStart(Kind kind, const QString& edition, const QStringList& arguments);
    ~SingleStart() override;

    // False when another program of the kind runs on this display: this one should end.
    bool isFirst() const { return first_; }
    // For a later start: the running one's edition; empty when it did not answer (it
    // runs, but is stuck).
    const QString& runningEdition() const { return runningEdition_; }
    // The window that comes to the front, shown as it last was, when a later start asks.
    void answerWith(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void claim(const QString& place);
    void askRunning();
    void answer();
    void bringToFront();

    QString edition_;
    bool first_ = true;
    QString runningEdition_;
    std::unique_ptr<QLockFile> lock_;
    sockaddr_un address_ = {};
    int listening_ = -1;  // the socket later starts call, while this one is the first
    QWidget* window_ = nullptr;
    Qt::WindowStates shownAs_;
};

}  // namespace zorbla
