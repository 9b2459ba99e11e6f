#pragma once

#include "model/CellAnswer.h"

#include <cstdint>
#include <vector>

class cmcClipCh;

// The edit commands of a channel row's pop-up menu: Copy (60), Paste (61), Carry up (62), Carry down
// (63), Clear (64), Delete (65) and Insert (66), on the rows of one channel list in the image. Rows
// travel as whole channel records, so every attribute, mark, frequency and name moves with its row.
//
// A command works on the rows the user sees: the plan's editable rows, and in the usable-only view of
// the International, USA and Canada lists only the usable ones (and the row of the cell itself), so it
// never reads or overwrites a channel the user cannot see, and the rows it leaves selected are exactly
// the rows it wrote. The working rows are the selection (RangeFirst..RangeLast) or the cell's own row,
// limited to the editable rows; an empty range does nothing. A question answered Cancel, a paste into
// another plan and a refused structural edit change nothing.
namespace model {

// Whether Carry, Clear, Delete and Insert may change `plan`: no plan of this radio allows it, since
// every row stands for a fixed channel number.
bool StructuralEditsAllowed(int plan);

class ChannelEdits {
public:
    // Commands on the answer's row of a plan whose editable rows are first..last. `structural` says
    // whether the plan allows structural edits. The clipboard is the application-wide one.
    ChannelEdits(CellAnswer& answer, cmcClipCh& clipboard, std::int32_t first, std::int32_t last, bool structural);

    // Runs command 60 to 66; any other does nothing.
    void Run(std::int32_t command);

private:
    void Copy();
    void Paste();
    void Carry(int direction);
    void Clear();
    void Delete();
    void Insert();

    // Positions in m_rows of the working rows, as [begin, end); empty when none is shown.
    std::pair<std::size_t, std::size_t> WorkingPositions() const;
    bool HoldsData(std::int32_t channel);
    bool AnyHoldsData(std::size_t begin, std::size_t end);
    // Loads m_rows[begin, end) into a scratch clipboard and stores them at m_rows[to, ...).
    void MoveRows(std::size_t begin, std::size_t end, std::size_t to);
    // Stores blank records at m_rows[begin, end), each repainted by event 16.
    void BlankRows(std::size_t begin, std::size_t end);
    std::vector<std::int32_t> Rows(std::size_t begin, std::size_t end) const;
    void Select(std::int32_t firstChannel, std::int32_t lastChannel);
    void Status(std::string_view key);

    CellAnswer& m_answer;
    cmcClipCh& m_clipboard;
    std::uint8_t m_plan;
    bool m_structural;
    std::vector<std::int32_t> m_rows; // the rows shown, in order
};

} // namespace model
