#pragma once

#include "banner.h"
#include "calcengine.h"
#include "keymap.h"
#include "keytable.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace calc {

class BannerView;

// The main window: a pocket calculator. It shows the engine's state and passes clicks and
// key presses on to it. What leaves the calculator's own work (the tool keys, "OFF", the menus,
// the close box) it hands to the program around it as a command.
class CalcForm : public QMainWindow, private CalcHost {
    Q_OBJECT

public:
    static const QString kTitle;        // "Цифроид 2.26 калькулятор 1.3"
    static const QString kMessageTitle; // "Цифроид 2 калькулятор"

    explicit CalcForm(const QString& startText = {}, QWidget* parent = nullptr);

    const CalcEngine& engine() const { return engine_; }

    // A key of the keyboard by its virtual-key code, through the calculator's key map; every
    // control but the display passes its keys here.
    void runKeyMap(int virtualKey);
    // One step of the banner line.
    void scrollBanner();

signals:
    void commandChosen(calc::Command command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Action = std::function<void(CalcEngine&)>;

    void run(const Action& action);
    void message(const QString& text) override;
    void showBusy(const QString& text) override;

    void refresh();
    void connectKeys();
    void startBanner();
    // A key press that does not work a control: copy, paste, the key map, or nothing for a lone
    // modifier.
    void handleKey(const QKeyEvent& event);

    CalcEngine engine_;
    KeySource keySource_;
    QLineEdit* display_ = nullptr;
    QLabel* operationLine_ = nullptr;
    BannerView* banner_ = nullptr;
    Banner ticker_;
    std::array<QRadioButton*, CalcEngine::kSlotCount> slotButtons_{};
};

} // namespace calc
