#pragma once

#include <cstdint>
#include <functional>
#include <string>

class IDefinitionSource;
class cmcEvMan;
class ICellBehaviour;
class ImageList;
class QMenu;
namespace platform {
class IFontMetrics;
}

// What every sheet of a window works with; nothing here is owned by the sheets, and all of it must
// outlive them.
struct SheetEnv {
    SheetEnv(IDefinitionSource& source_, cmcEvMan& events_, platform::IFontMetrics& metrics_)
        : source(source_), events(events_), metrics(metrics_) {}

    IDefinitionSource& source;
    cmcEvMan& events;
    platform::IFontMetrics& metrics;
    // Answers every cell (the model's behaviour object). Without one cells draw their static texts and
    // commands do nothing.
    ICellBehaviour* behaviour = nullptr;
    // Images of the warning and caution marks; none: no marks drawn.
    ImageList* images = nullptr;
    // Blocks for `ms` milliseconds between the repeated commands of a chain; none: the platform's
    // sleep (tests advance a fake clock instead).
    std::function<void(int ms)> pause;
    // The user's display font size in percent (25 to 1000).
    std::int32_t fontPercentage = 100;
    // Fills a context menu from the overlay menu section `key`; choosing an item must call `chosen`
    // with the kind number of the item's cell. None: cells have no context menu.
    std::function<void(QMenu& menu, const std::string& key, std::function<void(int kind)> chosen)> fillMenu;
};
