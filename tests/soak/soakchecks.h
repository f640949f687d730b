#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

// What must hold after every event of a random run, whatever the event was.
namespace soak {

// A text showing an infinite or not-a-number value ("inf", "-nan", "INF" …) rather than a
// number or words that merely contain those letters.
bool showsNonNumber(const QString& text);

// One of the texts the suite's message boxes show, under one of its message-box titles.
bool isKnownMessage(const QString& title, const QString& text);

// The texts the user last put into each box. A box may show "inf" or "nan" because the user
// typed it there (the program keeps typed texts as they are); it must never compute one.
class TypedTexts {
public:
    void remember(QLineEdit& box);
    // Whether every "inf" or "nan" the box shows comes from what the user typed into it.
    bool typedHere(const QLineEdit& box) const;

private:
    struct Entry {
        QPointer<QLineEdit> box; // null once the box is gone and its address may be reused
        QString text;
    };
    QHash<const QLineEdit*, Entry> typed_;
};

// The first text among the window's boxes, labels, keys and captions that shows a value that
// is not a number; empty when there is none.
QString nonNumberShown(QWidget& window, const TypedTexts& typed);

} // namespace soak
