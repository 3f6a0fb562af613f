// Trazor: the NC program checker's main window.
#include "app/window/frm_main.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Trazor");
    QApplication::setApplicationName("Trazor");
    QApplication::setWindowIcon(QIcon(":/icons/trazor"));
    // The command line is one text, as the control's programs receive it: the path of a program,
    // with or without double quotes.
    const QString commandLine = QApplication::arguments().mid(1).join(' ');
    trazor::frmMain window(commandLine);
    if (!window.Form_Load())
        return 1;
    return QApplication::exec();
}
