#include "events/cmcEvAns.h"

#include "events/EvText.h"

cmcEvAns::~cmcEvAns() {
    // Free the chain of further answers one by one rather than by recursion.
    std::unique_ptr<cmcEvAns> next = std::move(m_next);
    while (next) {
        next = std::move(next->m_next);
    }
}

const char* cmcEvAns::Text() const {
    return events::TextOf(m_data);
}
