#include "sheets/CellRelations.h"

#include "sheets/cmcCellObj.h"

#include <cstdlib>

bool IsRelatedCell(const cmcCellObj& c, const cmcCellObj& p, int scopeBits) {
    const bool sameKind = p.Kind() == c.Kind();
    const bool sameCategory = p.Category() == c.Category();
    const bool sameIndex = p.Index() == c.Index();
    const bool categoryAndKind = c.HasCategory() && p.HasKind();
    const bool tests[8] = {
        sameKind && sameIndex,
        sameCategory,
        sameKind,
        sameIndex && categoryAndKind,
        sameCategory && p.HasKind() && std::abs(p.Index() - c.Index()) <= 1,
        p.HasKind(),
        p.Index() >= c.Index() && categoryAndKind,
        p.Index() <= c.Index() && categoryAndKind,
    };
    for (int bit = 0; bit < 8; ++bit) {
        if ((scopeBits & (1 << bit)) != 0 && tests[bit]) {
            return true;
        }
    }
    return false;
}
