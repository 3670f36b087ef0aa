#pragma once

#include <QByteArray>

namespace photos {

// A progressive JPEG sends its coefficients in several scans, from coarse to fine. A
// decode at 1/8 scale needs only the coarse ones, and the others are most of the file's
// bytes and most of the decoding work.

// The side each 8 x 8 block of a component is decoded to at 1/8 scale: 1, or 2 or 4 for
// a subsampled component, which the decoder scales less so that it need not enlarge it
// afterwards (libjpeg's rule, from the sampling factors).
int eighthScaleBlockSide(int horizontal, int vertical, int maxHorizontal, int maxVertical);

// The file without the scans that a decode at 1/8 scale does not use (those of a
// component's coefficients beyond the corner its blocks are decoded from). An empty array
// for anything else: a sequential file, a structure this does not follow, or a file that
// does not end in its end-of-image marker, so such files are decoded (and their damage
// reported) as a whole.
QByteArray scansForEighthScale(const QByteArray& file);

} // namespace photos
