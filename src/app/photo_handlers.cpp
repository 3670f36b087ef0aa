// The photo side of the main window. No images folder is set up yet, so no photo file
// counts as one of the program's own.
#include "app/main_window.h"

QString TForm1::imagesFolder() const {
    return QString();
}
