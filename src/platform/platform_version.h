#pragma once

// Whether the system is the old consumer Windows family release on which the skinned
// combo box leaves its painting to the system. Set once at start; never true here.
bool IsWin95Osr2();
