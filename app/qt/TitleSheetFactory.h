#pragma once

#include "app/qt/SheetFactory.h"

class IDefinitionSource;

// Sheets shown by their title only (the "TitleString" of the sheet's style line): what the window shows
// where no sheet widget is linked in. Selection lists do not open.
class TitleSheetFactory final : public ISheetFactory {
public:
    explicit TitleSheetFactory(IDefinitionSource& definitions) : m_definitions(definitions) {}

    std::unique_ptr<IOpenSheet> Open(QWidget* area,
                                     const std::string& key,
                                     const std::string& parameter,
                                     const std::string& sourceArgument,
                                     const SheetPosition* position) override;
    void OpenSelectionList(cmcCellCapsule& /*capsule*/,
                           std::string_view /*listName*/,
                           int /*itemKind*/,
                           int /*value*/) override {}

private:
    IDefinitionSource& m_definitions;
};
