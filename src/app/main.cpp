#include <QApplication>

#include "app/MDIForm1.h"
#include "core/AppCore.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpKeyFilter.h"
#include "platform/ui/QtPrompts.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZOLT"));
    QApplication::setApplicationName(QStringLiteral("ZX-4100"));
    QApplication::setWindowIcon(zx::WindowIcon());
    zx::InstallQtPrompts();
    zx::HelpKeyFilter::Install();
    zx::AppCore core;
    zx::MDIForm1 window;
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
