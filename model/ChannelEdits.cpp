#include "model/ChannelEdits.h"

#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/ChannelPlan.h"
#include "model/KindHandlers.h"
#include "model/cmcClipCh.h"
#include "overlay/DefinitionSource.h"

#include <algorithm>

bool ICellDocument::ClipboardHolds(int plan) {
    const cmcClipCh* clipboard = ChannelClipboard();
    return clipboard != nullptr && clipboard->Accepts(static_cast<std::uint8_t>(plan));
}

namespace model {

bool StructuralEditsAllowed(int /*plan*/) {
    return false;
}

bool EditableRowRange(int plan, std::int32_t& first, std::int32_t& last) {
    first = 0;
    switch (plan) {
    case kPlanInternational:
    case kPlanUsa:
    case kPlanCanada:
        last = kFirstFreeRow - 1; // rows 234 to 303 mirror the free channels, whose store owns them
        return true;
    case kPlanWeather:
        last = kWeatherCount - 1;
        return true;
    case kPlanFree:
        last = kFreeChannelCount - 1;
        return true;
    default:
        last = -1;
        return false;
    }
}

void RunEditCommand(CellAnswer& answer, std::int32_t command) {
    cmcClipCh* clipboard = answer.document.ChannelClipboard();
    std::int32_t first = 0;
    std::int32_t last = -1;
    if (clipboard == nullptr || !EditableRowRange(answer.plan, first, last)) {
        return;
    }
    ChannelEdits(answer, *clipboard, first, last, StructuralEditsAllowed(answer.plan)).Run(command);
    answer.record.Reload();
}

ChannelEdits::ChannelEdits(
    CellAnswer& answer, cmcClipCh& clipboard, std::int32_t first, std::int32_t last, bool structural)
    : m_answer(answer), m_clipboard(clipboard), m_plan(static_cast<std::uint8_t>(answer.plan)),
      m_structural(structural) {
    const bool usableOnly = answer.document.UsableChannelsOnly() && IsChannelListPlan(m_plan);
    for (std::int32_t channel = first; channel <= last; ++channel) {
        if (!usableOnly || channel == answer.index || IsUsableChannel(answer.Image(), m_plan, channel)) {
            m_rows.push_back(channel);
        }
    }
}

void ChannelEdits::Run(std::int32_t command) {
    if (std::find(m_rows.begin(), m_rows.end(), m_answer.index) == m_rows.end()) {
        return; // the cell's row lies outside the editable rows
    }
    switch (command) {
    case CL_PMenu_Copy:
        Copy();
        break;
    case CL_PMenu_Paste:
        Paste();
        break;
    case CL_PMenu_CarryUp:
    case CL_PMenu_CarryDown:
        if (m_structural) {
            Carry(command == CL_PMenu_CarryUp ? -1 : 1);
        }
        break;
    case CL_PMenu_Clear:
        if (m_structural) {
            Clear();
        }
        break;
    case CL_PMenu_Delete:
        if (m_structural) {
            Delete();
        }
        break;
    case CL_PMenu_Insert:
        if (m_structural) {
            Insert();
        }
        break;
    default:
        break;
    }
}

std::pair<std::size_t, std::size_t> ChannelEdits::WorkingPositions() const {
    const cmcCellCapsule& c = m_answer.capsule;
    std::int32_t a = m_answer.index;
    std::int32_t b = m_answer.index;
    if (c.RangeSet()) {
        a = std::min(c.RangeFirst, c.RangeLast);
        b = std::max(c.RangeFirst, c.RangeLast);
    }
    const auto begin = std::lower_bound(m_rows.begin(), m_rows.end(), a);
    const auto end = std::upper_bound(begin, m_rows.end(), b);
    return {static_cast<std::size_t>(begin - m_rows.begin()), static_cast<std::size_t>(end - m_rows.begin())};
}

std::vector<std::int32_t> ChannelEdits::Rows(std::size_t begin, std::size_t end) const {
    return {m_rows.begin() + static_cast<std::ptrdiff_t>(begin), m_rows.begin() + static_cast<std::ptrdiff_t>(end)};
}

bool ChannelEdits::HoldsData(std::int32_t channel) {
    datCh row(m_answer.Image());
    row.Load(m_plan, channel);
    return !row.RxBlank; // only a free channel without a receive frequency is empty
}

bool ChannelEdits::AnyHoldsData(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        if (HoldsData(m_rows[i])) {
            return true;
        }
    }
    return false;
}

void ChannelEdits::MoveRows(std::size_t begin, std::size_t end, std::size_t to) {
    cmcClipCh scratch;
    scratch.CopyChannels(m_answer.Image(), m_plan, Rows(begin, end));
    for (std::size_t i = 0; i < end - begin; ++i) {
        scratch.StoreOne(m_answer.Image(), m_plan, m_rows[to + i], scratch.Record(static_cast<std::int32_t>(i)));
    }
}

void ChannelEdits::BlankRows(std::size_t begin, std::size_t end) {
    cmcClipCh scratch;
    scratch.FillBlank(m_answer.Image(), m_plan, m_rows[begin], static_cast<std::int32_t>(end - begin));
    for (std::size_t i = begin; i < end; ++i) {
        scratch.StoreOne(m_answer.Image(), m_plan, m_rows[i], scratch.Record(static_cast<std::int32_t>(i - begin)));
        m_answer.document.Events().Post(kEvRepaintIndex, 0, m_rows[i]);
    }
}

void ChannelEdits::Select(std::int32_t firstChannel, std::int32_t lastChannel) {
    cmcCellCapsule& c = m_answer.capsule;
    c.Range |= cmcCellCapsule::kRangeResult;
    c.RangeFirst = firstChannel;
    c.RangeLast = lastChannel;
}

void ChannelEdits::Status(std::string_view key) {
    IDefinitionSource& texts = m_answer.document.Texts();
    m_answer.document.Events().SendText(kEvStatusText, kClWindowText, kClBtnFace, texts.GetLine(key, 0));
}

void ChannelEdits::Copy() {
    const auto [begin, end] = WorkingPositions();
    if (begin == end) {
        return;
    }
    m_clipboard.CopyChannels(m_answer.Image(), m_plan, Rows(begin, end));
    Select(m_rows[begin], m_rows[end - 1]);
    Status("GI_AppMess_S_Copy");
}

void ChannelEdits::Paste() {
    if (!m_clipboard.Accepts(m_plan)) {
        return;
    }
    const auto at = static_cast<std::size_t>(std::find(m_rows.begin(), m_rows.end(), m_answer.index) - m_rows.begin());
    const std::size_t n = std::min(static_cast<std::size_t>(m_clipboard.Count()), m_rows.size() - at);
    if (n == 0 || (AnyHoldsData(at, at + n) && !m_answer.document.Confirm("GI_AppMess_Conv_Overwrite"))) {
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        m_clipboard.StoreOne(
            m_answer.Image(), m_plan, m_rows[at + i], m_clipboard.Record(static_cast<std::int32_t>(i)));
    }
    cmcEvMan& events = m_answer.document.Events();
    if (n == 1) {
        events.Post(kEvRepaintIndex, 0, m_rows[at]);
    } else {
        events.Post(kEvRepaintKindCells);
    }
    Select(m_rows[at], m_rows[at + n - 1]);
    Status("GI_AppMess_S_Paste");
}

void ChannelEdits::Carry(int direction) {
    const auto [begin, end] = WorkingPositions();
    if (begin == end || (direction > 0 && end == m_rows.size()) || (direction < 0 && begin == 0)) {
        return;
    }
    // The block moves one shown row; the neighbour it displaces fills the row it left.
    const std::size_t neighbour = direction > 0 ? end : begin - 1;
    cmcClipCh displaced;
    displaced.CopyChannels(m_answer.Image(), m_plan, Rows(neighbour, neighbour + 1));
    MoveRows(begin, end, direction > 0 ? begin + 1 : begin - 1);
    const std::size_t freed = direction > 0 ? begin : end - 1;
    displaced.StoreOne(m_answer.Image(), m_plan, m_rows[freed], displaced.Record(0));
    const std::size_t newBegin = direction > 0 ? begin + 1 : begin - 1;
    const std::size_t newLast = direction > 0 ? end : end - 2;
    Select(m_rows[newBegin], m_rows[newLast]);
    cmcCellCapsule& c = m_answer.capsule;
    c.JumpIndex = direction > 0 ? m_rows[newLast] : m_rows[newBegin];
    c.JumpTo = 1;
    m_answer.document.Events().Post(kEvRepaintKindCells);
}

void ChannelEdits::Clear() {
    const auto [begin, end] = WorkingPositions();
    if (begin == end || !m_answer.document.Confirm("GI_AppMess_Conv_Clear")) {
        return;
    }
    BlankRows(begin, end);
    Status("GI_AppMess_S_Clear");
}

void ChannelEdits::Delete() {
    const auto [begin, end] = WorkingPositions();
    if (begin == end || (AnyHoldsData(begin, end) && !m_answer.document.Confirm("GI_AppMess_Conv_Delete"))) {
        return;
    }
    const std::size_t count = end - begin;
    if (end < m_rows.size()) {
        MoveRows(end, m_rows.size(), begin); // the rows below close the gap
    }
    BlankRows(m_rows.size() - count, m_rows.size());
    cmcCellCapsule& c = m_answer.capsule;
    c.Range &= static_cast<std::uint8_t>(~cmcCellCapsule::kRangeResult);
    c.JumpIndex = m_rows[begin];
    c.JumpTo = 1;
    m_answer.document.Events().Post(kEvRepaintKindCells);
    Status("GI_AppMess_S_Delete");
}

void ChannelEdits::Insert() {
    const auto [begin, end] = WorkingPositions();
    const std::size_t count = end - begin;
    if (begin == end || (AnyHoldsData(m_rows.size() - count, m_rows.size()) &&
                         !m_answer.document.Confirm("GI_AppMess_Conv_Overflow"))) {
        return;
    }
    if (end < m_rows.size()) {
        MoveRows(begin, m_rows.size() - count, end); // rows pushed past the last one are lost
    }
    BlankRows(begin, end);
    m_answer.document.Events().Post(kEvRepaintKindCells);
    Select(m_rows[begin], m_rows[end - 1]);
    Status("GI_AppMess_S_Insert");
}

} // namespace model
