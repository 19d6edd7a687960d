#pragma once
// The main window's menu keys come first. The editor windows carry keys of
// their own: a button's mnemonic ("Channel &Edit" holds Alt+E, as does the
// Edit menu's title), a sub-window's Close key. Two owners of one key make it
// ambiguous: Qt then only moves the focus to the button, or warns and does
// nothing. While the main window is the active window, a key that a menu
// title or a menu item holds goes to that title or item, whoever else holds
// it too. Dialogs are windows of their own and keep their keys.
#include <QObject>

class QMainWindow;

namespace zx {

class MenuKeyPriority : public QObject {
    Q_OBJECT
public:
    // Watches every shortcut event of the application for `window`.
    explicit MenuKeyPriority(QMainWindow* window);
    ~MenuKeyPriority() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
};

}  // namespace zx
