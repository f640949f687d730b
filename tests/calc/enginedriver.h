#pragma once

#include "keyscript.h"

#include "calc/calcengine.h"
#include "calc/keytable.h"

// The calculator without its window: the engine in a host that records its messages.
struct FakeHost : calc::CalcHost {
    QStringList messages;
    QStringList busy;

    void message(const QString& text) override { messages << text; }
    void showBusy(const QString& text) override { busy << text; }
};

// Plays key scripts (keyscript.h) on the engine, each key by the action the window runs.
class EngineDriver {
public:
    FakeHost host;
    calc::CalcEngine engine{host};

    EngineDriver() { engine.load({}); }

    void press(const QString& script) {
        playScript(
            script, [this](const QString& name) { key(name); },
            [this](const QString& text) { engine.setDisplay(text); });
    }

    void key(const QString& name) {
        if (name.size() == 2 && name.startsWith(QLatin1Char('p'))) {
            engine.selectSlot(name.at(1).digitValue() - 1);
            return;
        }
        const calc::Key* found = calc::keyNamed(name);
        if (found == nullptr || !found->press) {
            qFatal("no calculator key named %s", qPrintable(name));
        }
        found->press(engine);
    }

    QStringList captions() const {
        QStringList captions;
        for (int i = 0; i < calc::CalcEngine::kSlotCount; ++i) {
            captions << engine.slotCaption(i);
        }
        return captions;
    }
};

// One row of a script table (addScriptColumns) played on a fresh engine.
inline void checkScriptRow() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, line);
    QFETCH(QStringList, messages);

    EngineDriver calc;
    calc.press(script);
    QCOMPARE(calc.engine.display(), display);
    QCOMPARE(calc.engine.operationLine(), line);
    QCOMPARE(calc.host.messages, messages);
    QVERIFY(!calc.engine.display().contains(QLatin1String("inf"), Qt::CaseInsensitive));
    QVERIFY(!calc.engine.display().contains(QLatin1String("nan"), Qt::CaseInsensitive));
}
