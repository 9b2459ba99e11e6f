#pragma once

#include "model/ChannelPlan.h" // the plan codes PlanOfCategory gives

#include <cstdint>
#include <string_view>

// Cell categories and cell kinds: the names the overlay's cell definitions use, and their numbers.
//
// A category says which part of the image a cell belongs to (for channel cells: which channel plan);
// a kind says what the cell shows and edits. Both name lists live in one shared name table, created on
// first use; each list is registered on the first look-up of its kind of name. Unknown names are
// definition errors of the overlay and end the process through platform::Fault.
namespace model {

inline constexpr int kCategoryCount = 7;
inline constexpr std::int32_t kNoCategory = 7; // a cell that names no category
inline constexpr int kKindCount = 256;
inline constexpr std::int32_t kNoKind = 256; // a cell that names no kind

// Kinds of this program's own commands, numbered after the radio's table (and its "no kind" 256), so
// the radio's numbers stay as its documentation gives them.
inline constexpr std::int32_t kFirstProgramKind = 300;
enum ProgramKind : std::int32_t {
    kKindExportChannels = kFirstProgramKind, // CL_Menu_File_ExportCh
    kKindImportChannels,                     // CL_Menu_File_ImportCh
    kKindBackupFolder,                       // CL_Menu_File_Backups
    kKindUndo,                               // CL_Menu_Edit_Undo
    kKindRedo,                               // CL_Menu_Edit_Redo
    kKindCheckAfterWrite,                    // CL_Menu_Opt_CheckWrite
    kProgramKindEnd
};

// The radio's cell kinds by name, numbered as model/CellKindList.h lists them (CL_Null 0 to CL_MakerR_Beep
// 255), the same list the name table is made from.
enum Kind : std::int32_t {
#define VQN58_CELL_KIND(name) name,
#include "model/CellKindList.h"
#undef VQN58_CELL_KIND
    kKindListEnd
};
static_assert(kKindListEnd == kKindCount, "the kind list holds the radio's 256 kinds");

// Category numbers, in table order.
enum Category : std::int32_t {
    CT_Null = 0,
    CT_PopupMenu = 1,
    CT_IntCh = 2,
    CT_UsaCh = 3,
    CT_CanCh = 4,
    CT_WxCh = 5,
    CT_FreeCh = 6,
};

// The name of category `number` (0 to 6) or kind `number` (0 to 255, or a program kind); empty outside
// the tables.
std::string_view CategoryName(std::int32_t number);
std::string_view KindName(std::int32_t number);

// The number of a category name; an empty name gives kNoCategory. An unknown name is a fault:
// "Cannot use the specified category.\n'<name>'".
std::int32_t CategoryFromName(std::string_view name);

// The number of a kind name (case-sensitive, exactly as listed); an empty name gives kNoKind. An unknown
// name is a fault: "Cannot use the specified cell.\n'<name>'".
std::int32_t KindFromName(std::string_view name);

// The channel plan code of a category (0 to 7); any other number is a fault:
// "Unknown Cell Category. (<number>)".
int PlanOfCategory(std::int32_t category);

} // namespace model
