#include "sheets/PopupPlacement.h"

SheetRect PlacePopup(const SheetRect& cell, int width, int height, const SheetRect& workArea) {
    int top = cell.bottom;
    int left = cell.left + 8;
    bool atBottom = false;
    if (top + height > workArea.bottom) {
        if (cell.top - height >= workArea.top) {
            top = cell.top - height;
        } else {
            top = workArea.bottom - height;
            atBottom = true;
        }
    }
    if (left + width > workArea.right) {
        if (atBottom && cell.left - width >= workArea.left) {
            left = cell.left - width;
        } else {
            left = workArea.right - width;
        }
    }
    return {left, top, left + width, top + height};
}
