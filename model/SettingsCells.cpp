#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/DecimalDigits.h"
#include "model/EditorTexts.h"
#include "model/ImageMap.h"
#include "model/ImageWords.h"
#include "model/KindHandlers.h"
#include "model/SettingsTable.h"
#include "overlay/DefinitionSource.h"

#include <array>
#include <cstdio>

namespace model {
namespace {

using settings::BitSetting;
using settings::FixedFor;
using settings::GreyRule;

bool IsGrey(cmcEeprom& image, const GreyRule& rule) {
    if (rule.mask == 0) {
        return false;
    }
    const std::uint8_t bits = image.GetByte(rule.address) & rule.mask;
    return rule.all ? bits != rule.mask : bits == 0;
}

bool IsFixedForModel(CellAnswer& a, FixedFor fixed) {
    const bool usaVariant = a.document.ModelType() == 0;
    return (fixed == FixedFor::kUsaVariant && usaVariant) || (fixed == FixedFor::kOtherVariants && !usaVariant);
}

// A setting the next save takes from the factory data of the current model type is shown, never
// changed: an edit would silently come undone.
void RefuseFixed(CellAnswer& a) {
    const std::string model = a.document.Texts().GetLine("GI_AppInd_Model", a.document.ModelType());
    a.Refuse(RefusalText(a.document.Texts(), kRefusedFixedByModel, {model}));
}

void AnswerBitSetting(CellAnswer& a, const BitSetting& row) {
    cmcEeprom& image = a.Image();
    std::int32_t value = row.bit < 0 ? image.GetByte(row.address) : GetBit(image, row.address, row.bit);
    if (IsGrey(image, row.grey)) {
        a.capsule.TextColor = kColourSilver; // still editable: the function may be switched on later
    }
    if (IsFixedForModel(a, row.fixed)) {
        // Choosing the value it already has changes nothing: no refusal, so what was read can be set again.
        std::int32_t chosen = value;
        const bool same =
            a.capsule.Parent != nullptr && EditSelection(a.capsule, a.editors, row.list, chosen) && chosen == value;
        ShowSelection(a.capsule, a.editors, row.list, value);
        if (same) {
            a.Restrict(); // drawn as a cell that cannot change; the choice itself is no key to refuse
            return;
        }
        if (a.OnEnter() && a.capsule.Grid != nullptr) {
            a.view.RefusedSelectionList(row.list, value);
        }
        RefuseFixed(a);
        return;
    }
    if (!EditSelection(a.capsule, a.editors, row.list, value)) {
        return;
    }
    if (row.bit < 0) {
        image.SetByte(row.address, static_cast<std::uint8_t>(value));
    } else {
        SetBit(image, row.address, row.bit, value != 0);
    }
    if (row.kind == CL_ComExp_PSave_Continuation &&
        !GetBit(image, settings::kPowerSaveMode, settings::kPowerSaveModeBit)) {
        SetBit(image, kSettings2, 3, false); // the third power-save state needs the continuation
    }
    if (row.imageChangedEvent) {
        a.document.Events().Send(kEvImageChanged);
    }
}

// Power save: three states while the continuation function exists (0x64D bit 2), else on or off.
void AnswerPowerSave(CellAnswer& a) {
    cmcEeprom& image = a.Image();
    if (IsGrey(image, {kFunctions, 0x1C, false})) {
        a.capsule.TextColor = kColourSilver;
    }
    const bool on = GetBit(image, kSettings1, 6);
    if (!GetBit(image, settings::kPowerSaveMode, settings::kPowerSaveModeBit)) {
        std::int32_t value = on;
        if (EditSelection(a.capsule, a.editors, "GI_Sheet_Sel_Misc_OnOff", value)) {
            SetBit(image, kSettings1, 6, value != 0);
        }
        return;
    }
    std::int32_t value = !on ? 0 : GetBit(image, kSettings2, 3) ? 2 : 1;
    if (EditSelection(a.capsule, a.editors, "GI_Sheet_Sel_UserSetPowSave", value)) {
        SetBit(image, kSettings1, 6, value >= 1);
        SetBit(image, kSettings2, 3, value >= 2);
    }
}

// The display of a channel list: 2 x (0x64A bit) + (0x64B bit). The USA variant takes the 0x64A bit
// from the factory data, so there only the 0x64B bit can change.
void AnswerLcd(CellAnswer& a, int bit, std::string_view listE, std::string_view listU) {
    cmcEeprom& image = a.Image();
    const bool usaVariant = a.document.ModelType() == 0;
    const std::string_view list = usaVariant ? listU : listE;
    const std::int32_t old = 2 * GetBit(image, kLcdA, bit) + GetBit(image, kLcdB, bit);
    std::int32_t value = old;
    if (!EditSelection(a.capsule, a.editors, list, value)) {
        return;
    }
    if (usaVariant && (value & 2) != (old & 2)) {
        ShowSelection(a.capsule, a.editors, list, old);
        RefuseFixed(a);
        a.capsule.TextColor = cmcCellCapsule::kDefaultTextColor; // the other half stays editable
        return;
    }
    SetBit(image, kLcdB, bit, (value & 1) != 0);
    SetBit(image, kLcdA, bit, (value & 2) != 0);
}

// The ATIS identity: ten digits in 0x680 to 0x684 and the check byte 0x685.
void AnswerAtisId(CellAnswer& a) {
    cmcEeprom& image = a.Image();
    std::array<std::uint8_t, kAtisIdBytes> bytes{};
    for (int i = 0; i < kAtisIdBytes; ++i) {
        bytes[static_cast<std::size_t>(i)] = image.GetByte(kAtisId + i);
    }
    const bool changed = EditDigits(a.capsule, a.editors, bytes, 10);
    const bool valid = AreDecimalDigitsValid(bytes, 10);
    if (changed) {
        for (int i = 0; i < kAtisIdBytes; ++i) {
            image.SetByte(kAtisId + i, bytes[static_cast<std::size_t>(i)]);
        }
        image.SetByte(kAtisCheck, valid ? CheckByte(bytes) : std::uint8_t{0xFF});
    }
    if (!valid && a.editors.result != kEditorOpenInPlace) {
        a.capsule.OutText = a.document.Texts().GetLine("GI_AppInd_Dsc_SelfIdOff", 0);
    }
}

// The clone comment: 16 characters; shown cleaned, stored only when committed.
void AnswerComment(CellAnswer& a) {
    cmcEeprom& image = a.Image();
    std::array<std::uint8_t, kCommentLength> bytes{};
    for (int i = 0; i < kCommentLength; ++i) {
        bytes[static_cast<std::size_t>(i)] = image.GetByte(kCommentAddress + i);
    }
    if (EditText(a.capsule, a.editors, bytes)) {
        for (int i = 0; i < kCommentLength; ++i) {
            image.SetByte(kCommentAddress + i, bytes[static_cast<std::size_t>(i)]);
        }
    }
}

void AnswerTone(CellAnswer& a, std::int32_t address) {
    cmcEeprom& image = a.Image();
    std::int32_t tone = ToneDivider(GetWord(image, address) + 1);
    if (EditTone(a.capsule, a.editors, tone, {.min = 400, .max = 2971})) {
        SetWord(image, address, static_cast<std::uint16_t>(ToneDivider(tone) - 1));
    }
}

void AnswerTimer(CellAnswer& a, const settings::TimerSetting& row) {
    cmcEeprom& image = a.Image();
    const std::int32_t stored = row.word ? GetWord(image, row.address) : image.GetByte(row.address);
    std::int32_t value = stored / row.divisor;
    if (!EditTimer(a.capsule,
                   a.editors,
                   value,
                   {.scale = row.scale, .min = row.min, .max = row.max, .offAllowed = row.offAllowed})) {
        return;
    }
    const std::int32_t store = value * row.divisor;
    if (row.word) {
        SetWord(image, row.address, static_cast<std::uint16_t>(store));
    } else {
        image.SetByte(row.address, static_cast<std::uint8_t>(store));
    }
}

void AnswerByte(CellAnswer& a, std::int32_t address, std::int32_t min) {
    std::uint8_t byte = a.Image().GetByte(address);
    if (EditByte(a.capsule, a.editors, byte, min, 255)) {
        a.Image().SetByte(address, byte);
    }
}

// The factory adjustment values: the application object's copies, read-only.
void AnswerAdjustment(CellAnswer& a, std::size_t n) {
    const std::uint8_t value = a.document.Adjustments()[n];
    char text[8];
    if (n < 5 && (value & 0x80) != 0) {
        std::snprintf(text, sizeof text, "-%02X", static_cast<unsigned>(256 - value));
    } else {
        std::snprintf(text, sizeof text, "  %02X", static_cast<unsigned>(value));
    }
    a.capsule.OutText = text;
    a.Restrict();
}

} // namespace

bool AnswerSettingKind(CellAnswer& a) {
    if (const BitSetting* row = settings::FindBitSetting(a.kind)) {
        AnswerBitSetting(a, *row);
        return true;
    }
    if (const auto* timer = settings::FindTimerSetting(a.kind)) {
        AnswerTimer(a, *timer);
        return true;
    }
    if (const std::int32_t tone = settings::ToneAddress(a.kind); tone >= 0) {
        AnswerTone(a, tone);
        return true;
    }
    switch (a.kind) {
    case CL_ComSet_PowerSave:
        AnswerPowerSave(a);
        return true;
    case CL_ComAtis_AtisId:
        AnswerAtisId(a);
        return true;
    case CL_ComCom_CloneComment:
        AnswerComment(a);
        return true;
    case CL_ComExp_LcdInt:
        AnswerLcd(a, 1, "GI_Sheet_Sel_UserSetLcdIntE", "GI_Sheet_Sel_UserSetLcdIntU");
        return true;
    case CL_ComExp_LcdUsa:
        AnswerLcd(a, 0, "GI_Sheet_Sel_UserSetLcdUsaE", "GI_Sheet_Sel_UserSetLcdUsaU");
        return true;
    case CL_ComExp_LcdCan:
        AnswerLcd(a, 2, "GI_Sheet_Sel_UserSetLcdCanE", "GI_Sheet_Sel_UserSetLcdCanU");
        return true;
    case CL_MakerR_AtisAmp13:
        AnswerByte(a, settings::kAtisAmp13, 0);
        return true;
    case CL_MakerR_AtisAmp21:
        AnswerByte(a, settings::kAtisAmp21, 0);
        return true;
    case CL_MakerR_TotTimer: {
        std::int32_t value = GetWord(a.Image(), settings::kTotTimer);
        if (EditInteger(a.capsule, a.editors, value, {.min = 0, .max = 999})) {
            SetWord(a.Image(), settings::kTotTimer, static_cast<std::uint16_t>(value));
        }
        return true;
    }
    case CL_MakerR_BeepAmp:
        AnswerByte(a, settings::kBeepAmp, 1);
        return true;
    default:
        if (a.kind >= 248 && a.kind <= 253) {
            AnswerAdjustment(a, static_cast<std::size_t>(a.kind - 248));
            return true;
        }
        return false;
    }
}

} // namespace model
