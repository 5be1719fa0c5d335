#include "undo_step.h"

#include "session.h"

namespace r36::session {

UndoStep::UndoStep(Session& session, const QString& text, DocumentChange change)
    : QUndoCommand(text), m_session(session), m_change(std::move(change)) {}

void UndoStep::undo() {
    m_session.restore(m_change, false);
}

void UndoStep::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_session.restore(m_change, true);
}

} // namespace r36::session
