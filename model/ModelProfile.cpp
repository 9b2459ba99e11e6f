#include "model/ModelProfile.h"

#include "model/ModelRules.h"

namespace model {

CloneFileProfile OpenProfile() {
    CloneFileProfile profile;
    profile.modelCode = kModelCode;
    profile.extraCode = kExtraCode;
    profile.mapRevision = kMapRevision;
    profile.imageSize = kImageSize;
    profile.coveredRanges = kCloneFileRanges;
    profile.rejectImage = &RejectImage;
    profile.isNewerImage = &IsNewerImage;
    return profile;
}

} // namespace model
