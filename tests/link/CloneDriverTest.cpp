#include "CloneDriverFixture.h"

#include <deque>
#include <functional>

namespace {

constexpr CloneRange kWhole[] = {{0x000, 0x7FF}, {1, 0}};
constexpr CloneRange kNormal[] = {{0x000, 0x6FF}, {1, 0}};
constexpr CloneRange kFactory[] = {{0x000, 0x7EF}, {1, 0}};

int CountFrames(const std::vector<std::uint8_t>& bytes, std::uint8_t command) {
    int n = 0;
    for (std::size_t i = 0; i + 3 < bytes.size(); ++i) {
        n += bytes[i] == 0xFE && bytes[i + 1] == 0xEE && bytes[i + 2] == 0xEF && bytes[i + 3] == command;
    }
    return n;
}

TEST(HexToBytes, SkipsNonDigitsAndPadsALastDigit) {
    const struct {
        const char* text;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"FEFE EE EF E0", {0xFE, 0xFE, 0xEE, 0xEF, 0xE0}},
        {"a1:B2-c", {0xA1, 0xB2, 0xC0}},
        {"xyz", {}},
    };
    for (const auto& c : cases) {
        const cmcBuff b = cmcCloneDrv::HexToBytes(c.text);
        EXPECT_EQ(std::vector<std::uint8_t>(b.Data(), b.Data() + b.Length()), c.bytes) << c.text;
    }
}

TEST(CloneFrames, PayloadAndEndFrameAsOnTheWire) {
    const std::uint8_t data[] = {0x01, 0x02};
    const auto payload = cloneframes::DataPayload(0x0010, data, 2);
    EXPECT_EQ(std::string(payload.begin(), payload.end()), "0010020102EB");
    const cmcBuff end = cloneframes::EndFrame(112);
    EXPECT_EQ(std::string(end.Data() + 5, end.Data() + end.Length()), "Quon Inc.70\xFD");
}

TEST_F(CloneDriverTest, InformationExchangeSendsTheRequestAndTakesTheIdentity) {
    AttachRadio();
    ASSERT_TRUE(driver.StartInfo(&Done, this));
    RunToEnd();
    ASSERT_EQ(calls, 1);
    EXPECT_EQ(result->code, 0);
    EXPECT_EQ(result->modelCode, 0x2691);
    EXPECT_EQ(result->subCode, 1);
    EXPECT_EQ(result->info.Length(), 22);
    const std::string request = std::string(14, '\xFE') + std::string("\xEE\xEF\xE0\x26\x91\x00\x00\xFD", 8);
    EXPECT_EQ(Text(port.written), request);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CloneDriverTest, ReadCollectsEveryFrameIntoTheImage) {
    AttachRadio();
    ASSERT_TRUE(driver.StartRead(kWhole, &Done, this));
    RunToEnd();
    ASSERT_EQ(result->code, 0);
    EXPECT_EQ(driver.FrameCount(), 128);
    EXPECT_EQ(driver.DataBytes(), 0x800);
    for (std::int32_t a = 0; a < 0x800; ++a) {
        ASSERT_EQ(result->image.GetByte(a), radio.Image().GetByte(a)) << a;
    }
}

TEST_F(CloneDriverTest, WriteSendsBlockAlignedFramesAndTheirCount) {
    const struct {
        const CloneRange* ranges;
        int frames;
        const char* count;
    } cases[] = {{kNormal, 112, "70"}, {kFactory, 127, "7F"}};
    for (const auto& c : cases) {
        port.written.clear();
        cmcEeprom image = radiosim::PatternImage();
        for (std::int32_t a = 0; a < 0x800; ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(0xFF - (a & 0x7F)));
        }
        radio = radiosim::RadioSim(radiosim::PatternImage());
        AttachRadio();
        ASSERT_TRUE(driver.StartWrite(image, c.ranges, &Done, this));
        image.Fill(0); // later edits do not change what is sent
        RunToEnd();
        ASSERT_EQ(result->code, 0);
        EXPECT_EQ(CountFrames(port.written, 0xE4), c.frames);
        EXPECT_NE(Text(port.written).find(std::string("Quon Inc.") + c.count + "\xFD"), std::string::npos);
        for (std::int32_t a = 0; a <= c.ranges[0].last; ++a) {
            ASSERT_EQ(radio.Image().GetByte(a), 0xFF - (a & 0x7F)) << a;
        }
    }
}

TEST_F(CloneDriverTest, WriteSplitsARangeAtBlockBoundaries) {
    const CloneRange ranges[] = {{0x005, 0x013}, {1, 0}};
    AttachRadio();
    ASSERT_TRUE(driver.StartWrite(radiosim::PatternImage(), ranges, &Done, this));
    RunToEnd();
    ASSERT_EQ(result->code, 0);
    const std::string sent = Text(port.written);
    EXPECT_NE(sent.find("\xE4"
                        "00050B"),
              std::string::npos);
    EXPECT_NE(sent.find("\xE4"
                        "001004"),
              std::string::npos);
    EXPECT_EQ(CountFrames(port.written, 0xE4), 2);
}

struct ReadCase {
    const char* name;
    std::vector<std::uint8_t> reply;
    std::uint8_t code;
};

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

TEST_F(CloneDriverTest, EveryReadFrameCheckEndsWithItsCode) {
    const std::vector<std::uint8_t> block(16, 0x5A);
    std::vector<std::uint8_t> allButOne;
    for (std::int32_t a = 0; a < 0x800; a += 16) {
        if (a != 0x100) {
            const auto f = DataFrame(a, block);
            allButOne.insert(allButOne.end(), f.begin(), f.end());
        }
    }
    const auto end = [](const char* count) { return RadioFrame(0xE5, std::string("Quon Inc.") + count); };
    const ReadCase cases[] = {
        {"outside the image", DataFrame(0x07F8, block), 9},
        {"wrong checksum", RadioFrame(0xE4, "0010020102EA"), 6},
        {"checksum off by 0x80", RadioFrame(0xE4, "00100201026B"), 6},
        {"odd data byte count", RadioFrame(0xE4, "00100101EE"), 6},
        {"lowercase digits", RadioFrame(0xE4, "0010020102eb"), 6},
        {"length field", RadioFrame(0xE4, "0010030102EA"), 6},
        {"unknown command", RadioFrame(0xE7, "0010020102EB"), 6},
        {"short frame", RadioFrame(0xE4, "001000"), 6},
        {"maker string", Join({DataFrame(0, block), RadioFrame(0xE5, "Quon Inx.01")}), 6},
        {"end count",
         Join({DataFrame(0, block), DataFrame(16, block), DataFrame(32, block), DataFrame(48, block), end("05")}),
         7},
        {"end count wrong in its first digit",
         Join({DataFrame(0, block), DataFrame(16, block), DataFrame(32, block), DataFrame(48, block), end("14")}),
         7},
        {"missing block", Join({allButOne, end("7F")}), 8},
        {"overlong frame", Join({{0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, std::vector<std::uint8_t>(600, '0')}), 6},
    };
    for (const auto& c : cases) {
        ReplyTo(0xE2, c.reply);
        result.reset();
        ASSERT_TRUE(driver.StartRead(kWhole, &Done, this));
        RunToEnd();
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result->code, c.code) << c.name;
    }
}

TEST_F(CloneDriverTest, ReadBeyondTheRequestedRangesIsRefused) {
    const CloneRange partial[] = {{0x000, 0x6FF}, {1, 0}};
    AttachRadio();
    ASSERT_TRUE(driver.StartRead(partial, &Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 9);
}

TEST_F(CloneDriverTest, ASilentRadioTimesOutOneSecondAfterTheLastEcho) {
    ReplyTo(0xE2, {});
    ASSERT_TRUE(driver.StartRead(kWhole, &Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 5);
    EXPECT_GE(finishedAt - replyAt, 1000u);
    EXPECT_LE(finishedAt - replyAt, 1040u);
}

TEST_F(CloneDriverTest, EchoFaultsEndWithCode4) {
    port.SetPeer([this](const std::uint8_t* bytes, int n) {
        std::vector<std::uint8_t> echo(bytes, bytes + n);
        echo[static_cast<std::size_t>(n / 2)] ^= 0x01;
        port.Feed(echo);
    });
    ASSERT_TRUE(driver.StartInfo(&Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 4);

    port.SetPeer(nullptr); // no echo at all
    ASSERT_TRUE(driver.StartInfo(&Done, this));
    const std::uint32_t start = time.Clock().NowMs();
    RunToEnd();
    EXPECT_EQ(result->code, 4);
    EXPECT_GE(finishedAt - start, 1000u);
    EXPECT_EQ(calls, 2);
}

// While data frames go out, the echo may trail by up to 128 bytes; beyond that nothing more is sent
// until it catches up. The line here echoes everything but its last `lag` bytes.
TEST_F(CloneDriverTest, DataWaitsWhileTheEchoTrailsByMoreThanTheHoldLimit) {
    for (const auto& [lag, flows] : {std::pair{std::size_t{100}, true}, std::pair{std::size_t{200}, false}}) {
        std::deque<std::uint8_t> held;
        port.written.clear();
        port.SetPeer([&, lag = lag](const std::uint8_t* bytes, int n) {
            held.insert(held.end(), bytes, bytes + n);
            for (; held.size() > lag; held.pop_front()) {
                port.Feed(&held.front(), 1);
            }
        });
        ASSERT_TRUE(driver.StartWrite(radiosim::PatternImage(), kNormal, &Done, this));
        time.Advance(900);
        const int frames = CountFrames(port.written, 0xE4);
        if (flows) {
            EXPECT_EQ(frames, 112) << lag; // every data frame, though the echo never quite catches up
        } else {
            EXPECT_GT(frames, 0) << lag;
            EXPECT_LE(frames, 8) << lag; // one step's frames, then nothing more until the echo comes
        }
        RunToEnd();
        EXPECT_EQ(result->code, 4) << lag;
    }
}

TEST_F(CloneDriverTest, TimeOutsRunFromTheLastProgress) {
    // Frames arriving every 900 ms keep a read alive far past one second.
    ReplyTo(0xE2, {});
    ASSERT_TRUE(driver.StartRead(nullptr, &Done, this));
    time.AdvanceUntil([&] { return replyAt != 0; }, 1000);
    const std::vector<std::uint8_t> block(16, 0x11);
    for (int i = 0; i < 4; ++i) {
        time.Advance(900);
        port.Feed(DataFrame(i * 16, block));
    }
    time.Advance(900);
    port.Feed(RadioFrame(0xE5, "Quon Inc.04"));
    RunToEnd();
    EXPECT_EQ(result->code, 0);

    // The acknowledgement of a write may take up to two seconds.
    for (const auto& [wait, code] : {std::pair{1900u, 0}, std::pair{2100u, 5}}) {
        replyAt = 0;
        ReplyTo(0xE5, {});
        ASSERT_TRUE(driver.StartWrite(radiosim::PatternImage(), kNormal, &Done, this));
        time.AdvanceUntil([&] { return replyAt != 0; }, 5000);
        time.Advance(wait);
        port.Feed(RadioFrame(0xE6, std::string(1, '\0')));
        RunToEnd();
        EXPECT_EQ(result->code, code) << wait;
    }
}

TEST_F(CloneDriverTest, RefusedWriteOpenFailureAndShortWrite) {
    ReplyTo(0xE5, RadioFrame(0xE6, "\x01"));
    ASSERT_TRUE(driver.StartWrite(radiosim::PatternImage(), kNormal, &Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 10);

    port.openFailure = platform::OpenFailure::Kind::Busy;
    ASSERT_TRUE(driver.StartInfo(&Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 2);
    port.openFailure = platform::OpenFailure::Kind::None;

    port.acceptLimit = 5;
    ASSERT_TRUE(driver.StartInfo(&Done, this));
    RunToEnd();
    EXPECT_EQ(result->code, 17);
    EXPECT_FALSE(port.IsOpen());
}

// The acknowledgement decides the write: exactly FE FE EF EE E6 00 FD accepts it; anything else, an
// extra byte included, refuses it; of two acknowledgements arriving together the last one counts.
TEST_F(CloneDriverTest, TheAcknowledgementDecidesTheWrite) {
    const auto accepted = RadioFrame(0xE6, std::string(1, '\0'));
    const auto refused = RadioFrame(0xE6, std::string("\x00\x01", 2));
    const struct {
        const char* name;
        std::vector<std::uint8_t> reply;
        std::uint8_t code;
    } cases[] = {
        {"accepted", accepted, 0},
        {"an extra byte", refused, 10},
        {"refusal then acceptance", Join({refused, accepted}), 0},
        {"acceptance then refusal", Join({accepted, refused}), 10},
    };
    for (const auto& c : cases) {
        ReplyTo(0xE5, c.reply);
        result.reset();
        ASSERT_TRUE(driver.StartWrite(radiosim::PatternImage(), kNormal, &Done, this));
        RunToEnd();
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result->code, c.code) << c.name;
    }
}

TEST(CloneFrames, TheInformationReplyCarriesDecimalCodes) {
    const struct {
        std::vector<std::uint8_t> frame; // without FD
        std::uint8_t code;
    } cases[] = {
        {{0xFE, 0xEF, 0xEE, 0xE1, 0x26, 0x91, 0x00, 0x01, 22}, 0},
        {{0xFE, 0xEF, 0xEE, 0xE1, 0x26, 0x9A, 0x00, 0x01, 22}, 6}, // a low half above 9
        {{0xFE, 0xEF, 0xEE, 0xE1, 0xA6, 0x91, 0x00, 0x01, 22}, 6}, // a high half above 9
        {{0xFE, 0xEF, 0xEE, 0xE1, 0x26, 0x91, 0x00}, 6},
        {{0xFE, 0xEF, 0xEE, 0xE0, 0x26, 0x91, 0x00, 0x01}, 6},
    };
    for (const auto& c : cases) {
        cmcBuff frame;
        frame.Append(c.frame.data(), static_cast<std::int32_t>(c.frame.size()));
        dst_CDrv_Result result;
        cloneframes::CheckInfoReply(frame, result);
        EXPECT_EQ(result.code, c.code) << c.frame.size();
    }
}

TEST_F(CloneDriverTest, ACompletionHandlerMayStartTheNextOperation) {
    AttachRadio();
    struct Chain {
        cmcCloneDrv* driver;
        void* test;
        std::vector<int> codes{};
        bool restarted = false;
    } chain{&driver, this};
    auto handler = [](void* data, dst_CDrv_Result& r) {
        auto* c = static_cast<Chain*>(data);
        c->codes.push_back(r.code);
        if (r.op == 1) {
            c->restarted = c->driver->StartRead(kWhole, &CloneDriverTest::Done, c->test);
        }
    };
    ASSERT_TRUE(driver.StartInfo(handler, &chain));
    EXPECT_FALSE(driver.StartRead(kWhole, &Done, this)); // busy
    RunToEnd();
    EXPECT_TRUE(chain.restarted);
    EXPECT_EQ(chain.codes, std::vector<int>{0});
    ASSERT_EQ(calls, 1);
    EXPECT_EQ(result->code, 0);
    EXPECT_EQ(result->op, 2);
    EXPECT_EQ(port.opens, 2);
}

// Whatever an ended operation left behind (its unmatched echo, a half frame, unread replies) must not
// reach the operation its completion handler starts: after every kind of failure the next information
// exchange, started from the handler, succeeds against a well-behaved radio.
TEST_F(CloneDriverTest, AnOperationChainedAfterAFailureStartsClean) {
    const struct {
        const char* name;
        std::uint8_t code;
        std::function<void()> arrange;
        bool write = false;
    } cases[] = {
        {"no echo", 4, [this] { port.SetPeer(nullptr); }},
        {"wrong echo",
         4,
         [this] {
             port.SetPeer([this](const std::uint8_t* bytes, int n) {
                 std::vector<std::uint8_t> echo(bytes, bytes + n);
                 echo[0] ^= 0x01;
                 port.Feed(echo);
             });
         }},
        {"silent radio", 5, [this] { ReplyTo(0xE2, {}); }},
        {"half a frame",
         5,
         [this] {
             ReplyTo(0xE2, {0xFE, 0xFE, 0xEF, 0xEE, 0xE4, '0', '0'});
         }},
        {"bad frame then more",
         6,
         [this] {
             ReplyTo(0xE2, Join({RadioFrame(0xE4, "0010020102EA"), {0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x26}}));
         }},
        {"refused write",
         10,
         [this] {
             ReplyTo(0xE5, Join({RadioFrame(0xE6, "\x01"), {0xFE, 0xFE, 0xEF}}));
         },
         true},
        {"port busy", 2, [this] { port.openFailure = platform::OpenFailure::Kind::Busy; }},
        {"short write", 17, [this] { port.acceptLimit = 5; }},
    };
    using Self = std::remove_pointer_t<decltype(this)>;
    struct Chain {
        Self* test;
        std::optional<int> first;
    };
    for (const auto& c : cases) {
        c.arrange();
        Chain chain{this, std::nullopt};
        auto handler = [](void* data, dst_CDrv_Result& r) {
            auto* ch = static_cast<Chain*>(data);
            ch->first = r.code;
            ch->test->port.openFailure = platform::OpenFailure::Kind::None;
            ch->test->port.acceptLimit = -1;
            ch->test->radio = radiosim::RadioSim(radiosim::PatternImage());
            ch->test->AttachRadio();
            ch->test->driver.StartInfo(&Self::Done, ch->test);
        };
        result.reset();
        ASSERT_TRUE(c.write ? driver.StartWrite(radiosim::PatternImage(), kNormal, handler, &chain)
                            : driver.StartRead(kWhole, handler, &chain))
            << c.name;
        RunToEnd();
        EXPECT_EQ(chain.first, c.code) << c.name;
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result->op, 1) << c.name;
        EXPECT_EQ(result->code, 0) << c.name;
    }
}

} // namespace
