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

} // namespace

void activateRussianKeyboard() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return;
    const int group = russianGroupIndex(groupNames(display));
    if (group >= 0) {
        XkbLockGroup(display, XkbUseCoreKbd, group);
        XFlush(display);
    }
    XCloseDisplay(display);
}

} // namespace platform
