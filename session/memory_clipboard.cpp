#include "memory_clipboard.h"

#include "document.h"

#include <QMimeData>

namespace r36::session {

QMimeData* copiedMemories(const Document& document, const std::vector<int>& memories) {
    std::string text, records;
    for (const int memory : memories) {
        text += files::copiedText(document.image(), document.labels(), memory, memory);
        records += files::copiedRecords(document.image(), memory, memory);
    }
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setData(QString::fromLatin1(files::kRecordsMimeType), QByteArray::fromStdString(records));
    return data;
}

PastedRows pastedMemories(const QMimeData& data, int first) {
    const QString records = QString::fromLatin1(files::kRecordsMimeType);
    return data.hasFormat(records) ? files::pastedRecords(data.data(records).toStdString(), first)
                                   : files::pastedText(data.text().toStdString(), first);
}

} // namespace r36::session
