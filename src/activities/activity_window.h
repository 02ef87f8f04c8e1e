#pragma once

#include <QWidget>

namespace zorbla {

class frmZorbla;

// A game or tool window opened from the main window. It is a new object at each opening
// and is deleted when it is unloaded. Closing it through the window system (its title
// bar, Alt+F4) runs the same steps as its own exit button, so the main window is never
// left disabled behind a closed game.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    explicit ActivityWindow(frmZorbla* glavni);

    frmZorbla* glavni() const { return glavni_; }
    bool isUnloaded() const { return unloaded_; }

    // Hides the window and deletes it once the current event is done.
    void unload();

protected:
    // The window's own way out, run also when the window system closes it.
    virtual void imgIzlaz_Click() = 0;
    void closeEvent(QCloseEvent* event) override;

private:
    frmZorbla* glavni_;
    bool unloaded_ = false;
};

}  // namespace zorbla
