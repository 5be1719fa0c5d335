#pragma once

// The one place a failure becomes words. The window shows them in the user's language through
// the installed catalogue; the command line, which installs none, prints English, and the
// communication log asks for English whatever is installed.

#include "image/failure.h"
#include "image/receiver_piece.h"
#include "transfer.h"
#include "wording.h"

#include <QString>

#include <string>
#include <vector>

namespace r36::session {

/// "Read all: reading memory 300 at 02F80: no reply within 1000 ms, sent twice".
QString failureText(const Failure& failure, Wording wording = Wording::UserLanguage);

/// The failure in English, as the command line prints it.
std::string englishText(const Failure& failure);

/// True when the failure's sentence names the file `path` already ("Cannot read x.R36: ...").
bool namesFile(const Failure& failure, const QString& path);

/// "memory 12", "the bank table".
QString pieceName(const image::Piece& piece, Wording wording = Wording::UserLanguage);

/// What reached the receiver: "memories 0..499, the bank table (4 writes)".
QString writtenPiecesText(const std::vector<image::Piece>& pieces,
                          Wording wording = Wording::UserLanguage);

/// Where a stopped transfer stopped and what became of it: "Stopped before reading memory 500 at
/// 04280. Everything read before it is kept." `writes`: the command writes, and `written` is
/// what the receiver took of it.
QString stoppedText(const Failure& failure, bool writes, const std::vector<image::Piece>& written,
                    Wording wording = Wording::UserLanguage);

/// Why a transfer failed (failureText()) or where it stopped (stoppedText()); empty when it
/// completed.
QString resultText(const TransferResult& result, Wording wording = Wording::UserLanguage);

/// The part of stoppedText() that says where: "Stopped before reading memory 500 at 04280."
QString stoppedWhereText(const Failure& failure, Wording wording = Wording::UserLanguage);

} // namespace r36::session
