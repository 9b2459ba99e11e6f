#pragma once

#include <string>

// The document's side of the command cells (menus, tool bar): the file commands, the recent files, the
// channel lists as text, undo and redo and the model type. The application object implements it; a
// behaviour object without a window (the command-line tool, the warning check) has NoDocumentCommands,
// which has nothing to act on. Tests record the calls.
//
// The file commands return the application object's result codes (0 done); the command cells ignore
// them, since every failure has shown its message already.
class IDocumentCommands {
public:
    virtual ~IDocumentCommands() = default;

    virtual void NewDocument() = 0;
    virtual int OpenWithDialog() = 0;
    // Save under the current name, or with the dialog while untitled.
    virtual int Save() = 0;
    virtual int SaveWithDialog() = 0;
    // Entry `index` (from 0) of the recent-file list as its menu item shows it; empty when there is none.
    virtual std::string RecentFile(int index) = 0;
    virtual void OpenRecent(int index) = 0;
    // The channel lists as comma-separated text: written to a file the user names, or read from one
    // into the document.
    virtual void ExportChannels() = 0;
    virtual void ImportChannels() = 0;
    // Whether there is a change of the document to take back, or one to make again; taking it back or
    // making it again (pending input is committed first, and is the change taken back).
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // Changes the model type with its confirmation (the user's command).
    virtual void ChangeModel(int modelType) = 0;
};

// Without a document to command: nothing to undo, no recent files, nothing done.
class NoDocumentCommands final : public IDocumentCommands {
public:
    void NewDocument() override {}
    int OpenWithDialog() override { return 0; }
    int Save() override { return 0; }
    int SaveWithDialog() override { return 0; }
    std::string RecentFile(int /*index*/) override { return {}; }
    void OpenRecent(int /*index*/) override {}
    void ExportChannels() override {}
    void ImportChannels() override {}
    bool CanUndo() const override { return false; }
    bool CanRedo() const override { return false; }
    void Undo() override {}
    void Redo() override {}
    void ChangeModel(int /*modelType*/) override {}
};
