#include "app/indMain.h"

#include "app/SheetDifferences.h"
#include "app/indEnviron.h"
#include "events/EventNumbers.h"
#include "events/cmcEvMan.h"
#include "model/ModelRules.h"
#include "model/datCh.h"
#include "overlay/FormatText.h"
#include "overlay/cmcGTex.h"

#include <algorithm>

indMain::indMain(const Services& services)
    : cuiMain(services, model::kImageSize), m_checkDocument(*this, services.events), m_checkBehaviour(m_checkDocument) {
    indMain::InitModelDefaults();
    services.events.Register(&indMain::OnEvent, this);
}

indMain::~indMain() {
    EventManager().Unregister(&indMain::OnEvent, this);
}

void indMain::OnEvent(void* context, const Event& event) {
    auto* self = static_cast<indMain*>(context);
    if (event.type == kEvToggleUsableChannels) {
        self->SetUsableChannelsOnly(!self->UsableChannelsOnly());
        self->View().UsableChannelsToggled();
    }
}

void indMain::InitModelDefaults() {
    cuiMain::InitModelDefaults();
    m_makerMode = false;
    m_lastCloneAddress = model::kLastCloneAddress;
    m_modelCode = model::kModelCode;
    m_extraCode = model::kExtraCode;
}

bool indMain::RejectImage(const cmcEeprom& image) {
    return model::RejectImage(image);
}

bool indMain::IsNewerImage(const cmcEeprom& image) {
    return model::IsNewerImage(image);
}

void indMain::ImageLoaded(cmcEeprom& image) {
    const int type = model::ImageModelType(image);
    // Open and clone read refuse a newer image before this; an unknown type must never pick a file.
    if (type >= 0 && type < kModelTypeCount) {
        ChangeModel(type, false);
    }
    MergeImage(image, false);
    SendEvent(kEvImageChanged);
}

void indMain::MergeImage(cmcEeprom& image, bool forWrite) {
    model::FactoryAdjustments adjustments{};
    model::MergeImage(image, m_initial, ModelType(), forWrite, forWrite ? nullptr : &adjustments);
    if (!forWrite) {
        std::copy(adjustments.begin(), adjustments.end(), m_factoryAdjustments.begin());
    }
}

bool indMain::MayCloneWrite() {
    if (!m_makerMode) {
        return true;
    }
    return Messages().Show(Overlay().GetLongText("GI_Mess_Maker_Caution"),
                           OverlayMessages::Icon::Warning,
                           OverlayMessages::Buttons::OkCancel) == Answer::Ok;
}

void indMain::BuildTree() {
    View().BuildTree(ModelName());
}

std::string indMain::ModelName() {
    return Overlay().GetLine("GI_AppInd_Model", ModelType());
}

ui::TreeVariant indMain::TreeVariant() {
    const cmcEeprom& image = MainImage();
    return {.usaPlan = model::HasUsaPlan(image),
            .canadaPlan = model::HasCanadaPlan(image),
            .weatherPlan = model::HasWeatherPlan(image),
            .modelTypeZero = ModelType() == 0,
            .makerMode = IsMakerMode()};
}

ChannelSheetState indMain::SheetState() {
    ChannelSheetState state;
    state.usableOnly = UsableChannelsOnly();
    state.modelVariant = ModelType();
    state.optionBits = CloneIdentityBytes()[model::kIdentityOptionBits];
    state.isUsable = [this](int plan, int channel) { return IsUsableChannel(MainImage(), plan, channel); };
    return state;
}

std::vector<CellInError> indMain::CellsInError(const std::string& sheet) {
    ChannelSheetState state = SheetState();
    state.usableOnly = false; // rows counted as the full lists count them
    return ::CellsInError(Definitions(), m_checkBehaviour, sheet, state);
}

std::string indMain::PlaceOfAddress(std::int32_t address) {
    const auto place = PlaceOfByte(m_checkDocument, address);
    if (!place) {
        return {};
    }
    return FormatText(Overlay().GetLine("GI_Mess_CloneCheck_Place", 0), {place->sheet, place->row, place->column});
}

std::string indMain::FileComment(const cmcEeprom& image) {
    return model::CloneFileComment(image);
}

void indMain::ChangeModel(int newType, bool ask) {
    if (newType == ModelType() || newType < 0 || newType >= kModelTypeCount) {
        return;
    }
    // The change replaces the document: a modified one (pending input committed) is offered for saving
    // first.
    if (ask && AskToSave(false) == Answer::Cancel) {
        return;
    }
    if (ask && Messages().Show(Overlay().GetLongText("GI_AppMess_ChangeModel"),
                               OverlayMessages::Icon::Warning,
                               OverlayMessages::Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    if (ask) {
        RecordEdit();
    }
    Environ().modelType = static_cast<std::int8_t>(newType);
    LoadInitialImage(newType);
    if (ask) {
        MainImage() = InitialImage();
        TakeSnapshot();
        SetFileName(std::string());
        // The open sheet shows the image that was just replaced.
        CloseCurrentSheet();
        RecordReplacement();
    }
    BuildTree();
}

void indMain::RestoreModelType(int modelType) {
    Environ().modelType = static_cast<std::int8_t>(modelType);
    LoadInitialImage(modelType);
}

void indMain::SwitchMakerModeOn() {
    if (m_makerMode) {
        return;
    }
    if (Messages().Show(Overlay().GetLongText("GI_Mess_Maker_Caution"),
                        OverlayMessages::Icon::Warning,
                        OverlayMessages::Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    m_makerMode = true;
    BuildTree();
    View().MakerModeSwitchedOn(Overlay().GetText("GI_StatusPanel_Maker"));
}

void indMain::ScanMakerSwitch(const std::vector<std::string>& arguments) {
    for (std::string argument : arguments) {
        std::transform(argument.begin(), argument.end(), argument.begin(), [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        });
        if (argument == "/servmod") {
            SwitchMakerModeOn();
        }
    }
}

void indMain::AboutKeyTyped(char character) {
    cuiMain::AboutKeyTyped(character);
    if (TypedEndsWith(kMakerAccessCode)) {
        SwitchMakerModeOn();
    }
}
