#pragma once

#include <QImage>

// One picture of every built-in skin resource of the five styles, each at twice its size
// with its name, and for each style a small window put together from its pieces.
QImage drawContactSheet();
