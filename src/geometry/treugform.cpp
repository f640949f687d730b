#include "treugform.h"

#include "trianglesketch.h"
#include "trianglewords.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/numtext.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace geometry {

namespace {

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

TreugForm::TreugForm(QWidget* parent)
    : ToolWindow("TreugForm", QStringLiteral("Цифроид 2 треугольник 1.1"), parent) {
    addMenus({.file = "file", .close = "Close", .help = "vpr", .about = "opg"});
    QWidget* page = &body();
    auto* grid = new QGridLayout(page);
    common::setPageMargins(*grid);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    auto* heading = common::makeLabel(
        "Label1", QStringLiteral("Дано:       треугольник ABC - прямоугольный угол С=90"), page);
    heading->setWordWrap(true);
    grid->addWidget(heading, 0, 0, 2, 2, Qt::AlignTop);
    grid->addWidget(common::makeLabel("Label8", QStringLiteral("Решение:"), page), 0, 3);
    grid->addWidget(new TriangleSketch(page), 1, 3, Qt::AlignHCenter);

    constexpr int kFirstRow = 2;
    int captionsWidth = 0;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const int at = kFirstRow + static_cast<int>(i);
        const QString what = QString::fromUtf8(row.what);
        QLabel* label = common::makeLabel(row.label, QString::fromUtf8(row.caption), page);
        captionsWidth = std::max(captionsWidth, label->sizeHint().width());
        givenBoxes_[i] = common::makeBox(row.given, what, page, QStringLiteral("0"));
        label->setBuddy(givenBoxes_[i]);
        resultBoxes_[i] = common::makeBox(row.result, QStringLiteral("Решение: ") + what, page);
        for (QLineEdit* box : {givenBoxes_[i], resultBoxes_[i]}) {
            // Given and result boxes alike are wide enough for the longest number a result
            // can be.
            box->setFixedWidth(common::numberBoxWidth(*box));
        }
        grid->addWidget(label, at, 0, Qt::AlignRight);
        grid->addWidget(givenBoxes_[i], at, 1);
        grid->addWidget(resultBoxes_[i], at, 3);
    }
    const int afterRows = kFirstRow + static_cast<int>(kRows.size());
    // The heading wraps within the captions and the given boxes.
    heading->setFixedWidth(captionsWidth + grid->horizontalSpacing() + givenBoxes_[0]->width());
    describeBoxes();

    auto* rule = common::named(new QFrame(page), "Line1");
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 0, 2, afterRows + 2, 1);

    grid->addWidget(
        common::makeLabel("Label7", QStringLiteral("Углы в градусах, стороны в см"), page),
        afterRows, 0, 1, 2);
    auto* solveKey = makeMainKey("Per", QStringLiteral("Найти >>"), QStringLiteral("найти"),
                                 QStringLiteral("Найти неизвестные углы и стороны по известным"));
    grid->addWidget(solveKey, afterRows + 1, 1, Qt::AlignLeft);
    QPushButton* close = makeCloseKey("Command1");
    grid->addWidget(close, afterRows + 1, 3, Qt::AlignRight);
    grid->setRowMinimumHeight(afterRows, 24);

    connect(&given(Side::AngleA), &QLineEdit::textChanged, this, &TreugForm::angleAChanged);
    connect(&given(Side::AngleB), &QLineEdit::textChanged, this, &TreugForm::angleBChanged);
    connect(solveKey, &QPushButton::clicked, this, &TreugForm::solve);
    const auto& g = givenBoxes_;
    const auto& r = resultBoxes_;
    finish({g[0], g[1], g[2], g[3], g[4], solveKey, r[0], r[1], r[2], r[3], r[4], close});
}

void TreugForm::describeBoxes() {
    const QString emptyIsZero = QStringLiteral("Неизвестное оставьте равным 0");
    common::describe(given(Side::AngleA), {},
                     emptyIsZero + QStringLiteral("; угол B станет 90 минус угол A"));
    common::describe(given(Side::AngleB), {},
                     emptyIsZero + QStringLiteral("; угол A станет 90 минус угол B"));
    for (const Side side : {Side::AB, Side::AC, Side::BC}) {
        common::describe(given(side), {}, emptyIsZero);
    }
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
    common::showNumber(to, Number(90) - *angle);
    coupling_ = false;
}

void TreugForm::angleAChanged(const QString& text) {
    couple(text, given(Side::AngleB));
}

void TreugForm::angleBChanged(const QString& text) {
    couple(text, given(Side::AngleA));
}

std::optional<TreugForm::Givens> TreugForm::readInputs() {
    const common::Report report = common::reporterFor(kTriangleTitle);
    Givens givens;
    TriangleGivens& v = givens.values;
    const std::array<Number*, kTriangleValues> values{&v.angleA, &v.angleB, &v.ab, &v.ac, &v.bc};
    bool numbers = true;
    for (std::size_t i = 0; i < givenBoxes_.size(); ++i) {
        const auto value = common::readBox(*givenBoxes_[i], QStringLiteral("0"), report);
        if (value) {
            *values[i] = *value;
        } else {
            numbers = false;
        }
        givens.texts << givenBoxes_[i]->text();
    }
    if (!numbers) {
        return std::nullopt;
    }
    return givens;
}

void TreugForm::solve() {
    const auto givens = readInputs();
    if (!givens) {
        return;
    }
    const TriangleAnswer answer = triangleAnswer(solveTriangle(givens->values), givens->texts);
    for (const QString& message : answer.messages) {
        common::showMessage(kTriangleTitle, message);
    }
    for (qsizetype i = 0; i < answer.boxes.size(); ++i) {
        common::showText(*resultBoxes_[static_cast<std::size_t>(i)], answer.boxes[i]);
    }
}

} // namespace geometry
