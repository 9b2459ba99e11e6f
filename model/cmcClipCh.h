#pragma once

#include "model/datCh.h"

#include <cstdint>
#include <span>
#include <vector>

// A run of channel records of one plan: the application-wide channel clipboard and the working copy of
// the channel edit operations. The records are owned; the images they were loaded from are not.
class cmcClipCh {
public:
    cmcClipCh() = default;
    virtual ~cmcClipCh() = default;
    cmcClipCh(const cmcClipCh&) = default;
    cmcClipCh& operator=(const cmcClipCh&) = default;

    // Releases the records; plan, first and count become 0.
    virtual void Clear();
    // Clear, then holds count records of (plan, first + i), loaded from the image through LoadOne.
    virtual void CopyRows(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count);
    virtual void LoadOne(cmcEeprom& image, std::uint8_t plan, std::int32_t index, datCh& record);
    // True when records of a plan are held and that plan is `plan`.
    virtual bool Accepts(std::uint8_t plan) const;
    // When Accepts(plan): stores record i at first + i through StoreOne, for i below the smaller of
    // count and the number held.
    virtual void PasteRows(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count);
    virtual void StoreOne(cmcEeprom& image, std::uint8_t plan, std::int32_t index, datCh& record);

    // Clear, then holds one record per channel of `channels` (in that order), loaded through LoadOne;
    // First is the first of them. The channel edits of the usable-only view copy rows with gaps.
    void CopyChannels(cmcEeprom& image, std::uint8_t plan, std::span<const std::int32_t> channels);
    // Clear, then holds count blank records bound to the image, each Blank(plan, first).
    void FillBlank(cmcEeprom& image, std::uint8_t plan, std::int32_t first, std::int32_t count);

    std::uint8_t Plan() const { return m_plan; }
    std::int32_t First() const { return m_first; }
    std::int32_t Count() const { return m_count; }
    const datCh& Record(std::int32_t i) const { return m_records[static_cast<std::size_t>(i)]; }
    datCh& Record(std::int32_t i) { return m_records[static_cast<std::size_t>(i)]; }

private:
    void Keep(std::uint8_t plan, std::int32_t first, std::int32_t count);

    std::vector<datCh> m_records;
    std::uint8_t m_plan = 0;
    std::int32_t m_first = 0;
    std::int32_t m_count = 0;
};
