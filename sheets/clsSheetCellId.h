#pragma once

#include "sheets/cmcCellObj.h"

#include <cstdint>

// One grid position of a sheet: the owned cell and its selection bits. A new slot owns a fresh default
// cell and may join a multi-selection.
class clsSheetCellId {
public:
    enum Bits : std::uint8_t { kMultiSelectable = 1, kSelected = 2, kLineMarked = 4 };

    cmcCellObj& Cell() { return m_cell; }
    const cmcCellObj& Cell() const { return m_cell; }

    bool MultiSelectable() const { return (m_bits & kMultiSelectable) != 0; }
    bool Selected() const { return (m_bits & kSelected) != 0; }
    bool LineMarked() const { return (m_bits & kLineMarked) != 0; }
    void SetMultiSelectable(bool on) { Set(kMultiSelectable, on); }
    void SetSelected(bool on) { Set(kSelected, on); }
    void SetLineMarked(bool on) { Set(kLineMarked, on); }

private:
    void Set(std::uint8_t bit, bool on) { m_bits = static_cast<std::uint8_t>(on ? m_bits | bit : m_bits & ~bit); }

    cmcCellObj m_cell;
    std::uint8_t m_bits = kMultiSelectable;
};
