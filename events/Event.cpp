#include "events/Event.h"

#include "events/EvText.h"

const char* Event::Text() const {
    return events::TextOf(data);
}
