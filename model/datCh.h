#pragma once

#include "image/cmcEeprom.h"

#include <array>
#include <cstdint>

// One row of one channel list, loaded from the image into named fields and stored back. Plans 1 to 3
// carry the P and C marks and five attribute bits of a row, the weather plan one bit (Inhibited), the
// free plan the receive and transmit frequencies and the three name bytes. The image is not owned; a
// record used without an image is a program fault.
class datCh {
public:
    datCh() = default;
    // Create: a reset record bound to the image.
    explicit datCh(cmcEeprom& image);

    void Bind(cmcEeprom& image) { Image = &image; }

    // All fields zero except the image; Loaded set.
    void Reset();
    // All fields zero; plan and index set; RxBlank and TxBlank set, Loaded clear.
    void Blank(std::uint8_t plan, std::int32_t index);
    // Reset, then fill from the image at (plan, index). Plan 0 and codes above 5 only reset.
    void Load(std::uint8_t plan, std::int32_t index);
    void Reload() { Load(Plan, ChIndex); }
    // Writes the fields into the image at (plan, index); plan 0 means the record's own plan. ChIndex
    // becomes index. A clear mark leaves the plan's mark word as it is. Every attribute bit travels
    // with the record, Simplex too (a record loaded from an "A" row is simplex). A free record keeps
    // the name bytes it was loaded with; only a record made by Blank writes a blank name as spaces.
    void Store(std::uint8_t plan, std::int32_t index);
    void StoreReload(std::uint8_t plan, std::int32_t index);

    // Usable in a channel list: not inhibited, or carrying the P or C mark.
    bool IsUsable() const { return !Inhibited || MarkA || MarkB; }

    std::uint8_t Plan = 0;
    std::int32_t ChIndex = 0;
    cmcEeprom* Image = nullptr;
    // marks
    bool MarkA = false; // the plan's mark A, shown as "P"
    bool MarkB = false; // the plan's mark B, shown as "C"
    // attributes (plans 1 to 3; Inhibited alone for the weather plan)
    bool Inhibited = false;
    bool Tagged = false;
    bool TxInhibit = false;
    bool Poc = false;
    bool Simplex = false;
    // state
    bool Loaded = false;
    bool RxBlank = false;
    bool TxBlank = false;
    // free plan
    std::uint32_t RxHz = 0;
    std::uint32_t TxHz = 0;
    std::array<std::uint8_t, 3> Name{};

private:
    cmcEeprom& BoundImage() const;
    void ClearFields();
    void LoadListRow(int plan, std::int32_t index);
    void StoreListRow(int plan, std::int32_t index);
    void LoadFree(std::int32_t index);
    void StoreFree(std::int32_t index);
};

// Whether `channel` of `plan` is usable, as a channel sheet's usable-only view asks it (a record loaded
// from the image and IsUsable).
bool IsUsableChannel(cmcEeprom& image, int plan, std::int32_t channel);
