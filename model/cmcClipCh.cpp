#include "model/cmcClipCh.h"

#include <algorithm>

void cmcClipCh::Clear() {
    m_records.clear();
    m_plan = 0;
    m_first = 0;
    m_count = 0;
}

void cmcClipCh::Keep(std::uint8_t plan, std::int32_t first, std::int32_t count) {
    Clear();
    m_plan = plan;
    m_first = first;
    m_count = std::max<std::int32_t>(count, 0);
    m_records.resize(static_cast<std::size_t>(m_count));
}

void cmcClipCh::CopyRows(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count) {
    Keep(plan, first, count);
    for (std::int32_t i = 0; i < m_count; ++i) {
        LoadOne(image, plan, first + i, Record(i));
    }
}

void cmcClipCh::CopyChannels(cmcEeprom& image, std::uint8_t plan, std::span<const std::int32_t> channels) {
    Keep(plan, channels.empty() ? 0 : channels.front(), static_cast<std::int32_t>(channels.size()));
    for (std::int32_t i = 0; i < m_count; ++i) {
        LoadOne(image, plan, channels[static_cast<std::size_t>(i)], Record(i));
    }
}

void cmcClipCh::LoadOne(cmcEeprom& image, std::uint8_t plan, std::int32_t index, datCh& record) {
    record.Bind(image);
    record.Load(plan, index);
}

bool cmcClipCh::Accepts(std::uint8_t plan) const {
    return m_plan != 0 && m_plan == plan;
}

void cmcClipCh::PasteRows(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count) {
    if (!Accepts(plan)) {
        return;
    }
    const std::int32_t n = std::min(count, m_count);
    for (std::int32_t i = 0; i < n; ++i) {
        StoreOne(image, plan, first + i, Record(i));
    }
}

void cmcClipCh::StoreOne(cmcEeprom& image, std::uint8_t plan, std::int32_t index, datCh& record) {
    record.Bind(image);
    record.Store(plan, index);
}

void cmcClipCh::FillBlank(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count) {
    Keep(plan, first, count);
    for (auto& record : m_records) {
        record.Bind(image);
        record.Blank(plan, first);
    }
}
