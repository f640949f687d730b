#include "calclayout.h"

#include "calcstyle.h"
#include "calctexts.h"
#include "linkareas.h"

#include <QAccessible>
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

const std::vector<KeyDescription>& keypadKeys() {
    static const std::vector<KeyDescription> keys{
        {"CE", "C", KeyKind::Edit, 0, 0},         {"bk", "bk", KeyKind::Edit, 0, 1},
        {"Command3", "+/-", KeyKind::Edit, 0, 2}, {"procent", "%", KeyKind::Operator, 0, 3},
        {"Command1", "OFF", KeyKind::Off, 0, 4},  {"B7", "7", KeyKind::Digit, 1, 0},
        {"B8", "8", KeyKind::Digit, 1, 1},        {"B9", "9", KeyKind::Digit, 1, 2},
        {"delit", "/", KeyKind::Operator, 1, 3},  {"B4", "4", KeyKind::Digit, 2, 0},
        {"B5", "5", KeyKind::Digit, 2, 1},        {"B6", "6", KeyKind::Digit, 2, 2},
        {"umn", "*", KeyKind::Operator, 2, 3},    {"B1", "1", KeyKind::Digit, 3, 0},
        {"B2", "2", KeyKind::Digit, 3, 1},        {"B3", "3", KeyKind::Digit, 3, 2},
        {"minus", "-", KeyKind::Operator, 3, 3},  {"null", "0", KeyKind::Digit, 4, 0},
        {"tynull", "00", KeyKind::Digit, 4, 1},   {"Tck", ",", KeyKind::Digit, 4, 2},
        {"plus", "+", KeyKind::Operator, 4, 3},   {"ravno", "=", KeyKind::Equals, 1, 4, 4, 1},
    };
    return keys;
}

const std::vector<KeyDescription>& scienceKeys() {
    static const std::vector<KeyDescription> keys{
        {"sin1", "sin", KeyKind::Science, 0, 0},
        {"cos1", "cos", KeyKind::Science, 0, 1},
        {"tg1", "tg", KeyKind::Science, 0, 2},
        {"ctg1", "ctg", KeyKind::Science, 0, 3},
        {"sc1", "sc", KeyKind::Science, 0, 4},
        {"csc1", "csc", KeyKind::Science, 1, 0},
        {"acs", "acos", KeyKind::Science, 1, 1},
        {"asn", "asin", KeyKind::Science, 1, 2},
        {"X2", "x^2", KeyKind::Science, 1, 3},
        {"X3", "x^3", KeyKind::Science, 1, 4},
        {"xy", "x^y", KeyKind::Science, 2, 0},
        {"sqr1", "sqr", KeyKind::Science, 2, 1},
        {"exp1", "sqr^y", KeyKind::Science, 2, 2},
        {"onedx", "1/x", KeyKind::Science, 2, 3},
        {"log2", "int", KeyKind::Science, 2, 4},
        {"Command13", "2^x", KeyKind::Science, 3, 0},
        {"x10", "10^x", KeyKind::Science, 3, 1},
        {"Command10", "e^x", KeyKind::Science, 3, 2},
        {"Command12", "exp", KeyKind::Science, 3, 3},
        {"Command9", "ln", KeyKind::Science, 3, 4},
        {"Command11", "pi^x", KeyKind::Science, 4, 0},
        {"Command14", "x*10", KeyKind::Science, 4, 1},
        {"xd10", "x/10", KeyKind::Science, 4, 2},
        {"cnste", "e", KeyKind::Science, 4, 3},
        {"cpi", "pi", KeyKind::Science, 4, 4},
    };
    return keys;
}

const std::vector<KeyDescription>& memoryKeys() {
    static const std::vector<KeyDescription> keys{
        {"Command4", "Mrc", KeyKind::Memory, 0, 0},
        {"Command5", "m+", KeyKind::Memory, 1, 0},
        {"Command6", "m-", KeyKind::Memory, 2, 0},
        {"Clear", "Clear", KeyKind::Memory, 3, 0},
    };
    return keys;
}

const std::vector<KeyDescription>& toolKeys() {
    static const std::vector<KeyDescription> keys{
        {"Command7", "Решить уравнение", KeyKind::Tool, 0, 0},
        {"treug", "Треугольник", KeyKind::Tool, 0, 1},
        {"Command2", "Вектор", KeyKind::Tool, 1, 0},
        {"Command8", "Дробный калькулятор", KeyKind::Tool, 1, 1},
    };
    return keys;
}

namespace {

QGridLayout* keyGrid(QWidget* parent, const std::vector<KeyDescription>& keys) {
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    int widest = 0;
    for (const KeyDescription& key : keys) {
        auto* button = new QPushButton(QString::fromUtf8(key.caption), parent);
        button->setObjectName(QString::fromLatin1(key.name));
        styleKey(*button, key.kind);
        button->setAutoDefault(false);
        // The mouse moving over a key passes on to the window's body: it erases the link
        // areas' frame as the bare window does.
        button->setMouseTracking(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        grid->addWidget(button, key.row, key.column, key.rowSpan, key.columnSpan);
        widest = std::max(widest, button->sizeHint().width());
    }
    // Columns of one width, so that the keys of a row are alike.
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setColumnMinimumWidth(column, widest);
        grid->setColumnStretch(column, 1);
    }
    return grid;
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QWidget* buildUnitFrame(QWidget* parent) {
    auto* frame = named(new QGroupBox(parent), "Frame1");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 4);
    auto* rad = named(new QRadioButton(QStringLiteral("Радианы"), frame), "Rad");
    auto* grad = named(new QRadioButton(QStringLiteral("Градусы"), frame), "Grad");
    grad->setChecked(true);
    row->addWidget(rad);
    row->addWidget(grad);
    row->addStretch();
    return frame;
}

QWidget* buildMemoryFrame(QWidget* parent) {
    auto* frame = named(new QGroupBox(QStringLiteral(" Память "), parent), "Pmt");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 6, 8, 6);
    auto* slotColumn = new QVBoxLayout;
    slotColumn->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        auto* slot = new QRadioButton(emptySlotCaption(i), frame);
        slot->setObjectName(QStringLiteral("p%1").arg(i + 1));
        slot->setChecked(i == 0);
        slot->setMinimumWidth(150);
        slotColumn->addWidget(slot);
    }
    row->addLayout(slotColumn, 1);
    auto* keys = keyGrid(frame, memoryKeys());
    row->addLayout(keys);
    return frame;
}

void buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = named(bar->addMenu(QStringLiteral("Файл")), "File");
    QAction* exit = named(file->addAction(QStringLiteral("Выход")), "Exit");
    exit->setShortcut(QKeySequence(Qt::Key_F12));
    QMenu* help = named(bar->addMenu(QStringLiteral("Справка")), "vpr");
    named(help->addAction(QStringLiteral("Помощь")), "help")->setShortcut(QKeySequence(Qt::Key_F1));
    named(help->addAction(QStringLiteral("Что нового?")), "WhatNEW");
    named(help->addAction(QStringLiteral("О программе")), "opg")
        ->setShortcut(QKeySequence(Qt::Key_F2));
}

} // namespace

void buildCalcLayout(QMainWindow& window) {
    buildMenus(window);

    auto* central = named(new QWidget(&window), "body");
    window.setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(10, 8, 10, 6);
    page->setSpacing(6);

    auto* display = named(new QLineEdit(QStringLiteral("0"), central), "calc");
    styleDisplay(*display);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setAccessibleName(QStringLiteral("Дисплей калькулятора"));
    page->addWidget(display);

    auto* tec = named(new QLabel(kTecPrefix, central), "Tec");
    tec->setAccessibleName(QStringLiteral("Текущее действие"));
    page->addWidget(tec);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(buildUnitFrame(central));
    left->addLayout(keyGrid(central, scienceKeys()), 1);
    left->addWidget(buildMemoryFrame(central));
    body->addLayout(left, 6);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(keyGrid(central, keypadKeys()), 1);
    auto* tools = keyGrid(central, toolKeys());
    right->addLayout(tools);
    body->addLayout(right, 5);
    page->addLayout(body, 1);

    page->addWidget(new LinkPanel(central));

    auto* banner = named(new QLineEdit(central), "bStr");
    banner->setReadOnly(true);
    styleBanner(*banner);
    banner->setAccessibleName(QStringLiteral("Бегущая строка"));
    page->addWidget(banner);
}

} // namespace calc
