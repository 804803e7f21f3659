// The header strip 图片框1: the logo, four picture buttons with their links, and the save link.
#include "app/HeaderStrip.h"

#include "app/ControlNames.h"
#include "app/HeaderWidgets.h"

namespace tessivane::app {

enum class HeaderAction { OpenAddress, ShowHelp, SaveAndConfirm };

// A picture button and, when it has a name, the hyperlink under it doing the same.
struct HeaderItem {
    QStringView button;
    QRect buttonPlace;
    QStringView image;
    QStringView link;
    QStringView caption;
    HeaderAction action;
    QStringView address;
};

namespace {

namespace n = names;

using enum HeaderAction;

constexpr QRect kPlace{0, 0, 624, 88};
constexpr int kLinkTop = 64;
constexpr QSize kLinkSize{64, 24};

// clang-format off
constexpr HeaderItem kItems[] = {
    {n::kLogoButton, {40, 12, 145, 64}, u":/images/logo.svg", {}, {}, OpenAddress,
     u"https://www.example.com/"},
    {n::kSoftwareButton, {224, 0, 64, 64}, u":/images/software.svg", n::kSoftwareLink, u"全部软件", OpenAddress,
     u"https://www.example.com/software/"},
    {n::kQqButton, {304, 0, 64, 64}, u":/images/chat.svg", n::kQqLink, u"10000", OpenAddress,
     u"https://chat.example.com/?contact=10000"},
    {n::kUpdateButton, {384, 0, 64, 64}, u":/images/update.svg", n::kUpdateLink, u"升级软件", OpenAddress,
     u"https://www.example.com/software/tessivane/"},
    {n::kHelpButton, {464, 0, 64, 64}, u":/images/help.svg", n::kHelpLink, u"疑点说明", ShowHelp, {}},
    {n::kSaveButton, {544, 0, 64, 64}, u":/images/save.svg", n::kSaveLink, u"保存配置", SaveAndConfirm, {}},
};
// clang-format on

}  // namespace

HeaderStrip::HeaderStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(n::kHeader.toString());
    setGeometry(kPlace);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    for (const HeaderItem& item : kItems) {
        CreateItem(item);
    }
}

void HeaderStrip::CreateItem(const HeaderItem& item) {
    auto* button = new PictureButton(item.image.toString(), this);
    button->setObjectName(item.button.toString());
    button->setGeometry(item.buttonPlace);
    connect(button, &PictureButton::clicked, this, [this, &item] { Act(item); });
    if (item.link.isEmpty()) {
        return;
    }
    auto* link = new LinkLabel(item.caption.toString(), this);
    link->setObjectName(item.link.toString());
    link->setGeometry(QRect({item.buttonPlace.x(), kLinkTop}, kLinkSize));
    connect(link, &LinkLabel::pressed, this, [this, &item] { Act(item); });
}

void HeaderStrip::Act(const HeaderItem& item) {
    switch (item.action) {
        case HeaderAction::OpenAddress:
            emit addressRequested(QUrl(item.address.toString()));
            break;
        case HeaderAction::ShowHelp:
            emit helpRequested();
            break;
        case HeaderAction::SaveAndConfirm:
            emit saveRequested();
            break;
    }
}

}  // namespace tessivane::app
