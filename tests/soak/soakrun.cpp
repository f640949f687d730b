#include "soakrun.h"

#include "about/aform.h"
#include "app/shell.h"
#include "calc/calcform.h"
#include "common/windowregistry.h"
#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"
#include "soakinput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

void activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
}

// Keys of the keyboard as the toolkit reports them for one typed character.
int keyCodeOf(QChar c) {
    return c.isLetter() ? c.toUpper().unicode() : c.unicode();
}

template <class T, class Usable>
QList<T*> controlsOf(const QList<QWidget*>& windows, const Usable& usable) {
    QList<T*> found;
    for (QWidget* window : windows) {
        const auto children = window->findChildren<T*>();
        for (T* child : children) {
            if (usable(*child)) {
                found << child;
            }
        }
    }
    return found;
}

bool shownAndEnabled(const QWidget& widget) {
    return widget.isVisible() && widget.isEnabled();
}

bool inMenu(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QMenu*>(widget)) {
            return true;
        }
    }
    return false;
}

QString describe(const QWidget& widget) {
    const QString window = widget.window()->objectName();
    return widget.isWindow() ? window : window + QLatin1Char('.') + widget.objectName();
}

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const QStringList routine{
        QStringLiteral("Keyboard event not accepted by receiving widget"),
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
        QStringLiteral("This plugin does not support grabbing the mouse"),
    };
    if (routine.contains(text)) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
}

} // namespace

void SoakRun::quietRoutineWarnings() {
    previousHandler = qInstallMessageHandler(quietHandler);
}

SoakRun::SoakRun(quint64 seed) : seed_(seed), random_(seed) {
    start();
}

SoakRun::~SoakRun() {
    common::discardAllWindows();
    calc_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int SoakRun::pick(int count) {
    return static_cast<int>(random_() % static_cast<quint64>(count));
}

QString SoakRun::pickText() {
    switch (pick(4)) {
    case 0: // a number of any size
        return QStringLiteral("%1%2,%3E%4")
            .arg(pick(2) ? QString() : QStringLiteral("-"))
            .arg(pick(10))
            .arg(pick(1000000))
            .arg(pick(661) - 330);
    case 1: { // a small whole or decimal number, as the tools are mostly given
        const QString whole = QString::number(pick(400) - 100);
        return pick(2) ? whole : whole + QStringLiteral(",5");
    }
    default:
        return pickFrom(soak::texts());
    }
}

// The program starts anew: every window goes, and the calculator opens with a command line.
void SoakRun::start() {
    common::discardAllWindows();
    calc_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString commandLine = pick(4) == 0 ? pickText() : QString();
    calc_ = app::makeMainWindow(commandLine);
    calc_->show();
    activate(*calc_);
    if (!commandLine.isEmpty()) {
        typed_.remember(*calc_->findChild<QLineEdit*>(QStringLiteral("calc")));
    }
    // Widgets stay reachable from the toolkit's own lists, out of the leak checker's sight: the
    // program's end must leave no widget of one run behind for the next.
    const auto widgets = QApplication::allWidgets().size();
    if (freshWidgets_ == 0) {
        freshWidgets_ = widgets;
    } else if (widgets != freshWidgets_) {
        fail(QStringLiteral("%1 widgets after a new start, %2 after the first")
                 .arg(widgets)
                 .arg(freshWidgets_));
    }
}

QList<QWidget*> SoakRun::visibleWindows() const {
    QList<QWidget*> windows;
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* window : all) {
        if (window->isVisible() && window->windowType() != Qt::Popup &&
            window->windowType() != Qt::ToolTip && !inMenu(window)) {
            windows << window;
        }
    }
    // The toolkit keeps its windows in a hashed set; a run plays the same only in a set order.
    std::sort(windows.begin(), windows.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

QWidget& SoakRun::someWindow() {
    const QList<QWidget*> windows = visibleWindows();
    return windows.isEmpty() ? *calc_ : *pickFrom(windows);
}

// The controls of one window picked at random, so that every open window gets its share however
// many keys the calculator has; those of every window when that one has none.
template <class T, class Usable> QList<T*> SoakRun::controlsOfSomeWindow(const Usable& usable) {
    const QList<T*> found = controlsOf<T>({&someWindow()}, usable);
    return found.isEmpty() ? controlsOf<T>(visibleWindows(), usable) : found;
}

QString SoakRun::clickKey() {
    const auto keys = controlsOfSomeWindow<QAbstractButton>(shownAndEnabled);
    if (keys.isEmpty()) {
        return QStringLiteral("no key to click");
    }
    QAbstractButton* key = pickFrom(keys);
    const QString what = QStringLiteral("click ") + describe(*key);
    activate(*key->window());
    QTest::mouseClick(key, Qt::LeftButton);
    return what;
}

QString SoakRun::clickAnywhere() {
    const auto places = controlsOfSomeWindow<QWidget>(
        [](const QWidget& widget) { return widget.isVisible() && !inMenu(&widget); });
    QWidget* place = pickFrom(places);
    const int x = pick(qMax(1, place->width()));
    const QPoint at(x, pick(qMax(1, place->height())));
    const QString what =
        QStringLiteral("click at (%1, %2) in %3").arg(at.x()).arg(at.y()).arg(describe(*place));
    activate(*place->window());
    QTest::mouseClick(place, Qt::LeftButton, Qt::NoModifier, at);
    return what;
}

QString SoakRun::pressKey() {
    static const QList<soak::Key> keys = soak::keyboard();
    const soak::Key& key = pickFrom(keys);
    QWidget& window = someWindow();
    activate(window);
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    const QString what = QStringLiteral("key %1 (modifiers %2) on %3")
                             .arg(QKeySequence(key.code).toString())
                             .arg(key.modifiers.toInt(), 0, 16)
                             .arg(describe(*target));
    const QPointer<QWidget> alive = target;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key.code), key.text, key.modifiers);
    const bool paste = (key.code == 'V' && key.modifiers == Qt::ControlModifier) ||
                       (key.code == Qt::Key_Insert && key.modifiers == Qt::ShiftModifier);
    rememberTyping(alive, paste);
    return what;
}

// A key on a box types into that box; a paste on any other control of the calculator types
// into its display.
void SoakRun::rememberTyping(QWidget* target, bool paste) {
    if (target == nullptr) {
        return;
    }
    auto* display = calc_->findChild<QLineEdit*>(QStringLiteral("calc"));
    if (paste && target->window() == calc_.get()) {
        typed_.remember(*display);
    }
    if (auto* box = qobject_cast<QLineEdit*>(target)) {
        typed_.remember(*box);
    }
}

QString SoakRun::typeText() {
    const auto boxes = controlsOfSomeWindow<QLineEdit>(shownAndEnabled);
    if (boxes.isEmpty()) {
        return QStringLiteral("no box to type into");
    }
    QLineEdit* box = pickFrom(boxes);
    const QString text = pickText();
    const QString what = QStringLiteral("type «%1» (%2 characters) into %3")
                             .arg(text.left(30), QString::number(text.size()), describe(*box));
    activate(*box->window());
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    if (text.size() > 64) {
        box->insert(text); // as a paste: typing 40 000 keys one by one would take minutes
    } else if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(keyCodeOf(c)), QString(c),
                                Qt::NoModifier);
        }
    }
    typed_.remember(*box);
    return what;
}

QString SoakRun::pasteText() {
    const QString text = pickText();
    QGuiApplication::clipboard()->setText(text);
    QWidget& window = someWindow();
    activate(window);
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    const bool insertKey = pick(2) == 0;
    const QString what =
        QStringLiteral("paste «%1» (%2 characters) with %3 on %4")
            .arg(text.left(30), QString::number(text.size()),
                 insertKey ? QStringLiteral("Shift+Insert") : QStringLiteral("Ctrl+V"),
                 describe(*target));
    const QPointer<QWidget> alive = target;
    if (insertKey) {
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }
    rememberTyping(alive, true);
    return what;
}

QString SoakRun::triggerMenuItem() {
    const auto items = controlsOfSomeWindow<QAction>([](const QAction& action) {
        return !action.objectName().isEmpty() && action.isEnabled() && !action.isSeparator();
    });
    if (items.isEmpty()) {
        return QStringLiteral("no menu item");
    }
    QAction* item = pickFrom(items);
    const QString what = QStringLiteral("menu item %1 «%2»").arg(item->objectName(), item->text());
    item->trigger();
    return what;
}

QString SoakRun::focusControl() {
    const auto controls = controlsOfSomeWindow<QWidget>([](const QWidget& widget) {
        return shownAndEnabled(widget) && widget.focusPolicy() != Qt::NoFocus && !inMenu(&widget);
    });
    if (controls.isEmpty()) {
        return QStringLiteral("nothing to focus");
    }
    QWidget* control = pickFrom(controls);
    activate(*control->window());
    control->setFocus(Qt::TabFocusReason);
    return QStringLiteral("focus ") + describe(*control);
}

QString SoakRun::openWindow() {
    using Opener = std::pair<const char*, void (*)()>;
    static const std::array<Opener, 7> openers{{
        {"GForm", [] { common::showWindow<equations::GForm>(); }},
        {"LINURForm", [] { common::showWindow<equations::LINURForm>(); }},
        {"KVURForm", [] { common::showWindow<equations::KVURForm>(); }},
        {"TreugForm", [] { common::showWindow<geometry::TreugForm>(); }},
        {"VectorForm", [] { common::showWindow<geometry::VectorForm>(); }},
        {"DrobForm", [] { common::showWindow<fractions::DrobForm>(); }},
        {"AForm", [] { common::showWindow<about::AForm>(); }},
    }};
    const Opener& opener = openers[static_cast<std::size_t>(pick(int(openers.size())))];
    opener.second();
    return QStringLiteral("open ") + QLatin1String(opener.first);
}

QString SoakRun::closeWindow() {
    QWidget& window = someWindow();
    const QString what = QStringLiteral("close box of ") + describe(window);
    window.close();
    return what;
}

bool SoakRun::step() {
    if (!failure_.isEmpty()) {
        return false;
    }
    struct Weighted {
        int weight;
        QString (SoakRun::*play)();
    };
    static const std::array<Weighted, 9> kinds{{
        {34, &SoakRun::clickKey},
        {10, &SoakRun::clickAnywhere},
        {22, &SoakRun::pressKey},
        {10, &SoakRun::typeText},
        {6, &SoakRun::pasteText},
        {3, &SoakRun::triggerMenuItem},
        {7, &SoakRun::focusControl},
        {6, &SoakRun::openWindow},
        {2, &SoakRun::closeWindow},
    }};
    int roll = pick(100);
    std::size_t kind = 0;
    while (roll >= kinds[kind].weight) {
        roll -= kinds[kind].weight;
        ++kind;
    }
    const QString done = (this->*kinds[kind].play)();
    ++played_;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    recent_ << QStringLiteral("%1: %2").arg(played_).arg(done);
    while (recent_.size() > 25) {
        recent_.removeFirst();
    }
    check();
    return failure_.isEmpty();
}

void SoakRun::check() {
    for (const auto& [title, text] : messages_.shown) {
        if (!soak::isKnownMessage(title, text)) {
            fail(QStringLiteral("unknown message «%1» under «%2»").arg(text.left(80), title));
            return;
        }
    }
    tally_.messages += static_cast<int>(messages_.shown.size());
    tally_.addresses += static_cast<int>(addresses_.opened.size());
    messages_.clear();
    addresses_.opened.clear();
    if (quits_.requests > 0) { // the program has ended; it is started again
        quits_.requests = 0;
        ++tally_.ends;
        recent_ << QStringLiteral("program ended, started again");
        start();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (const QString shown = soak::nonNumberShown(*window, typed_); !shown.isEmpty()) {
            fail(QStringLiteral("%1 shows «%2»").arg(window->objectName(), shown));
            return;
        }
    }
    const QString box = calc_->findChild<QLineEdit*>(QStringLiteral("calc"))->text();
    const QString& engine = calc_->engine().display();
    if (box != engine) {
        fail(QStringLiteral("the display shows %1 characters «%2…», the engine holds %3 «%4…»")
                 .arg(box.size())
                 .arg(box.left(20))
                 .arg(engine.size())
                 .arg(engine.left(20)));
    }
}

void SoakRun::fail(const QString& what) {
    if (!failure_.isEmpty()) {
        return; // the first fault is the one to replay
    }
    failure_ = QStringLiteral("seed %1, after event %2: %3\nthe events before it:\n  %4")
                   .arg(seed_)
                   .arg(played_)
                   .arg(what, recent_.join(QStringLiteral("\n  ")));
}

QString SoakRun::summary() const {
    return QStringLiteral("seed %1: %2 events, %3 messages, %4 addresses opened, %5 program ends")
        .arg(seed_)
        .arg(played_)
        .arg(tally_.messages)
        .arg(tally_.addresses)
        .arg(tally_.ends);
}
