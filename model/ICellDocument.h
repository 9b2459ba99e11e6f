#pragma once

#include "model/ModelRules.h"

#include <cstdint>
#include <span>
#include <string_view>

class cmcClipCh;
class cmcEeprom;
class cmcEvMan;
class cmcHash2;
class IDefinitionSource;

// What the behaviour object needs of the main application object: the document it edits and the few
// application-wide values some cells read. The application core implements it for the window and the
// command-line tool alike; tests use a small double. Every reference returned lives as long as the
// document.
class ICellDocument {
public:
    virtual ~ICellDocument() = default;

    // The main image every cell reads and writes (0x801 bytes).
    virtual cmcEeprom& CellImage() = 0;
    // The overlay's texts and definitions (a missing key is a fault, as everywhere).
    virtual IDefinitionSource& Texts() = 0;
    // The one cell-table registry of the application object.
    virtual cmcHash2& CellTables() = 0;
    // The event manager (status line texts, image changed, view toggles).
    virtual cmcEvMan& Events() = 0;
    // The current model type, 0 to 4 (0 is the USA variant).
    virtual int ModelType() = 0;
    // The application object's copy of the six factory adjustment values (0x7F0 to 0x7F5).
    virtual const model::FactoryAdjustments& Adjustments() = 0;
    // The information bytes of the radio's last information reply (22 bytes; zeros before any).
    virtual std::span<const std::uint8_t> CloneIdentityBytes() = 0;
    // A cell command or commit was answered: re-arm the delayed warning check and mark the document
    // modified when the image now differs from the saved snapshot.
    virtual void CellAnswered() = 0;
    // The application-wide channel clipboard; none where the document has no clipboard.
    virtual cmcClipCh* ChannelClipboard() { return nullptr; }
    // Whether the channel clipboard holds rows of channel plan `plan`; none while there is no clipboard.
    virtual bool ClipboardHolds(int plan);
    // Whether the channel sheets show the usable channels only (the view toggled by event 28).
    virtual bool UsableChannelsOnly() { return false; }
    // Asks the user the question of overlay entry `textKey` (all its lines) in a warning box with OK
    // and Cancel under the application's title; true only for OK. Without a user to ask: false.
    virtual bool Confirm(std::string_view /*textKey*/) { return false; }
};
