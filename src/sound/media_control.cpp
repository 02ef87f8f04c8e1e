#include "sound/media_control.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace zorbla {

namespace {

enum class Glyph { Play, Stop, Record };

// Drawn in 22 units, at `size` pixels.
QPixmap drawGlyph(Glyph glyph, int size) {
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 22.0, size / 22.0);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    switch (glyph) {
    case Glyph::Play: {
        QPainterPath path;
        path.moveTo(6, 3);
        path.lineTo(19, 11);
        path.lineTo(6, 19);
        path.closeSubpath();
        p.setBrush(QColor(40, 170, 60));
        p.drawPath(path);
        break;
    }
    case Glyph::Stop:
        p.setBrush(QColor(60, 90, 200));
        p.drawRoundedRect(QRectF(5, 5, 12, 12), 2, 2);
        break;
    case Glyph::Record:
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QRectF(4, 4, 14, 14));
        break;
    }
    return pix;
}

// The design size and sizes for larger screens, so that a large button has a sharp icon.
QIcon glyphIcon(Glyph glyph) {
    QIcon icon;
    for (int size : {22, 44, 88})
        icon.addPixmap(drawGlyph(glyph, size));
    return icon;
}

}  // namespace

MediaControl::MediaControl(QWidget* parent) : QWidget(parent) {
    resize(170, 30);
    play_ = new QToolButton(this);
    stop_ = new QToolButton(this);
    record_ = new QToolButton(this);
    const Glyph glyphs[] = {Glyph::Play, Glyph::Stop, Glyph::Record};
    QToolButton* buttons[] = {play_, stop_, record_};
    const QString names[] = {tr("Play"), tr("Stop"), tr("Record")};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setIcon(glyphIcon(glyphs[i]));
        buttons[i]->setToolTip(names[i]);
        buttons[i]->setAccessibleName(names[i]);
        buttons[i]->setFocusPolicy(Qt::NoFocus);
    }
    layOutButtons();
    connect(play_, &QToolButton::clicked, this, &MediaControl::pressPlay);
    connect(stop_, &QToolButton::clicked, this, &MediaControl::pressStop);
    connect(record_, &QToolButton::clicked, this, &MediaControl::pressRecord);
    connect(&device_, &WavDevice::playbackFinished, this, &MediaControl::playbackFinished);
}

// Equal thirds of the width, 57, 56 and 57 of 170 pixels, and icons of 22 of 30.
void MediaControl::layOutButtons() {
    QToolButton* buttons[] = {play_, stop_, record_};
    const int w = width(), h = height();
    int left = 0;
    for (int i = 0; i < 3; ++i) {
        const int right = (w * (i + 1) + 1) / 3;
        buttons[i]->setGeometry(left, 0, right - left, h);
        buttons[i]->setIconSize(QSize(h * 22 / 30, h * 22 / 30));
        left = right;
    }
}

void MediaControl::resizeEvent(QResizeEvent*) { layOutButtons(); }

void MediaControl::setCommand(const QString& command) {
    emit commandReceived(command);
    const QString word = command.trimmed().toLower();
    if (word == QLatin1String("open")) {
        // Only the WAV device exists; before a device type is chosen nothing opens.
        if (deviceType_.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) == 0)
            device_.open(fileName_);
    } else if (word == QLatin1String("close")) {
        device_.close();
    } else if (word == QLatin1String("play")) {
        device_.play();
    } else if (word == QLatin1String("stop")) {
        device_.stop();
    } else if (word == QLatin1String("record")) {
        device_.record();
    } else if (word == QLatin1String("prev")) {
        device_.rewind();
    } else if (word == QLatin1String("save")) {
        device_.save();
    }
}

void MediaControl::pressPlay() {
    emit playClicked();
    device_.play();
}

void MediaControl::pressStop() {
    emit stopClicked();
    device_.stop();
}

void MediaControl::pressRecord() {
    emit recordClicked();
    device_.record();
}

}  // namespace zorbla
