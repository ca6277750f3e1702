#pragma once

#include <QtGlobal>

class QWidget;

namespace cordavo {

// Windows laid out at fixed positions were drawn for one font. At a larger
// desktop font they grow evenly, so that every text fits and nothing moves
// relative to anything else.

// The least factor, from 1 up in steps of 1/20, by which the sizes of the
// controls under root must grow for every label and button to show its whole
// text at its font; 1 when everything fits as laid out. Texts in a pixel size
// of their own grow with the layout and are not measured.
qreal growthToFit(const QWidget *root);

// Multiplies the positions and sizes of the controls under root by factor,
// and the pixel sizes of the fonts they set for themselves.
void growLayout(QWidget *root, qreal factor);

} // namespace cordavo
