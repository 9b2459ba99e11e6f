#include "app/UndoHistory.h"

#include <set>
#include <utility>

void UndoHistory::Reset(const cmcEeprom& image, int modelType, const Document& document) {
    m_undo.clear();
    m_redo.clear();
    m_documents.clear();
    m_present = Step{image, modelType, m_nextDocument, {}};
    m_documents[m_nextDocument++] = document;
}

bool UndoHistory::RecordEdit(const cmcEeprom& image, const EditLocation& where) {
    if (!image.Differs(m_present.image)) {
        return false;
    }
    Push(Step{image, m_present.modelType, m_present.document, where});
    return true;
}

void UndoHistory::RecordReplacement(const cmcEeprom& image,
                                    int modelType,
                                    const Document& document,
                                    const EditLocation& where) {
    m_documents[m_nextDocument] = document;
    Push(Step{image, modelType, m_nextDocument++, where});
}

void UndoHistory::DocumentSaved(const cmcEeprom& image, const Document& document) {
    m_present.image = image;
    m_documents[m_present.document] = document;
}

void UndoHistory::Push(Step step) {
    m_undo.push_back(std::exchange(m_present, std::move(step)));
    m_redo.clear();
    if (m_undo.size() > kMaxSteps) {
        m_undo.pop_front();
    }
    DropUnusedDocuments();
}

void UndoHistory::DropUnusedDocuments() {
    std::set<int> used{m_present.document};
    for (const Step& step : m_undo) {
        used.insert(step.document);
    }
    for (const Step& step : m_redo) {
        used.insert(step.document);
    }
    std::erase_if(m_documents, [&](const auto& entry) { return !used.contains(entry.first); });
}

EditLocation UndoHistory::Undo() {
    if (m_undo.empty()) {
        return {};
    }
    EditLocation where = m_present.where;
    m_redo.push_back(std::exchange(m_present, std::move(m_undo.back())));
    m_undo.pop_back();
    return where;
}

EditLocation UndoHistory::Redo() {
    if (m_redo.empty()) {
        return {};
    }
    m_undo.push_back(std::exchange(m_present, std::move(m_redo.back())));
    m_redo.pop_back();
    return m_present.where;
}
