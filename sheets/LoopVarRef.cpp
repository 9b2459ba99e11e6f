#include "sheets/LoopVarRef.h"

#include "platform/Fault.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int32_t& TakeLoopVarRef(std::string_view& text, LoopVarArray* loopVars) {
    if (loopVars == nullptr || text.size() < 4 || text.substr(0, 3) != "@ch" || !IsDigit(text[3]) ||
        (text.size() > 4 && IsDigit(text[4]))) {
        platform::Fault("Ch No. Error");
    }
    std::int32_t& variable = (*loopVars)[static_cast<std::size_t>(text[3] - '0')];
    text.remove_prefix(4);
    return variable;
}
