#pragma once

#include "app/qt/SheetFactory.h"
#include "sheets/ChannelSheetLayout.h"
#include "sheets/qt/ImageList.h"
#include "sheets/qt/SheetEnv.h"

class cmcEeprom;
class indMain;

// The main window's sheets as the sheets layer draws them: an iuiSheet per tree entry (with the
// usable-channels view, the model variant and the radio's option bits) and a cuiFlector per selection
// list, on one sheet environment with the behaviour object and the warning marks.
class WidgetSheetFactory final : public ISheetFactory {
public:
    // Everything borrowed must outlive the factory.
    WidgetSheetFactory(IDefinitionSource& source, cmcEvMan& events, platform::IFontMetrics& metrics);

    void Attach(indMain& app, ICellBehaviour& behaviour) override;
    std::unique_ptr<IOpenSheet> Open(QWidget* area,
                                     const std::string& key,
                                     const std::string& parameter,
                                     const std::string& sourceArgument,
                                     const SheetPosition* position) override;
    std::unique_ptr<IPrintSheet> OpenForPrinting(QWidget* host,
                                                 const std::string& key,
                                                 const std::string& parameter,
                                                 const SheetPrintTarget& target) override;
    void OpenSelectionList(cmcCellCapsule& capsule, std::string_view listName, int itemKind, int value) override;

private:
    void UpdateState();

    indMain* m_app = nullptr;
    ImageList m_images;
    SheetEnv m_env;
    ChannelSheetState m_state;
};
