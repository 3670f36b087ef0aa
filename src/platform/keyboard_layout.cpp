#include "platform/keyboard_layout.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/extensions/XKBstr.h>

namespace platform {

int russianGroupIndex(const QStringList& groupNames) {
    const int exact = groupNames.indexOf(QStringLiteral("Russian"));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < groupNames.size(); ++i) {
        if (groupNames[i].startsWith(QStringLiteral("Russian"), Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

namespace {

QStringList groupNames(Display* display) {
    QStringList names;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return names;
    if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
        for (int group = 0; group < XkbNumKbdGroups; ++group) {
            const Atom atom = keyboard->names->groups[group];
            if (atom == None)
                break;
            char* name = XGetAtomName(display, atom);
            names << QString::fromUtf8(name ? name : "");
            XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return names;
}

// The core keyboard of an X display.
class XKeyboard : public KeyboardGroups {
public:
    explicit XKeyboard(Display* display) : m_display(display) {}
    QStringList names() const override { return groupNames(m_display); }
    void lock(int group) override {
        XkbLockGroup(m_display, XkbUseCoreKbd, group);
        XFlush(m_display);
    }

private:
    Display* m_display;
};

} // namespace

int lockRussianGroup(KeyboardGroups& keyboard) {
    const int group = russianGroupIndex(keyboard.names());
    if (group >= 0)
        keyboard.lock(group);
    return group;
}

int activateRussianKeyboard() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return -1;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return -1;
    XKeyboard keyboard(display);
    const int group = lockRussianGroup(keyboard);
    XCloseDisplay(display);
    return group;
}

} // namespace platform
