#include "app/PortText.h"

#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"

#include <cstdio>

namespace porttext {

namespace {

constexpr const char* kPortNames = "GI_Port_InUse";
constexpr const char* kDoing = "GI_Clone_Progress_Doing";
constexpr const char* kDetail = "GI_Clone_Progress_Detail";

// The device and, where known, the adapter's product name: "/dev/ttyUSB0 (USB serial cable)".
std::string Device(IDefinitionSource& texts, const clonelink::PortInUse& port) {
    if (port.product.empty()) {
        return port.path;
    }
    return FormatText(texts.GetLine(kPortNames, 3), {port.path, port.product});
}

} // namespace

std::string PortName(IDefinitionSource& texts, const clonelink::PortInUse& port) {
    const std::string number = std::to_string(port.port);
    if (port.Simulated()) {
        return FormatText(texts.GetLine(kPortNames, 1), {number});
    }
    return FormatText(texts.GetLine(kPortNames, 0), {number, Device(texts, port)});
}

std::string Doing(IDefinitionSource& texts, int op, const clonelink::PortInUse& port) {
    // Three lines for a radio (read, write, check), then the same three for the simulated radio.
    const int line = (op == clonelink::kRead ? 0 : op == clonelink::kCheckRead ? 2 : 1) + (port.Simulated() ? 3 : 0);
    return FormatText(texts.GetLine(kDoing, line), {Device(texts, port)});
}

std::string Detail(IDefinitionSource& texts, const clonelink::CloneProgress& progress) {
    const std::string done = GroupDigits(progress.bytesDone);
    const std::string total = GroupDigits(progress.bytesTotal);
    if (progress.secondsLeft < 0) {
        return FormatText(texts.GetLine(kDetail, 0), {done, total});
    }
    return FormatText(texts.GetLine(kDetail, 1), {done, total, std::to_string(progress.secondsLeft)});
}

std::string CloneResult(IDefinitionSource& texts,
                        const CloneCommands::Outcome& outcome,
                        const clonelink::PortInUse& port,
                        bool backedUp) {
    constexpr const char* kResult = "GI_Status_Result";
    int line = 0;
    if (outcome.op == clonelink::kRead && outcome.code == clonecode::kSuccess) {
        line = 2;
    } else if (outcome.op == clonelink::kWrite && outcome.code == clonecode::kSuccess) {
        line = outcome.checked ? 3 : 4;
    } else if (outcome.op == clonelink::kWrite && outcome.code == clonecode::kCheckDiffers) {
        line = 5;
    } else if (outcome.op == clonelink::kWrite && outcome.code == clonecode::kNotChecked) {
        line = 6;
    } else {
        return {};
    }
    const std::string device = port.Simulated() ? texts.GetLine(kPortNames, 2) : Device(texts, port);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", outcome.ms / 1000.0);
    std::string text = FormatText(texts.GetLine(kResult, line), {GroupDigits(outcome.bytes), device, seconds});
    if (line == 2 && backedUp) {
        text += texts.GetLine(kResult, 7);
    }
    return text;
}

std::string GroupDigits(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return n < 0 ? "-" + digits : digits;
}

} // namespace porttext
