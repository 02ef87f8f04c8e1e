#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

#include "sound/wavdevice.h"

class QToolButton;

namespace zorbla {

// The media control: three buttons (Play, Stop, Record, left to right in equal thirds)
// over a WAV device, driven by command words written to Command. Command words are
// matched without regard to case: "Open", "Close", "Play", "Stop", "Record", "prev",
// "save". The control never reports failures; a missing file just plays nothing.
class MediaControl : public QWidget {
    Q_OBJECT
public:
    explicit MediaControl(QWidget* parent = nullptr);

    void setCommand(const QString& command);
    void setDeviceType(const QString& type) { deviceType_ = type; }
    void setFileName(const QString& name) { fileName_ = name; }
    QString deviceType() const { return deviceType_; }
    QString fileName() const { return fileName_; }

    // The control's on/off properties by automation identifier; they are kept, and no
    // behaviour of this control depends on them.
    void setSwitch(int id, bool on) { switches_[id] = on; }
    bool switchValue(int id) const { return switches_.value(id, false); }

    WavDevice& device() { return device_; }
    const WavDevice& device() const { return device_; }

    QToolButton* playButton() const { return play_; }
    QToolButton* stopButton() const { return stop_; }
    QToolButton* recordButton() const { return record_; }

signals:
    // Sent when a button is pressed, before the control acts on it, so that a handler
    // can rewind first.
    void playClicked();
    void stopClicked();
    void recordClicked();
    // Every command word received, as written.
    void commandReceived(const QString& command);
    void playbackFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOutButtons();
    void pressPlay();
    void pressStop();
    void pressRecord();

    WavDevice device_;
    QString deviceType_;
    QString fileName_;
    QMap<int, bool> switches_;
    QToolButton* play_;
    QToolButton* stop_;
    QToolButton* record_;
};

}  // namespace zorbla
