#pragma once

#include <QMetaObject>
#include <QWidget>

// The suite's windows besides the calculator: at most one of each class, created on the first
// request and kept. A window's own "Закрыть" only hides it; the title bar's close box discards
// it, and the next request builds it afresh. Whatever is still kept when the program ends is
// destroyed with it.
namespace common {

namespace detail {
QWidget* keptWindow(const QMetaObject& kind);
void keepWindow(const QMetaObject& kind, QWidget* window);
void present(QWidget& window);
} // namespace detail

// The kept window of class W, or nullptr if there is none (never asked for, or discarded).
template <class W> W* existingWindow() {
    return static_cast<W*>(detail::keptWindow(W::staticMetaObject));
}

// Creates the window of class W if needed and shows it without an owner and without making it
// modal; an open window is brought to the front and activated.
template <class W> W& showWindow() {
    W* window = existingWindow<W>();
    if (window == nullptr) {
        window = new W;
        detail::keepWindow(W::staticMetaObject, window);
    }
    detail::present(*window);
    return *window;
}

// Destroys every kept window at once (the program's end; tests between cases).
void discardAllWindows();

} // namespace common
