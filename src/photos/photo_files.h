#pragma once

#include <QString>

// Photo files the program may delete on its own: only the copies it keeps in the images
// folder. A photo path that names a file elsewhere (edited by hand, or left from another
// folder) is never deleted.
bool isOwnPhotoFile(const QString& path, const QString& imagesFolder);
