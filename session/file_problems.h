#pragma once

// What is wrong with a clone file, as lines a user reads: the window lists them when it opens
// the file, the command line's check prints them and its write refuses on the first.

#include "wording.h"

#include "files/clone_text.h"

#include <QStringList>

namespace r36::session {

/// Damaged and unknown lines in file order ("line 3: MR record is not 64 hex digits"), then the
/// lines the file lacks ("no SYS line", "no LINK0 line for groups 1–10", "no END line: the file
/// may be cut short after line 556 (the last memory it holds is 869)"). Translated in the window.
QStringList cloneFileProblems(const files::CloneFileReport& report);

/// Why a line was skipped: "MR record is not 64 hex digits", "LINK0 group number is not 1..10".
QString skippedLineText(const files::SkippedLine& skipped, Wording wording = Wording::UserLanguage);

} // namespace r36::session
