#pragma once

#include "tools/radiosim/RadioSim.h"

#include <string>
#include <vector>

namespace radiosim {

// The simulated radio's command line.
struct SimOptions {
    std::string imageFile;   // clone file the radio's memory starts from; empty: DefaultImage()
    std::string saveFile;    // clone file written after every accepted write; empty: none
    std::string overlayFile; // overlay for clone-file messages; empty: the one beside the program
    bool pace = false;       // the real line rate (960 bytes per second)
    bool blank = false;      // without --image: an erased memory (0xFF) instead of the test pattern
    Identity identity;
    Faults faults;
};

// Parses the arguments after the program name; false with `error` set on a wrong one.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// The usage text.
const char* SimUsage();

// A recognisable memory of this radio: every byte differs from its neighbours, model type 0.
cmcEeprom DefaultImage();
// An erased memory (every byte 0xFF) that is still this radio's, model type 0.
cmcEeprom BlankImage();

} // namespace radiosim
