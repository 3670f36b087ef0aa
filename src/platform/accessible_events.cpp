#include "platform/accessible_events.h"

#include <algorithm>

namespace platform {
namespace {

AccessibleEventRecorder*& activeRecorder() {
    static AccessibleEventRecorder* recorder = nullptr;
    return recorder;
}

} // namespace

void notifyAccessible(QAccessibleEvent& event) {
    if (AccessibleEventRecorder* recorder = activeRecorder())
        recorder->notes.append({event.type(), event.object(), event.child()});
    QAccessible::updateAccessibility(&event);
}

AccessibleEventRecorder::AccessibleEventRecorder() {
    activeRecorder() = this;
}

AccessibleEventRecorder::~AccessibleEventRecorder() {
    activeRecorder() = nullptr;
}

int AccessibleEventRecorder::count(QAccessible::Event type, const QObject* object) const {
    return int(std::count_if(notes.cbegin(), notes.cend(), [&](const AccessibleNote& note) {
        return note.type == type && note.object == object;
    }));
}

} // namespace platform
