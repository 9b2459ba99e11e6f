#include "model/CellKinds.h"

#include "overlay/cmcHash.h"
#include "platform/Fault.h"
#include "sheets/CellNames.h"
#include "sheets/cmcCellObj.h"

#include <array>
#include <string>
#include <utility>

namespace model {
namespace {

// clang-format off
constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {
    "CT_Null", "CT_PopupMenu", "CT_IntCh", "CT_UsaCh", "CT_CanCh", "CT_WxCh", "CT_FreeCh",
};

// Numbered by position, from the same list as the Kind enum.
constexpr std::array<std::string_view, kKindCount> kKindNames = {
#define VQN58_CELL_KIND(name) #name,
#include "model/CellKindList.h"
#undef VQN58_CELL_KIND
};
// clang-format on

// This program's own command kinds, from kFirstProgramKind on.
constexpr std::array<std::string_view, kProgramKindEnd - kFirstProgramKind> kProgramKindNames = {
    "CL_Menu_File_ExportCh",
    "CL_Menu_File_ImportCh",
    "CL_Menu_File_Backups",
    "CL_Menu_Edit_Undo",
    "CL_Menu_Edit_Redo",
    "CL_Menu_Opt_CheckWrite",
};

// Plan code per category 0 to 7 (7: no category).
constexpr std::array<int, 8> kPlanOfCategory = {
    kPlanNone, kPlanNone, kPlanInternational, kPlanUsa, kPlanCanada, kPlanWeather, kPlanFree, kPlanNone};

// The one table both name lists share, so every name in both is distinct (a duplicate is the table's
// own fault). Created on first use and kept to the end of the process.
cmcHash& NameTable() {
    static cmcHash table(0);
    return table;
}

// Adds `names` to the table, numbered from `first`.
template <std::size_t N> void Register(const std::array<std::string_view, N>& names, std::uint32_t first = 0) {
    for (std::size_t i = 0; i < N; ++i) {
        NameTable().Add(names[i], first + static_cast<std::uint32_t>(i));
    }
}

// The number of `name` when `nameOf` of that number gives it back, else the fault.
template <typename NameOf> std::int32_t Lookup(std::string_view name, NameOf nameOf, const char* fault) {
    const cmcHash::Entry* entry = NameTable().Find(name);
    // The table holds both lists: a category name is no kind name and the other way round.
    if (entry == nullptr || nameOf(static_cast<std::int32_t>(entry->value)) != name) {
        platform::Fault(std::string(fault) + "\n'" + std::string(name) + "'");
    }
    return static_cast<std::int32_t>(entry->value);
}

bool g_categoriesRegistered = false;
bool g_kindsRegistered = false;

} // namespace

std::string_view CategoryName(std::int32_t number) {
    return number >= 0 && number < kCategoryCount ? kCategoryNames[static_cast<std::size_t>(number)]
                                                  : std::string_view();
}

std::string_view KindName(std::int32_t number) {
    if (number >= kFirstProgramKind && number < kProgramKindEnd) {
        return kProgramKindNames[static_cast<std::size_t>(number - kFirstProgramKind)];
    }
    return number >= 0 && number < kKindCount ? kKindNames[static_cast<std::size_t>(number)] : std::string_view();
}

std::int32_t CategoryFromName(std::string_view name) {
    if (!std::exchange(g_categoriesRegistered, true)) {
        Register(kCategoryNames);
    }
    if (name.empty()) {
        return kNoCategory;
    }
    return Lookup(name, CategoryName, "Cannot use the specified category.");
}

std::int32_t KindFromName(std::string_view name) {
    if (!std::exchange(g_kindsRegistered, true)) {
        Register(kKindNames);
        Register(kProgramKindNames, kFirstProgramKind);
    }
    if (name.empty()) {
        return kNoKind;
    }
    return Lookup(name, KindName, "Cannot use the specified cell.");
}

int PlanOfCategory(std::int32_t category) {
    if (category < 0 || category > kNoCategory) {
        platform::Fault("Unknown Cell Category. (" + std::to_string(category) + ")");
    }
    return kPlanOfCategory[static_cast<std::size_t>(category)];
}

} // namespace model

// The sheets' look-up of the names, answered by the tables above.
namespace sheets {

static_assert(model::kNoCategory == cmcCellObj::kNoCategory && model::kNoKind == cmcCellObj::kNoKind);

std::int32_t CategoryNumber(std::string_view name) {
    return model::CategoryFromName(name);
}

std::int32_t KindNumber(std::string_view name) {
    return model::KindFromName(name);
}

int ChannelPlanOf(std::int32_t category) {
    return model::PlanOfCategory(category);
}

} // namespace sheets
