#include "activities/letter_keys.h"

#include <QAbstractButton>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "placement/scale.h"
#include "widgets/look.h"

namespace zorbla {

namespace {

const QColor kInk(25, 45, 120);  // the main window's plain captions

// A key cap: white with a dark edge, yellow while it is held down.
class KeyCap : public QAbstractButton {
public:
    explicit KeyCap(QWidget* parent) : QAbstractButton(parent) {
        // The box keeps the keyboard, so that keys and taps both type into it.
        setFocusPolicy(Qt::NoFocus);
        setCursor(pointer(Pointer::Smiley));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double edge = std::max(1.5, height() / 20.0);
        const QRectF cap = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
        p.setPen(QPen(kInk, edge));
        p.setBrush(isDown() ? QColor(255, 220, 90) : QColor(Qt::white));
        p.drawRoundedRect(cap, height() / 6.0, height() / 6.0);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, text());
    }
};

}  // namespace

LetterKeys::Key LetterKeys::character(const QString& c) {
    if (c == QLatin1String(" "))
        return {QStringLiteral("\u2423"), tr("Space"), Qt::Key_Space, c};
    // The keyboard's code of a letter key is its capital's.
    const QString capital = c.toUpper();
    return {capital, capital, capital.isEmpty() ? 0 : int(capital.at(0).unicode()), c.toLower()};
}

LetterKeys::Key LetterKeys::rubOut() { return {QStringLiteral("\u232B"), tr("Rub out"), Qt::Key_Backspace, QString()}; }

int LetterKeys::keySize(const QScreen* screen, double scale) {
    const double nineMillimetres = screen ? screen->physicalDotsPerInch() * 9 / 25.4 : 0;
    return std::max(kDesignKey, int(std::ceil(nineMillimetres / scale)));
}

LetterKeys::LetterKeys(QWidget* parent, const QList<Key>& keys, int columns, int keySize)
    : QWidget(parent), columns_(std::max(1, columns)), keySize_(keySize) {
    setObjectName(QStringLiteral("letterKeys"));
    for (const Key& key : keys) {
        auto* cap = new KeyCap(this);
        cap->setText(key.label);
        cap->setAccessibleName(key.name);
        connect(cap, &QAbstractButton::clicked, this, [this, key] { emit typed(key.code, key.text); });
        buttons_ << cap;
    }
    resize(designSize());
}

QSize LetterKeys::designSize() const {
    const int n = int(buttons_.size());
    const int columns = std::min(columns_, std::max(1, n));
    const int rows = (n + columns - 1) / columns;
    return {columns * keySize_ + (columns - 1) * kGap, rows * keySize_ + (rows - 1) * kGap};
}

// Laid out in design pixels and drawn as many times larger as the panel is.
void LetterKeys::resizeEvent(QResizeEvent*) {
    const double s = double(width()) / designSize().width();
    const QFont font = childFont(int(std::lround(keySize_ * s * 0.6)));
    for (int i = 0; i < buttons_.size(); ++i) {
        const int row = i / columns_, column = i % columns_;
        const QRectF design(column * (keySize_ + kGap), row * (keySize_ + kGap), keySize_, keySize_);
        buttons_[i]->setGeometry(scaled(design, s));
        buttons_[i]->setFont(font);
    }
}

}  // namespace zorbla
