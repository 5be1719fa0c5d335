#pragma once

#include "session.h"

#include "image/clone_image.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"

#include <QUndoCommand>

#include <array>
#include <string>
#include <vector>

namespace r36::session {

class Session;

/// Everything an edit can change: undoing puts all of it back at once. A whole copy is a few
/// hundred kilobytes, cheap next to what a user does between two steps.
struct DocumentState {
    image::CloneImage image;
    image::SettingsSelections settings;
    std::vector<std::string> labels;
    std::array<int, image::kBankCount> bankCounts{};
    int displayedTotal = image::kBankAreaSize;

    bool operator==(const DocumentState&) const = default;
};

/// One step of the edit history: the document before and after it.
class UndoStep : public QUndoCommand {
public:
    UndoStep(Session& session, const QString& text, DocumentState before, DocumentState after);

    void undo() override;
    /// The first redo comes from QUndoStack::push, when the change has been made already.
    void redo() override;

private:
    Session& m_session;
    DocumentState m_before;
    DocumentState m_after;
    bool m_done = true;
};

/// Runs `change` and keeps it as one undo step named `what` when it changed anything.
template <typename Change> void Session::recorded(const QString& what, Change change) {
    const DocumentState before = state();
    change();
    pushStep(what, before);
}

} // namespace r36::session
