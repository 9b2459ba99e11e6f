#pragma once

#include "overlay/cmcGTex.h"
#include "support/TempDir.h"

#include <string_view>

// An overlay reader over a throwaway overlay file with the given bytes.
struct OverlayFile {
    explicit OverlayFile(std::string_view bytes) { gtex.SetSourceFile(dir.Write("TEST.OVL", bytes).string()); }

    testsupport::TempDir dir;
    cmcGTex gtex;
};
