#include "sheets/cmcCellObj.h"

#include "sheets/CellDefParser.h"

cmcCellObj& cmcCellObj::operator=(const cmcCellObj& other) {
    if (this != &other) {
        CopyFrom(other);
    }
    return *this;
}

void cmcCellObj::ResetFromTemplate() {
    m_argument.reset();
    m_font.reset();
    m_popupMenu.reset();
    m_displayText.reset();
    m_kind = kNoKind;
    m_imageIndex = -1;
    m_flagsA = m_flagsB = m_flagsC = 0;
    m_color = kDefaultColor;
    if (m_template == nullptr) {
        return;
    }
    const cmcCellObj& t = *m_template;
    m_category = t.m_category;
    m_kind = t.m_kind;
    m_index = t.m_index;
    m_argument = t.m_argument;
    m_imageIndex = t.m_imageIndex;
    m_flagsA = t.m_flagsA;
    m_flagsB = t.m_flagsB;
    m_flagsC = t.m_flagsC;
    m_color = t.m_color;
    m_displayText = t.m_displayText;
}

std::string_view cmcCellObj::Parse(std::string_view definition,
                                   const cmcCellObj* templ,
                                   LoopVarArray* loopVars,
                                   IDefinitionSource& models) {
    m_template = templ;
    ResetFromTemplate();
    const auto [piece, rest] = CellDefParser::SplitFirst(definition);
    CellDefParser(*this, loopVars, models).Apply(piece);
    return rest;
}

std::string_view cmcCellObj::Split(std::string_view definition) {
    return CellDefParser::SplitFirst(definition).second;
}

void cmcCellObj::CopyFrom(const cmcCellObj& other) {
    m_template = other.m_template;
    m_category = other.m_category;
    m_kind = other.m_kind;
    m_index = other.m_index;
    m_argument = other.m_argument;
    m_imageIndex = other.m_imageIndex;
    m_flagsA = other.m_flagsA;
    m_flagsB = other.m_flagsB;
    m_flagsC = other.m_flagsC;
    m_color = other.m_color;
    m_font = other.m_font ? std::make_unique<platform::FontDesc>(*other.m_font) : nullptr;
    m_popupMenu = other.m_popupMenu;
    m_displayText = other.m_displayText;
}

std::string_view cmcCellObj::EffectivePopupMenu() const {
    for (const cmcCellObj* cell = this; cell != nullptr; cell = cell->m_template) {
        if (cell->m_popupMenu && !cell->m_popupMenu->empty()) {
            return *cell->m_popupMenu;
        }
    }
    return {};
}

const platform::FontDesc& cmcCellObj::EffectiveFont(const cmcCellObj& basic) const {
    if (m_font) {
        return *m_font;
    }
    return basic.m_font ? *basic.m_font : DefaultFont();
}

const platform::FontDesc& cmcCellObj::DefaultFont() {
    static const platform::FontDesc font;
    return font;
}

bool cmcCellObj::Flag(int n) const {
    if (n < 0 || n > 7) {
        return false;
    }
    return n < 6 ? (m_flagsB & (4 << n)) != 0 : (m_flagsC & (1 << (n - 6))) != 0;
}

void cmcCellObj::SetFlag(int n, bool on) {
    if (n >= 0 && n < 6) {
        SetBit(m_flagsB, 4 << n, on);
    } else if (n >= 6 && n < 8) {
        SetBit(m_flagsC, 1 << (n - 6), on);
    }
}

platform::FontDesc& cmcCellObj::OwnFont() {
    if (!m_font) {
        const platform::FontDesc* inherited = m_template != nullptr ? m_template->m_font.get() : nullptr;
        m_font = std::make_unique<platform::FontDesc>(inherited != nullptr ? *inherited : DefaultFont());
    }
    return *m_font;
}
