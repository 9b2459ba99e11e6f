#pragma once

#include "model/ICellDocument.h"

// A document that shows another image: everything as `base` answers it, but the cells read and write
// `image`. It lets the behaviour object draw what a change would look like (the channel import's list
// of changes) before the change reaches the document. Both must outlive this object.
class ImageCellDocument final : public ICellDocument {
public:
    ImageCellDocument(ICellDocument& base, cmcEeprom& image) : m_base(base), m_image(image) {}

    cmcEeprom& CellImage() override { return m_image; }
    IDefinitionSource& Texts() override { return m_base.Texts(); }
    cmcHash2& CellTables() override { return m_base.CellTables(); }
    cmcEvMan& Events() override { return m_base.Events(); }
    int ModelType() override { return m_base.ModelType(); }
    const model::FactoryAdjustments& Adjustments() override { return m_base.Adjustments(); }
    std::span<const std::uint8_t> CloneIdentityBytes() override { return m_base.CloneIdentityBytes(); }
    // Nothing is marked modified: the image is not the document's.
    void CellAnswered() override {}

private:
    ICellDocument& m_base;
    cmcEeprom& m_image;
};
