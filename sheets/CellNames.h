#pragma once

#include <cstdint>
#include <string_view>

// What the sheets need of the names cell definitions use for categories and kinds. The sheets read
// these names but do not own them: the layer that knows the radio's cells defines these functions
// (model/CellKinds.cpp), and the sheets library is linked with it (vqn58_model_kinds).
namespace sheets {

// The number of a category name; an empty name gives cmcCellObj::kNoCategory. An unknown name is a
// definition error of the overlay and ends the process through platform::Fault.
std::int32_t CategoryNumber(std::string_view name);

// The number of a kind name; an empty name gives cmcCellObj::kNoKind. An unknown name is a fault as
// above.
std::int32_t KindNumber(std::string_view name);

// The channel plan (0 none, 1 to 5) of a category, cmcCellObj::kNoCategory included; any other number
// is a fault.
int ChannelPlanOf(std::int32_t category);

} // namespace sheets
