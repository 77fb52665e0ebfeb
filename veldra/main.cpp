// The Veldra editor.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "veldraApp.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veldra"));
    QApplication::setOrganizationName(QStringLiteral("NORIM"));
    try {
        veldraApp app;
        return app.Run();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Exception"), QString::fromLocal8Bit(e.what()),
                              QMessageBox::Ok);
        return -1;
    }
}
