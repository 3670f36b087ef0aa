#pragma once

// The main window's warning that no images folder is set ("suiMessageDialog1"): caption
// "Внимание!", one "OK" button, centred on the screen. Its answer is not used.
void showImagesFolderWarning();
