// What a transfer brings into the document: the memories and blocks it reads as they arrive,
// and at its end what it changed, kept as one step of the history.

#include "document.h"

#include "transfer_worker.h"
#include "undo_step.h"

namespace r36::session {

void Document::transferStarting() {
    m_transferStart = m_image;
    m_beforeTransfer = std::make_unique<DocumentState>(state());
}

void Document::memoryRead(int memory, const std::string& record) {
    m_image.memRecord[static_cast<std::size_t>(memory)] = record;
    emit memoryChanged(memory);
}

void Document::blockRead(Block block, const std::string& text) {
    switch (block) {
    case Block::BankTable:
        m_image.bankTable = text;
        loadPartition(false);
        break;
    case Block::SysBlock:
        m_image.sysBlock = text;
        image::showSysBlock(m_settings, text);
        emit settingsChanged();
        break;
    case Block::Sys3Block:
        m_image.sys3Block = text;
        image::showSys3Block(m_settings, text);
        emit settingsChanged();
        break;
    case Block::RemoconId:
        m_image.remoconId = text;
        image::showRemoconId(m_settings, text);
        emit settingsChanged();
        break;
    }
}

void Document::takeTransferred(const image::CloneImage& ended, std::int16_t radioVersion) {
    const image::CloneImage& start = m_transferStart;
    for (std::size_t m = 0; m < ended.memRecord.size(); ++m)
        if (ended.memRecord[m] != start.memRecord[m] &&
            ended.memRecord[m] != m_image.memRecord[m]) {
            m_image.memRecord[m] = ended.memRecord[m];
            emit memoryChanged(static_cast<int>(m));
        }
    if (ended.bankTable != start.bankTable)
        m_image.bankTable = ended.bankTable;
    if (ended.bankLink != start.bankLink)
        m_image.bankLink = ended.bankLink;
    if (ended.psLink != start.psLink)
        m_image.psLink = ended.psLink;
    if (ended.sysBlock != start.sysBlock)
        m_image.sysBlock = ended.sysBlock;
    if (ended.sys3Block != start.sys3Block)
        m_image.sys3Block = ended.sys3Block;
    if (ended.remoconId != start.remoconId)
        m_image.remoconId = ended.remoconId;
    m_link.radioVersion = radioVersion;
}

void Document::transferEnded(const QString& what, bool nowSaved) {
    // A read over unsaved work is one step of the history, so it can be undone.
    if (m_beforeTransfer)
        pushStep(what, *m_beforeTransfer);
    m_beforeTransfer.reset();
    if (nowSaved)
        markSaved(); // the image and the receiver now hold the same
}

} // namespace r36::session
