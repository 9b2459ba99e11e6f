#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The public VHF marine channel plans as this radio's rows hold them: which channel numbers (with or
// without the suffix "A") exist in a plan, which are duplex, and the restrictions the public tables
// put on them. Sources are listed in data/README.md.
namespace mkinitial {

// One channel of a plan.
struct PlanChannel {
    int row = 0;            // 2 x channel number, + 1 for an "A" channel
    bool duplex = false;    // ship and coast stations transmit on different frequencies
    bool lowPower = false;  // the table limits the transmit power to 1 W
    bool receiveOnly = false;
    bool dscOnly = false;   // channel 70: digital selective calling only, no voice
    bool restricted = false; // reserved to government stations: the public may listen, not transmit
};

// The channels of the International (ITU Radio Regulations Appendix 18), USA and Canadian plans.
std::vector<PlanChannel> InternationalPlan();
std::vector<PlanChannel> UsaPlan();
std::vector<PlanChannel> CanadaPlan();

// Parses a plan written as blank-separated entries "<number>[A][:flags]", flags D duplex, L 1 W,
// R receive only, X DSC only, G government use only. Exposed for the generator's own check.
std::vector<PlanChannel> ParsePlan(std::string_view text);

} // namespace mkinitial
