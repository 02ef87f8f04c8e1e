#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QScreen;

namespace zorbla {

// Big keys on the screen for the games that ask for typing, for a child at a touch
// screen or a whiteboard with no keyboard near. A key says what the keyboard's key would
// send (typed); it never takes the keyboard focus from the box being typed into. The
// keys stand in rows of at most `columns`, in the order given, and fill the panel
// however large its window is drawn.
class LetterKeys : public QWidget {
    Q_OBJECT
public:
    struct Key {
        QString label;  // what the key shows
        QString name;   // what a screen reader says
        int code;       // the Qt::Key the keyboard would send
        QString text;   // and its text
    };
    // A letter's key types its small letter, as the keyboard's does without Shift; so
    // does a space, a hyphen or any other character.
    static Key character(const QString& c);
    static Key rubOut();

    static constexpr int kDesignKey = 48;  // design pixels, 12.7 mm at 96 dpi
    static constexpr int kGap = 4;
    static constexpr int kMaxColumns = 9;

    // The side of a key in design pixels for a window drawn `scale` times its design on
    // this screen: never under 9 mm on the screen as Qt reports it.
    static int keySize(const QScreen* screen, double scale);

    LetterKeys(QWidget* parent, const QList<Key>& keys, int columns, int keySize);

    // Its size in design pixels, before its window is drawn larger.
    QSize designSize() const;

signals:
    void typed(int code, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QAbstractButton*> buttons_;
    int columns_;
    int keySize_;
};

}  // namespace zorbla
