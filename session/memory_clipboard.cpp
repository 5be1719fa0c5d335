#include "memory_clipboard.h"

#include "session.h"

#include <QMimeData>

namespace r36::session {

QMimeData* copiedMemories(const Session& session, int first, int last) {
    auto* data = new QMimeData;
    data->setText(
        QString::fromStdString(files::copiedText(session.image(), session.labels(), first, last)));
    data->setData(QString::fromLatin1(files::kRecordsMimeType),
                  QByteArray::fromStdString(files::copiedRecords(session.image(), first, last)));
    return data;
}

PastedRows pastedMemories(const QMimeData& data, int first) {
    const QString records = QString::fromLatin1(files::kRecordsMimeType);
    return data.hasFormat(records) ? files::pastedRecords(data.data(records).toStdString(), first)
                                   : files::pastedText(data.text().toStdString(), first);
}

} // namespace r36::session
