// Fkreg: registers Trazor on a vertical function key of the OSP-P200, or removes it.
//
// Fkreg lies in the same folder as Trazor; the path it writes into the control's key file is that
// folder followed by the program's file name ("/Trazor" here, "\Trazor.exe" on Windows). The key
// files are found below the OSP root (TRAZOR_OSP_ROOT, see OspEnvironment).

#include "app/osp/osp_environment.h"
#include "fkeyreg/fkreg_window.h"

#include <QApplication>
#include <QFile>

#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Fkreg hides its window before the closing report; the program ends on Fkreg::Ended instead.
    application.setQuitOnLastWindowClosed(false);

    const std::filesystem::path programFolder(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    trazor::Fkreg form(programFolder, trazor::OspEnvironment::FromEnvironment());
    QObject::connect(
        &form, &trazor::Fkreg::Ended, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!form.Form_Load())
        return 1;
    form.show();
    return application.exec();
}
