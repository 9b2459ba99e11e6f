#pragma once

#include "app/EditLocation.h"
#include "image/cmcEeprom.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>

// The steps of the document that Undo and Redo walk: each step is the image with its model type, the
// document it belongs to (a file opened or saved, a radio read, a model change each start one; its saved
// image and file name are shared by all its steps, so saving shows in every step of it) and where the
// change that led to it was made. Images are small (2 KiB), so a step keeps a whole copy; the oldest
// steps go once `kMaxSteps` are kept.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 500;

    struct Document {
        cmcEeprom saved;
        std::string fileName;
    };
    struct Step {
        cmcEeprom image;
        int modelType = 0;
        int document = 0;
        EditLocation where; // where the change that made this step was made
    };

    // An empty image in an untitled document, until Reset.
    UndoHistory() { m_documents[m_nextDocument++] = Document{}; }

    // Forgets every step: `image` of `modelType` is the only one, in a document of its own.
    void Reset(const cmcEeprom& image, int modelType, const Document& document);
    // Records the image after a change made at `where`: a new step when it differs from the present
    // one (the steps that Redo would have brought back are dropped). Returns whether a step was added.
    bool RecordEdit(const cmcEeprom& image, const EditLocation& where);
    // Records a step that replaced the whole document (a radio read, a model change): a new document.
    void RecordReplacement(const cmcEeprom& image, int modelType, const Document& document, const EditLocation& where);
    // The present document was saved (or merged with the factory data before a write) as `image`: the
    // present step holds that image, and the document's saved image and file name change in every step
    // of it.
    void DocumentSaved(const cmcEeprom& image, const Document& document);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // Steps back. Returns the location of the change taken back; the present step is then the one to
    // show. Nothing (and an empty location) when there is nothing to undo.
    EditLocation Undo();
    // Steps forward again; the location of the change made again.
    EditLocation Redo();

    const Step& Present() const { return m_present; }
    const Document& DocumentOf(const Step& step) const { return m_documents.at(step.document); }

private:
    void Push(Step step);
    void DropUnusedDocuments();

    Step m_present;
    std::deque<Step> m_undo; // oldest first
    std::deque<Step> m_redo; // next to redo last
    std::map<int, Document> m_documents;
    int m_nextDocument = 0;
};
