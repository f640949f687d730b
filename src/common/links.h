#pragma once

#include <QString>
#include <QUrl>

// The maker's addresses, shared by every window that links to them.
namespace common::links {

inline const QString kSite = QStringLiteral("https://cifroid.example/");
inline const QString kDownloadSite = QStringLiteral("https://download.cifroid.example/");
inline const QString kSupportMail = QStringLiteral("support@cifroid.example");

// The site's address as the windows show it.
inline const QString kSiteName = QStringLiteral("cifroid.example");

inline QUrl sitePage(const QString& page) {
    return QUrl(kSite + page);
}

inline QUrl downloadPage(const QString& page) {
    return QUrl(kDownloadSite + page);
}

// A new message to the support mailbox.
inline QUrl supportMail() {
    return QUrl(QStringLiteral("mailto:") + kSupportMail);
}

} // namespace common::links
