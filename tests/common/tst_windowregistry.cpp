#include "common/windowregistry.h"

#include <QCloseEvent>
#include <QPointer>
#include <QtTest>

namespace {

class Probe : public QWidget {
    Q_OBJECT

public:
    static inline bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuseClose) {
            event->ignore();
        }
    }
};

class OtherProbe : public QWidget {
    Q_OBJECT
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestWindowRegistry : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void oneKeptWindowPerClass();
    void hiddenWindowIsKept();
    void closedWindowIsForgottenAtOnce();
    void refusedCloseKeepsTheWindow();
    void discardAllDestroysEveryWindow();
};

void TestWindowRegistry::cleanup() {
    Probe::refuseClose = false;
    common::discardAllWindows();
    flushDeletes();
}

void TestWindowRegistry::oneKeptWindowPerClass() {
    QCOMPARE(common::existingWindow<Probe>(), nullptr);
    Probe& first = common::showWindow<Probe>();
    QVERIFY(first.isVisible());
    QCOMPARE(&common::showWindow<Probe>(), &first);
    OtherProbe& other = common::showWindow<OtherProbe>();
    QVERIFY(static_cast<QWidget*>(&other) != static_cast<QWidget*>(&first));
    QCOMPARE(common::existingWindow<Probe>(), &first);
}

void TestWindowRegistry::hiddenWindowIsKept() {
    Probe& probe = common::showWindow<Probe>();
    probe.hide();
    flushDeletes();
    QCOMPARE(common::existingWindow<Probe>(), &probe);
    QCOMPARE(&common::showWindow<Probe>(), &probe);
    QVERIFY(probe.isVisible());
}

void TestWindowRegistry::closedWindowIsForgottenAtOnce() {
    QPointer<Probe> old = &common::showWindow<Probe>();
    old->close();
    QCOMPARE(common::existingWindow<Probe>(), nullptr);
    Probe& fresh = common::showWindow<Probe>(); // before the old one is gone
    QVERIFY(&fresh != old.data());
    flushDeletes();
    QVERIFY(old.isNull());
    QCOMPARE(common::existingWindow<Probe>(), &fresh);
}

void TestWindowRegistry::refusedCloseKeepsTheWindow() {
    Probe& probe = common::showWindow<Probe>();
    Probe::refuseClose = true;
    QVERIFY(!probe.close());
    flushDeletes();
    QCOMPARE(common::existingWindow<Probe>(), &probe);
    QVERIFY(probe.isVisible());
}

void TestWindowRegistry::discardAllDestroysEveryWindow() {
    QPointer<Probe> probe = &common::showWindow<Probe>();
    QPointer<OtherProbe> other = &common::showWindow<OtherProbe>();
    other->hide();
    common::discardAllWindows();
    QVERIFY(probe.isNull());
    QVERIFY(other.isNull());
    QCOMPARE(common::existingWindow<Probe>(), nullptr);
}

QTEST_MAIN(TestWindowRegistry)
#include "tst_windowregistry.moc"
