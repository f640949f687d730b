#include "gform.h"

#include "equationrow.h"
#include "kvurform.h"
#include "linurform.h"

#include "about/aform.h"
#include "common/windowregistry.h"
#include "common/windowstyle.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace equations {

const QString GForm::kTitle = QStringLiteral("Цифроид 2 уравнение 1.1");

namespace {

template <class T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

GForm::GForm(QWidget* parent)
    : QMainWindow(parent), option1_(new QRadioButton(QStringLiteral("Линейное ( ax + b = c )"))),
      option2_(new QRadioButton(QStringLiteral("Квадратное или биквадратное"))) {
    setObjectName(QStringLiteral("GForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);

    QMenu* file = named(menuBar()->addMenu(QStringLiteral("Файл")), "File");
    QAction* exit = named(file->addAction(QStringLiteral("Закрыть")), "Exit");
    exit->setShortcut(QKeySequence(Qt::Key_F12));
    QMenu* help = named(menuBar()->addMenu(QStringLiteral("?")), "vpr");
    QAction* about = named(help->addAction(QStringLiteral("О программе")), "Opg");
    about->setShortcut(QKeySequence(Qt::Key_F2));

    auto* body = named(new QWidget(this), "body");
    setCentralWidget(body);
    auto* prompt = named(new QLabel(QStringLiteral("Выбирите тип уравнения:"), body), "Label1");
    named(option1_, "Option1")->setParent(body);
    named(option2_, "Option2")->setParent(body);
    auto* next = makeButton("Command1", QStringLiteral("Далее >>"), body);
    auto* hide = makeButton("Command2", QStringLiteral("Закрыть"), body);

    auto* page = new QVBoxLayout(body);
    page->setContentsMargins(16, 12, 16, 12);
    page->setSpacing(8);
    page->addWidget(prompt);
    page->addWidget(option1_);
    page->addWidget(option2_);
    page->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(hide);
    page->addLayout(buttons);

    QWidget::setTabOrder(option1_, option2_);
    QWidget::setTabOrder(option2_, next);
    QWidget::setTabOrder(next, hide);

    connect(next, &QPushButton::clicked, this, &GForm::Command1_Click);
    connect(hide, &QPushButton::clicked, this, &GForm::Command2_Click);
    connect(exit, &QAction::triggered, this, &GForm::Command2_Click);
    connect(about, &QAction::triggered, this, &GForm::Opg_Click);

    option1_->setFocus();
    common::fixSizeAndCenter(*this);
}

void GForm::Command1_Click() {
    // Two separate tests; with neither option chosen nothing opens.
    if (option1_->isChecked()) {
        common::showWindow<LINURForm>();
    }
    if (option2_->isChecked()) {
        common::showWindow<KVURForm>();
    }
}

void GForm::Command2_Click() {
    hide();
}

void GForm::Opg_Click() {
    about::showAbout();
}

void showChooser() {
    common::showWindow<GForm>();
}

} // namespace equations
