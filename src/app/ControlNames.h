// The names of the main window's controls, each widget's objectName.
#pragma once

#include <QStringView>

namespace tessivane::app::names {

// Header strip; its controls sit on 图片框1.
inline constexpr QStringView kHeader = u"图片框1";
inline constexpr QStringView kLogoButton = u"图片框官网";
inline constexpr QStringView kSoftwareButton = u"图片框软件";
inline constexpr QStringView kSoftwareLink = u"超级链接框软件";
inline constexpr QStringView kQqButton = u"图片框QQ";
inline constexpr QStringView kQqLink = u"超级链接框QQ";
inline constexpr QStringView kUpdateButton = u"图片框更新";
inline constexpr QStringView kUpdateLink = u"超级链接框更新";
inline constexpr QStringView kHelpButton = u"图片框操作";
inline constexpr QStringView kHelpLink = u"超级链接框操作";
inline constexpr QStringView kSaveButton = u"图片框保存";
inline constexpr QStringView kSaveLink = u"超级链接框保存";
inline constexpr QStringView kSeparator = u"标签1";

// Template editor; box k sits on tab k - 1.
inline constexpr QStringView kTemplateTabs = u"选择夹模板";
inline constexpr QStringView kTemplateBoxes[] = {u"编辑框模板1", u"编辑框模板2", u"编辑框模板3",
                                                 u"编辑框模板4", u"编辑框模板5"};

// Title options.
inline constexpr QStringView kTitleHeading = u"标签标题参数";
inline constexpr QStringView kTitleSourceLabel = u"标签2";
inline constexpr QStringView kTitleSource = u"组合框标题来源";
inline constexpr QStringView kDropFirstLine = u"选择框去掉首行";
inline constexpr QStringView kRewriteTitle = u"选择框替换标题";
inline constexpr QStringView kMatchText = u"编辑框匹配式";
inline constexpr QStringView kToLabel = u"标签3";
inline constexpr QStringView kReplaceText = u"编辑框替换式";
inline constexpr QStringView kUseRegex = u"选择框使用正则";
inline constexpr QStringView kEncodingLabel = u"标签4";
inline constexpr QStringView kEncoding = u"组合框文件编码";

// Content options.
inline constexpr QStringView kContentHeading = u"标签内容参数";
inline constexpr QStringView kCutBetween = u"选择框截取中间内容";
inline constexpr QStringView kKeepWhenCutEmpty = u"选择框截取为空时返回原文";
inline constexpr QStringView kCutLeftLabel = u"标签5";
inline constexpr QStringView kCutLeft = u"编辑框左边内容";
inline constexpr QStringView kCutRightLabel = u"标签6";
inline constexpr QStringView kCutRight = u"编辑框右边内容";

// Import and output options.
inline constexpr QStringView kImportFiles = u"按钮文件导入";
inline constexpr QStringView kImportFolder = u"按钮目录导入";
inline constexpr QStringView kFolderFilter = u"编辑框目录过滤";
inline constexpr QStringView kUseExtension = u"选择框扩展名";
inline constexpr QStringView kExtension = u"编辑框扩展名";
inline constexpr QStringView kWriteIndex = u"选择框生成首页";
inline constexpr QStringView kPageSize = u"编辑框分页";

}  // namespace tessivane::app::names
