#include "widgets/accessible.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <functional>

#include "widgets/clicklabel.h"
#include "widgets/gif_animation.h"

namespace zorbla {

namespace {

// Asked at each question, not once: Qt makes a control's interface as soon as it is given
// a name, which may be before anything listens to its clicks.
class ClickableControl : public QAccessibleWidget {
public:
    ClickableControl(QWidget* control, std::function<bool()> answersClicks, std::function<void()> press)
        : QAccessibleWidget(control), answersClicks_(std::move(answersClicks)), press_(std::move(press)) {}

    QAccessible::Role role() const override {
        if (answersClicks_())
            return QAccessible::Button;
        if (const auto* label = qobject_cast<const QLabel*>(widget()))
            return label->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
        return QAccessible::Animation;
    }

    QString text(QAccessible::Text t) const override {
        // A label named for what it does (the word under the picture, named by the game it
        // opens) still tells what it shows.
        QString said = QAccessibleWidget::text(t);
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (label && said.isEmpty() && (t == QAccessible::Name || t == QAccessible::Description) &&
            (t == QAccessible::Name || !widget()->accessibleName().isEmpty()))
            said = label->text();
        return said;
    }

    QStringList actionNames() const override {
        return answersClicks_() ? QStringList(pressAction()) + QAccessibleWidget::actionNames()
                                : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // A disabled window (the main window behind a game) is out of reach of a hand too.
        if (answersClicks_() && widget()->isEnabled() && widget()->isVisible())
            press_();
    }

private:
    std::function<bool()> answersClicks_;
    std::function<void()> press_;
};

QAccessibleInterface* clickableOrNothing(const QString&, QObject* object) {
    if (auto* label = qobject_cast<ClickLabel*>(object))
        return new ClickableControl(label, [label] { return label->answersClicks(); }, [label] { label->click(); });
    if (auto* animation = qobject_cast<GifAnimation*>(object))
        return new ClickableControl(animation, [animation] { return animation->answersClicks(); },
                                    [animation] { animation->click(); });
    return nullptr;
}

}  // namespace

void exposeClickableControls() {
    static const bool installed = [] {
        QAccessible::installFactory(clickableOrNothing);
        return true;
    }();
    (void)installed;
}

}  // namespace zorbla
