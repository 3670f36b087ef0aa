#pragma once

#include <stdexcept>
#include <string>

namespace skin::themes {

// A theme file that cannot be opened or whose records point past its end.
class ThemeFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace skin::themes
