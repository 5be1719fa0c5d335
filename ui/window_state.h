#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QByteArray;
class QSettings;

namespace r36::ui {

/// What the window remembers between runs, in a settings file of its own (the port and speed
/// file keeps only those): its size and place, the grid's column widths, the folder the file
/// dialogs last used and the recent files. Without a file, it remembers for this run only.
class WindowState {
public:
    /// `path`: the settings file; empty: nothing is kept after the window closes.
    explicit WindowState(const QString& path);
    ~WindowState();

    /// The folder the file dialogs open in: the one last used, else the user's Documents.
    QString dialogFolder() const;
    /// The chosen file's folder becomes the one the dialogs open in next.
    void rememberFolderOf(const QString& path);

    /// The recent files, newest first; the ones gone since are dropped and forgotten.
    QStringList recentFiles();
    /// `path` was opened, imported or saved: first in the list.
    void addRecentFile(const QString& path);

    QByteArray geometry() const;
    QByteArray columnWidths() const;
    /// Kept as the window closes.
    void saveWindow(const QByteArray& geometry, const QByteArray& columnWidths);

private:
    void setRecentFiles(const QStringList& recent);

    std::unique_ptr<QSettings> m_file; // null: nothing is kept
    QString m_folder;
    QStringList m_recent;
};

} // namespace r36::ui
