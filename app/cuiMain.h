#pragma once

#include "app/IMainView.h"
#include "app/UndoHistory.h"
#include "app/WarningCheck.h"
#include "image/QcfTypes.h"
#include "image/cmcEeprom.h"
#include "model/IDocumentCommands.h"
#include "model/ModelRules.h"
#include "model/cmcClipCh.h"
#include "overlay/OverlayMessages.h"
#include "platform/FileDialogs.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class ICellBehaviour;
class cmcEvMan;
class cmcGTex;
class cmcHash2;
class IDefinitionSource;
class cmcQcfFile;
class indEnviron;

// The main application object without its widgets: owns the images (main, initial, saved snapshot) and
// the document state (file name, last directory, modified flag), runs the file commands (new, open,
// save, save as) with their save question, loads the initial image of a model type, and offers the
// virtual operations through which a radio model takes part (indMain). The desktop window, the
// command-line tool and the tests all drive this same object; the window adds widgets through IMainView.
// The command cells of the window's menus and tool bar reach its document commands (IDocumentCommands).
//
// Failures are reported by result codes; every failure has shown its message before returning and
// leaves the document as it was.
class cuiMain : public IDocumentCommands {
public:
    using Answer = platform::IMessageBox::Answer;

    // Results of the file commands besides the clone-file codes 1 to 9.
    static constexpr int kCancelled = -1;
    // Model types 0 to 4 exist; a stored type outside them is taken as 0.
    static constexpr int kModelTypeCount = 5;
    // Clone result codes of the read handler: a refused image, an image newer than supported.
    static constexpr int kCloneRejected = 15;
    static constexpr int kCloneNewer = 16;
    // The smallest image the window accepts.
    static constexpr std::int32_t kMinimumImageSize = model::kImageSize;
    // The only memory map revision of clone files this program reads and writes.
    static constexpr std::int32_t kMapRevision = 1;

    // What the object works with; every reference must outlive it.
    struct Services {
        cmcGTex& overlay;
        platform::IMessageBox& messageBox;
        platform::IFileDialogs& fileDialogs;
        indEnviron& settings;
        cmcEvMan& events;
        std::filesystem::path dataDirectory; // holds the initial files
    };

    cuiMain(const Services& services, std::int32_t imageSize);
    ~cuiMain() override;
    cuiMain(const cuiMain&) = delete;
    cuiMain& operator=(const cuiMain&) = delete;

    // --- Operations a radio model overrides: its codes, its judgement of images, its loading, merging
    // and clone-write rules. ---
    // Model code, extra code and last clone address 0.
    virtual void InitModelDefaults();
    // True refuses an image read from a file or the radio; the base refuses every image.
    virtual bool RejectImage(const cmcEeprom& image);
    // True refuses an image holding data newer than the program supports; the base never does.
    virtual bool IsNewerImage(const cmcEeprom& image);
    // An image was opened or read from the radio into `image` (the main image).
    virtual void ImageLoaded(cmcEeprom& image);
    // Reconciles `image` with the factory data before a save or clone write (forWrite) or after a load.
    virtual void MergeImage(cmcEeprom& image, bool forWrite);
    // Permission to write the image into the radio.
    virtual bool MayCloneWrite();
    // Builds the tree (through the view).
    virtual void BuildTree();
    // The comment line written into a clone file of `image`; the base writes none.
    virtual std::string FileComment(const cmcEeprom& image);
    // A character typed while the About window is open. When the recent characters, lower-cased, end
    // with the hidden word, shows the notice line ("GI_App_About_Notice") captioned with the
    // executable's file name.
    virtual void AboutKeyTyped(char character);

    // --- Document commands. ---
    // The document part of the window build: a stored model type outside 0 to 4 becomes 0, its initial
    // image is loaded (fatal when it cannot be) and becomes the untitled, unmodified document.
    void BuildDocument();
    // Asks to save a modified document: Yes (saved, or nothing to save), No (discard) or Cancel.
    Answer AskToSave(bool replacingWithSameFile);
    void NewDocument() override;
    int OpenWithDialog() override;
    // 0 when opened; else the clone-file code shown, or kCancelled.
    int OpenFile(const std::filesystem::path& path);
    int SaveWithDialog() override;
    // The Save command: with the dialog while untitled, else under the current name.
    int Save() override;
    // Entry `index` of the settings' recent-file list, named relative to the last directory; empty
    // when there is none. Opening it opens the file as OpenFile does.
    std::string RecentFile(int index) override;
    void OpenRecent(int index) override;
    // File > Export channels and File > Import channels (ChannelCsvCommands).
    void ExportChannels() override;
    void ImportChannels() override;
    // The user's model change; the base has no model types to change to.
    void ChangeModel(int /*modelType*/) override {}
    // 0 when saved; else the clone-file code shown.
    int SaveToFile(const std::filesystem::path& path);
    // Loads the initial image of `modelType`; a missing or refused file is fatal ("Cannot open '%s'.").
    void LoadInitialImage(int modelType);
    // The full path of the initial file of `modelType`.
    std::filesystem::path InitialFilePath(int modelType);

    // --- What the clone commands do to the document. ---
    // The read handler's judgement of an image read from the radio: 0 accepted, 15 refused
    // (RejectImage), 16 newer than supported (IsNewerImage).
    int CheckClonedImage(const cmcEeprom& image);
    // A completed clone read: the image is first kept in the backup folder (when one is set), then
    // becomes the document (model type adopted, merged), which is then modified and untitled; the
    // open sheet is closed and event 27 sent.
    void AdoptClonedImage(const cmcEeprom& image);
    // The folder that keeps a backup of every image read from the radio; empty (the default) keeps
    // none. The folder is made when the first backup is written.
    void SetBackupFolder(std::filesystem::path folder) { m_backupFolder = std::move(folder); }
    const std::filesystem::path& BackupFolder() const { return m_backupFolder; }
    // Saves `image` as a clone file in the backup folder and removes the oldest backups beyond
    // readbackups::kKept. A failure (folder not writable, disk full) shows one message,
    // "GI_Mess_Backup_Failed", and is otherwise ignored: the read goes on. False when it failed.
    bool BackUpReadImage(const cmcEeprom& image);
    // Before a clone write: merges the factory data into the main image; when the document was not
    // modified before, the merged image becomes the saved snapshot, so the merge alone changes nothing.
    void PrepareCloneWrite();

    // --- Document state. ---
    cmcEeprom& MainImage() { return m_main; }
    const cmcEeprom& InitialImage() const { return m_initial; }
    const cmcEeprom& SavedImage() const { return m_saved; }
    // The modified flag, set first when the main image differs from the saved snapshot.
    bool IsModified();
    void SetModified();
    // Takes the saved snapshot: the document is no longer modified.
    void TakeSnapshot();
    // Full path, empty while untitled.
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(const std::string& path);
    const std::filesystem::path& LastDirectory() const { return m_lastDirectory; }
    // The last directory + "Untitled" while untitled, else the file name.
    std::string DisplayName() const;
    // File-name part of the display name, " - ", the application title.
    std::string Caption();
    void CloseCurrentSheet() { m_view->CloseCurrentSheet(); }

    // --- Undo and redo. ---
    bool CanUndo() const override { return m_history.CanUndo(); }
    bool CanRedo() const override { return m_history.CanRedo(); }
    // Makes a change of the image (since the last step) an undo step, remembering where the view shows
    // the change being made; nothing when the image is as the last step left it.
    void RecordEdit();
    // Takes back the last step, or makes the last step taken back again: input still in an editor is
    // committed first (a change of its own, the first taken back), then the image, model type, file
    // name and saved image of that step return (the document is modified exactly when the image differs
    // from its saved image) and the view shows where the change was made; the menus and the tool bar
    // are refreshed. Nothing changes when there is no step.
    void Undo() override;
    void Redo() override;

    // --- Model parameters. ---
    bool IsMakerMode() const { return m_makerMode; }
    int ModelType() const;
    // The six factory adjustment values (shown read-only in maker mode).
    const std::array<std::uint8_t, 6>& FactoryAdjustments() const { return m_factoryAdjustments; }

    // --- What the cells read. ---
    // The overlay as a definition source, and the one cell-table registry of selection lists; both
    // live as long as the object.
    IDefinitionSource& Definitions() { return *m_definitions; }
    cmcHash2& CellTables() { return *m_cellTables; }
    // The information bytes of the radio's last information reply (zeros before any).
    const std::array<std::uint8_t, 22>& CloneIdentityBytes() const { return m_cloneIdentity; }
    void SetCloneIdentityBytes(const std::array<std::uint8_t, 22>& bytes) { m_cloneIdentity = bytes; }
    // A cell edit re-arms the delayed warning check; the main task takes the request when it runs it.
    void ArmWarningCheck() { m_warningCheckArmed = true; }
    bool TakeWarningCheckRequest() { return std::exchange(m_warningCheckArmed, false); }

    // --- The warning check. ---
    // Asks the model's behaviour object about every check of "GI_WarningCheckList" for the document
    // as it is now, keeps those of the sheets the tree shows (TreeVariant), lets the view mark them and
    // returns them. A clone write is refused while `errors` is above 0. Without a behaviour object (the
    // base) nothing fails.
    WarningCheckResult RunWarningCheck();
    // Which optional entries the navigation tree shows for the document; the base shows none.
    virtual ui::TreeVariant TreeVariant() { return {}; }
    // Where the sheets of the tree show the value kept in byte `address`, as the overlay's
    // "GI_Mess_CloneCheck_Place" words it ("Free channels, row 4, Name"); empty when none does (the
    // base knows no sheets).
    virtual std::string PlaceOfAddress(std::int32_t /*address*/) { return {}; }

    // --- Channel lists. ---
    // The application-wide channel clipboard: it keeps copies of the rows of the last Copy for the
    // whole run, whatever becomes of the image they came from.
    cmcClipCh& ChannelClipboard() { return m_clipCh; }
    // The channel sheets, and the channel edits with them, work on the usable channels only (toggled
    // by event 28). The one flag is the setting "ChListType", loaded at start and saved at exit.
    bool UsableChannelsOnly() const;
    void SetUsableChannelsOnly(bool on);

    void SetView(IMainView* view) { m_view = view ? view : &m_noView; }
    // Shows what an action did in the window's status bar: line `line` of "GI_Status_Result" filled with
    // `values`. Without a window (the command-line tool) nothing is looked up.
    void ShowResultLine(int line, std::initializer_list<std::string_view> values);
    // Whether the image of the last clone read was kept in the backup folder.
    bool LastReadBackedUp() const { return m_lastReadBackedUp; }
    platform::IFileDialogs& FileDialogs() { return m_services.fileDialogs; }
    OverlayMessages& Messages() { return m_messages; }
    cmcGTex& Overlay() { return m_services.overlay; }
    indEnviron& Environ() { return m_services.settings; }

protected:
    // Whether the characters typed in the About window, lower-cased, end with `word`.
    bool TypedEndsWith(std::string_view word) const;
    void SendEvent(std::uint8_t type);
    cmcEvMan& EventManager() { return m_services.events; }
    // What clone files carry: 0 to the last clone address.
    CloneFileRangeTable CoveredRanges();
    // Attaches `image` and sets the model codes and the map-revision test.
    void PrepareCloneFile(cmcQcfFile& file, cmcEeprom& image);
    // The starting set-up of the open and save dialogs.
    platform::FileDialogSetup DialogSetup(bool save);
    IMainView& View() { return *m_view; }
    void UpdateCaption();
    // The behaviour object the warning check asks; none in the base.
    virtual ICellBehaviour* CheckBehaviour() { return nullptr; }
    // Puts model type `modelType` in place with its factory data, without a question and without
    // touching the main image (Undo and Redo across a model change); the base does nothing.
    virtual void RestoreModelType(int /*modelType*/) {}
    // The present document becomes the only step of the undo history.
    void ResetHistory();
    // A radio read or a model change replaced the document: a step of a new document.
    void RecordReplacement();

    std::uint32_t m_modelCode = 0;
    std::uint32_t m_extraCode = 0;
    std::int32_t m_lastCloneAddress = 0;
    bool m_makerMode = false;
    std::array<std::uint8_t, 6> m_factoryAdjustments{};
    cmcEeprom m_initial;

private:
    // Puts the history's present step in place as the document.
    void RestorePresentStep();

    Services m_services;
    OverlayMessages m_messages;
    IMainView m_noView;
    IMainView* m_view = &m_noView;
    std::int32_t m_imageSize;
    cmcEeprom m_main;
    cmcEeprom m_saved;
    bool m_modified = false;
    std::string m_fileName;
    UndoHistory m_history;
    std::filesystem::path m_lastDirectory;
    CloneFileRange m_coveredRanges[2] = {{0, 0}, {1, 0}};
    std::unique_ptr<IDefinitionSource> m_definitions;
    std::unique_ptr<cmcHash2> m_cellTables;
    std::array<std::uint8_t, 22> m_cloneIdentity{};
    bool m_warningCheckArmed = false;
    cmcClipCh m_clipCh;
    std::string m_typed; // the last characters typed in the About window, lower-cased
    std::filesystem::path m_backupFolder;
    bool m_lastReadBackedUp = false;
};
