#pragma once

#include "numcheck.h"

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace common {

// Every message box of the suite goes through here: modal, one line of text, the window's
// title and an OK button. When it closes, the window that showed it is active again with the
// focus where it was. Tests put a recorder in its place.
void showMessage(const QString& title, const QString& text);

using MessageHandler = std::function<void(const QString& title, const QString& text)>;
// Replaces the routine; an empty handler restores the real message box. Returns the previous.
MessageHandler setMessageHandler(MessageHandler handler);

// The box showMessage shows, not yet shown: the text, an OK key without an icon, and a width
// that shows the title whole.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text,
                                            QWidget* parent = nullptr);

// A Report that shows its text under the given title.
Report reporterFor(const QString& title);

} // namespace common
