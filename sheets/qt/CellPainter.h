#pragma once

#include "sheets/SheetPosition.h"

#include <QPalette>
#include <QRect>
#include <functional>

class QPainter;
class SheetLayout;
class cmcCellCapsule;
class ImageList;
class ICellBehaviour;

// Everything the drawing of one cell needs besides its position: where to draw, the sheet's layout,
// who answers the cell's text, the reusable drawing capsule (its Parent already set by the sheet), the
// image list, the scale, and the state that decides the colours.
struct CellPaintContext {
    QPainter& painter;
    const SheetLayout& layout;
    ICellBehaviour& behaviour;
    cmcCellCapsule& capsule;
    const ImageList* images = nullptr;
    QPalette palette;
    int scale = 1;
    bool printing = false;
    // Highlighted cells get the highlight colour (else the button-face colour): the grid has the focus
    // or the sheet is a pop-up list.
    bool activeHighlight = true;
    // While the in-place editor shows, highlighted cells keep their own colour.
    bool editorShown = false;
    // Whether the cell at a position is drawn highlighted (current, selected or line-marked).
    std::function<bool(GridPos)> highlighted;
};

// The one routine that draws a cell, on the screen and on a printer page alike: background, bottom
// line, the text the behaviour answers (or the static text) aligned with the scale, and the warning or
// caution mark. A JoinLeft cell is drawn as the continuation of the nearest cell on its left that is not
// JoinLeft (the walk stops at the grid's edge). Drawing is clipped to the cell's rectangle.
class CellPainter {
public:
    explicit CellPainter(const CellPaintContext& context) : m_context(context) {}

    // Draws the cell at `pos` into `rect`. Returns true when the cell to its right is FollowLeft, so
    // the caller repaints it too (its highlight follows this one).
    bool Draw(GridPos pos, const QRect& rect) const;

private:
    const CellPaintContext& m_context;
};
