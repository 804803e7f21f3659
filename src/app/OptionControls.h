// The option controls the run reads, the two import buttons and the folder filter on the second.
#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tessivane::app {

struct OptionControls {
    QComboBox* titleSource;
    QCheckBox* dropFirstLine;
    QCheckBox* rewriteTitle;
    QLineEdit* matchText;
    QLineEdit* replaceText;
    QCheckBox* useRegex;
    QComboBox* encoding;
    QCheckBox* cutBetween;
    QCheckBox* keepWhenCutEmpty;
    QLineEdit* cutLeft;
    QLineEdit* cutRight;
    QPushButton* importFiles;
    QPushButton* importFolder;
    QLineEdit* folderFilter;
    QCheckBox* useExtension;
    QLineEdit* extension;
    QCheckBox* writeIndex;
    QLineEdit* pageSize;
};

/// Creates the title, content, import and output controls on the window with their designed
/// contents; the page-size box refuses typed characters other than digits and "-".
OptionControls CreateOptionControls(QWidget* window);

}  // namespace tessivane::app
