#include "model/FrequencyEditor.h"

#include "model/EditorKeys.h"
#include "model/EditorTexts.h"
#include "model/ValueEditors.h"
#include "model/datCh.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace model {
namespace {

using namespace keys;

inline constexpr std::string_view kRefusedOffRaster = "GI_AppMess_S_OffRaster";

std::string FrequencyText(std::int64_t hz) {
    char text[32];
    std::snprintf(text,
                  sizeof text,
                  "%lld.%05lld",
                  static_cast<long long>(hz / 1'000'000),
                  static_cast<long long>((hz % 1'000'000) / 10));
    return text;
}

// The typed text as a raster frequency: 0 when it holds no number, -1 when it is off the raster.
std::int64_t CommittedHz(std::string_view input) {
    const std::string kept = Filtered(
        input, [](char c) { return IsDigit(c) || c == '.'; }, 10);
    // Dots alone, or dots before the digits ("..5"), are no frequency: they would read as 0 and be
    // raised to 100 MHz.
    const std::optional<double> mhz = ReadDecimal(kept);
    if (!mhz) {
        return 0;
    }
    const double limited = std::clamp(*mhz * 1e6 + 0.5,
                                      static_cast<double>(kLowestFrequencyHz) + 0.5,
                                      static_cast<double>(kHighestCommittedHz) + 0.5);
    return SnapToRaster(static_cast<std::int64_t>(limited));
}

// The key that starts the in-place editor, with what it shows; false for any other key.
bool StartEdit(cmcCellCapsule& capsule, const datCh& record, bool isRx) {
    const std::int32_t key = capsule.Command;
    if (key == '.') {
        const auto dot = capsule.OutText.find('.');
        capsule.SelStart = static_cast<std::int32_t>(dot == std::string::npos ? capsule.OutText.size() : dot + 1);
        capsule.SelLength = 0;
    } else if (key == '=' && !isRx) {
        capsule.OutText =
            record.RxBlank ? std::string()
                           : FrequencyText(std::clamp<std::int64_t>(record.RxHz, kLowestFrequencyHz, kHighestShownHz));
        SelectAll(capsule);
    } else if (IsDigit(key) || key == cmcCellCapsule::kCommandSpace) {
        StartWithKey(capsule);
    } else if (key == cmcCellCapsule::kCommandEnter) {
        if (!record.Loaded) {
            capsule.OutText.clear();
        }
        SelectAll(capsule);
    } else {
        return false;
    }
    return true;
}

} // namespace

std::int64_t SnapToRaster(std::int64_t hz) {
    std::int64_t precision = 1;
    for (std::int64_t p = 10; p <= 100'000; p *= 10) {
        if (hz % p == 0) {
            precision = p;
        }
    }
    std::int64_t candidate = hz - hz % 100'000;
    while (candidate < hz || candidate % kRasterHz != 0) {
        candidate += 1250;
    }
    return candidate <= hz + precision - 1 ? candidate : -1;
}

bool EditFrequency(cmcCellCapsule& capsule, EditorContext& context, datCh& record, bool isRx) {
    std::int64_t current = isRx ? record.RxHz : record.TxHz;
    bool blank = isRx ? record.RxBlank : record.TxBlank;
    const bool follow = !record.Loaded || (!record.RxBlank && !record.TxBlank && record.RxHz == record.TxHz);
    bool accepted = false;
    if (capsule.EditState == cmcCellCapsule::kEditTyped) {
        const std::int64_t hz = CommittedHz(capsule.InputText);
        if (hz > 0) {
            current = hz;
            blank = false;
            accepted = true;
        } else {
            context.refusal = RefusalText(context.texts, hz == 0 ? kRefusedNoNumber : kRefusedOffRaster);
        }
    }
    current = std::clamp<std::int64_t>(current, kLowestFrequencyHz, kHighestShownHz);
    capsule.OutText = blank ? std::string() : FrequencyText(current);
    SelectAll(capsule);
    if (FromGrid(capsule) && StartEdit(capsule, record, isRx)) {
        context.result = kEditorOpenInPlace;
    }
    const auto hz = static_cast<std::uint32_t>(current);
    if (isRx) {
        record.RxHz = hz;
        record.RxBlank = blank;
        if (accepted && follow) {
            record.TxHz = hz;
            record.TxBlank = blank;
        }
    } else {
        record.TxHz = hz;
        record.TxBlank = blank;
    }
    if (context.result != kEditorOpenInPlace) {
        if (!record.Loaded || blank) {
            capsule.OutText.clear();
        } else if (!isRx && !record.RxBlank && record.TxHz == record.RxHz) {
            capsule.OutText = "<-";
        }
    }
    return accepted;
}

} // namespace model
