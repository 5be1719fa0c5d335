#pragma once

// The memory list as CHIRP's generic CSV (its current layout), so that other programs and
// radios can take the channels; and what of them CHIRP cannot hold.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// The header of the current layout, which the export writes.
inline constexpr std::string_view kChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

/// Something of a memory that the exported line does not hold; the text is made where it is
/// shown.
struct ChirpExportNote {
    enum class Kind {
        TrainTone, // the Train subtone (its tone is the memory's train index); exported without
        AutoMode,  // the receiver chooses the mode (PRG area); the stored mode is exported
        AutoStep,  // the receiver chooses the step (PRG area); the stored step is exported
    };
    int memory;
    Kind kind;

    bool operator==(const ChirpExportNote&) const = default;
};

struct ChirpExport {
    std::string text; // the header and one line per memory in use, each ended by CR LF
    std::vector<ChirpExportNote> notes; // memory by memory
};

/// Memories 0..1699 in use, Location = the memory number, Comment = its label from `labels`.
ChirpExport chirpCsvText(const image::CloneImage& image, const std::vector<std::string>& labels);

/// Writes the export atomically; fails with the system's reason and writes nothing.
Outcome exportChirpCsv(const QString& path, const image::CloneImage& image,
                       const std::vector<std::string>& labels, std::vector<ChirpExportNote>& notes);

} // namespace r36::files
