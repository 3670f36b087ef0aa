#pragma once

#include <QColor>

// Decoration on the left section of the caption.
enum class TitleOrnament { None, Pinstripes, Diagonals, Hexagons, Arcs };

// The colours and shapes that make one style's look. Every picture function takes the
// palette of the style it draws for, so the five looks come from one set of drawings.
struct StylePalette {
    QColor titleTop, titleBottom; // caption gradient
    QColor titleEdge;             // outline of the caption and the window border
    QColor titleShine;            // highlight line under the caption's top edge
    bool glassTitle;              // glossy upper half on the caption
    int titleCorner;              // radius of the caption's rounded top corners (0: square)
    TitleOrnament ornament;
    int titleButtonY;           // row of the caption where the title buttons stand
    QColor faceTop, faceBottom; // button face gradient
    QColor faceBorder;          // button outline
    QColor hover;               // mouse-over highlight
    QColor pressedTop, pressedBottom;
    int faceCorner;    // radius of the button face corners
    bool keyedButtons; // corners of the button face are the key colour
    QColor titleButtonTop, titleButtonBottom, titleButtonBorder, titleGlyph;
    QColor closeTop, closeBottom;
    bool roundTitleButtons;  // circles instead of rounded squares
    bool keyedTitleButtons;  // title buttons stand on the key colour
    QColor background;       // form background
    QColor accent;           // check marks, bars, selections
    QColor arrow;            // arrows and small glyphs
    QColor stripeA, stripeB; // pinstripes of striped surfaces
};

enum class ArtStyle { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

const StylePalette& paletteOf(ArtStyle style);
