#include "EventsFixture.h"

#include <string>

namespace eventstest {
namespace {

void AnswerText(cmcEvMan& man, const std::string& text) {
    man.Answer(text.c_str(), static_cast<std::int32_t>(text.size() + 1));
}

TEST_F(EventsTest, QueryThatNobodyAnswersReturnsNothing) {
    EXPECT_EQ(m_man.Query(12, 1), nullptr);
    Listener silent = MakeListener("s");
    Register(silent);
    EXPECT_EQ(m_man.Query(12, 1), nullptr);
    ASSERT_EQ(silent.seen.size(), 1u);
    EXPECT_EQ(silent.seen[0].mode, Event::Queried);
}

TEST_F(EventsTest, QueryCollectsEveryAnswerInCallOrder) {
    Listener first = MakeListener("f");
    Listener second = MakeListener("s");
    first.action = [&](const Event&) { AnswerText(m_man, "first"); };
    second.action = [&](const Event& event) {
        if (event.first == 42) {
            AnswerText(m_man, "second");
        }
    };
    Register(first);
    Register(second); // called first
    const cmcEvAns* answer = m_man.Query(12, 42);
    ASSERT_NE(answer, nullptr);
    EXPECT_STREQ(answer->Text(), "second");
    EXPECT_EQ(answer->First(), 0u);
    EXPECT_EQ(answer->Second(), 0u);
    ASSERT_NE(answer->Next(), nullptr);
    EXPECT_STREQ(answer->Next()->Text(), "first");
    EXPECT_EQ(answer->Next()->Next(), nullptr);

    answer = m_man.Query(12, 7); // only one handler answers this one
    ASSERT_NE(answer, nullptr);
    EXPECT_STREQ(answer->Text(), "first");
    EXPECT_EQ(answer->Next(), nullptr);
}

TEST_F(EventsTest, NestedQueryInsideAHandlerKeepsTheOuterAnswers) {
    // The outer handler answers once, asks an inner query, then answers with what it learned.
    Listener outer = MakeListener("o");
    Listener inner = MakeListener("i");
    outer.action = [&](const Event& event) {
        if (event.type != 12) {
            return;
        }
        AnswerText(m_man, "before");
        const cmcEvAns* got = m_man.Query(50);
        const std::string learned = got != nullptr ? got->Text() : "none";
        const cmcEvAns* none = m_man.Query(51); // frees `got`: same nesting level
        AnswerText(m_man, learned + (none == nullptr ? "+none" : "+some"));
    };
    inner.action = [&](const Event& event) {
        if (event.type == 50) {
            AnswerText(m_man, "inner");
        }
    };
    Register(inner);
    Register(outer);
    const cmcEvAns* answer = m_man.Query(12);
    ASSERT_NE(answer, nullptr);
    EXPECT_STREQ(answer->Text(), "before");
    ASSERT_NE(answer->Next(), nullptr);
    EXPECT_STREQ(answer->Next()->Text(), "inner+none");
    EXPECT_EQ(answer->Next()->Next(), nullptr);
}

// A stray answer stores nothing: outside a query there is no record to fill.
TEST_F(EventsTest, AnswerOutsideAQueryIsIgnored) {
    Listener a = MakeListener("a");
    a.action = [&](const Event& event) {
        if (event.type == 4) {
            AnswerText(m_man, "stray");
        } else {
            AnswerText(m_man, "real");
        }
    };
    Register(a);
    EXPECT_EQ(m_man.AnswerRecords(), 1u); // the outermost context alone
    m_man.Send(4);
    AnswerText(m_man, "stray");
    EXPECT_EQ(m_man.AnswerRecords(), 1u);
    const cmcEvAns* answer = m_man.Query(12);
    ASSERT_NE(answer, nullptr);
    EXPECT_STREQ(answer->Text(), "real");
    EXPECT_EQ(answer->Next(), nullptr);
    EXPECT_EQ(m_man.AnswerRecords(), 2u); // and the one answer, valid until the next query
    Unregister(a);
    EXPECT_EQ(m_man.Query(12), nullptr);
    EXPECT_EQ(m_man.AnswerRecords(), 1u);
}

} // namespace
} // namespace eventstest
