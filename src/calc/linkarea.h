#pragma once

#include <QLabel>

namespace calc {

// A link area: a patch of the panel that opens a page when it is clicked, or when Enter or Space
// is pressed while it has the focus. Tab reaches it; a screen reader meets it as a link.
class LinkArea : public QLabel {
    Q_OBJECT

public:
    LinkArea(const char* name, const QString& spokenName, const QString& description,
             QWidget* parent);

    // Opens the page, as a click does.
    void activate() { emit activated(); }

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace calc
