#pragma once

#include <QStringList>

namespace platform {

// The index of the keyboard group to use for Russian text among the X keyboard's group
// names: an exact "Russian" first, else the first name that starts with "Russian"; -1 when
// there is none.
int russianGroupIndex(const QStringList& groupNames);

// Makes the Russian keyboard group the active input layout. Without an X server or
// without a Russian group this does nothing.
void activateRussianKeyboard();

} // namespace platform
