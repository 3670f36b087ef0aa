#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Every bitmap the program embeds, by resource name, at the size and frame layout the
// skinned classes expect.
struct Artwork {
    QString name;
    QImage image;
};

QList<Artwork> drawAllArtwork();
