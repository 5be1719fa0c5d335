#pragma once

// What the window says about a transfer: the progress box while it runs, the "Complete" box
// when it has ended.

#include <QCoreApplication>
#include <QString>

namespace r36::session {
struct TransferResult;
struct TransferStep;
} // namespace r36::session

namespace r36::ui {

class TransferTexts {
    Q_DECLARE_TR_FUNCTIONS(r36::ui::TransferTexts)
public:
    /// "Memory 190 of 1700", "Change 3 of 12", "Verifying 5 of 12"; empty before the first.
    static QString progressText(const session::TransferStep& step);
    /// What a completed transfer did: "1700 memories read from the receiver, version 2.06",
    /// and whether what was written was read back and found as sent.
    static QString completeText(const session::TransferResult& result);
    /// The receiver's version as it names itself: 206 -> "2.06".
    static QString radioVersionText(int radioVersion);

private:
    static QString memoriesText(int count, bool read, const QString& version);
};

} // namespace r36::ui
