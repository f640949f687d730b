#pragma once

#include "common/address.h"
#include "common/message.h"
#include "common/quit.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// Stand-ins for the routines that would block a test or leave the machine: message boxes,
// opening addresses and ending the program. Each records what it was asked to do while it
// lives and puts the real routine back when it goes.

struct MessageRecorder {
    QList<QPair<QString, QString>> shown; // (title, text) in order

    MessageRecorder() {
        previous = common::setMessageHandler([this](const QString& title, const QString& text) {
            shown.append({title, text});
        });
    }
    ~MessageRecorder() { common::setMessageHandler(previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts() const {
        QStringList list;
        for (const auto& entry : shown) {
            list << entry.second;
        }
        return list;
    }
    void clear() { shown.clear(); }

private:
    common::MessageHandler previous;
};

struct AddressRecorder {
    QList<QUrl> opened;

    AddressRecorder() {
        previous = common::setAddressHandler([this](const QUrl& url) { opened.append(url); });
    }
    ~AddressRecorder() { common::setAddressHandler(previous); }
    AddressRecorder(const AddressRecorder&) = delete;
    AddressRecorder& operator=(const AddressRecorder&) = delete;

private:
    common::AddressHandler previous;
};

struct QuitRecorder {
    int requests = 0;

    QuitRecorder() {
        previous = common::setQuitHandler([this] { ++requests; });
    }
    ~QuitRecorder() { common::setQuitHandler(previous); }
    QuitRecorder(const QuitRecorder&) = delete;
    QuitRecorder& operator=(const QuitRecorder&) = delete;

private:
    common::QuitHandler previous;
};
