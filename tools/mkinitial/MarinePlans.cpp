#include "MarinePlans.h"

#include <cstdio>
#include <cstdlib>

namespace mkinitial {

namespace {

// ITU Radio Regulations, Appendix 18 (table of transmitting frequencies in the VHF maritime mobile
// band): channels 01 to 28 and 60 to 88; 15, 17 on-board and 75, 76 navigation-related at 1 W; 70 DSC.
// Four-digit channels (1019, 2019, 2087, ...) have no row in this radio.
constexpr std::string_view kInternational =
    "1:D 2:D 3:D 4:D 5:D 6 7:D 8 9 10 11 12 13 14 15:L 16 17:L 18:D 19:D 20:D 21:D 22:D 23:D 24:D 25:D "
    "26:D 27:D 28:D 60:D 61:D 62:D 63:D 64:D 65:D 66:D 67 68 69 70:X 71 72 73 74 75:L 76:L 77 78:D 79:D "
    "80:D 81:D 82:D 83:D 84:D 85:D 86:D 87 88";

// USA: the U.S. Coast Guard's VHF marine channel table (FCC rules, 47 CFR 80.371 and 80.373). "A"
// channels are simplex on the ship frequency of an international duplex channel; 15 is receive-only
// (environmental); 13, 17, 67, 77 are limited to 1 W; 03A, 21A, 23A, 81A, 82A, 83A are government only.
constexpr std::string_view kUsa =
    "1A 3A:G 5A 6 7A 8 9 10 11 12 13:L 14 15:R 16 17:L 18A 19A 20:D 20A 21A:G 22A 23A:G 24:D 25:D 26:D "
    "27:D 28:D 63A 65A 66A 67:L 68 69 70:X 71 72 73 74 77:L 78A 79A 80A 81A:G 82A:G 83A:G 84:D 85:D "
    "86:D 87A 88A";

// Canada: the Canadian VHF maritime channel plan (Industry Canada / ISED radio information circular
// RIC-13, and the Canadian Coast Guard's Radio Aids to Marine Navigation). The receive-only broadcast
// channels 21B, 23B, 25B, 28B and 83B have no row in this radio (their broadcasts are weather channels).
// 21A, 61A, 62A, 81A and 82A are the Coast Guard's own working channels: the public may listen, not
// transmit. 83A stays open: the Coast Guard's traffic centres answer vessels on it, as on 22A.
constexpr std::string_view kCanada =
    "1:D 2:D 3:D 4A 5A 6 7A 8 9 10 11 12 13:L 14 15:L 16 17:L 18A 19A 20:DL 21A:G 22A 23:D 24:D 25:D 26:D "
    "27:D 28:D 60:D 61A:G 62A:G 64:D 64A 65A 66A 67 68 69 70:X 71 72 73 74 77:L 78A 79A 80A 81A:G 82A:G 83:D "
    "83A 84:D 85:D 86:D 88A";

[[noreturn]] void BadEntry(std::string_view entry) {
    std::fprintf(stderr, "mkinitial: bad plan entry '%.*s'\n", static_cast<int>(entry.size()), entry.data());
    std::exit(1);
}

PlanChannel ParseEntry(std::string_view entry) {
    PlanChannel channel;
    std::size_t i = 0;
    int number = 0;
    while (i < entry.size() && entry[i] >= '0' && entry[i] <= '9') {
        number = number * 10 + (entry[i++] - '0');
    }
    if (i == 0 || number > 116) {
        BadEntry(entry);
    }
    channel.row = 2 * number;
    if (i < entry.size() && entry[i] == 'A') {
        ++channel.row;
        ++i;
    }
    if (i < entry.size() && entry[i++] != ':') {
        BadEntry(entry);
    }
    for (; i < entry.size(); ++i) {
        switch (entry[i]) {
        case 'D':
            channel.duplex = true;
            break;
        case 'L':
            channel.lowPower = true;
            break;
        case 'R':
            channel.receiveOnly = true;
            break;
        case 'X':
            channel.dscOnly = true;
            break;
        case 'G':
            channel.restricted = true;
            break;
        default:
            BadEntry(entry);
        }
    }
    return channel;
}

} // namespace

std::vector<PlanChannel> ParsePlan(std::string_view text) {
    std::vector<PlanChannel> channels;
    while (!text.empty()) {
        const auto end = text.find(' ');
        const auto entry = text.substr(0, end);
        if (!entry.empty()) {
            channels.push_back(ParseEntry(entry));
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return channels;
}

std::vector<PlanChannel> InternationalPlan() {
    return ParsePlan(kInternational);
}

std::vector<PlanChannel> UsaPlan() {
    return ParsePlan(kUsa);
}

std::vector<PlanChannel> CanadaPlan() {
    return ParsePlan(kCanada);
}

} // namespace mkinitial
