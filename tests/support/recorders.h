#pragma once

#include "common/address.h"
#include "common/message.h"
#include "common/quit.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <algorithm>
#include <utility>

// Stand-ins for the routines that would block a test or leave the machine: message boxes,
// opening addresses and ending the program. Each records what it was asked to do while it
// lives and puts the real routine back when it goes.

// Puts a handler in place of one of the suite's replaceable routines while it lives.
template <class Handler> class Replaced {
public:
    using Setter = Handler (*)(Handler);
    Replaced(Setter set, Handler handler) : set_(set), previous_(set(std::move(handler))) {}
    ~Replaced() { set_(std::move(previous_)); }
    Replaced(const Replaced&) = delete;
    Replaced& operator=(const Replaced&) = delete;

private:
    Setter set_;
    Handler previous_;
};

struct MessageRecorder {
    QList<QPair<QString, QString>> shown; // (title, text) in order

    QStringList texts() const {
        QStringList list;
        for (const auto& entry : shown) {
            list << entry.second;
        }
        return list;
    }
    // Whether every message came under this title.
    bool allUnder(const QString& title) const {
        return std::all_of(shown.begin(), shown.end(),
                           [&title](const auto& entry) { return entry.first == title; });
    }
    void clear() { shown.clear(); }

private:
    Replaced<common::MessageHandler> replaced_{common::setMessageHandler,
                                               [this](const QString& title, const QString& text) {
                                                   shown.append({title, text});
                                               }};
};

struct AddressRecorder {
    QList<QUrl> opened;

private:
    Replaced<common::AddressHandler> replaced_{common::setAddressHandler,
                                               [this](const QUrl& url) { opened.append(url); }};
};

struct QuitRecorder {
    int requests = 0;

private:
    Replaced<common::QuitHandler> replaced_{common::setQuitHandler, [this] { ++requests; }};
};
