#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <initializer_list>

class QPushButton;

namespace common {

// The object names of a tool window's menus: "Файл" holding "Закрыть", "?" holding
// "О программе".
struct ToolMenuNames {
    const char* file = "File";
    const char* close = "Exit";
    const char* help = "vpr";
    const char* about = "opg";
};

// The frame of every tool window and of the About window: the tool border (fixed, no minimize
// or maximize box, not in the taskbar), a page for the controls, the "Закрыть" that only hides
// the window, the optional menus, the Tab chain, the keyboard (Enter presses the focused key or
// else the main key, Escape hides the window), and a size fixed to the contents, centred on the
// screen. A window builds its controls on body() and calls finish() last.
class ToolWindow : public QMainWindow {
    Q_OBJECT

public:
    ToolWindow(const char* name, const QString& caption, QWidget* parent = nullptr);

    // "Закрыть": hides the window; its boxes keep their texts for the next showing. Closing it
    // with the title bar's close box discards it instead (the window registry's rule).
    virtual void closeTool();

protected:
    // The page the window's controls are laid out on.
    QWidget& body() const { return *body_; }

    // "Файл" → "Закрыть" (F12, as the calculator's "Выход") and "?" → "О программе" (F2), with
    // their letters underlined for Alt, and F10 opening the bar.
    void addMenus(const ToolMenuNames& names);

    // A "Закрыть" key that runs closeTool().
    QPushButton* makeCloseKey(const char* name);

    // The window's main key: drawn as an action key, described for screen readers, and set as
    // the key Enter presses (setMainKey).
    QPushButton* makeMainKey(const char* name, const QString& caption, const QString& spoken,
                             const QString& description);

    // The key that Enter presses from a box or an option button: it is drawn and announced as
    // the window's default key. Windows whose keys are peers have none.
    void setMainKey(QPushButton& key);

    // F12 hides the window as "Закрыть" does, for a window without the menu that carries it.
    void closeOnF12();

    void keyPressEvent(QKeyEvent* event) override;

    // Tab visits the controls in this order, the first one has the focus, and the window takes
    // the size its contents ask for, in the middle of the screen.
    void finish(std::initializer_list<QWidget*> tabOrder);

private:
    QWidget* body_;
    QPointer<QPushButton> mainKey_;
};

// "О программе" of every tool window: the program's shell says which window that is.
void setAboutHandler(std::function<void()> show);
void showAbout();

} // namespace common
