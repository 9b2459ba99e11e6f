#pragma once

#include <QColor>
#include <QPixmap>
#include <vector>

class QPainter;

// The images of a sheet's cells (tree nodes, buttons, warning and caution marks), all of one size,
// addressed by index. Holds its pixmaps by value.
class ImageList {
public:
    static constexpr int kCaution = 4; // image of a cell answered with Caution only
    static constexpr int kWarning = 5; // image of a cell answered with Warning

    ImageList(int width, int height) : m_width(width), m_height(height) {}

    // A list of `size` × `size` images whose image 4 is the caution mark and image 5 the warning mark,
    // drawn by CellMarks; the others are empty. What sheets use when no icon files are given.
    static ImageList WithCellMarks(int size);

    // Puts `pixmap` at `index`, growing the list with empty images; it is scaled to the list's size.
    void Set(int index, const QPixmap& pixmap);
    int Count() const { return static_cast<int>(m_images.size()); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Draws image `index` with its top left at (x, y); nothing for an index outside the list.
    void Draw(QPainter& painter, int x, int y, int index) const;

private:
    int m_width;
    int m_height;
    std::vector<QPixmap> m_images;
};
