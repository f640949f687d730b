#pragma once

#include "common/windowregistry.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Driving a tool window the way a user does: its boxes and keys found by their object names.
namespace formdriver {

// Every test's cleanup(): no window of one case is left over for the next.
inline void discardWindows() {
    common::discardAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

} // namespace formdriver
