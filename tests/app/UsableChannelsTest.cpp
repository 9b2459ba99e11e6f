#include "app/UsableChannels.h"

#include "image/cmcEeprom.h"
#include "model/ModelRules.h"
#include "model/datCh.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// An image whose International channels are all inhibited except `usable`.
cmcEeprom WithUsable(std::initializer_list<int> usable) {
    cmcEeprom image;
    image.SetSize(model::kImageSize);
    datCh record(image);
    for (int channel = 0; channel <= 303; ++channel) {
        record.Load(1, channel);
        record.Inhibited = std::find(usable.begin(), usable.end(), channel) == usable.end();
        record.Store(1, channel);
    }
    return image;
}

TEST(UsableChannels, TheNextUsableUpwardsElseTheHighestElseZero) {
    cmcEeprom two = WithUsable({10, 250});
    EXPECT_EQ(NearestUsableChannel(two, 1, 5), 10);
    EXPECT_EQ(NearestUsableChannel(two, 1, 10), 10);
    EXPECT_EQ(NearestUsableChannel(two, 1, 11), 250);
    EXPECT_EQ(NearestUsableChannel(two, 1, 260), 250); // nothing above: the highest one
    cmcEeprom none = WithUsable({});
    EXPECT_EQ(NearestUsableChannel(none, 1, 7), 0);
    cmcEeprom onlyZero = WithUsable({0});
    EXPECT_EQ(NearestUsableChannel(onlyZero, 1, 7), 0); // the downward search stops at 1
}

} // namespace
