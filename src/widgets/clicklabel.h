#pragma once

#include <QLabel>

#include <future>

namespace zorbla {

// A label or picture that the child clicks. It takes every mouse press, so a click on it
// never reaches the window behind it, and it says which button went down and when a
// left-button click was completed on it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Text colour in every state, and a background of rounded corners behind it (none
    // when the fill is transparent). Cheaper than a style sheet, and as simple to read.
    void setColours(const QColor& text, const QColor& fill = Qt::transparent, int radius = 0);

    // A picture shown by many labels at about one size (the tiles on a larger screen) is
    // scaled once for all of them.
    void setShareScaledPicture(bool share) { shareScaled_ = share; }

    // Scales the shared pictures of these labels that are shown, at their present sizes,
    // on a helper thread, so that their first paint finds them made. Call once they are
    // placed; the caller waits for the helper (the future's destructor does) before the
    // program ends.
    [[nodiscard]] static std::future<void> scaleAhead(const QList<ClickLabel*>& labels);
    // Lets go of what was scaled ahead and not drawn (the window took another size).
    static void forgetScaledAhead();

    // Something listens to its clicks: it is a button to assistive technology.
    bool answersClicks() const;
    // A left-button click, as assistive technology presses it.
    void click();

signals:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool leftDown_ = false;
    QColor fill_ = Qt::transparent;
    int radius_ = 0;
    bool shareScaled_ = false;
};

}  // namespace zorbla
