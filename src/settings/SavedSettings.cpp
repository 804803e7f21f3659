// The fifteen saved options in their load and save order, over the settings store.
#include "settings/SavedSettings.h"

#include <algorithm>
#include <array>
#include <variant>

namespace tessivane::settings {
namespace {

/// The nearest tab, 0 to 4.
int ClampTab(double value) {
    return std::clamp(TruncateToInt(value), 0, 4);
}

/// A drop-down list of three items: above the last gives the last, below -1 selects none.
int ClampListItem(double value) {
    const int item = TruncateToInt(value);
    return item > 2 ? 2 : (item < -1 ? -1 : item);
}

struct NumberField {
    int SavedOptions::*field;
    int (*clamp)(double);
};
using FlagField = bool SavedOptions::*;
using TextField = std::string SavedOptions::*;

struct SavedKey {
    std::string_view key;  // a check box's key is its caption
    std::variant<NumberField, FlagField, TextField> field;
};

const std::array<SavedKey, 15> kSavedKeys = {{
    {"\xC4\xA3\xB0\xE5\xD0\xF2\xBA\xC5", NumberField{&SavedOptions::templateIndex, ClampTab}},  // 模板序号
    {"\xB1\xEA\xCC\xE2\xC0\xB4\xD4\xB4", NumberField{&SavedOptions::titleSource, ClampListItem}},  // 标题来源
    {"\xC8\xA5\xB5\xF4\xCA\xD7\xD0\xD0", &SavedOptions::dropFirstLine},               // 去掉首行
    {"\xBD\xD8\xC8\xA1\xD6\xD0\xBC\xE4\xC4\xDA\xC8\xDD", &SavedOptions::cutBetween},  // 截取中间内容
    // 截取为空时返回原内容
    {"\xBD\xD8\xC8\xA1\xCE\xAA\xBF\xD5\xCA\xB1\xB7\xB5\xBB\xD8\xD4\xAD\xC4\xDA\xC8\xDD",
     &SavedOptions::keepWhenCutEmpty},
    // 生成文件的扩展名：
    {"\xC9\xFA\xB3\xC9\xCE\xC4\xBC\xFE\xB5\xC4\xC0\xA9\xD5\xB9\xC3\xFB\xA3\xBA", &SavedOptions::useExtension},
    {"\xC0\xA9\xD5\xB9\xC3\xFB", &SavedOptions::extension},  // 扩展名
    // 生成文章系统首页：
    {"\xC9\xFA\xB3\xC9\xCE\xC4\xD5\xC2\xCF\xB5\xCD\xB3\xCA\xD7\xD2\xB3\xA3\xBA", &SavedOptions::writeIndex},
    {"\xB7\xD6\xD2\xB3", &SavedOptions::pageSize},                      // 分页
    {"\xC4\xBF\xC2\xBC\xB9\xFD\xC2\xCB", &SavedOptions::folderFilter},  // 目录过滤
    {"\xCE\xC4\xBC\xFE\xB1\xE0\xC2\xEB", NumberField{&SavedOptions::encoding, ClampListItem}},  // 文件编码
    {"\xCC\xE6\xBB\xBB\xB1\xEA\xCC\xE2", &SavedOptions::rewriteTitle},  // 替换标题
    {"\xCA\xB9\xD3\xC3\xD5\xFD\xD4\xF2", &SavedOptions::useRegex},      // 使用正则
    {"\xC6\xA5\xC5\xE4\xCA\xBD", &SavedOptions::matchText},             // 匹配式
    {"\xCC\xE6\xBB\xBB\xCA\xBD", &SavedOptions::replaceText},           // 替换式
}};

/// A flag option seen as the check box whose caption is its key.
class OptionCheckBox final : public CheckableControl {
public:
    OptionCheckBox(std::string_view caption, bool& checked) : caption_(caption), checked_(checked) {}
    std::string Caption() const override { return std::string(caption_); }
    bool IsChecked() const override { return checked_; }
    void SetChecked(bool checked) override { checked_ = checked; }

private:
    std::string_view caption_;
    bool& checked_;
};

template <class... Steps>
struct Overloaded : Steps... {
    using Steps::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang 14).
template <class... Steps>
Overloaded(Steps...) -> Overloaded<Steps...>;

void LoadKey(SettingsStore& store, const SavedKey& saved, SavedOptions& options) {
    std::visit(Overloaded{
                   [&](const NumberField& f) {
                       options.*f.field = f.clamp(store.ReadNumber(saved.key, options.*f.field));
                   },
                   [&](FlagField f) {
                       OptionCheckBox box(saved.key, options.*f);
                       store.LoadCheckBox(box);
                   },
                   [&](TextField f) { options.*f = store.ReadText(saved.key, options.*f); },
               },
               saved.field);
}

bool SaveKey(SettingsStore& store, const SavedKey& saved, const SavedOptions& options) {
    return std::visit(
        Overloaded{
            [&](const NumberField& f) { return store.WriteNumber(saved.key, options.*f.field); },
            [&](FlagField f) {
                bool checked = options.*f;
                return store.SaveCheckBox(OptionCheckBox(saved.key, checked));
            },
            [&](TextField f) { return store.WriteText(saved.key, options.*f); },
        },
        saved.field);
}

void ApplyKey(const SavedKey& saved, std::string_view stored, SavedOptions& options) {
    std::visit(
        Overloaded{
            [&](const NumberField& f) { options.*f.field = f.clamp(ParseNumberText(TextAsRead(stored))); },
            [&](FlagField f) { options.*f = TextAsRead(stored) == kTrueText; },
            [&](TextField f) { options.*f = TextAsRead(stored); },
        },
        saved.field);
}

}  // namespace

SavedOptions DesignedOptions() {
    SavedOptions options;
    options.templates[0] = DefaultTemplate1();
    options.templates[1] = DefaultTemplate2();
    return options;
}

EnabledControls EnablingFor(const SavedOptions& options) {
    EnabledControls enabled;
    enabled.dropFirstLine = options.titleSource == 2;
    enabled.cutControls = options.cutBetween;
    enabled.extension = options.useExtension;
    enabled.rewriteControls = options.rewriteTitle;
    enabled.pageSize = options.writeIndex;
    return enabled;
}

void LoadSettings(SettingsStore& store, const std::filesystem::path& folder, SavedOptions& options) {
    store.SetSection(kSection);
    for (int i = 0; i < 5; ++i) {
        auto& text = options.templates[static_cast<std::size_t>(i)];
        text = LoadTemplateFile(TemplateFilePath(folder, i + 1), text);
    }
    for (const SavedKey& saved : kSavedKeys) {
        LoadKey(store, saved, options);
    }
}

bool SaveSettings(SettingsStore& store, const std::filesystem::path& folder, const SavedOptions& options) {
    store.SetSection(kSection);
    bool allWritten = true;
    for (int i = 0; i < 5; ++i) {
        allWritten &=
            WriteFileText(TemplateFilePath(folder, i + 1), options.templates[static_cast<std::size_t>(i)]);
    }
    // All keys go to the file in one replacement, so it never holds half of a save.
    store.BeginUpdate();
    for (const SavedKey& saved : kSavedKeys) {
        allWritten &= SaveKey(store, saved, options);
    }
    return store.CommitUpdate() && allWritten;
}

bool ApplyStoredValue(SavedOptions& options, std::string_view key, std::string_view storedValue) {
    for (const SavedKey& saved : kSavedKeys) {
        if (saved.key == key) {
            ApplyKey(saved, storedValue, options);
            return true;
        }
    }
    return false;
}

}  // namespace tessivane::settings
