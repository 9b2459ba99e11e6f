#include "overlay/DefinitionSource.h"
#include "overlay/cmcGTex.h"

std::string GTexDefinitionSource::GetLine(std::string_view key, int index) {
    return m_gtex.GetLine(key, index);
}
