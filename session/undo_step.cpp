#include "undo_step.h"

#include "document.h"

namespace r36::session {

UndoStep::UndoStep(Document& document, const QString& text, DocumentChange change)
    : QUndoCommand(text), m_document(document), m_change(std::move(change)) {}

void UndoStep::undo() {
    m_document.restore(m_change, false);
}

void UndoStep::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_document.restore(m_change, true);
}

} // namespace r36::session
