// The window's saved controls as the settings layer holds them, in both directions.
#include "app/WindowSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/GbkQString.h"

namespace tessivane::app {
namespace {

// -1 and below leave no item selected; above the last item selects the last.
void SelectItem(QComboBox* combo, int item) {
    combo->setCurrentIndex(std::min(std::max(item, -1), combo->count() - 1));
}

}  // namespace

settings::SavedOptions ReadSavedOptions(const TemplateTabs& templates, const OptionControls& c) {
    settings::SavedOptions o;
    for (int i = 0; i < TemplateTabs::kCount; ++i) {
        o.templates[static_cast<std::size_t>(i)] = templates.TemplateText(i);
    }
    o.templateIndex = templates.currentIndex();
    o.titleSource = c.titleSource->currentIndex();
    o.dropFirstLine = c.dropFirstLine->isChecked();
    o.cutBetween = c.cutBetween->isChecked();
    o.keepWhenCutEmpty = c.keepWhenCutEmpty->isChecked();
    o.useExtension = c.useExtension->isChecked();
    o.extension = ToGbk(c.extension->text());
    o.writeIndex = c.writeIndex->isChecked();
    o.pageSize = ToGbk(c.pageSize->text());
    o.folderFilter = ToGbk(c.folderFilter->text());
    o.encoding = c.encoding->currentIndex();
    o.rewriteTitle = c.rewriteTitle->isChecked();
    o.useRegex = c.useRegex->isChecked();
    o.matchText = ToGbk(c.matchText->text());
    o.replaceText = ToGbk(c.replaceText->text());
    return o;
}

void ShowSavedOptions(const settings::SavedOptions& o, TemplateTabs& templates, const OptionControls& c) {
    for (int i = 0; i < TemplateTabs::kCount; ++i) {
        templates.SetTemplateText(i, o.templates[static_cast<std::size_t>(i)]);
    }
    templates.setCurrentIndex(o.templateIndex);
    SelectItem(c.titleSource, o.titleSource);
    c.dropFirstLine->setChecked(o.dropFirstLine);
    c.cutBetween->setChecked(o.cutBetween);
    c.keepWhenCutEmpty->setChecked(o.keepWhenCutEmpty);
    c.useExtension->setChecked(o.useExtension);
    c.extension->setText(FromGbk(o.extension));
    c.writeIndex->setChecked(o.writeIndex);
    c.pageSize->setText(FromGbk(o.pageSize));
    c.folderFilter->setText(FromGbk(o.folderFilter));
    SelectItem(c.encoding, o.encoding);
    c.rewriteTitle->setChecked(o.rewriteTitle);
    c.useRegex->setChecked(o.useRegex);
    c.matchText->setText(FromGbk(o.matchText));
    c.replaceText->setText(FromGbk(o.replaceText));
}

}  // namespace tessivane::app
