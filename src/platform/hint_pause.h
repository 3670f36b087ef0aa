#pragma once

namespace platform {

// Sets the application-wide pause before a hint (tool tip) appears, in milliseconds.
void setHintPause(int milliseconds);
int hintPause();

} // namespace platform
