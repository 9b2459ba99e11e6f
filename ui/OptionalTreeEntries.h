#pragma once

#include <string_view>

namespace ui {

// The tree operations the optional entries need; the navigation tree implements them.
class ITreeEntries {
public:
    virtual ~ITreeEntries() = default;
    // The tree position just after the entry of `argument`; 0 when there is none.
    virtual int PositionAfter(std::string_view argument) = 0;
    // Inserts the body entry of `argument` (with its subtree) before tree position `position`, unless
    // it is there already.
    virtual bool InsertFromBody(std::string_view argument, int position) = 0;
    // Deletes the entries whose cell has flag `flag`; returns the entries left.
    virtual int DeleteByFlag(int flag) = 0;
};

// What decides which optional entries the tree shows: the channel plans present in the image, the
// model type and the maker mode.
struct TreeVariant {
    bool usaPlan = false;
    bool canadaPlan = false;
    bool weatherPlan = false;
    bool modelTypeZero = false;
    bool makerMode = false;
};

// The entry groups, by the flag their cells carry.
inline constexpr int kTreeFlagMaker = 0;
inline constexpr int kTreeFlagUsa = 1;
inline constexpr int kTreeFlagCanada = 2;
inline constexpr int kTreeFlagWeather = 3;
inline constexpr int kTreeFlagNotModelZero = 4;

// Brings the optional entries in step with `variant` after the image changed: the USA, Canadian and
// weather sheets follow the International one (inserted when their plan is present, in that order,
// deleted when not); entries absent for model type 0 and maker entries outside maker mode go.
void AdjustOptionalTreeEntries(ITreeEntries& tree, const TreeVariant& variant);

} // namespace ui
