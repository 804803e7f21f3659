// The rules that make option controls usable only while the option they refine is on.
#include "app/EnablingRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tessivane::app {
namespace {

constexpr int kFirstLineItem = 2;  // 文件内容首行

}  // namespace

void SyncDropFirstLine(const OptionControls& c) {
    c.dropFirstLine->setEnabled(c.titleSource->currentIndex() == kFirstLineItem);
}

void SyncCutControls(const OptionControls& c) {
    const bool on = c.cutBetween->isChecked();
    c.keepWhenCutEmpty->setEnabled(on);
    c.cutLeft->setEnabled(on);
    c.cutRight->setEnabled(on);
}

void SyncExtensionBox(const OptionControls& c) {
    c.extension->setEnabled(c.useExtension->isChecked());
}

void SyncRewriteControls(const OptionControls& c) {
    const bool on = c.rewriteTitle->isChecked();
    c.matchText->setEnabled(on);
    c.replaceText->setEnabled(on);
    c.useRegex->setEnabled(on);
}

void SyncPageSizeBox(const OptionControls& c) {
    c.pageSize->setEnabled(c.writeIndex->isChecked());
}

void SyncAll(const OptionControls& c) {
    SyncDropFirstLine(c);
    SyncCutControls(c);
    SyncExtensionBox(c);
    SyncRewriteControls(c);
    SyncPageSizeBox(c);
}

void ConnectEnablingRules(const OptionControls& c, QObject* context) {
    QObject::connect(c.titleSource, &QComboBox::activated, context, [c] { SyncDropFirstLine(c); });
    QObject::connect(c.cutBetween, &QCheckBox::clicked, context, [c] { SyncCutControls(c); });
    QObject::connect(c.useExtension, &QCheckBox::clicked, context, [c] { SyncExtensionBox(c); });
    QObject::connect(c.rewriteTitle, &QCheckBox::clicked, context, [c] { SyncRewriteControls(c); });
    QObject::connect(c.writeIndex, &QCheckBox::clicked, context, [c] { SyncPageSizeBox(c); });
}

}  // namespace tessivane::app
