#pragma once

#include "common/numcheck.h"
#include "common/numtext.h"

#include <QString>
#include <optional>

namespace calc {

using common::Number;

// A text the calculator shows, its display or a memory slot's caption, and, when the
// calculator wrote it, the exact value it stands for: kept for as long as the text stays as
// written, so 1 ÷ 3 × 3 gives 1. A text typed or pasted is read as it stands.
class Entry {
public:
    explicit Entry(QString text = {}) : text_(std::move(text)) {}

    const QString& text() const { return text_; }

    // A new text; the kept value goes unless the text is the same.
    void setText(const QString& text) {
        if (text != text_) {
            text_ = text;
            value_.reset();
        }
    }
    // Shows a value: its 15-digit text, the value kept behind it.
    void show(const Number& value) {
        text_ = common::formatNumber(value);
        value_ = value;
    }
    // The value: the kept one, or the text through the numeric check, which reports a text
    // that is not a number.
    std::optional<Number> value(const common::Report& report) const {
        return value_ ? value_ : common::checkedNumber(text_, report);
    }
    // The value without a report.
    std::optional<Number> value() const { return value_ ? value_ : common::parseNumber(text_); }

private:
    QString text_;
    std::optional<Number> value_;
};

} // namespace calc
