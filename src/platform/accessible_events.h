#pragma once

#include <QAccessible>
#include <QList>

namespace platform {

// Tells assistive technology (a screen reader) that something it reads has changed: a
// menu opened or closed, an item took the focus, a text changed. Every event the
// program's own controls raise goes through here.
void notifyAccessible(QAccessibleEvent& event);

// One event as a test sees it: its type, the object it is about and the child index.
struct AccessibleNote {
    QAccessible::Event type;
    QObject* object;
    int child;
};

// While one of these lives, every event passed to notifyAccessible is also kept in
// `notes` (a display without a screen reader delivers none). For tests.
class AccessibleEventRecorder {
public:
    AccessibleEventRecorder();
    ~AccessibleEventRecorder();
    AccessibleEventRecorder(const AccessibleEventRecorder&) = delete;
    AccessibleEventRecorder& operator=(const AccessibleEventRecorder&) = delete;

    QList<AccessibleNote> notes;

    // How many events of type about object were kept.
    int count(QAccessible::Event type, const QObject* object) const;
};

} // namespace platform
