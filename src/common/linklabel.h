#pragma once

#include <QLabel>

namespace common {

// A link: a label that a click opens, that Tab reaches, that Enter or Space opens while it has
// the focus, and that screen readers announce as a link, named by its text unless it is given a
// name of its own. It shows its focus with a ring around its text, unless whatever it lies in
// shows it in its own way.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

    // Opens the link, as a click, Enter, Space or a screen reader's "press" does.
    void activate();
    void setFocusRing(bool shown) { focusRing_ = shown; }

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool focusRing_ = true;
};

} // namespace common
