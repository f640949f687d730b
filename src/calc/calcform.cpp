#include "calcform.h"

#include "bannerview.h"
#include "calclayout.h"
#include "keyspeech.h"
#include "linkareas.h"

#include "common/message.h"
#include "common/windowstyle.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace calc {

const QString CalcForm::kTitle = QStringLiteral("Цифроид 2.26 калькулятор 1.3");
const QString CalcForm::kMessageTitle = QStringLiteral("Цифроид 2 калькулятор");

namespace {

// Keys that work the focused control and are no keys of the calculator: Tab and the arrows move
// the focus (the arrows check option buttons as they go), Space presses a key or checks an
// option, and Enter opens a focused link.
bool worksControl(const QObject* control, int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Space:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return qobject_cast<const common::LinkLabel*>(control) != nullptr;
    default:
        return false;
    }
}

} // namespace

CalcForm::CalcForm(const QString& startText, QWidget* parent)
    : QMainWindow(parent), engine_(*this),
      keySource_(keySourceForPlatform(QGuiApplication::platformName())) {
    setObjectName(QStringLiteral("CalcForm"));
    setWindowTitle(kTitle);
    // The flags first: set on a built window, they would polish every control again.
    common::applyMainWindowStyle(*this);
    buildCalcLayout(*this, [this](Command command) { emit commandChosen(command); });

    display_ = findChild<QLineEdit*>(QStringLiteral("calc"));
    display_->setMaxLength(CalcEngine::kDisplayLimit);
    operationLine_ = findChild<QLabel*>(QStringLiteral("Tec"));
    for (int i = 0; i < CalcEngine::kSlotCount; ++i) {
        slotButtons_[static_cast<std::size_t>(i)] =
            findChild<QRadioButton*>(QStringLiteral("p%1").arg(i + 1));
    }
    connectKeys();

    engine_.load(startText);
    refresh();
    startBanner();
    // The keys have the focus, so typing computes at once; a click into the display edits it.
    findChild<QPushButton*>(QStringLiteral("ravno"))->setFocus();
    common::fixSizeAndCenter(*this);
}

void CalcForm::connectKeys() {
    for (const Key& key : keys()) {
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(key.name));
        if (key.press) {
            connect(button, &QAbstractButton::clicked, this, [this, &key] { run(key.press); });
        } else {
            connect(button, &QAbstractButton::clicked, this,
                    [this, &key] { emit commandChosen(key.command); });
        }
    }
    for (int i = 0; i < CalcEngine::kSlotCount; ++i) {
        connect(slotButtons_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        engine_.selectSlot(i);
                    }
                });
    }
    connect(display_, &QLineEdit::textChanged, this,
            [this](const QString& text) { engine_.setDisplay(text); });

    findChild<LinkPanel*>()->watchBareSurface(*centralWidget());

    // Every control that can hold the focus passes its keys on, except the display.
    const auto controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const bool focusable = control->focusPolicy() != Qt::NoFocus;
        if (focusable && control != display_ && !qobject_cast<QMenuBar*>(control)) {
            control->installEventFilter(this);
        }
    }
}

void CalcForm::startBanner() {
    banner_ = findChild<BannerView*>(QStringLiteral("bStr"));
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(Banner::kTick);
    connect(timer, &QTimer::timeout, this, &CalcForm::scrollBanner);
    ticker_.startNext();
    banner_->follow(ticker_);
    timer->start();
}

void CalcForm::scrollBanner() {
    ticker_.tick();
    banner_->follow(ticker_);
}

void CalcForm::run(const Action& action) {
    action(engine_);
    refresh();
}

void CalcForm::refresh() {
    if (display_->text() != engine_.display()) {
        display_->setText(engine_.display());
    }
    operationLine_->setText(engine_.operationLine());
    for (int i = 0; i < CalcEngine::kSlotCount; ++i) {
        QRadioButton* slot = slotButtons_[static_cast<std::size_t>(i)];
        slot->setText(engine_.slotCaption(i));
        speakSlotValue(*slot, engine_.slotCaption(i), engine_.slotEmpty(i));
    }
}

void CalcForm::message(const QString& text) {
    common::showMessage(kMessageTitle, text);
}

void CalcForm::showBusy(const QString& text) {
    display_->setText(text);
    display_->repaint();
}

void CalcForm::handleKey(const QKeyEvent& event) {
    KeyInput key;
    key.qtKey = event.key();
    key.keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    key.nativeScanCode = event.nativeScanCode();
    key.nativeVirtualKey = event.nativeVirtualKey();
    key.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    key.control = event.modifiers().testFlag(Qt::ControlModifier);
    key.alt = event.modifiers().testFlag(Qt::AltModifier);
    const KeyMeaning meaning = interpretKey(key, keySource_);
    switch (meaning.command) {
    case KeyCommand::Ignore:
        return;
    case KeyCommand::Copy:
        QGuiApplication::clipboard()->setText(engine_.display());
        return;
    case KeyCommand::Paste: {
        const QString clipboard = QGuiApplication::clipboard()->text();
        run([&clipboard](CalcEngine& e) { e.paste(clipboard); });
        return;
    }
    case KeyCommand::KeyMap:
        runKeyMap(meaning.code);
        return;
    }
}

void CalcForm::runKeyMap(int virtualKey) {
    activateWindow();
    run([virtualKey](CalcEngine& e) { e.keyDown(virtualKey); });
}

bool CalcForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (worksControl(watched, key->key())) {
            return false;
        }
        // Enter is "=" wherever the focus is; the focused button is not pressed.
        handleKey(*key);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CalcForm::keyPressEvent(QKeyEvent* event) {
    // An arrow that a key did not use comes here too: it is still no key of the calculator.
    if (worksControl(nullptr, event->key())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    handleKey(*event);
}

void CalcForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit commandChosen(Command::Quit);
}

} // namespace calc
