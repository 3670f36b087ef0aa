#pragma once

#include <stdexcept>

// The errors the skin raises. Each is a kind of its own so that callers catch exactly the
// failure they can handle.
namespace skin::themes {

// A theme file that cannot be opened or whose records point past its end.
class ThemeFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A component asked to take a style through a property its class does not publish.
class ThemePropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A skinned component that cannot be created as asked ("Sorry, ..." texts).
class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace skin::themes
