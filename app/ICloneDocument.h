#pragma once

#include "image/cmcEeprom.h"

#include <string>

// The document side of the clone commands: what the main application object (or the command-line
// tool's document) does around a clone read or write. Every call comes on the user-interface thread.
class ICloneDocument {
public:
    virtual ~ICloneDocument() = default;

    // Commits any edit in progress (event 21).
    virtual void CommitPendingInput() = 0;
    // Asks to save a modified document; false when the user cancels (or the save failed).
    virtual bool AskToSaveChanges() = 0;
    // Cells in error found by the warning check; the write refuses while there are any.
    virtual int WarningCheckErrors() = 0;
    virtual bool IsMakerMode() const = 0;
    // The COM port of the settings (1..256), read at the start of every operation.
    virtual int ComPort() = 0;
    // The device path of COM port `port` (the user's settings take part), asked at every open.
    virtual std::string DevicePath(int port) = 0;
    // The write permission (in maker mode the user is asked).
    virtual bool MayCloneWrite() = 0;
    virtual bool RejectImage(const cmcEeprom& image) = 0;
    virtual bool IsNewerImage(const cmcEeprom& image) = 0;
    // The document image to write after MergeForWrite.
    virtual const cmcEeprom& Image() = 0;
    virtual std::int32_t ImageSize() = 0;
    // Merges the model's fixed data into the image before a write, without marking the document
    // modified when only the merge changed it.
    virtual void MergeForWrite() = 0;
    // A read succeeded: copy `image` into the document, let the model adopt it, mark the document
    // modified and untitled, close the open sheet and announce the new image (event 27).
    virtual void AdoptReadImage(const cmcEeprom& image) = 0;
    // The write succeeded: close the open sheet (its view position kept).
    virtual void CloseSheet() = 0;
    // Shows the information window with the clone identity.
    virtual void ShowCloneInfo() = 0;
    // Whether a write is followed by a read that checks what the radio holds (on unless the user
    // turned it off).
    virtual bool CheckAfterWrite() { return true; }
    // Where the sheets show byte `address`, for the message of a check that found it different; empty
    // when no sheet shows it.
    virtual std::string PlaceOfAddress(std::int32_t /*address*/) { return {}; }
};
