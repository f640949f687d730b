#include "suitelook.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <utility>

#include "suitestyle.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace common {

namespace {

// The case and the plain controls.
constexpr QRgb kCase = 0xe4e7eb;
constexpr QRgb kInk = 0x1e2327;
constexpr QRgb kFadedInk = 0x8a929b;
constexpr QRgb kKey = 0xf7f8f9;
constexpr QRgb kPaper = 0xffffff;
constexpr QRgb kBorder = 0x9aa3ad;
constexpr QRgb kFocus = 0x4b86c6;
constexpr QRgb kLink = 0x1f4f9a;

struct Colours {
    QRgb fill;
    QRgb ink;
    QRgb border = kBorder; // of a text box
};

Colours coloursOf(Look look) {
    switch (look) {
    case Look::Digit:
        return {0xffffff, kInk};
    case Look::Operator:
        return {0xf6d9a8, kInk};
    case Look::Equals:
    case Look::Action:
        return {0x3f7fc4, 0xffffff};
    case Look::Edit:
        return {0xf1c9c4, kInk};
    case Look::Off:
        return {0xc9493f, 0xffffff};
    case Look::Science:
        return {0xd9e2ec, kInk};
    case Look::Memory:
        return {0xe3dcef, kInk};
    case Look::Tool:
        return {0xdbe9dc, kInk};
    case Look::Display:
        return {0xd7e3c4, 0x1d2a14, 0x7d8a6c};
    case Look::Ticker:
        return {0xe6ecdd, 0x2b3a55, 0xa9b1ba};
    }
    return {kKey, kInk};
}

bool isTextBox(Look look) {
    return look == Look::Display || look == Look::Ticker;
}

} // namespace

QPalette suitePalette() {
    QPalette palette{QColor(kKey), QColor(kCase)};
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        palette.setColor(role, QColor(kInk));
    }
    palette.setColor(QPalette::Base, QColor(kPaper));
    palette.setColor(QPalette::AlternateBase, QColor(kCase).lighter(104));
    palette.setColor(QPalette::ToolTipBase, QColor(kPaper));
    palette.setColor(QPalette::Dark, QColor(kBorder));
    palette.setColor(QPalette::Highlight, QColor(kFocus));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(kLink));
    palette.setColor(QPalette::PlaceholderText, QColor(kFadedInk));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(kFadedInk));
    }
    return palette;
}

void applySuiteLook(QApplication& app) {
    app.setStyle(new SuiteStyle);
    app.setPalette(suitePalette());
}

void setLook(QWidget& control, Look look) {
    const Colours colours = coloursOf(look);
    QPalette palette = control.palette();
    if (isTextBox(look)) {
        palette.setColor(QPalette::Base, QColor(colours.fill));
        palette.setColor(QPalette::Text, QColor(colours.ink));
        palette.setColor(QPalette::Dark, QColor(colours.border));
    } else {
        palette.setColor(QPalette::Button, QColor(colours.fill));
        palette.setColor(QPalette::ButtonText, QColor(colours.ink));
    }
    control.setPalette(palette);
    control.setProperty(kLookProperty, static_cast<int>(look));
}

void setCompactKey(QWidget& key) {
    key.setProperty(kCompactKeyProperty, true);
}

bool isSuiteStyle(const QStyle* style) {
    return dynamic_cast<const SuiteStyle*>(style) != nullptr;
}

QIcon suiteIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& name : sizes.entryList(QDir::Files)) {
        // Read as PNG by Qt's own reader: naming the format spares loading and asking every
        // image plugin what the file is.
        QImageReader reader(sizes.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        QImage picture;
        if (reader.read(&picture)) {
            icon.addPixmap(QPixmap::fromImage(std::move(picture)));
        }
    }
    return icon;
}

} // namespace common
