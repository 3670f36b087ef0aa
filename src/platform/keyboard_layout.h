#pragma once

#include <QStringList>

namespace platform {

// The index of the keyboard group to use for Russian text among the X keyboard's group
// names: an exact "Russian" first, else the first name that starts with "Russian"; -1 when
// there is none.
int russianGroupIndex(const QStringList& groupNames);

// The groups of a keyboard and the lock that makes one of them the active layout.
class KeyboardGroups {
public:
    virtual ~KeyboardGroups() = default;
    virtual QStringList names() const = 0;
    virtual void lock(int group) = 0;
};

// Locks the keyboard's Russian group; returns its index, or -1 when there is none and
// nothing was locked.
int lockRussianGroup(KeyboardGroups& keyboard);

// Makes the Russian keyboard group the active input layout; returns the group locked, or
// -1 when there is no X server or no Russian group and nothing changed.
int activateRussianKeyboard();

} // namespace platform
