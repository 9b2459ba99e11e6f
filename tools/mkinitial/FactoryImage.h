#pragma once

#include "image/cmcEeprom.h"

#include <cstdint>
#include <string>
#include <vector>

// The factory data of the five model types, as the initial clone files carry it.
namespace mkinitial {

// A free channel programmed at the factory.
struct FactoryFreeChannel {
    std::string name; // three characters of the radio's display set
    std::uint32_t rxHz = 0;
    std::uint32_t txHz = 0;
};

// What sets one model type apart.
struct Variant {
    int modelType = 0;
    std::string fileName;  // the initial file, relative to the program data directory
    std::string modelName; // appended to the tree root, e.g. " (USA)"
    std::string identity;  // eight characters at 0x600
    std::uint8_t plans = 0;        // 0x648: plans and functions
    std::uint8_t functions = 0;    // 0x649
    std::uint8_t atisFunctions = 0; // 0x64E
    std::uint8_t startBlock = 1;   // 0x628: the list in use at power-on, 0 USA, 1 International
    std::vector<FactoryFreeChannel> freeChannels; // from free channel 0 on
};

// Model types 0 (USA) and 1 to 4 (European variants), in order.
const std::vector<Variant>& Variants();

// The factory image (0x801 bytes) of a variant. Merging it with itself changes nothing.
cmcEeprom BuildFactoryImage(const Variant& variant);

} // namespace mkinitial
