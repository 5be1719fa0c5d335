#pragma once

#include "import_placement.h"

#include "files/clone_text.h"
#include "image/bank_moves.h"
#include "image/clone_image.h"
#include "image/memory_areas.h"
#include "image/memory_sort.h"
#include "image/outcome.h"
#include "image/settings_block.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace r36::session {

class DocumentChange;
class UndoStep;
struct DocumentState;
struct SetFieldReport;
enum class Block;

/// The open document: the clone image, the settings page's selections, the memory labels, the
/// partition as the boxes show it, the port and speed a clone file carries, the file name, what
/// is unsaved, and the history of every change. Every edit and every file command of the
/// program is here; what a transfer reads arrives through the last section.
class Document : public QObject {
    Q_OBJECT
public:
    /// `settingsFilePath`: the settings file (port and speed); empty: none (the command line).
    explicit Document(QString settingsFilePath, QObject* parent = nullptr);
    ~Document() override;

    // ---- State ------------------------------------------------------------------------------
    const image::CloneImage& image() const { return m_image; }
    const image::LinkState& linkState() const { return m_link; }
    const image::SettingsSelections& settings() const { return m_settings; }
    const std::vector<std::string>& labels() const { return m_labels; }
    /// The 50 counts the partition boxes show, and the total they show (recomputed only by a
    /// committed box, Reset and opening a file).
    const std::array<int, image::kBankCount>& bankCounts() const { return m_bankCounts; }
    int displayedTotal() const { return m_displayedTotal; }
    bool partitionValid() const { return m_displayedTotal == image::kBankAreaSize; }
    /// How many of memories first..last (clipped to 0..1699) hold a channel.
    int memoriesInUse(int first, int last) const;
    /// Memories first..last by their labels, as the list shows them: "Bank09-000..011",
    /// "Bank09-045..Bank10-004", "AT - 3".
    QString labelRange(int first, int last) const;
    /// The file named in the title: the last one opened, saved or imported; empty at first.
    const QString& fileName() const { return m_fileName; }
    /// The clone file File > Save writes to without asking: the one last opened or saved;
    /// empty at first and after an import (Save then asks for a name).
    const QString& savePath() const { return m_savePath; }
    const QString& settingsFilePath() const { return m_settingsFilePath; }
    /// True when the image (with the settings page applied) differs from what was last saved,
    /// loaded, or read from or written to the receiver as a whole.
    bool hasUnsavedChanges() const;
    /// The image as Save writes it: the settings page stored into its blocks.
    image::CloneImage withSettingsStored() const;
    /// Every change to the document is one step here; File > Open starts a new history.
    QUndoStack& undoStack() { return m_undo; }
    /// Edit > Undo and Redo; nothing while a transfer runs.
    void undo();
    void redo();

    // ---- Files ------------------------------------------------------------------------------
    /// What opening found: damaged, unknown and missing lines (cloneFileProblems words them).
    struct OpenReport : files::CloneFileReport {
        Outcome outcome = Outcome::success();
        bool settingsOnly = false; // the settings file opened by name: only the port and speed
        bool notCloneName = false; // refused: the name does not end in ".R36"
    };
    /// File > Open. A failure changes nothing. A file that is not clean loads all the same:
    /// blocks without their line keep the values they had.
    OpenReport open(const QString& path);
    /// A backup opened as the document, as open() opens it, but with no file for Save to
    /// write to: the backup stays as it was made.
    OpenReport restoreBackup(const QString& path);
    /// File > Save: the settings page is stored into the blocks, then the file is written.
    Outcome save(const QString& path);
    /// File > Import: every record replaced when the whole file is good; nothing otherwise.
    /// A failure's `line` is the failing line, 0 when the file could not be read at all.
    Outcome importCsv(const QString& path);
    /// File > Export; `progress` gets each row written.
    Outcome exportCsv(const QString& path, const std::function<void(int row)>& progress = {});

    // ---- Port and speed, as the files keep them ---------------------------------------------
    /// The receiver's choices (port, speed, verify); announced as linkChoicesChanged.
    void setLinkState(const image::LinkState& link);
    /// Rewrites the settings file with the port and speed; nothing without one.
    Outcome saveSettingsFile() const;

    // ---- Edits (document_edits.cpp, document_moves.cpp) ------------------------------------
    void setMemory(int memory, const std::string& record);
    /// Memories first, first + 1, ... take `records` in one step ("Paste"); false, changing
    /// nothing, when they would run past memory 1699.
    bool setMemories(int first, const std::vector<std::string>& records, const QString& what);
    /// "Insert empty memory": the memories after `memory` in its bank or area move down by one;
    /// refused, with the reason, while the group's last memory is in use.
    Outcome insertEmptyMemory(int memory);
    /// "Delete memory": the memories after it move up; the group's last one becomes empty.
    Outcome deleteMemory(int memory);
    /// "Move up" (-1) / "Move down" (+1): swaps with the neighbour in the same group.
    Outcome moveMemory(int memory, int direction);
    /// Dragged rows: memories first..last move to start at `target`, the ones between them and
    /// `target` closing up; refused unless all of them stay within one bank or area.
    Outcome moveMemories(int first, int last, int target);
    /// Each memory of `records` takes its record, as one step named `what`; false, changing
    /// nothing, when one lies outside 0..1699.
    bool setMemoryRecords(const std::map<int, std::string>& records, const QString& what);
    /// Clears memories first..last (clipped to 0..1699).
    void clearMemories(int first, int last);
    /// How a committed box that brings the total back to 1000 treats the channels.
    enum class CountsChange {
        OnlyCounts,  // the borders move, the channels stay in their memories
        MoveChannels // each bank's memories move with the bank
    };
    /// What committing `text` into box `bank` does to the channels: set when it brings the
    /// total to 1000 with other counts than the bank table's and some channel would change its
    /// label; its refusal says why they cannot move with their banks.
    std::optional<image::BankMove> bankMoveOnCommit(int bank, const QString& text) const;
    /// A partition box committed with `text`: the box's count becomes the text's value rounded
    /// to 0..9999; the total is recomputed; at 1000 the bank table and the labels follow, and
    /// with MoveChannels the memories move with their banks unless that is refused: one undo
    /// step. Returns the count the box now shows.
    int commitBankCount(int bank, const QString& text, CountsChange how = CountsChange::OnlyCounts);
    /// Reset: the default partition, its labels, the total "1000".
    void resetPartition();
    void setBankLinks(const std::array<std::string, image::kBankLinkCount>& entries);
    void setPsLinks(const std::array<std::string, image::kPsLinkCount>& entries);
    /// A settings page change: the selections as the page now shows them.
    void setSettings(const image::SettingsSelections& settings);

    // ---- List work (document_list_edits.cpp) -----------------------------------------------
    /// "Sort…": memories first..last (with first == last: that memory's whole bank or area)
    /// reordered by `key`, free ones last, as one step; labels stay with their positions.
    /// Refused, changing nothing, across a bank or area border.
    Outcome sortMemories(int first, int last, image::SortKey key, bool descending);
    /// The same for a set of memories within one bank or area (ascending; the shown ones of a
    /// filtered list): their records reorder among their own positions, the others stay.
    Outcome sortMemorySet(const std::vector<int>& memories, image::SortKey key, bool descending);
    /// "Set field…": memory list column `text` (1 Mode .. 10 Name, as image::recordWithText)
    /// set to `value` in every memory in use among `memories`, through the detail editor's
    /// rules, as one step; free memories stay free.
    SetFieldReport setField(const std::vector<int>& memories, int text, const std::string& value);
    /// Clears the listed memories (e.g. the selected duplicates) as one step.
    void clearMemorySet(const std::vector<int>& memories);

    // ---- Lists from elsewhere (document_import.cpp) ----------------------------------------
    /// Where `count` imported records would go from or around `memory` (0..1699).
    ImportPlacement planImport(ImportPlacement::Where where, int memory, int count) const;
    /// `records` placed as planImport plans them, as one step named `what`; nothing else of the
    /// image changes. A refused placement changes nothing; the result says why.
    ImportPlacement importRecords(ImportPlacement::Where where, int memory,
                                  const std::vector<std::string>& records, const QString& what);

signals:
    void memoryChanged(int memory);
    /// Every memory row, the labels, the partition and the settings may have changed.
    void imageReplaced();
    void labelsChanged();
    /// The partition boxes and the total: a new bank table, a commit, Reset.
    void partitionChanged();
    void settingsChanged();
    void linkChoicesChanged();
    void fileNameChanged(const QString& fileName);

private:
    friend class UndoStep;
    // What a transfer brings (document_transfers.cpp): only the receiver runs transfers.
    friend class Receiver;
    /// A transfer starts from the document as it is now; until transferEnded, undo waits.
    void transferStarting();
    /// A memory or a block read while the transfer runs, shown at once.
    void memoryRead(int memory, const std::string& record);
    void blockRead(Block block, const std::string& text);
    /// What the transfer changed in `ended` (reads, flags cleared before writing) is taken
    /// over; what the user's side changed meanwhile (a tab-guard reset) stays.
    void takeTransferred(const image::CloneImage& ended, std::int16_t radioVersion);
    /// The transfer is one step of the history named `what`, so a read over unsaved work can
    /// be undone; `nowSaved`: the image and the receiver now hold the same.
    void transferEnded(const QString& what, bool nowSaved);

    DocumentState state() const;
    /// Puts back the document as it was before `change` (undo) or after it (redo).
    void restore(const DocumentChange& change, bool after);
    /// Runs `change` and keeps it as one undo step named `what` when it changed anything.
    template <typename Change> void recorded(const QString& what, Change change);
    void pushStep(const QString& what, const DocumentState& before);

    void loadPartition(bool totalValid);
    std::array<int, image::kBankCount> countsWith(int bank, const QString& text) const;
    void relabelIfValid();
    void showSettingsBlocks();
    void markSaved();

    QString m_settingsFilePath;
    image::CloneImage m_image;
    image::LinkState m_link;
    image::SettingsSelections m_settings;
    std::vector<std::string> m_labels;
    std::array<int, image::kBankCount> m_bankCounts{};
    int m_displayedTotal = image::kBankAreaSize;
    QString m_fileName;
    QString m_savePath;
    image::CloneImage m_savedImage;
    QUndoStack m_undo;
    image::CloneImage m_transferStart;               // what the running transfer was given
    std::unique_ptr<DocumentState> m_beforeTransfer; // set while a transfer runs
};

} // namespace r36::session
