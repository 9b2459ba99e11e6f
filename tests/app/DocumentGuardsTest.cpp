// The decisions about the radio's data that the document makes for every caller (window, command-line
// tool, scripts): the warning check a clone write must pass, the one usable-channels flag, and what
// the channel sheets are opened with.

#include "DocumentFixture.h"
#include "app/AppCellDocument.h"
#include "events/EventNumbers.h"
#include "model/CellKinds.h"
#include "model/datCh.h"

#include <functional>

namespace {

using apptest::DocumentFixture;
using Answer = platform::IMessageBox::Answer;

class DocumentGuards : public DocumentFixture {};

// Marks row `channel` of `plan` with P and inhibits it: the radio would have no P channel to use.
void InhibitMarkedRow(cmcEeprom& image, std::uint8_t plan, std::int32_t channel) {
    datCh row(image);
    row.Load(plan, channel);
    row.MarkA = true;
    row.Inhibited = true;
    row.Store(plan, channel);
}

void InhibitEveryWeatherChannel(cmcEeprom& image) {
    datCh row(image);
    for (std::int32_t channel = 0; channel < 10; ++channel) {
        row.Load(model::kPlanWeather, channel);
        row.Inhibited = true;
        row.Store(model::kPlanWeather, channel);
    }
}

TEST_F(DocumentGuards, TheWarningCheckCountsTheSheetsTheTreeShows) {
    struct Case {
        const char* name;
        int modelType;
        std::function<void(cmcEeprom&)> edit;
        std::vector<std::string> failedSheets;
        int errors;
    };
    const Case cases[] = {
        {"FactoryData", 0, [](cmcEeprom&) {}, {}, 0},
        {"InhibitedPChannel",
         0,
         [](cmcEeprom& i) { InhibitMarkedRow(i, model::kPlanInternational, 32); },
         {"GI_Sheet_IntCh"},
         1},
        {"TwoPlansInError",
         0,
         [](cmcEeprom& i) {
             InhibitMarkedRow(i, model::kPlanUsa, 40);
             InhibitMarkedRow(i, model::kPlanCanada, 7);
         },
         {"GI_Sheet_UsaCh", "GI_Sheet_CanCh"},
         2},
        {"EveryWeatherChannelInhibited", 0, InhibitEveryWeatherChannel, {"GI_Sheet_WxCh"}, 1},
        // A model type without the weather plan has no weather sheet to put right.
        {"WeatherOfAModelWithoutIt", 1, InhibitEveryWeatherChannel, {}, 0},
        {"InhibitedPChannelOfAModelWithoutUsaPlan",
         1,
         [](cmcEeprom& i) { InhibitMarkedRow(i, model::kPlanInternational, 16); },
         {"GI_Sheet_IntCh"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        m_environ.modelType = static_cast<std::int8_t>(c.modelType);
        indMain& app = Started();
        c.edit(app.MainImage());
        const WarningCheckResult result = app.RunWarningCheck();
        std::vector<std::string> sheets;
        for (const FailedCheck& check : result.failed) {
            EXPECT_TRUE(check.error);
            EXPECT_NE(check.text.find("inhibited"), std::string::npos) << check.text;
            sheets.push_back(check.sheet);
        }
        EXPECT_EQ(sheets, c.failedSheets);
        EXPECT_EQ(result.errors, c.errors);
        ASSERT_FALSE(m_view.checks.empty()); // the window marks what the document found
        EXPECT_EQ(m_view.checks.back().errors, c.errors);
    }
}

// The flag saved by the last run is the one the sheets and the channel edits read, and event 28
// toggles it for both.
TEST_F(DocumentGuards, OneUsableChannelsFlagLoadedAtStart) {
    testsupport::MemorySettingsStore store;
    bool held = false;
    {
        testsupport::FakeInstanceLock lastRun(held);
        indEnviron settings(lastRun, store, ScreenSize{});
        settings.chListType = true; // saved at exit
    }
    testsupport::FakeInstanceLock lock(held);
    indEnviron settings(lock, store, ScreenSize{});
    const cuiMain::Services s = Services();
    indMain app(cuiMain::Services{s.overlay, s.messageBox, s.fileDialogs, settings, s.events, s.dataDirectory});
    app.SetView(&m_view);
    app.BuildDocument();
    AppCellDocument edits(app, s.events); // what the channel edit operations ask

    EXPECT_TRUE(app.UsableChannelsOnly());
    EXPECT_TRUE(edits.UsableChannelsOnly());
    EXPECT_TRUE(app.SheetState().usableOnly);

    s.events.Send(kEvToggleUsableChannels);
    EXPECT_FALSE(settings.chListType);
    EXPECT_FALSE(edits.UsableChannelsOnly());
    EXPECT_FALSE(app.SheetState().usableOnly);
    EXPECT_EQ(m_view.usableToggles, 1);
}

// The channel sheets take the model variant and the option bits of the radio's identity (byte 19)
// from the document; the tree shows the plans the image holds.
TEST_F(DocumentGuards, TheSheetStateAndTheTreeComeFromTheDocument) {
    indMain& app = Started();
    std::array<std::uint8_t, 22> identity{};
    identity[19] = 0x18;
    app.SetCloneIdentityBytes(identity);
    ChannelSheetState state = app.SheetState();
    EXPECT_EQ(state.optionBits, 0x18);
    EXPECT_EQ(state.modelVariant, 0);
    ASSERT_TRUE(state.isUsable);
    InhibitMarkedRow(app.MainImage(), model::kPlanInternational, 20);
    EXPECT_TRUE(state.isUsable(model::kPlanInternational, 20)); // marked rows stay usable
    datCh row(app.MainImage());
    row.Load(model::kPlanInternational, 21);
    row.Inhibited = true;
    row.Store(model::kPlanInternational, 21);
    EXPECT_FALSE(state.isUsable(model::kPlanInternational, 21));

    const ui::TreeVariant usa = app.TreeVariant();
    EXPECT_TRUE(usa.usaPlan && usa.canadaPlan && usa.weatherPlan && usa.modelTypeZero && !usa.makerMode);
    m_box.Script({Answer::No, Answer::Ok}); // the edits not saved; the change confirmed
    app.ChangeModel(1, true);
    const ui::TreeVariant europe = app.TreeVariant();
    EXPECT_FALSE(europe.usaPlan || europe.canadaPlan || europe.weatherPlan || europe.modelTypeZero);
    EXPECT_EQ(app.SheetState().modelVariant, 1);
}

} // namespace
