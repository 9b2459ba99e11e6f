#include "events/cmcEvent.h"

#include "events/EvText.h"

const char* cmcEvent::Text() const {
    return events::TextOf(data);
}
