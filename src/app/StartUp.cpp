// The program from its start to its end: shared objects, the window, the message loop, shutdown.
#include "app/StartUp.h"

#include <QApplication>

#include "app/AppObjects.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "settings/SavedSettings.h"

namespace tessivane::app {
namespace {

// Runs ShutDown once at the orderly end, after the window has been destroyed.
class ShutDownAtEnd {
public:
    explicit ShutDownAtEnd(AppObjects& objects) : objects_(objects) {}
    ~ShutDownAtEnd() { ShutDown(objects_); }
    ShutDownAtEnd(const ShutDownAtEnd&) = delete;
    ShutDownAtEnd& operator=(const ShutDownAtEnd&) = delete;

private:
    AppObjects& objects_;
};

}  // namespace

int StartUp(int argc, char** argv) {
    QApplication application(argc, argv);
    AppObjects objects;
    CreateAppObjects(objects, settings::DefaultSettingsFolder());
    const ShutDownAtEnd shutDown(objects);
    QtDialogs dialogs;
    MainWindow window(objects, dialogs);
    window.show();
    application.exec();
    return 0;
}

}  // namespace tessivane::app
