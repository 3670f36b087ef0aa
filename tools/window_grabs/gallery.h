#pragma once

#include <QString>

class GrabFolder;
class WindowGrabber;

// One picture of every window in every look the "Вид" menu offers, each look given the
// way the menu gives it (through the main window's theme manager): a row per look, a
// column per window, with the looks' and the windows' names. The theme-file look uses
// the grab folder's theme file. False when the picture cannot be written.
bool writeGallery(WindowGrabber& grabber, const GrabFolder& folder, const QString& file);
