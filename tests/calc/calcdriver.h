#pragma once

#include "keyscript.h"

#include "app/shell.h"
#include "calc/calcform.h"
#include "support/recorders.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// Drives the real main window, as the program starts it, the way a person does: by clicking its
// keys. Scripts are those of keyscript.h.
class CalcDriver {
public:
    explicit CalcDriver(const QString& startText = {}) : form(app::makeMainWindow(startText)) {}

    calc::CalcForm& window() { return *form; }

    template <typename T = QWidget> T* control(const QString& name) {
        auto* widget = form->findChild<T*>(name);
        if (!widget) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    QString display() { return control<QLineEdit>(QStringLiteral("calc"))->text(); }
    QString operationLine() { return control<QLabel>(QStringLiteral("Tec"))->text(); }
    QString slot(int n) { return control<QRadioButton>(QStringLiteral("p%1").arg(n))->text(); }
    void setDisplay(const QString& text) {
        control<QLineEdit>(QStringLiteral("calc"))->setText(text);
    }

    void click(const QString& name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    void press(const QString& script) {
        playScript(
            script, [this](const QString& name) { click(name); },
            [this](const QString& text) { setDisplay(text); });
    }

    MessageRecorder messages;

private:
    std::unique_ptr<calc::CalcForm> form;
};
