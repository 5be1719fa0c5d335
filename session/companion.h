#pragma once

// A second clone file opened read-only beside the document ("Open beside…"), or a backup
// compared with another backup: its memories, labels, settings and links, and how they differ
// from what it is compared with, worded as the difference before a write words them.

#include "document.h"

#include "image/clone_image.h"
#include "image/image_difference.h"

#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace r36::session {

class Companion : public QObject {
    Q_OBJECT
public:
    explicit Companion(Document& document, QObject* parent = nullptr);

    /// Opens `path` read-only, compared with the document (which it follows as it is edited).
    /// Fails, changing nothing, as File > Open fails; a file that is not clean opens all the
    /// same and its report says what it lacked.
    Document::OpenReport open(const QString& path);
    /// Opens `path` compared with the clone file `basePath` instead (two backups: the newer
    /// beside, the older as the base, so the difference reads as what changed since); an
    /// empty `basePath` compares with the document, as open() does.
    Document::OpenReport openCompared(const QString& path, const QString& basePath);
    void close();

    bool isOpen() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }
    /// The file it is compared with; empty: the document.
    const QString& basePath() const { return m_basePath; }
    const image::CloneImage& image() const { return m_image; }
    /// Its own labels, from its own bank table.
    const std::vector<std::string>& labels() const { return m_labels; }

    /// What changes from the base to this file: memories, banks, links, settings, remote key
    /// IDs, and the channels shown under another label.
    const image::Difference& difference() const;
    /// The change of `memory`, or null when it is alike on both sides.
    const image::Change* memoryChange(int memory) const;
    /// Every change that is not a memory's: banks, link groups, settings, remote key IDs.
    std::vector<const image::Change*> otherChanges() const;

    /// Copies the records of `memories` (ascending, none repeated) into the document as one
    /// undo step: the first goes to `target`, the others keep their distance from it, so
    /// `target` = the first memory puts each at its own number. Records are copied whole, a
    /// free memory included (it frees the document's); the labels stay with the positions, as
    /// moves leave them. False, changing nothing, when they would run past the last memory.
    bool copyToDocument(const std::vector<int>& memories, int target) const;

signals:
    /// Opened, closed, or the difference may have changed (the document was edited); sent
    /// once for a burst of edits.
    void changed();

private:
    Document::OpenReport load(const QString& path, image::CloneImage& image) const;
    void documentEdited();

    Document& m_document;
    QString m_path, m_basePath;
    image::CloneImage m_image;
    std::optional<image::CloneImage> m_base; // empty: the document
    std::vector<std::string> m_labels;
    mutable std::optional<image::Difference> m_difference; // empty: to be worked out again
    mutable std::map<int, std::size_t> m_memoryChanges;    // memory -> index in m_difference
    bool m_announcing = false;
};

} // namespace r36::session
