#pragma once

// Memory rows on the clipboard, for the window's Copy, Cut and Paste: the window hands over and
// takes the clipboard's data; what goes into it and how it is read back is decided here.

#include "files/clipboard_rows.h"

#include <vector>

class QMimeData;

namespace r36::session {

class Document;

/// The records pasting gives memories first, first + 1, ..., or why nothing may be pasted.
using PastedRows = files::PastedRows;

/// The memories, one line each in the order given, as the clipboard takes them: tab-separated
/// text with the CSV list's columns for spreadsheets, and the raw records for pasting back into
/// this program exactly (a paste gives them consecutive memories). The caller owns the result
/// (QClipboard::setMimeData takes it).
QMimeData* copiedMemories(const Document& document, const std::vector<int>& memories);

/// What pasting `data` at memory `first` gives: records copied here exactly, text from
/// elsewhere read as the CSV list.
PastedRows pastedMemories(const QMimeData& data, int first);

} // namespace r36::session
