#pragma once

// What a command that clears or replaces memories tells the status bar: how many, where (by
// the labels the list shows) and the way back.

#include <QCoreApplication>
#include <QString>

namespace r36::session {
class Session;
}

namespace r36::ui {

class EditReports {
    Q_DECLARE_TR_FUNCTIONS(EditReports)
public:
    /// "1 memory", "12 memories".
    static QString memories(int count);
    /// "1 channel", "37 channels".
    static QString channels(int count);
    /// "5 memories cleared at Bank09-000..004 — Ctrl+Z undoes"; `inUse` of them held a channel.
    static QString cleared(const session::Session& session, int first, int last, int inUse);
    /// "12 memories pasted at Bank09-000..011, replacing 3 channels — Ctrl+Z undoes".
    static QString pasted(const session::Session& session, int first, int last, int replaced);
    /// What a command on the selection says when the filter hid some selected rows: " — 3 rows
    /// hidden by the filter left as they were"; empty for none.
    static QString leftHidden(int hidden);
    /// "Bank09-003 deleted; the memories after it in its bank moved up — Ctrl+Z undoes".
    static QString deleted(const session::Session& session, int memory);
};

} // namespace r36::ui
