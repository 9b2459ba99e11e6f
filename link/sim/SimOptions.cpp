#include "link/sim/SimOptions.h"

#include "link/sim/OwnerImage.h"
#include "model/ImageMap.h"
#include "model/ModelRules.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace radiosim {

namespace {

// Digits of `base` only (no sign, no blanks); false also when the value does not fit a long.
bool Number(const std::string& text, int base, long& value) {
    if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, base);
    return errno != ERANGE && end != nullptr && *end == '\0' && value >= 0;
}

bool HexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        long value = 0;
        if (!Number(text.substr(i, 2), 16, value)) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return true;
}

} // namespace

const char* SimUsage() {
    return "Usage: vqn58-radiosim [OPTIONS]\n"
           "Simulates a VQ-N58 radio on a pseudo-terminal and prints the path the program opens.\n"
           "  --image FILE         start from this clone file (default: an owner's radio, see --model)\n"
           "  --save FILE          save the memory to FILE after every accepted write\n"
           "  --overlay FILE       overlay used for clone-file messages\n"
           "  --pace               send at the real line rate (960 bytes per second)\n"
           "  --model N            the owner's radio of model type N (0 USA, 1 Europe, 2 United Kingdom,\n"
           "                       3 Europe ATIS, 4 Nordic; default 0)\n"
           "  --pattern            start from a test pattern (every byte differs from its neighbours)\n"
           "  --blank              start from an erased memory (every byte 0xFF)\n"
           "  --model-code HEX --sub-code HEX --info HEX   identity of the information reply\n"
           "Faults:\n"
           "  --silent             never answer (the cable still echoes)\n"
           "  --corrupt N          alter the radio's N-th byte (from 0)\n"
           "  --drop N             never send the radio's N-th byte\n"
           "  --bad-checksum       the first data frame of a read has a wrong checksum\n"
           "  --bad-end-count      the end frame of a read counts one frame too many\n"
           "  --refuse-write       refuse every write\n"
           "  --hang-up-after N    the line goes dead after N bytes on the wire\n"
           "  --misstore ADDR      keep the byte at ADDR (hexadecimal) wrong after a write\n";
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        long number = 0;
        auto needs = [&](bool ok) {
            if (!hasValue || !ok) {
                error = "option " + arg + " needs a valid value";
                return false;
            }
            ++i;
            return true;
        };
        if (arg == "--image") {
            if (!needs(true))
                return false;
            options.imageFile = value;
        } else if (arg == "--save") {
            if (!needs(true))
                return false;
            options.saveFile = value;
        } else if (arg == "--overlay") {
            if (!needs(true))
                return false;
            options.overlayFile = value;
        } else if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--blank") {
            options.blank = true;
        } else if (arg == "--pattern") {
            options.pattern = true;
        } else if (arg == "--model") {
            if (!needs(Number(value, 10, number) && number < kOwnerModelTypes))
                return false;
            options.modelType = static_cast<int>(number);
        } else if (arg == "--model-code" || arg == "--sub-code") {
            if (!needs(Number(value, 16, number) && number <= 0xFFFF))
                return false;
            (arg == "--model-code" ? options.identity.modelCode : options.identity.subCode) =
                static_cast<std::uint16_t>(number);
        } else if (arg == "--info") {
            if (!needs(HexBytes(value, options.identity.info)))
                return false;
        } else if (arg == "--silent") {
            options.faults.silent = true;
        } else if (arg == "--corrupt" || arg == "--drop" || arg == "--hang-up-after") {
            if (!needs(Number(value, 10, number)))
                return false;
            (arg == "--corrupt" ? options.faults.corruptByte
             : arg == "--drop"  ? options.faults.dropByte
                                : options.faults.hangUpAfter) = number;
        } else if (arg == "--bad-checksum") {
            options.faults.badChecksum = true;
        } else if (arg == "--bad-end-count") {
            options.faults.badEndCount = true;
        } else if (arg == "--refuse-write") {
            options.faults.refuseWrite = true;
        } else if (arg == "--misstore") {
            if (!needs(Number(value, 16, number) && number < model::kImageSize))
                return false;
            options.faults.misstore = number;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

namespace {

cmcEeprom ImageOf(std::uint8_t (*byteAt)(std::int32_t address)) {
    cmcEeprom image;
    image.SetSize(model::kImageSize);
    for (std::int32_t a = 0; a < model::kImageSize; ++a) {
        image.SetByte(a, byteAt(a));
    }
    image.SetByte(model::kAcceptAddress, 1);
    image.SetByte(model::kModelTypeAddress, 0);
    return image;
}

} // namespace

cmcEeprom StartImage(const SimOptions& options) {
    if (options.blank) {
        return BlankImage();
    }
    return options.pattern ? PatternImage() : OwnerImage(options.modelType);
}

cmcEeprom PatternImage() {
    return ImageOf([](std::int32_t a) { return static_cast<std::uint8_t>((a * 7 + a / 256 + 3) & 0xFF); });
}

cmcEeprom BlankImage() {
    return ImageOf([](std::int32_t) { return std::uint8_t{0xFF}; });
}

} // namespace radiosim
