#pragma once

#include <QStringList>

#include <optional>

namespace platform {

// The index of the keyboard group to use for Russian text among the X keyboard's group
// names: an exact "Russian" first, else the first name that starts with "Russian"; -1 when
// there is none.
int russianGroupIndex(const QStringList& groupNames);

// The groups of a keyboard, the one in use and the lock that makes one of them the active
// layout.
class KeyboardGroups {
public:
    virtual ~KeyboardGroups() = default;
    virtual QStringList names() const = 0;
    virtual int current() const = 0;
    virtual void lock(int group) = 0;
};

// Russian typing while the program is in front, the user's own layout elsewhere: when a
// window of the program becomes active the group in use is remembered and the Russian one
// locked; when none is active any more (or the program ends) the remembered group is given
// back. A keyboard without a Russian group, or already on it, is left alone.
class RussianLayoutWhileActive {
public:
    explicit RussianLayoutWhileActive(KeyboardGroups& keyboard) : m_keyboard(keyboard) {}
    void activated();
    void deactivated();

private:
    KeyboardGroups& m_keyboard;
    std::optional<int> m_previous;
};

// Keeps the Russian keyboard group while a window of the program is active, from now until
// the program ends; returns the Russian group, or -1 when there is no X server or no Russian
// group and nothing will change. Calling it again changes nothing more.
int activateRussianKeyboard();

} // namespace platform
