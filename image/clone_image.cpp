#include "clone_image.h"

#include "image/memory_areas.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

namespace r36::image {

namespace {
constexpr std::string_view kClearedLinkEntry = "00000000000000";
// The receiver expects the last bank-link group to carry its end flag (bit 55).
constexpr std::string_view kLastBankLinkEntry = "00000000000001";
} // namespace

CloneImage freshImage() {
    CloneImage image;
    clearMemories(image);
    image.bankTable = defaultPartition();
    for (auto& entry : image.bankLink)
        entry = kClearedLinkEntry;
    image.bankLink[kBankLinkCount - 1] = kLastBankLinkEntry;
    for (auto& entry : image.psLink)
        entry = kClearedLinkEntry;
    image.sysBlock = defaultSysBlock();
    image.sys3Block = defaultSys3Block();
    image.remoconId = defaultRemoconId();
    return image;
}

void clearMemories(CloneImage& image) {
    image.memRecord.assign(kMemoryCount, std::string(kEmptyRecord));
    for (int k = 0; k < kPresetCount; ++k)
        image.memRecord[presetFirst + k] = presetRecords[k];
}

bool isRecordInUse(std::string_view record) {
    return record.size() >= 2 && record[0] == '0' && record[1] == '1';
}

} // namespace r36::image
