// Program start: the application, the data module, the main window, the event loop.
#include <QApplication>
#include <QFont>

#include "app/data_module.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tessory"));
    application.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 10));
    app::TdmData data(QCoreApplication::applicationDirPath().toStdString() + "/");
    widgets::QtDialogService dialogs;
    app::TfrmMain main(data, dialogs);
    main.show();
    return application.exec();
}
