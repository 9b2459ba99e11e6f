#include "EventsFixture.h"

namespace eventstest {

void Listener::Handle(void* context, const Event& event) {
    auto* self = static_cast<Listener*>(context);
    self->log->push_back(self->name + std::to_string(event.type));
    self->seen.push_back(event);
    if (self->action) {
        self->action(event);
    }
}

} // namespace eventstest
