// Fuzz target of the cell notation: the input's first line is parsed as a definition line, cell after
// cell, with a template and loop variables; the whole input is also laid out as the cell list of a
// sheet. Definition faults are expected outcomes: the fault handler throws instead of ending the
// process, so the run goes on; anything else (a crash, a sanitizer report, a hang) is a finding.

#include "overlay/DefinitionSource.h"
#include "platform/Fault.h"
#include "platform/FontMetrics.h"
#include "sheets/SheetLayout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct DefinitionFault {};

void ThrowFault(std::string_view, std::string_view) {
    throw DefinitionFault{};
}

const char* const kOverlayHead = "#CellModel_A\n"
                                 "S^W(Color=clRed)\n"
                                 "#CellModel_B\n"
                                 "($A)(Font=,,,%150,,fsBold,)\n"
                                 "#CellModel_Loop\n"
                                 "($Loop)H\n"
                                 "#F_Style\n"
                                 "(TitleString=Fuzz)(MultiSelect=Line)(FixedCols=1)\n"
                                 "#F_BasicCell\n"
                                 "{<-(%CT_IntCh.)(PopupMenu=M)}\n"
                                 "#F_Cells\n";

void ParseLine(std::string_view line, IDefinitionSource& models) {
    cmcCellObj templ;
    templ.Parse("{S(%CT_UsaCh.CL_ChList_Tag[3]:arg)(Font=,,,-20)}base", nullptr, nullptr, models);
    LoopVarArray vars{};
    for (std::string_view rest = line; !rest.empty();) {
        cmcCellObj cell;
        rest = cell.Parse(rest, &templ, &vars, models);
        cmcCellObj copy(cell);
        (void)copy.EffectivePopupMenu();
        (void)copy.EffectiveFont(templ);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = (platform::SetFaultHandler(&ThrowFault), true);
    (void)installed;
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The input's lines become the cell list of sheet "F"; its first '#' line ends it.
    TextDefinitionSource source(kOverlayHead + input + "\n#\n#End_Of_Ovl\n");
    try {
        ParseLine(std::string_view(input).substr(0, input.find('\n')), source);
    } catch (const DefinitionFault&) {
    }
    try {
        platform::FixedFontMetrics metrics;
        SheetLayout layout(source, "F", metrics);
        layout.Build();
    } catch (const DefinitionFault&) {
    }
    return 0;
}
