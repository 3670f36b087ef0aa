#pragma once

#include <stdexcept>

namespace skin::themes {

// A component asked to take a style through a property its class does not publish.
class ThemePropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace skin::themes
