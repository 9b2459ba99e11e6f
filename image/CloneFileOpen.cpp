#include "image/CloneFileOpen.h"

#include "image/cmcQcfFile.h"

std::uint8_t ReadCloneFileAsOpen(const std::filesystem::path& path,
                                 const CloneFileProfile& profile,
                                 OverlayMessages& messages,
                                 cmcEeprom& scratch) {
    scratch.SetSize(profile.imageSize);
    cmcQcfFile file(messages);
    file.AttachImage(scratch);
    file.SetModelCodes(profile.modelCode, profile.extraCode);
    const std::int32_t accepted = profile.mapRevision;
    file.SetMapRevisionTest([accepted](std::int32_t revision) { return revision == accepted; });
    std::uint8_t result = file.Read(path);
    if (result != qcf::kOk) {
        return result; // Read has shown it
    }
    if (profile.rejectImage && profile.rejectImage(scratch)) {
        result = qcf::kData;
    } else if (profile.isNewerImage && profile.isNewerImage(scratch)) {
        result = qcf::kNewer;
    } else {
        result = file.CheckCoverage(profile.coveredRanges);
    }
    file.ShowResult(result);
    return result;
}
