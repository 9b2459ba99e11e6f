#include "ui/OptionalTreeEntries.h"

namespace ui {

namespace {

struct PlanEntry {
    bool TreeVariant::*present;
    std::string_view sheet;
    int flag;
};

constexpr PlanEntry kPlanEntries[] = {
    {&TreeVariant::usaPlan, "GI_Sheet_UsaCh", kTreeFlagUsa},
    {&TreeVariant::canadaPlan, "GI_Sheet_CanCh", kTreeFlagCanada},
    {&TreeVariant::weatherPlan, "GI_Sheet_WxCh", kTreeFlagWeather},
};

} // namespace

void AdjustOptionalTreeEntries(ITreeEntries& tree, const TreeVariant& variant) {
    int position = tree.PositionAfter("GI_Sheet_IntCh");
    for (const PlanEntry& entry : kPlanEntries) {
        if (variant.*entry.present) {
            tree.InsertFromBody(entry.sheet, position);
            // After the entry, wherever it stands, so the plans keep their order.
            position = tree.PositionAfter(entry.sheet);
        } else {
            tree.DeleteByFlag(entry.flag);
        }
    }
    if (variant.modelTypeZero) {
        tree.DeleteByFlag(kTreeFlagNotModelZero);
    }
    if (!variant.makerMode) {
        tree.DeleteByFlag(kTreeFlagMaker);
    }
}

} // namespace ui
