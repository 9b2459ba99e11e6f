#pragma once

#include "sheets/SheetRect.h"

#include <cstdint>
#include <string>

class cmcCellObj;
class cuiGrid;
class cuiSheet;
class QPainter;
class QWidget;
class ImageList;

// The request record that carries one cell, a command and its context to the behaviour object, and
// carries its answers back (texts, icon flags, a jump target, a selection range). Created zeroed; a
// copy copies every field, texts by value and references as references. Nothing here is owned.
//
// Window-system objects appear only as opaque pointers, so the record stays free of the toolkit.
class cmcCellCapsule {
public:
    enum StateBits : std::uint8_t { kIsCurrent = 1, kIsPrinting = 2, kCaution = 4, kWarning = 8 };
    enum RangeBits : std::uint8_t { kRangeSet = 1, kRangeResult = 2 };
    enum IconPlaces : std::uint8_t { kIconDefault = 0, kIconLeft = 1, kIconRightEdge = 2, kIconAfterText = 3 };
    enum EditStates : std::uint8_t { kEditNone = 0, kEditTyped = 1, kEditChoice = 2 };
    // What Command asks: nothing (a committed text, a choice, drawing or probing), a typed character by
    // its code (1 to 127, Backspace, Enter and Space among them), a double click, or a key that types no
    // character (KeyCommand of its key number). Enter also stands for the Edit item of a pop-up menu and
    // for the choice of a menu item or a tree node.
    enum Commands : std::int32_t {
        kCommandNone = 0,
        kCommandBackspace = 8,
        kCommandEnter = 13,
        kCommandSpace = 32,
        kCommandLastTyped = 126,     // '~', the last character a key types
        kCommandLastCharacter = 127, // the last command that stands for a character
        kCommandDoubleClick = 256,
    };
    static constexpr std::int32_t KeyCommand(std::int32_t virtualKey) { return virtualKey * 256; }

    cmcCellCapsule* Parent = nullptr;
    QWidget* Owner = nullptr;
    cuiGrid* Grid = nullptr;
    cmcCellObj* Cell = nullptr;
    QPainter* Canvas = nullptr;
    ImageList* Images = nullptr;
    const SheetRect* CellRect = nullptr; // the cell's rectangle on the grid or printer page
    std::int32_t SelStart = 0;
    std::int32_t SelLength = 0;
    std::int32_t Command = 0;
    std::int32_t Param = 0;
    std::string InputText;
    std::string OutText;
    std::uint8_t State = 0;
    std::uint8_t IconPlace = kIconDefault;
    std::uint8_t EditState = kEditNone;
    std::int32_t JumpTo = 0;
    std::int32_t JumpCategory = 0;
    std::int32_t JumpKind = 0;
    std::int32_t JumpIndex = 0;
    std::int32_t ReplayCommand = 0;
    cuiSheet* Sheet = nullptr; // the sheet that asked (in a pop-up list's copy: the list's opener)
    std::uint8_t Range = 0;
    std::int32_t RangeFirst = 0;
    std::int32_t RangeLast = 0;
    // Answer to a command: the scope bits (sheets/CellRelations.h) of the cells the sheet that asked
    // repaints once the answer is back, before it follows the answer's jump or opens its editor; 0 none.
    std::int32_t RefreshScope = 0;
    // Answers for drawing that the behaviour object cannot paint itself (it has no toolkit): the text
    // colour (kDefaultTextColor: the sheet's own) and a grey mark over the cell.
    static constexpr std::uint32_t kDefaultTextColor = 0xFFFFFFFF;
    enum Marks : std::uint8_t { kMarkNone = 0, kMarkQuarterPillar = 1, kMarkCannotEdit = 2 };
    std::uint32_t TextColor = kDefaultTextColor;
    std::uint8_t Mark = kMarkNone;

    bool IsCurrent() const { return (State & kIsCurrent) != 0; }
    bool IsPrinting() const { return (State & kIsPrinting) != 0; }
    bool Caution() const { return (State & kCaution) != 0; }
    bool Warning() const { return (State & kWarning) != 0; }
    void SetState(std::uint8_t bit, bool on) { State = static_cast<std::uint8_t>(on ? State | bit : State & ~bit); }
    bool RangeSet() const { return (Range & kRangeSet) != 0; }
    bool RangeResult() const { return (Range & kRangeResult) != 0; }
};

// The behaviour behind every cell: the model's behaviour object, or another answerer installed on a
// sheet. `Answer` reads the capsule's cell and the fields its caller set, acts on the image and writes
// its answers into the capsule. mode 1: a sheet sends a command (the answerer sets RefreshScope);
// mode 0: drawing and probing (RefreshScope 0). The result for commands: 0 nothing, 1 drop the
// multi-selection, 2 open the in-place editor with OutText, SelStart and SelLength.
class ICellBehaviour {
public:
    enum Mode : int { kDraw = 0, kCommand = 1 };
    enum Result : int { kNothing = 0, kDropSelection = 1, kOpenEditor = 2 };

    virtual ~ICellBehaviour() = default;
    virtual int Answer(cmcCellCapsule& capsule, int mode) = 0;
};
