#pragma once

#include "platform/FontDesc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class IDefinitionSource;

// What identifies a cell to the model: its category, kind and index.
struct CellIdentity {
    std::int32_t category = 7;
    std::int32_t kind = 256;
    std::int32_t index = 0;
    bool operator==(const CellIdentity&) const = default;
};

// The ten loop variables @ch0 ... @ch9 of a sheet.
using LoopVarArray = std::array<std::int32_t, 10>;

// One cell: the parsed form of one cell definition of the overlay. Sheet cells, tree nodes, menu items
// and tool bar buttons are all cells. A cell does not know its value; the behaviour object decides what
// it shows from its category, kind, index and argument.
//
// Texts and the font are owned; the template is not (it is the cell this one was copied from, usually
// a sheet's basic cell, and must outlive it).
class cmcCellObj {
public:
    static constexpr std::int32_t kNoCategory = 7;
    static constexpr std::int32_t kNoKind = 256;
    static constexpr std::uint32_t kDefaultColor = 0x80000005; // system window colour

    enum Align : std::uint8_t { kLeft = 0, kCentre = 1, kRight = 2, kTop = 0, kMiddle = 1, kBottom = 2 };

    cmcCellObj() = default;
    cmcCellObj(const cmcCellObj& other) { CopyFrom(other); }
    cmcCellObj& operator=(const cmcCellObj& other);
    ~cmcCellObj() = default;

    // Back to the template: texts and font released, no kind, no image, flags 0, window colour; then,
    // with a template, every field copied from it (texts duplicated) except the font and the pop-up menu,
    // which are inherited when used. Without a template Category and Index keep their values.
    void ResetFromTemplate();

    // Builds the cell from the first definition of `definition` (cut at the first unescaped '|'),
    // resetting it from `templ` first. `loopVars` are the sheet's loop variables, or nullptr where there
    // are none (any @ch reference is then the fault "Ch No. Error"). Named models are read from
    // `models`. Returns the rest of the line after the '|' (empty after the last definition).
    std::string_view
    Parse(std::string_view definition, const cmcCellObj* templ, LoopVarArray* loopVars, IDefinitionSource& models);

    // The rest of `definition` after its first unescaped '|', without touching any cell; empty when
    // there is none. Counting the definitions of a line: split until the rest is empty.
    static std::string_view Split(std::string_view definition);

    // Copies every field of `other`; texts and font are duplicated, so the copy is independent.
    void CopyFrom(const cmcCellObj& other);

    // The pop-up menu key of this cell, else of its template, and so on; empty at the end of the chain.
    std::string_view EffectivePopupMenu() const;

    // The cell's own font, else the font of `basic` (the sheet's basic cell), else the default font.
    const platform::FontDesc& EffectiveFont(const cmcCellObj& basic) const;

    // The font used when nothing gives one.
    static const platform::FontDesc& DefaultFont();

    const cmcCellObj* Template() const { return m_template; }

    std::int32_t Category() const { return m_category; }
    std::int32_t Kind() const { return m_kind; }
    std::int32_t Index() const { return m_index; }
    void SetCategory(std::int32_t category) { m_category = category; }
    void SetKind(std::int32_t kind) { m_kind = kind; }
    void SetIndex(std::int32_t index) { m_index = index; }
    CellIdentity Identity() const { return {m_category, m_kind, m_index}; }
    bool HasCategory() const { return m_category != kNoCategory; }
    bool HasKind() const { return m_kind != kNoKind; }

    const std::optional<std::string>& Argument() const { return m_argument; }
    void SetArgument(std::optional<std::string> argument) { m_argument = std::move(argument); }
    std::int32_t ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(std::int32_t index) { m_imageIndex = index; }

    int HAlign() const { return m_flagsA & 3; }
    int VAlign() const { return (m_flagsA >> 2) & 3; }
    void SetHAlign(int align) { m_flagsA = static_cast<std::uint8_t>((m_flagsA & ~3) | (align & 3)); }
    void SetVAlign(int align) { m_flagsA = static_cast<std::uint8_t>((m_flagsA & ~0xC) | ((align & 3) << 2)); }
    bool AutoWidth() const { return (m_flagsA & 0x10) != 0; }
    bool AutoHeight() const { return (m_flagsA & 0x20) != 0; }
    bool JoinLeft() const { return (m_flagsA & 0x40) != 0; }
    bool BottomLine() const { return (m_flagsA & 0x80) != 0; }
    bool Selectable() const { return (m_flagsB & 1) != 0; }
    bool FollowLeft() const { return (m_flagsB & 2) != 0; }
    void SetAutoWidth(bool on) { SetBit(m_flagsA, 0x10, on); }
    void SetAutoHeight(bool on) { SetBit(m_flagsA, 0x20, on); }
    void SetJoinLeft(bool on) { SetBit(m_flagsA, 0x40, on); }
    void SetBottomLine(bool on) { SetBit(m_flagsA, 0x80, on); }
    void SetSelectable(bool on) { SetBit(m_flagsB, 1, on); }
    void SetFollowLeft(bool on) { SetBit(m_flagsB, 2, on); }

    // General-purpose bits Flag0 ... Flag7 (n outside 0 to 7: false, nothing set).
    bool Flag(int n) const;
    void SetFlag(int n, bool on);

    // The three flag bytes as stored (A: alignment, sizing, joining, bottom line; B: selectable,
    // follow-left, Flag0-5; C: Flag6-7).
    std::uint8_t FlagsA() const { return m_flagsA; }
    std::uint8_t FlagsB() const { return m_flagsB; }
    std::uint8_t FlagsC() const { return m_flagsC; }

    std::uint32_t Color() const { return m_color; }
    void SetColor(std::uint32_t color) { m_color = color; }

    // The cell's own font, or nullptr (then the basic cell's font is used).
    const platform::FontDesc* Font() const { return m_font.get(); }
    // The cell's own font, made first as a copy of the template's (or the default font) if it has none.
    platform::FontDesc& OwnFont();

    const std::optional<std::string>& PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(std::optional<std::string> key) { m_popupMenu = std::move(key); }

    bool HasDisplayText() const { return m_displayText.has_value(); }
    // The static text, empty when there is none.
    std::string_view DisplayText() const {
        return m_displayText ? std::string_view(*m_displayText) : std::string_view();
    }
    void SetDisplayText(std::optional<std::string> text) { m_displayText = std::move(text); }

private:
    static void SetBit(std::uint8_t& bits, int mask, bool on) {
        bits = static_cast<std::uint8_t>(on ? (bits | mask) : (bits & ~mask));
    }

    const cmcCellObj* m_template = nullptr;
    std::int32_t m_category = kNoCategory;
    std::int32_t m_kind = kNoKind;
    std::int32_t m_index = 0;
    std::optional<std::string> m_argument;
    std::int32_t m_imageIndex = -1;
    std::uint8_t m_flagsA = 0;
    std::uint8_t m_flagsB = 0;
    std::uint8_t m_flagsC = 0;
    std::uint32_t m_color = kDefaultColor;
    std::unique_ptr<platform::FontDesc> m_font;
    std::optional<std::string> m_popupMenu;
    std::optional<std::string> m_displayText;
};
