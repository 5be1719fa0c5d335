#pragma once

#include "document_change.h"
#include "document.h"

#include <QUndoCommand>

namespace r36::session {

class Document;

/// One step of the edit history: what its change touched, before and after.
class UndoStep : public QUndoCommand {
public:
    UndoStep(Document& document, const QString& text, DocumentChange change);

    void undo() override;
    /// The first redo comes from QUndoStack::push, when the change has been made already.
    void redo() override;

private:
    Document& m_document;
    DocumentChange m_change;
    bool m_done = true;
};

/// Runs `change` and keeps it as one undo step named `what` when it changed anything.
template <typename Change> void Document::recorded(const QString& what, Change change) {
    const DocumentState before = state();
    change();
    pushStep(what, before);
}

} // namespace r36::session
