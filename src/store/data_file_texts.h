#pragma once

#include <QString>

namespace store {

// What the user is told when the base cannot take a change, in words they can act on.

enum class BaseGone { Deleted, Replaced };

// The base was deleted or replaced on disk by another program while it was open here.
QString baseGoneText(const QString& path, BaseGone how);

// The base could only be opened for reading.
QString readOnlyText(const QString& path);

// The path of the base names a FIFO, a device or a socket.
QString notRegularText(const QString& path);

// The base holds more records than a record number can count.
QString tooLargeText(const QString& path);

} // namespace store
