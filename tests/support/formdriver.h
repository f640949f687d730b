#pragma once

#include "common/windowregistry.h"
#include "support/recorders.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMetaType>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>

// Opens a window for a table row: it shows the window and hands it back.
using Opener = std::function<QWidget&()>;
Q_DECLARE_METATYPE(Opener)

// Driving a tool window the way a user does: its boxes and keys found by their object names.
namespace formdriver {

// Every test's cleanup(): no window of one case is left over for the next.
inline void discardWindows() {
    common::discardAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The kept window of class W, shown (created when needed).
template <class W> Opener opener() {
    return []() -> QWidget& { return common::showWindow<W>(); };
}

inline QLineEdit* box(QWidget& form, const QString& name) {
    auto* found = form.findChild<QLineEdit*>(name);
    Q_ASSERT_X(found, "formdriver::box", qPrintable(name));
    return found;
}

inline QStringList texts(QWidget& form, const QStringList& names) {
    QStringList list;
    for (const QString& name : names) {
        list << box(form, name)->text();
    }
    return list;
}

// Sets the boxes' texts at once, as a paste would.
inline void setTexts(QWidget& form, const QStringList& names, const QStringList& values) {
    for (qsizetype i = 0; i < names.size(); ++i) {
        box(form, names[i])->setText(values.value(i));
    }
}

// Clicks a key with the mouse.
inline void press(QWidget& form, const QString& name) {
    auto* button = form.findChild<QAbstractButton*>(name);
    Q_ASSERT_X(button, "formdriver::press", qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// What a row of a window's table leaves behind: the texts of the boxes looked at, the messages
// shown, and whether each came under the window's title.
struct Row {
    QStringList texts;
    QStringList messages;
    bool underTitle = true;
};

// One row: `typed` into the boxes `inputs`, then `key` pressed; afterwards the boxes `shown`.
inline Row pressWith(QWidget& form, const QStringList& inputs, const QStringList& typed,
                     const QString& key, const QStringList& shown, const QString& title) {
    MessageRecorder recorder;
    setTexts(form, inputs, typed);
    press(form, key);
    return {texts(form, shown), recorder.texts(), recorder.allUnder(title)};
}

} // namespace formdriver
