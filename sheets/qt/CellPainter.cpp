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

} // namespace

bool CellPainter::Draw(GridPos pos, const QRect& rect) const {
    const CellPaintContext& ctx = m_context;
    const SheetLayout& layout = ctx.layout;
    if (rect.width() < 1 || rect.height() < 1 || layout.ColumnCount() == 0) {
        return false;
    }
    QPainter& painter = ctx.painter;
    const int s = ctx.scale;

    // A JoinLeft cell shows its owner: the nearest cell on its left without JoinLeft.
    GridPos owner = pos;
    int shift = 0;
    while (owner.column > 0 && layout.Slot(owner.column, owner.row).Cell().JoinLeft()) {
        --owner.column;
        shift += layout.ColumnWidth(owner.column);
    }
    const cmcCellObj& cell = layout.Slot(owner.column, owner.row).Cell();
    // The owner's text is laid out over the owner and every JoinLeft cell that continues it.
    int extend = 0;
    for (std::int32_t next = pos.column + 1;
         next < layout.ColumnCount() && layout.Slot(next, pos.row).Cell().JoinLeft();
         ++next) {
        extend += layout.ColumnWidth(next);
    }
    const QRect textRect(rect.left() - shift, rect.top(), rect.width() + shift + extend, rect.height());

    const bool highlighted = ctx.highlighted && ctx.highlighted(owner);
    const std::uint32_t colour = cell.Color();
    bool whiteText = false;
    std::uint32_t background = colour;
    if (ctx.printing) {
        whiteText = !IsWhite(colour);
        background = whiteText ? kPrintGrey : kWhite;
    } else if (highlighted && !ctx.editorShown) {
        background = ctx.activeHighlight ? kHighlight : kButtonFace;
    }

    painter.save();
    painter.setClipRect(rect);
    // On screen every cell is filled, white included, so no earlier highlight stays behind.
    if (!(ctx.printing && background == kWhite)) {
        painter.fillRect(rect, platform::ToQColor(background, ctx.palette));
    }
    if (cell.BottomLine()) {
        const std::uint32_t line = !IsWhite(colour) ? kWhite : ctx.printing ? 0x000000 : 0x808080;
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), platform::ToQColor(line, ctx.palette));
    }

    platform::FontDesc font = cell.EffectiveFont(layout.BasicCell());
    if (!ctx.printing && highlighted && background == kHighlight) {
        font.colour = kHighlightText;
    }

    cmcCellCapsule& capsule = ctx.capsule;
    cmcCellCapsule* const parent = capsule.Parent;
    capsule = cmcCellCapsule();
    capsule.Parent = parent;
    std::string text;
    const SheetRect capsuleRect{textRect.left(), textRect.top(), textRect.right() + 1, textRect.bottom() + 1};
    if (cell.HasKind()) {
        capsule.Cell = const_cast<cmcCellObj*>(&cell);
        capsule.Canvas = &painter;
        capsule.CellRect = &capsuleRect;
        capsule.SetState(cmcCellCapsule::kIsCurrent, highlighted);
        capsule.SetState(cmcCellCapsule::kIsPrinting, ctx.printing);
        ctx.behaviour.Answer(capsule, ICellBehaviour::kDraw);
        text = capsule.OutText;
    } else {
        text = std::string(cell.DisplayText());
    }

    if (ctx.printing) {
        font.colour = whiteText ? kWhite : 0x000000;
    } else if (highlighted && background == kButtonFace &&
               (font.colour == kButtonFace || font.colour == 0xC0C0C0 || font.colour == 0x80000011)) {
        font.colour = kWindow;
    }

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
            if (place == cmcCellCapsule::kIconAfterText && lastEnd < x) {
                x = lastEnd;
            }
        }
        if (ctx.printing) {
            const QPoint at(x, rect.bottom() - w - e);
            if (capsule.Warning()) {
                CellMarks::DrawWarning(painter, at, w, Qt::black);
            } else {
                CellMarks::DrawCaution(painter, at, w, Qt::white, Qt::black);
            }
        } else {
            ctx.images->Draw(painter,
                             x,
                             rect.bottom() - ctx.images->Height() - 1,
                             capsule.Warning() ? ImageList::kWarning : ImageList::kCaution);
        }
    }
    capsule.SetState(cmcCellCapsule::kWarning, false);
    capsule.SetState(cmcCellCapsule::kCaution, false);
    painter.restore();

    return pos.column + 1 < layout.ColumnCount() && layout.Slot(pos.column + 1, pos.row).Cell().FollowLeft();
}
