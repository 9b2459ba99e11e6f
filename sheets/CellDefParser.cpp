#include "sheets/CellDefParser.h"

#include "overlay/DefinitionSource.h"
#include "platform/Fault.h"
#include "sheets/CellNames.h"
#include "sheets/ColourNames.h"
#include "sheets/FontDefinition.h"
#include "sheets/LoopVarRef.h"
#include "sheets/ReadDecimal.h"

#include <string>

namespace {

using sheets::StartsWith;
using sheets::ValueOf;

// Named models may use models; a chain deeper than this is a model that uses itself, and its deeper
// uses are ignored instead of recursing without end.
constexpr int kMaxModelDepth = 16;

// Display values of "\(@ch<d>+n)" are cut to this many characters.
constexpr std::size_t kMaxLoopValueChars = 6;

// Blanks and control characters are trimmed from display texts; bytes of UTF-8 sequences are not.
bool IsTrimmed(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

// `text` with every '\' removed and the character after it kept.
std::string Unescape(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            if (++i == text.size()) {
                break;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace

std::pair<std::string_view, std::string_view> CellDefParser::SplitFirst(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i; // the next character is ordinary
        } else if (line[i] == '|') {
            return {line.substr(0, i), line.substr(i + 1)};
        }
    }
    return {line, {}};
}

void CellDefParser::Apply(std::string_view definition) {
    std::string attributes;
    std::string display;
    // Braces neither nest nor escape: '{' opens a group up to the next '}' (or the end of the text).
    std::size_t i = 0;
    while (i < definition.size()) {
        const std::size_t open = definition.find('{', i);
        display.append(definition.substr(i, open == std::string_view::npos ? std::string_view::npos : open - i));
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = definition.find('}', open + 1);
        attributes.append(
            definition.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        i = close == std::string_view::npos ? definition.size() : close + 1;
    }
    ApplyAttributes(attributes);
    // A definition without display text keeps the one the template gave (an empty definition is a copy
    // of the template).
    if (auto text = DisplayText(display)) {
        m_cell.SetDisplayText(std::move(text));
    }
}

void CellDefParser::ApplyAttributes(std::string_view text) {
    bool negated = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool negate = negated;
        negated = false;
        if (c == '!') {
            negated = true; // reaches only the character right after it (a second '!' arms it afresh)
        } else if (c == '\\') {
            ++i;
        } else if (c == '(') {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != ')') {
                end += text[end] == '\\' ? 2 : 1;
            }
            end = std::min(end, text.size());
            ApplyProperty(text.substr(i + 1, end - i - 1));
            i = end;
        } else {
            ApplyAttributeChar(c, negate);
        }
    }
}

void CellDefParser::ApplyAttributeChar(char c, bool negated) {
    const bool on = !negated;
    switch (c) {
    case '<':
        m_cell.SetHAlign(cmcCellObj::kLeft);
        break;
    case '^':
        m_cell.SetHAlign(cmcCellObj::kCentre);
        break;
    case '>':
        m_cell.SetHAlign(cmcCellObj::kRight);
        break;
    case '~':
        m_cell.SetVAlign(cmcCellObj::kTop);
        break;
    case '-':
        m_cell.SetVAlign(cmcCellObj::kMiddle);
        break;
    case '_':
        m_cell.SetVAlign(cmcCellObj::kBottom);
        break;
    case 'W':
        m_cell.SetAutoWidth(on);
        break;
    case 'H':
        m_cell.SetAutoHeight(on);
        break;
    case '+':
        m_cell.SetJoinLeft(on);
        break;
    case 'B':
        m_cell.SetBottomLine(on);
        break;
    case 'S':
        m_cell.SetSelectable(on);
        break;
    case 'T':
        m_cell.SetFollowLeft(on);
        break;
    default:
        break; // every other character is ignored
    }
}

void CellDefParser::ApplyProperty(std::string_view property) {
    if (StartsWith(property, "$")) {
        ApplyModel(property.substr(1));
    } else if (StartsWith(property, "Color")) {
        if (const auto value = ValueOf(property)) {
            if (const auto colour = sheets::LookupColour(*value)) {
                m_cell.SetColor(*colour);
            }
        }
    } else if (StartsWith(property, "Font")) {
        if (const auto value = ValueOf(property)) {
            sheets::ApplyFont(*value, m_cell.OwnFont());
        }
    } else if (StartsWith(property, "%")) {
        ApplyKind(property.substr(1));
    } else if (StartsWith(property, "@")) {
        ApplyLoopCommand(property);
    } else if (StartsWith(property, "ImageIndex")) {
        if (const auto value = ValueOf(property)) {
            m_cell.SetImageIndex(sheets::ReadDecimal(*value));
        }
    } else if (StartsWith(property, "PopupMenu")) {
        if (const auto value = ValueOf(property)) {
            m_cell.SetPopupMenu(std::string(*value));
        }
    } else if (property.size() == 7 && StartsWith(property, "Flag") && property[4] >= '0' && property[4] <= '7' &&
               property[5] == '=' && (property[6] == '0' || property[6] == '1')) {
        m_cell.SetFlag(property[4] - '0', property[6] == '1');
    }
}

void CellDefParser::ApplyModel(std::string_view name) {
    if (m_modelDepth >= kMaxModelDepth) {
        return;
    }
    const std::string model = m_models.GetLine("CellModel_" + std::string(name), 0);
    ++m_modelDepth;
    ApplyAttributes(model);
    --m_modelDepth;
}

void CellDefParser::ApplyKind(std::string_view text) {
    // [category '.'] kind ['[' index ']'] [':' argument]; the first '.' ends the category unless escaped.
    const std::size_t dot = text.find('.');
    if (dot != std::string_view::npos && (dot == 0 || text[dot - 1] != '\\')) {
        m_cell.SetCategory(sheets::CategoryNumber(text.substr(0, dot)));
        text.remove_prefix(dot + 1);
    }
    const std::size_t kindEnd = text.find_first_of("[:");
    m_cell.SetKind(sheets::KindNumber(text.substr(0, kindEnd)));
    if (kindEnd == std::string_view::npos) {
        return;
    }
    text.remove_prefix(kindEnd);
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        std::string_view index = text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        if (StartsWith(index, "@")) {
            m_cell.SetIndex(TakeLoopVarRef(index, m_loopVars));
        } else {
            m_cell.SetIndex(sheets::ReadDecimal(index));
        }
        if (close == std::string_view::npos) {
            return; // the index ran to the end: no argument
        }
        text.remove_prefix(close + 1);
    }
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        m_cell.SetArgument(Unescape(text.substr(colon + 1)));
    }
}

void CellDefParser::ApplyLoopCommand(std::string_view command) {
    std::int32_t& variable = TakeLoopVarRef(command, m_loopVars);
    // "++" right after the digit; "=" may follow blanks. Any other text does nothing.
    if (StartsWith(command, "++")) {
        variable = static_cast<std::int32_t>(static_cast<std::uint32_t>(variable) + 1U);
    } else if (const std::string_view rest = sheets::SkipBlanks(command); StartsWith(rest, "=")) {
        variable = sheets::ReadDecimal(sheets::SkipBlanks(rest.substr(1)));
    }
}

std::optional<std::string> CellDefParser::DisplayText(std::string_view raw) const {
    while (!raw.empty() && IsTrimmed(raw.front())) {
        raw.remove_prefix(1);
    }
    while (!raw.empty() && IsTrimmed(raw.back())) {
        raw.remove_suffix(1);
    }
    if (raw.empty()) {
        return std::nullopt;
    }
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            text += raw[i];
            continue;
        }
        if (++i == raw.size()) {
            break; // a lone '\' at the end stands for nothing
        }
        switch (raw[i]) {
        case '(': {
            const std::size_t close = raw.find(')', i + 1);
            if (close == std::string_view::npos) {
                platform::Fault("Illegal Ch No.");
            }
            std::string_view reference = raw.substr(i + 1, close - i - 1);
            const std::int64_t value = TakeLoopVarRef(reference, m_loopVars);
            reference = sheets::SkipBlanks(reference);
            const std::int64_t add = StartsWith(reference, "+") ? sheets::ReadDecimal(reference.substr(1)) : 0;
            text += std::to_string(value + add).substr(0, kMaxLoopValueChars);
            i = close;
            break;
        }
        case 'n':
        case 'N':
            text += '\n';
            break;
        case '_':
            text += ' ';
            break;
        default:
            text += raw[i];
            break;
        }
    }
    return text;
}
