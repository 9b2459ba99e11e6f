#pragma once

// A rectangle in pixels of a grid or printer page: left and top inside, right and bottom outside.
struct SheetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const SheetRect&) const = default;
};
