#pragma once

#include <QString>

#include <functional>

// The text of the data-file error that operation throws, or an empty text when it throws
// none.
QString dataFileErrorText(const std::function<void()>& operation);
