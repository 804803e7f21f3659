// Saves a picture of the window as it looks on a first start, drawn without a display.
#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/AppObjects.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessivane-window-shot OUTPUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QTemporaryDir settingsFolder;  // no saved settings: the designed values
    tessivane::app::AppObjects objects;
    tessivane::app::CreateAppObjects(objects, settingsFolder.path().toStdString());
    tessivane::app::QtDialogs dialogs;
    bool saved = false;
    {
        tessivane::app::MainWindow window(objects, dialogs);
        window.show();
        QApplication::processEvents();
        saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    }
    tessivane::app::ShutDown(objects);
    return saved ? 0 : 1;
}
