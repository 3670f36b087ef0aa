#pragma once

#include <QString>

#include <system_error>

namespace platform {

// Why a file operation failed, as a short Russian phrase to follow a colon ("нет места на
// диске"): the usual causes by name, anything else with the system's own description.
QString systemErrorText(const std::error_code& error);

} // namespace platform
