#include "treugform.h"

#include "trianglesketch.h"

#include "about/aform.h"
#include "common/message.h"
#include "common/numtext.h"
#include "common/suitelook.h"
#include "common/controls.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "common/windowstyle.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace geometry {

const QString TreugForm::kTitle = QStringLiteral("Цифроид 2 треугольник 1.1");

namespace {

constexpr int kBoxWidth = 170; // given and result boxes alike, as wide as the sketch

struct Row {
    const char* label;
    const char* caption;
    const char* given;
    const char* result;
    const char* what; // for screen readers
};

constexpr std::array<Row, kTriangleValues> kRows{{
    {"Label2", "угол A =", "DyA", "RyA", "угол A"},
    {"Label3", "угол B =", "DyB", "RyB", "угол B"},
    {"Label4", "AB =", "DsAB", "RsAB", "гипотенуза AB"},
    {"Label5", "AC =", "DsAC", "RsAC", "катет AC"},
    {"Label6", "BC =", "DsBC", "RsBC", "катет BC"},
}};

} // namespace

TreugForm::TreugForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TreugForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);
    common::addToolMenus(
        *this, {.file = "file", .close = "Close", .help = "vpr", .about = "opg"},
        [this] { Command1_Click(); }, [this] { opg_Click(); });

    auto* body = common::named(new QWidget(this), "body");
    setCentralWidget(body);
    auto* grid = new QGridLayout(body);
    common::setPageMargins(*grid);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    auto* heading = common::makeLabel(
        "Label1", QStringLiteral("Дано:       треугольник ABC - прямоугольный угол С=90"), body);
    heading->setWordWrap(true);
    heading->setFixedWidth(kBoxWidth + 90);
    grid->addWidget(heading, 0, 0, 2, 2, Qt::AlignTop);
    grid->addWidget(common::makeLabel("Label8", QStringLiteral("Решение:"), body), 0, 3);
    grid->addWidget(new TriangleSketch(body), 1, 3, Qt::AlignHCenter);

    constexpr int kFirstRow = 2;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const int at = kFirstRow + static_cast<int>(i);
        const QString what = QString::fromUtf8(row.what);
        QLabel* label = common::makeLabel(row.label, QString::fromUtf8(row.caption), body);
        givenBoxes_[i] = common::makeBox(row.given, what, body, QStringLiteral("0"));
        givenBoxes_[i]->setFixedWidth(kBoxWidth);
        label->setBuddy(givenBoxes_[i]);
        resultBoxes_[i] = common::makeBox(row.result, QStringLiteral("Решение: ") + what, body);
        resultBoxes_[i]->setFixedWidth(kBoxWidth);
        grid->addWidget(label, at, 0, Qt::AlignRight);
        grid->addWidget(givenBoxes_[i], at, 1);
        grid->addWidget(resultBoxes_[i], at, 3);
    }
    const int afterRows = kFirstRow + static_cast<int>(kRows.size());

    auto* rule = common::named(new QFrame(body), "Line1");
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 0, 2, afterRows + 2, 1);

    grid->addWidget(
        common::makeLabel("Label7", QStringLiteral("Углы в градусах, стороны в см"), body),
        afterRows, 0, 1, 2);
    auto* solve = common::makeButton("Per", QStringLiteral("Найти >>"), body);
    common::setLook(*solve, common::Look::Action);
    grid->addWidget(solve, afterRows + 1, 1, Qt::AlignLeft);
    auto* hide = common::makeButton("Command1", QStringLiteral("Закрыть"), body);
    grid->addWidget(hide, afterRows + 1, 3, Qt::AlignRight);
    grid->setRowMinimumHeight(afterRows, 24);

    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    for (QLineEdit* box : givenBoxes_) {
        chain(box);
    }
    chain(solve);
    for (QLineEdit* box : resultBoxes_) {
        chain(box);
    }
    chain(hide);

    connect(givenBoxes_[AngleA], &QLineEdit::textChanged, this, &TreugForm::DyA_Change);
    connect(givenBoxes_[AngleB], &QLineEdit::textChanged, this, &TreugForm::DyB_Change);
    connect(solve, &QPushButton::clicked, this, &TreugForm::Per_Click);
    connect(hide, &QPushButton::clicked, this, &TreugForm::Command1_Click);

    givenBoxes_[AngleA]->setFocus();
    common::fixSizeAndCenter(*this);
}

void TreugForm::couple(const QString& text, QLineEdit& to) {
    if (coupling_ || text.isEmpty()) {
        return;
    }
    const auto angle = common::checkedNumber(text, common::reporterFor(kTriangleTitle));
    if (!angle) {
        return;
    }
    coupling_ = true; // the other box's rule must not write back into this one
    to.setText(common::formatNumber(90 - *angle));
    coupling_ = false;
}

void TreugForm::DyA_Change(const QString& text) {
    couple(text, *givenBoxes_[AngleB]);
}

void TreugForm::DyB_Change(const QString& text) {
    couple(text, *givenBoxes_[AngleA]);
}

bool TreugForm::ust() {
    errFlag_ = 0;
    const common::Report report = common::reporterFor(kTriangleTitle);
    QString* fields[kTriangleValues] = {&givens_.angleA, &givens_.angleB, &givens_.ab, &givens_.ac,
                                        &givens_.bc};
    for (std::size_t i = 0; i < givenBoxes_.size(); ++i) {
        // An empty angle box gets its "0" here, which runs the coupling.
        if (common::readBox(*givenBoxes_[i], QStringLiteral("0"), report)) {
            *fields[i] = givenBoxes_[i]->text();
        } else {
            errFlag_ = 1;
        }
    }
    return errFlag_ == 0;
}

void TreugForm::Per_Click() {
    if (!ust()) {
        return;
    }
    const TriangleAnswer answer = solveTriangle(givens_);
    for (const QString& message : answer.messages) {
        common::showMessage(kTriangleTitle, message);
    }
    if (answer.boxes.isEmpty()) {
        errFlag_ = 1;
        return;
    }
    for (std::size_t i = 0; i < resultBoxes_.size(); ++i) {
        resultBoxes_[i]->setText(answer.boxes[static_cast<qsizetype>(i)]);
    }
    errFlag_ = 0;
}

void TreugForm::Command1_Click() {
    hide();
}

void TreugForm::opg_Click() {
    about::showAbout();
}

void showTriangle() {
    common::showWindow<TreugForm>();
}

} // namespace geometry
