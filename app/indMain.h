#pragma once

#include "app/AppCellDocument.h"
#include "app/cuiMain.h"
#include "model/indActiveCell.h"
#include "sheets/ChannelSheetLayout.h"

#include <string>
#include <vector>

struct Event;

// The main application object of this radio model: its codes and clone range, the acceptance tests of a
// loaded image, the merge with the factory data of the current model type, the model change and the
// maker (factory adjustment) mode. What depends on addresses of the radio's memory is asked of the
// model layer (model/ModelRules.h).
class indMain : public cuiMain {
public:
    explicit indMain(const Services& services);
    ~indMain() override;

    // The model code, extra code and last clone address of model/ModelRules.h, maker mode off.
    void InitModelDefaults() override;
    // Refuses an image whose byte 0x60B is not 1.
    bool RejectImage(const cmcEeprom& image) override;
    // An image of a model type outside 0 to 4 comes from a newer program.
    bool IsNewerImage(const cmcEeprom& image) override;
    // Adopts the image's model type (without asking), merges it with the factory data, sends event 27.
    void ImageLoaded(cmcEeprom& image) override;
    // Merges with the initial image of the current model type; when not forWrite, keeps the six factory
    // adjustment values of the merged image.
    void MergeImage(cmcEeprom& image, bool forWrite) override;
    // In maker mode asks the caution question (OK = true); else true.
    bool MayCloneWrite() override;
    // Builds the tree with the model name appended to its root entry.
    void BuildTree() override;
    std::string FileComment(const cmcEeprom& image) override;
    // The base's hidden word, then: the maker access code typed last switches maker mode on.
    void AboutKeyTyped(char character) override;
    // The seven characters that switch maker mode on when typed in the About window.
    static constexpr std::string_view kMakerAccessCode = "trimpot";

    // Changes the current model type to `newType` (0 to 4). With `ask` (the user's command): pending
    // input is committed, a modified document is offered for saving (Cancel, or a failed save, keeps
    // everything), the change is confirmed, and the document becomes that type's untitled factory image
    // (an undo step). Without: only the model type, its initial image and the tree change (an image of
    // that type was loaded).
    void ChangeModel(int newType, bool ask);
    // The user's command: ChangeModel(modelType, true).
    void ChangeModel(int modelType) override { ChangeModel(modelType, true); }
    // Asks the caution question and, on OK, switches maker mode on for the rest of the run.
    void SwitchMakerModeOn();
    // Every argument (from the program path on) equal to "/servmod", letter case ignored, asks once more
    // to switch maker mode on (nothing once it is on).
    void ScanMakerSwitch(const std::vector<std::string>& arguments);
    // The text appended to the tree's root entry: the name of the current model type.
    std::string ModelName();

    // The tree shows the channel plans the image has, the entries of the model type and, in maker mode,
    // the factory entries.
    ui::TreeVariant TreeVariant() override;
    // What the channel sheets opened now depend on: the usable-channels-only view, the model type as
    // variant, the option bits of the radio's last identity (byte 19) and which channels of the main
    // image are usable.
    ChannelSheetState SheetState();
    // The cells of sheet `sheet` that draw in error, with every channel row shown.
    std::vector<CellInError> CellsInError(const std::string& sheet);
    std::string PlaceOfAddress(std::int32_t address) override;

protected:
    void RestoreModelType(int modelType) override;
    ICellBehaviour* CheckBehaviour() override { return &m_checkBehaviour; }

private:
    // Event 28: toggles the usable-channels-only view and lets the window reopen its sheet.
    static void OnEvent(void* context, const Event& event);

    // The behaviour object the warning check asks: drawing answers only, no window behind it.
    AppCellDocument m_checkDocument;
    indActiveCell m_checkBehaviour;
};
