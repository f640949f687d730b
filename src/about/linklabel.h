#pragma once

#include <QLabel>

namespace about {

// A link of the About window: a label that Tab reaches, that shows its focus with a ring
// around its text, that Enter or Space opens as a click does, and that screen readers announce
// as a link.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

    // Opens the link, as Enter, Space or a screen reader's "press" does.
    void activate();

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace about
