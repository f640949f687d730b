#include "calclayout.h"

#include "bannerview.h"
#include "calcengine.h"
#include "calcstyle.h"
#include "calctexts.h"
#include "keyspeech.h"
#include "linkareas.h"

#include "common/controls.h"
#include "common/spokenmenu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace calc {

namespace {

constexpr int kSlotWidth = 150;
constexpr int kKeySpacing = 4;

// The keys of one group in a grid of their own.
QGridLayout* keyGrid(QWidget* parent, KeyGroup group) {
    auto* grid = new QGridLayout;
    grid->setSpacing(kKeySpacing);
    int widest = 0;
    for (const Key& key : keys()) {
        if (key.group != group) {
            continue;
        }
        auto* button = new QPushButton(QString::fromUtf8(key.caption), parent);
        button->setObjectName(QString::fromLatin1(key.name));
        speak(*button, key.speech);
        styleKey(*button, key.kind);
        button->setAutoDefault(false);
        // The mouse moving over a key passes on to the window's body: it erases the link
        // areas' frame as the bare window does.
        button->setMouseTracking(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        grid->addWidget(button, key.row, key.column, key.rowSpan, 1);
        widest = std::max(widest, button->sizeHint().width());
    }
    // Columns of one width, so that the keys of a row are alike.
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setColumnMinimumWidth(column, widest);
        grid->setColumnStretch(column, 1);
    }
    return grid;
}

using common::named;

// The angle unit chosen at start: degrees.
constexpr char kStartUnit[] = "Grad";

// The angle unit's two options.
QWidget* buildUnitFrame(QWidget* parent) {
    auto* frame = named(new QGroupBox(parent), "Frame1");
    frame->setAccessibleName(QStringLiteral("единица угла"));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 4);
    for (const Key& key : keys()) {
        if (key.group == KeyGroup::Unit) {
            auto* option = named(new QRadioButton(QString::fromUtf8(key.caption), frame), key.name);
            option->setChecked(qstrcmp(key.name, kStartUnit) == 0);
            // Tab comes into the group at the unit chosen; from then on, at the one last focused.
            if (!option->isChecked()) {
                option->setFocusPolicy(Qt::ClickFocus);
            }
            speak(*option, key.speech);
            row->addWidget(option);
        }
    }
    row->addStretch();
    return frame;
}

QWidget* buildMemoryFrame(QWidget* parent) {
    auto* frame = named(new QGroupBox(QStringLiteral(" Память "), parent), "Pmt");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 6, 8, 6);
    auto* slotColumn = new QVBoxLayout;
    slotColumn->setSpacing(2);
    for (int i = 0; i < CalcEngine::kSlotCount; ++i) {
        auto* slot = new QRadioButton(emptySlotCaption(i), frame);
        slot->setObjectName(QStringLiteral("p%1").arg(i + 1));
        slot->setChecked(i == 0);
        slot->setMinimumWidth(kSlotWidth);
        speakSlot(*slot, i);
        slotColumn->addWidget(slot);
    }
    row->addLayout(slotColumn, 1);
    row->addLayout(keyGrid(frame, KeyGroup::Memory));
    return frame;
}

// The menus: each item with its object name, text (its mnemonic marked with '&'), what a screen
// reader says of it, its shortcut and what it asks for.
struct MenuItem {
    const char* name;
    const char* text;
    const char* description;
    QKeySequence shortcut;
    Command command;
};

struct Menu {
    const char* name;
    const char* title;
    const char* description;
    std::vector<MenuItem> items;
};

void buildMenus(QMainWindow& window, const std::function<void(Command)>& command) {
    const std::vector<Menu> menus{
        {"File",
         "&Файл",
         "Выход из программы",
         {{"Exit", "&Выход", "Закрыть калькулятор и все его окна", Qt::Key_F12, Command::Quit}}},
        {"vpr",
         "&Справка",
         "Помощь, новое в этой версии и сведения о программе",
         {{"help", "&Помощь", "Открыть справку по программе", Qt::Key_F1, Command::Help},
          {"WhatNEW", "&Что нового?", "Что нового в этой версии", {}, Command::WhatsNew},
          {"opg", "&О программе", "Версия программы и её авторы", Qt::Key_F2, Command::About}}},
    };
    for (const Menu& menu : menus) {
        QMenu* added = named(window.menuBar()->addMenu(QString::fromUtf8(menu.title)), menu.name);
        common::setSpokenName(*added->menuAction(), {}, QString::fromUtf8(menu.description));
        for (const MenuItem& item : menu.items) {
            QAction* action = named(added->addAction(QString::fromUtf8(item.text)), item.name);
            action->setShortcut(item.shortcut);
            common::setSpokenName(*action, {}, QString::fromUtf8(item.description));
            QObject::connect(action, &QAction::triggered, &window,
                             [command, chosen = item.command] { command(chosen); });
        }
    }
    common::openMenusOnF10(window);
}

} // namespace

void buildCalcLayout(QMainWindow& window, const std::function<void(Command)>& command) {
    buildMenus(window, command);

    auto* central = named(new QWidget(&window), "body");
    window.setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(10, 8, 10, 6);
    page->setSpacing(6);

    auto* display = named(new QLineEdit(QStringLiteral("0"), central), "calc");
    styleDisplay(*display);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setAccessibleName(QStringLiteral("дисплей"));
    display->setAccessibleDescription(
        QStringLiteral("Число, с которым работают клавиши; его можно исправить с клавиатуры"));
    common::typeCommaOnKeypad(*display);
    page->addWidget(display);

    // The live line: a screen reader reads it by its text and hears each change of it.
    page->addWidget(named(new QLabel(kTecPrefix, central), "Tec"));

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(buildUnitFrame(central));
    left->addLayout(keyGrid(central, KeyGroup::Science), 1);
    left->addWidget(buildMemoryFrame(central));
    body->addLayout(left, 6);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(keyGrid(central, KeyGroup::Keypad), 1);
    right->addLayout(keyGrid(central, KeyGroup::Tools));
    body->addLayout(right, 5);
    page->addLayout(body, 1);

    page->addWidget(new LinkPanel(central));

    page->addWidget(new BannerView(central));
}

} // namespace calc
