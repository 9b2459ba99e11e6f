#pragma once

#include "link/sim/RadioSim.h"

#include <string>
#include <vector>

namespace radiosim {

// The simulated radio's command line.
struct SimOptions {
    std::string imageFile;   // clone file the radio's memory starts from; empty: StartImage()
    std::string saveFile;    // clone file written after every accepted write; empty: none
    std::string overlayFile; // overlay for clone-file messages; empty: the one beside the program
    bool pace = false;       // the real line rate (960 bytes per second)
    int modelType = 0;       // without --image: the owner's radio of this model type (0 to 4)
    bool pattern = false;    // without --image: the test pattern instead of the owner's radio
    bool blank = false;      // without --image: an erased memory (0xFF) instead of the owner's radio
    Identity identity;
    Faults faults;
};

// Parses the arguments after the program name; false with `error` set on a wrong one.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// The usage text.
const char* SimUsage();

// The memory the radio starts from without --image: the owner's radio of the model type, the test pattern
// or an erased memory, as the options say.
cmcEeprom StartImage(const SimOptions& options);

// A recognisable memory of this radio for tests of the transfer itself: every byte differs from its
// neighbours, model type 0. Not a meaningful radio: channels, names and settings are noise.
cmcEeprom PatternImage();
// An erased memory (every byte 0xFF) that is still this radio's, model type 0.
cmcEeprom BlankImage();

} // namespace radiosim
