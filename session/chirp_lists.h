#pragma once

// CHIRP's generic CSV lists as the window sees them: read with their notes, written with what
// they cannot hold. The reader and writer live with the other file formats; the window takes
// them from here.

#include "files/chirp_csv_export.h"
#include "files/chirp_csv_import.h"

namespace r36::session {

using files::carriedInLocationOrder;
using files::ChirpExportNote;
using files::ChirpImport;
using files::ChirpLine;
using files::exportChirpCsv;
using files::importChirpCsv;
using files::isChirpFile;

} // namespace r36::session
