#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A picture the program embeds, by its path inside the resources.
struct Artwork {
    QString file;
    QImage image;
};

// Every skin bitmap, as "skin/<resource name>.png", at the size and frame layout the
// skinned classes expect.
QList<Artwork> drawAllArtwork();
