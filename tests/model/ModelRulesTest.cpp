#include "model/ModelRules.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

cmcEeprom ImageWith(std::int32_t address, std::uint8_t value) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    image.SetByte(address, value);
    return image;
}

TEST(ModelRules, AcceptsOnlyImagesWhoseByte60BIsOne) {
    EXPECT_FALSE(RejectImage(ImageWith(0x60B, 1)));
    for (const std::uint8_t value : {0, 2, 0xFF}) {
        EXPECT_TRUE(RejectImage(ImageWith(0x60B, value))) << int(value);
    }
    cmcEeprom tooSmall;
    tooSmall.SetSize(0x60B);
    EXPECT_TRUE(RejectImage(tooSmall));
}

TEST(ModelRules, AModelTypeOutside0To4IsANewerImage) {
    for (int type = 0; type < 256; ++type) {
        const cmcEeprom image = ImageWith(0x609, static_cast<std::uint8_t>(type));
        EXPECT_EQ(IsNewerImage(image), type > 4) << type;
        EXPECT_EQ(ImageModelType(image), type);
    }
}

TEST(ModelRules, CloneFileCommentCleansAndCutsTrailingBlanks) {
    cmcEeprom image;
    image.SetSize(kImageSize);
    const char text[] = "My boat\x01\x7F  ";
    for (int i = 0; i < 16; ++i) {
        image.SetByte(0x610 + i, i < 11 ? static_cast<std::uint8_t>(text[i]) : ' ');
    }
    image.SetByte(0x61F, 0x80);
    EXPECT_EQ(CloneFileComment(image), "My boat");
    image.SetByte(0x61E, 'x');
    EXPECT_EQ(CloneFileComment(image), "My boat       x");
}

TEST(ModelRules, PlansPresentAreBitsOf648) {
    const cmcEeprom usa = ImageWith(0x648, 0x01);
    const cmcEeprom weatherCanada = ImageWith(0x648, 0x06);
    EXPECT_TRUE(HasUsaPlan(usa));
    EXPECT_FALSE(HasWeatherPlan(usa) || HasCanadaPlan(usa));
    EXPECT_FALSE(HasUsaPlan(weatherCanada));
    EXPECT_TRUE(HasWeatherPlan(weatherCanada) && HasCanadaPlan(weatherCanada));
}

} // namespace
