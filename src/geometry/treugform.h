#pragma once

#include "triangle.h"

#include "common/toolwindow.h"

#include <array>
#include <optional>

class QLineEdit;

namespace geometry {

// The right-triangle solver: five givens, five results. The two angle boxes are coupled:
// a number typed into one puts its complement to 90 into the other.
class TreugForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit TreugForm(QWidget* parent = nullptr);

private:
    // What a screen reader says about the given boxes beside their names.
    void describeBoxes();
    void angleAChanged(const QString& text);
    void angleBChanged(const QString& text);
    // Puts 90 − (the number in `text`) into `to`; `to`'s own rule does not answer back.
    void couple(const QString& text, QLineEdit& to);
    // The givens as read: their values and their texts.
    struct Givens {
        TriangleGivens values;
        QStringList texts;
    };
    // Reads the given boxes in order, an empty one as "0" (in an angle box that runs the
    // coupling), and reports every one that is not a number; nothing then.
    std::optional<Givens> readInputs();
    // "Найти >>"
    void solve();

    QLineEdit& given(Side side) const { return *givenBoxes_[static_cast<std::size_t>(side)]; }

    std::array<QLineEdit*, kTriangleValues> givenBoxes_{};
    std::array<QLineEdit*, kTriangleValues> resultBoxes_{};
    bool coupling_ = false;
};

} // namespace geometry
