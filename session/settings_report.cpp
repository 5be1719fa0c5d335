#include "settings_report.h"

#include "document.h"

#include "image/settings_block.h"

namespace r36::session {

namespace {

std::string choiceText(const image::SettingDef& setting, int position) {
    return position >= 0 && position < static_cast<int>(setting.choices.size())
               ? setting.choices[static_cast<std::size_t>(position)]
               : std::string();
}

} // namespace

SettingsReport settingsReport(const Document& document,
                              const std::vector<std::string_view>& groupOrder, QDate date) {
    const image::SettingsSelections& page = document.settings();
    const std::vector<image::SettingDef>& settings = image::sysSettings();
    const image::SettingDef& sys3 = image::sys3Setting();
    const std::string_view keyIdGroup =
        settings[static_cast<std::size_t>(image::settingIndexOfByte(image::kAreaByte))].group;

    SettingsReport report{reportHeader(document, date), {}, page.tvText};
    for (const std::string_view caption : groupOrder) {
        SettingsReportGroup group{std::string(caption), {}, caption == keyIdGroup};
        // The third block's one list leads its group, as on the page.
        if (sys3.group == caption)
            group.items.emplace_back(sys3.label, choiceText(sys3, page.sys3Choice));
        for (std::size_t index = 0; index < settings.size(); ++index)
            if (settings[index].group == caption)
                group.items.emplace_back(settings[index].label,
                                         choiceText(settings[index], page.sysChoice[index]));
        if (!group.items.empty() || group.holdsKeyIds)
            report.groups.push_back(std::move(group));
    }
    return report;
}

} // namespace r36::session
