#include "sheets/qt/CellPainter.h"

#include "platform/qt/QtFont.h"
#include "sheets/SheetLayout.h"
#include "sheets/cmcCellCapsule.h"
#include "sheets/qt/CellMarks.h"
#include "sheets/qt/ImageList.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

constexpr std::uint32_t kWindow = 0x80000005;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kHighlight = 0x8000000D;
constexpr std::uint32_t kHighlightText = 0x8000000E;
constexpr std::uint32_t kButtonFace = 0x8000000F;
constexpr std::uint32_t kPrintGrey = 0x606060;

bool IsWhite(std::uint32_t colour) {
    return colour == kWindow || colour == kWhite;
}

// The cell a slot shows and where its text goes: a JoinLeft cell shows its owner, the nearest cell on
// its left without JoinLeft, and the owner's text is laid out over the owner and every JoinLeft cell
// that continues it.
struct CellSpan {
    GridPos owner;
    QRect textRect;
};

CellSpan SpanOf(const SheetLayout& layout, GridPos pos, const QRect& rect) {
    GridPos owner = pos;
    int shift = 0;
    while (owner.column > 0 && layout.Slot(owner.column, owner.row).Cell().JoinLeft()) {
        --owner.column;
        shift += layout.ColumnWidth(owner.column);
    }
    int extend = 0;
    for (std::int32_t next = pos.column + 1;
         next < layout.ColumnCount() && layout.Slot(next, pos.row).Cell().JoinLeft();
         ++next) {
        extend += layout.ColumnWidth(next);
    }
    return {owner, QRect(rect.left() - shift, rect.top(), rect.width() + shift + extend, rect.height())};
}

// How a cell is coloured: its background, and on a printed page whether its text is white on grey.
struct CellColours {
    bool highlighted = false;
    std::uint32_t background = 0;
    bool whiteText = false;
};

// A printed cell is white, or grey with white text where the sheet colours it; on screen a highlighted
// cell takes the highlight (or button-face) colour unless the in-place editor shows.
CellColours ColoursOf(const CellPaintContext& ctx, const cmcCellObj& cell, bool highlighted) {
    CellColours colours{highlighted, cell.Color(), false};
    if (ctx.printing) {
        colours.whiteText = !IsWhite(cell.Color());
        colours.background = colours.whiteText ? kPrintGrey : kWhite;
    } else if (highlighted && !ctx.editorShown) {
        colours.background = ctx.activeHighlight ? kHighlight : kButtonFace;
    }
    return colours;
}

// The background and the bottom line. On screen every cell is filled, white included, so no earlier
// highlight stays behind.
void FillBackground(const CellPaintContext& ctx,
                    const cmcCellObj& cell,
                    const QRect& rect,
                    const CellColours& colours) {
    QPainter& painter = ctx.painter;
    if (!(ctx.printing && colours.background == kWhite)) {
        painter.fillRect(rect, platform::ToQColor(colours.background, ctx.palette));
    }
    if (cell.BottomLine()) {
        const std::uint32_t line = !IsWhite(cell.Color()) ? kWhite : ctx.printing ? 0x000000 : 0x808080;
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), platform::ToQColor(line, ctx.palette));
    }
}

// The text a cell shows: what the behaviour draws for a cell with a kind (the capsule then holds its
// warning and caution marks too), else the static text. The capsule is cleared first, keeping its
// Parent.
std::string AskText(const CellPaintContext& ctx, const cmcCellObj& cell, const QRect& textRect, bool highlighted) {
    cmcCellCapsule& capsule = ctx.capsule;
    cmcCellCapsule* const parent = capsule.Parent;
    capsule = cmcCellCapsule();
    capsule.Parent = parent;
    if (!cell.HasKind()) {
        return std::string(cell.DisplayText());
    }
    const SheetRect capsuleRect{textRect.left(), textRect.top(), textRect.right() + 1, textRect.bottom() + 1};
    capsule.Cell = const_cast<cmcCellObj*>(&cell);
    capsule.Canvas = &ctx.painter;
    capsule.CellRect = &capsuleRect;
    capsule.SetState(cmcCellCapsule::kIsCurrent, highlighted);
    capsule.SetState(cmcCellCapsule::kIsPrinting, ctx.printing);
    ctx.behaviour.Answer(capsule, ICellBehaviour::kDraw);
    capsule.CellRect = nullptr; // the rectangle ends here
    return capsule.OutText;
}

// The cell's font, in a colour that stands out from its background: black or white on a printed page,
// the highlight text colour on the highlight, and the window colour where a grey text would vanish on
// the button face.
platform::FontDesc TextFont(const CellPaintContext& ctx, const cmcCellObj& cell, const CellColours& colours) {
    platform::FontDesc font = cell.EffectiveFont(ctx.layout.BasicCell());
    if (ctx.printing) {
        font.colour = colours.whiteText ? kWhite : 0x000000;
    } else if (colours.highlighted && colours.background == kHighlight) {
        font.colour = kHighlightText;
    } else if (colours.highlighted && colours.background == kButtonFace &&
               (font.colour == kButtonFace || font.colour == 0xC0C0C0 || font.colour == 0x80000011)) {
        font.colour = kWindow;
    }
    return font;
}

// Draws the lines of `text` aligned in `textRect` as the cell says; returns where the last line ends.
int DrawLines(const CellPaintContext& ctx,
              const cmcCellObj& cell,
              const platform::FontDesc& font,
              const std::string& text,
              const QRect& textRect) {
    QPainter& painter = ctx.painter;
    const int s = ctx.scale;
    const QFont qfont = ctx.printing ? platform::ForPrinting(platform::ToQFont(font)) : platform::ToQFont(font);
    painter.setFont(qfont);
    painter.setPen(platform::ToQColor(font.colour, ctx.palette));
    const QFontMetrics metrics(qfont, painter.device());
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    const int lineHeight = metrics.height();
    const int h = lineHeight * static_cast<int>(lines.size());
    // Windows-style edges: right and bottom are the last pixel inside.
    const int left = textRect.left();
    const int right = textRect.right();
    const int top = textRect.top();
    const int bottom = textRect.bottom();
    int y = cell.VAlign() == cmcCellObj::kMiddle   ? top + (bottom + 1 - top - h) / 2
            : cell.VAlign() == cmcCellObj::kBottom ? bottom - h - s
                                                   : top + s;
    int lastEnd = left;
    for (const QString& line : lines) {
        const int w = metrics.horizontalAdvance(line);
        const int x = cell.HAlign() == cmcCellObj::kCentre  ? left + (right + 1 - left - w) / 2
                      : cell.HAlign() == cmcCellObj::kRight ? right - w - 4 * s + 1
                                                            : left + 4 * s;
        painter.drawText(x, y + metrics.ascent(), line);
        lastEnd = x + w;
        y += lineHeight;
    }
    return lastEnd;
}

// The warning or caution mark the behaviour asked for, at the place it asked (by default left of a
// right-aligned text, else after the text), drawn on a printed page and taken from the image list on
// screen; then the marks are cleared.
void DrawMark(const CellPaintContext& ctx, const cmcCellObj& cell, const QRect& rect, int textEnd) {
    cmcCellCapsule& capsule = ctx.capsule;
    if (ctx.images != nullptr && (capsule.Warning() || capsule.Caution())) {
        int place = capsule.IconPlace;
        if (place == cmcCellCapsule::kIconDefault) {
            place = cell.HAlign() == cmcCellObj::kRight ? cmcCellCapsule::kIconLeft : cmcCellCapsule::kIconAfterText;
        }
        const int w = ctx.printing ? rect.height() / 2 : ctx.images->Width();
        const int e = w / 8;
        int x = rect.left() + e;
        if (place != cmcCellCapsule::kIconLeft) {
            x = rect.right() - w - 1;
            if (place == cmcCellCapsule::kIconAfterText && textEnd < x) {
                x = textEnd;
            }
        }
        if (ctx.printing) {
            const QPoint at(x, rect.bottom() - w - e);
            if (capsule.Warning()) {
                CellMarks::DrawWarning(ctx.painter, at, w, Qt::black);
            } else {
                CellMarks::DrawCaution(ctx.painter, at, w, Qt::white, Qt::black);
            }
        } else {
            ctx.images->Draw(ctx.painter,
                             x,
                             rect.bottom() - ctx.images->Height() - 1,
                             capsule.Warning() ? ImageList::kWarning : ImageList::kCaution);
        }
    }
    capsule.SetState(cmcCellCapsule::kWarning, false);
    capsule.SetState(cmcCellCapsule::kCaution, false);
}

// Whether the cell right of `pos` is FollowLeft, so its highlight follows this one.
bool RightFollows(const SheetLayout& layout, GridPos pos) {
    return pos.column + 1 < layout.ColumnCount() && layout.Slot(pos.column + 1, pos.row).Cell().FollowLeft();
}

} // namespace

bool CellPainter::Draw(GridPos pos, const QRect& rect) const {
    const CellPaintContext& ctx = m_context;
    if (rect.width() < 1 || rect.height() < 1 || ctx.layout.ColumnCount() == 0) {
        return false;
    }
    const CellSpan span = SpanOf(ctx.layout, pos, rect);
    const cmcCellObj& cell = ctx.layout.Slot(span.owner.column, span.owner.row).Cell();
    const CellColours colours = ColoursOf(ctx, cell, ctx.highlighted && ctx.highlighted(span.owner));

    ctx.painter.save();
    ctx.painter.setClipRect(rect);
    FillBackground(ctx, cell, rect, colours);
    const platform::FontDesc font = TextFont(ctx, cell, colours);
    const std::string text = AskText(ctx, cell, span.textRect, colours.highlighted);
    const int textEnd = DrawLines(ctx, cell, font, text, span.textRect);
    DrawMark(ctx, cell, rect, textEnd);
    ctx.painter.restore();

    return RightFollows(ctx.layout, pos);
}
