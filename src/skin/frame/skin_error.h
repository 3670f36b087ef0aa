#pragma once

#include <stdexcept>

namespace skin::frame {

// A skinned component that cannot be created as asked ("Sorry, ..." texts).
class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace skin::frame
