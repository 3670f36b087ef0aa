#include "platform/desktop_open.h"

#include <QDesktopServices>

namespace platform {
namespace {

UrlOpenRecorder* g_recorder = nullptr;

} // namespace

void openUrl(const QUrl& url) {
    if (g_recorder) {
        g_recorder->urls.append(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

UrlOpenRecorder::UrlOpenRecorder() {
    g_recorder = this;
}

UrlOpenRecorder::~UrlOpenRecorder() {
    g_recorder = nullptr;
}

} // namespace platform
