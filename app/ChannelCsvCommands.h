#pragma once

#include <cstddef>

class cmcEvMan;
class cuiMain;

// File > Export channels and File > Import channels: the document's channel lists as the
// comma-separated text of the channel export, through the file dialogs of the application object.
// Every failure shows one message and changes nothing. No toolkit.
class ChannelCsvCommands {
public:
    static constexpr int kDone = 0;
    static constexpr int kCancelled = -1; // the dialog was cancelled
    static constexpr int kFailed = 1;     // a message said why

    // Both must outlive this object.
    ChannelCsvCommands(cuiMain& app, cmcEvMan& events) : m_app(app), m_events(events) {}

    // Asks for a file name and writes every channel row there in one step: an existing file is
    // replaced whole or kept as it was.
    int Export();
    // Asks for a channel file and imports it into the document. Nothing is asked about unsaved
    // changes: the import is an edit of the document, which is marked modified when a row changed.
    // A refused file shows the line and the reason and leaves the document untouched. A file that
    // changes something lists the cells it changes (as `vqn58-cli diff` prints them, at most
    // kListedChanges of them) and asks before the document takes it: Cancel leaves it untouched.
    int Import();

    static constexpr std::size_t kListedChanges = 30;

private:
    cuiMain& m_app;
    cmcEvMan& m_events;
};
