#pragma once

#include <QString>

class QWidget;

namespace platform {

// Gives every widget of the application that has no accessible name one from its caption
// or, failing that, its hint, so a screen reader announces what a control is: the
// glyph-only tool buttons and the skinned group boxes have no text a reader would find
// by itself. A name set by hand is kept. The name is given when the widget is polished
// (before it is first shown) and follows later changes of the hint. Install once, after
// the application object exists.
void installAccessibleNames();

// The name the above gives a widget: its caption (the Caption property or a button's
// text) without the accelerator mark, else its hint, which also stands in for a caption
// of signs only ("+", "..."); empty when it has neither.
QString accessibleNameOf(const QWidget* widget);

// A caption as it is read out: without the "&" that marks its accelerator letter ("&&"
// stays one "&").
QString withoutAccelerator(QString text);

} // namespace platform
