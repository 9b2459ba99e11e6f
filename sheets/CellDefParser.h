#pragma once

#include "sheets/cmcCellObj.h"

#include <string>
#include <string_view>
#include <utility>

class IDefinitionSource;

// Reads the notation of one cell definition into a cell that was already reset from its template:
// attribute groups in braces (attribute characters, '!' negation, '\' escapes and properties in
// parentheses, in text order), and the display text outside the braces with its escapes.
//
// Faults (through platform::Fault): "Ch No. Error" for a malformed @ch reference or one where there are
// no loop variables, "Illegal Ch No." for a "\(" escape without ')', and the unknown category and kind
// names of the name tables. Everything else that does not fit is ignored.
class CellDefParser {
public:
    CellDefParser(cmcCellObj& cell, LoopVarArray* loopVars, IDefinitionSource& models)
        : m_cell(cell), m_loopVars(loopVars), m_models(models) {}

    // The first definition of a line and the rest after its first unescaped '|'.
    static std::pair<std::string_view, std::string_view> SplitFirst(std::string_view line);

    // Applies one definition (no '|' handling) to the cell.
    void Apply(std::string_view definition);

    // Applies attribute text (the inside of braces, or a named model's line) to the cell.
    void ApplyAttributes(std::string_view attributes);

    // Applies one property (the text between '(' and ')', escapes still in it).
    void ApplyProperty(std::string_view property);

    // The display text of `raw` (the text outside braces): trimmed, escapes resolved; nothing when
    // nothing remains after trimming (the cell then keeps its template's text).
    std::optional<std::string> DisplayText(std::string_view raw) const;

private:
    void ApplyKind(std::string_view kindProperty);
    void ApplyLoopCommand(std::string_view command);
    void ApplyModel(std::string_view name);
    void ApplyAttributeChar(char c, bool negated);

    cmcCellObj& m_cell;
    LoopVarArray* m_loopVars;
    IDefinitionSource& m_models;
    int m_modelDepth = 0;
};
