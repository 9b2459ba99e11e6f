#include "events/cmcEvMan.h"

#include <cstring>
#include <utility>

namespace {

// The queue pass runs this often, in milliseconds.
constexpr int kQueuePeriodMs = 10;

// Addresses this low are never code; registrations with them are ignored.
constexpr std::uintptr_t kLowestHandlerAddress = 0x10000;

bool Ignored(cmcEvMan::Handler handler) {
    return reinterpret_cast<std::uintptr_t>(handler) < kLowestHandlerAddress;
}

std::vector<std::uint8_t> CopyOf(const void* data, std::int32_t length) {
    if (data == nullptr || length <= 0) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return {bytes, bytes + length};
}

std::vector<std::uint8_t> TextCopy(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

} // namespace

cmcEvMan::cmcEvMan(platform::ITimerSource& timers) : m_task(timers) {
    m_task.SetStep(&cmcEvMan::QueueStep, this);
    m_task.SetPeriod(kQueuePeriodMs);
}

cmcEvMan::~cmcEvMan() {
    m_task.Stop();
    // The members free the rest: queued events undelivered, handler entries, answer records.
}

void cmcEvMan::Register(Handler handler, void* context) {
    if (Ignored(handler)) {
        return;
    }
    Remove(handler, context);
    m_handlers.push_front(HandlerEntry{handler, context, false});
}

void cmcEvMan::Unregister(Handler handler, void* context) {
    if (!Ignored(handler)) {
        Remove(handler, context);
    }
}

void cmcEvMan::Remove(Handler handler, void* context) {
    // Only marked here: a delivery may be walking the ring right now.
    for (HandlerEntry& entry : m_handlers) {
        if (entry.handler == handler && entry.context == context) {
            entry.removed = true;
        }
    }
}

Event cmcEvMan::Make(std::uint8_t type, std::uint8_t mode, cmcEvArg first, cmcEvArg second) {
    Event event;
    event.type = type;
    event.mode = mode;
    event.first = first;
    event.second = second;
    return event;
}

void cmcEvMan::Send(std::uint8_t type, cmcEvArg first, cmcEvArg second) {
    Deliver(Make(type, Event::Sent, first, second));
}

void cmcEvMan::SendText(std::uint8_t type, cmcEvArg first, cmcEvArg second, std::string_view text) {
    Event event = Make(type, Event::Sent, first, second);
    event.data = TextCopy(text);
    Deliver(event);
}

void cmcEvMan::Post(std::uint8_t type, cmcEvArg first, cmcEvArg second) {
    m_queue.push_back(QueueEntry{Make(type, Event::Posted, first, second), true, false});
}

void cmcEvMan::PostText(std::uint8_t type, cmcEvArg first, cmcEvArg second, std::string_view text) {
    Event event = Make(type, Event::Posted, first, second);
    event.data = TextCopy(text);
    m_queue.push_back(QueueEntry{std::move(event), true, false});
}

void cmcEvMan::PostData(std::uint8_t type, const void* data, std::int32_t length) {
    Event event = Make(type, Event::Posted, 0, 0);
    event.data = CopyOf(data, length);
    m_queue.push_back(QueueEntry{std::move(event), true, false});
}

void cmcEvMan::Deliver(const Event& event) {
    ++m_deliveries;
    // Entries are only ever added at the front while a delivery runs, so one registered now is not
    // reached, and none is unlinked under the walk (see QueuePass).
    for (const HandlerEntry& entry : m_handlers) {
        if (!entry.removed) {
            entry.handler(entry.context, event);
        }
    }
    --m_deliveries;
}

void cmcEvMan::QueueStep(void* data, cmcTask* /*task*/) {
    static_cast<cmcEvMan*>(data)->QueuePass();
}

void cmcEvMan::QueuePass() {
    // Events posted before this pass are due now; those posted by its handlers carry `fresh` and
    // wait for the next pass. The task's busy flag keeps passes from nesting.
    for (QueueEntry& entry : m_queue) {
        entry.fresh = false;
    }
    for (QueueEntry& entry : m_queue) {
        if (!entry.done && !entry.fresh) {
            entry.done = true;
            Deliver(entry.event);
        }
    }
    m_queue.remove_if([](const QueueEntry& entry) { return entry.done; });
    // A pass run from a modal loop inside a delivery must leave that delivery's ring intact; the
    // removed entries are then freed by a later pass.
    if (m_deliveries == 0) {
        m_handlers.remove_if([](const HandlerEntry& entry) { return entry.removed; });
    }
}

const cmcEvAns* cmcEvMan::Query(std::uint8_t type, cmcEvArg first, cmcEvArg second) {
    cmcEvAns* const context = m_current;
    context->m_inner = std::make_unique<cmcEvAns>(); // frees the previous result at this level
    m_current = context->m_inner.get();

    ++m_queries;
    Deliver(Make(type, Event::Queried, first, second));
    --m_queries;

    // m_current is now the empty record opened after the last answer: drop it.
    cmcEvAns* const trailing = m_current;
    m_current = context;
    if (context->m_inner.get() == trailing) {
        context->m_inner.reset();
        return nullptr;
    }
    cmcEvAns* last = context->m_inner.get();
    while (last->m_next.get() != trailing) {
        last = last->m_next.get();
    }
    last->m_next.reset();
    return context->m_inner.get();
}

std::size_t cmcEvMan::RecordsFrom(const cmcEvAns* record) {
    std::size_t count = 0;
    for (; record != nullptr; record = record->Next()) {
        count += 1 + RecordsFrom(record->m_inner.get());
    }
    return count;
}

std::size_t cmcEvMan::AnswerRecords() const {
    return RecordsFrom(&m_root);
}

void cmcEvMan::Answer(const void* data, std::int32_t length) {
    if (m_queries == 0) {
        return;
    }
    cmcEvAns* const record = m_current;
    record->m_first = 0;
    record->m_second = 0;
    record->m_data = CopyOf(data, length);
    record->m_next = std::make_unique<cmcEvAns>();
    m_current = record->m_next.get();
}
