#pragma once

#include "events/Event.h"
#include "events/cmcEvAns.h"
#include "link/core/cmcTask.h"
#include "platform/Timer.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string_view>

// The event manager through which the user-interface objects notify each other. A handler registered
// with a context pointer is called with (context, event) for every event; the most recently registered
// handler is called first. Events are sent (delivered at once), posted (delivered by the queue pass
// that the manager's own task runs every 10 ms) or queried (delivered at once; handlers may answer).
// Everything runs on the user-interface thread; handlers may send, post, query, register and
// unregister while a delivery or a queue pass runs.
class cmcEvMan {
public:
    using Handler = void (*)(void* context, const Event& event);

    // The queue task runs on `timers`, which must outlive the manager.
    explicit cmcEvMan(platform::ITimerSource& timers);
    // Stops the queue task and frees every undelivered event, handler entry and answer record.
    ~cmcEvMan();
    cmcEvMan(const cmcEvMan&) = delete;
    cmcEvMan& operator=(const cmcEvMan&) = delete;

    // Registers handler with context, replacing an earlier registration of the same pair. A handler
    // address below 0x10000 is ignored. A handler registered during a delivery misses that event.
    void Register(Handler handler, void* context);
    // Removes every registration of the pair; a removed handler is never called again, also not in a
    // delivery that is running. Its entry is freed after the next queue pass.
    void Unregister(Handler handler, void* context);

    void Send(std::uint8_t type, cmcEvArg first = 0, cmcEvArg second = 0);
    // Sends a copy of text with its terminating zero as the event's data.
    void SendText(std::uint8_t type, cmcEvArg first, cmcEvArg second, std::string_view text);

    void Post(std::uint8_t type, cmcEvArg first = 0, cmcEvArg second = 0);
    void PostText(std::uint8_t type, cmcEvArg first, cmcEvArg second, std::string_view text);
    // Posts a copy of `length` bytes at `data` with both arguments 0.
    void PostData(std::uint8_t type, const void* data, std::int32_t length);

    // Delivers at once and returns the first answer (further ones follow through Next()), or nullptr
    // when no handler answered. The result stays valid until the next query at the same nesting level.
    const cmcEvAns* Query(std::uint8_t type, cmcEvArg first = 0, cmcEvArg second = 0);
    // Called by a handler during a query: adds an answer holding a copy of `length` bytes at `data`.
    // Ignored when no query is running.
    void Answer(const void* data, std::int32_t length);

    // Handler entries held, live or removed but not yet freed.
    std::size_t HandlerEntries() const { return m_handlers.size(); }
    // Posted events not yet delivered and freed.
    std::size_t QueuedEvents() const { return m_queue.size(); }
    // Answer records held: the outermost context, and every record of the query results still valid.
    std::size_t AnswerRecords() const;

private:
    struct HandlerEntry {
        Handler handler;
        void* context;
        bool removed;
    };
    struct QueueEntry {
        Event event;
        bool fresh; // posted during the running pass: waits for the next one
        bool done;  // delivered: freed at the end of the pass
    };

    static Event Make(std::uint8_t type, std::uint8_t mode, cmcEvArg first, cmcEvArg second);
    static void QueueStep(void* data, cmcTask* task);
    void QueuePass();
    void Deliver(const Event& event);
    void Remove(Handler handler, void* context);
    // The records of the chain starting at `record`, with the query results hanging from them.
    static std::size_t RecordsFrom(const cmcEvAns* record);

    std::list<HandlerEntry> m_handlers; // front first
    std::list<QueueEntry> m_queue;      // oldest first
    cmcEvAns m_root;                    // the outermost answer context
    cmcEvAns* m_current = &m_root;      // the record the next Answer fills; nested queries hang here
    int m_deliveries = 0;               // deliveries running (nested ones included)
    int m_queries = 0;                  // queries running
    cmcTask m_task;                     // last: stopped and destroyed first
};
