#pragma once

#include <QList>
#include <QUrl>

namespace platform {

// Asks the desktop to open a file, a "mailto:" or a web address with the program it
// associates with it. The result is not examined: when nothing handles the address,
// nothing happens.
void openUrl(const QUrl& url);

// While one of these lives, addresses are recorded instead of opened (tests, benchmarks).
class UrlOpenRecorder {
public:
    UrlOpenRecorder();
    ~UrlOpenRecorder();
    UrlOpenRecorder(const UrlOpenRecorder&) = delete;
    UrlOpenRecorder& operator=(const UrlOpenRecorder&) = delete;

    QList<QUrl> urls;
};

} // namespace platform
