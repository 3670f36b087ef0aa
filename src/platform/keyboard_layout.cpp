#include "platform/keyboard_layout.h"

#include <QGuiApplication>
#include <QPointer>

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

void RussianLayoutWhileActive::activated() {
    if (m_previous)
        return;
    const int russian = russianGroupIndex(m_keyboard.names());
    const int inUse = m_keyboard.current();
    if (russian < 0 || russian == inUse)
        return;
    m_previous = inUse;
    m_keyboard.lock(russian);
}

void RussianLayoutWhileActive::deactivated() {
    if (!m_previous)
        return;
    m_keyboard.lock(*m_previous);
    m_previous.reset();
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

// The core keyboard of an X display, on a connection of its own for as long as it lives.
class XKeyboard : public KeyboardGroups {
public:
    explicit XKeyboard(Display* display) : m_display(display) {}
    ~XKeyboard() override { XCloseDisplay(m_display); }
    XKeyboard(const XKeyboard&) = delete;
    XKeyboard& operator=(const XKeyboard&) = delete;

    QStringList names() const override { return groupNames(m_display); }
    int current() const override {
        XkbStateRec state{};
        return XkbGetState(m_display, XkbUseCoreKbd, &state) == Success ? state.group : -1;
    }
    void lock(int group) override {
        XkbLockGroup(m_display, XkbUseCoreKbd, group);
        XFlush(m_display);
    }

private:
    Display* m_display;
};

// Follows the application's active state for its whole run and gives the layout back
// when it ends.
class ActiveLayoutKeeper : public QObject {
public:
    explicit ActiveLayoutKeeper(Display* display)
        : QObject(QCoreApplication::instance()), m_keyboard(display), m_policy(m_keyboard) {
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) { follow(state); });
        connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] { m_policy.deactivated(); });
        follow(QGuiApplication::applicationState());
    }
    ~ActiveLayoutKeeper() override { m_policy.deactivated(); }

    int russianGroup() const { return russianGroupIndex(m_keyboard.names()); }

private:
    void follow(Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            m_policy.activated();
        else
            m_policy.deactivated();
    }

    XKeyboard m_keyboard;
    RussianLayoutWhileActive m_policy;
};

} // namespace

int activateRussianKeyboard() {
    // Gone with the application that owns it.
    static QPointer<ActiveLayoutKeeper> keeper;
    if (keeper)
        return keeper->russianGroup();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return -1;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return -1;
    const QStringList names = groupNames(display);
    if (russianGroupIndex(names) < 0) {
        XCloseDisplay(display);
        return -1;
    }
    keeper = new ActiveLayoutKeeper(display);
    return keeper->russianGroup();
}

} // namespace platform
