// TrazorCalculator: the cutting-condition calculator. One instance per user: a second start ends at
// once. Trazor closes it over a local socket (close_request.h).

#include "app/osp/osp_environment.h"
#include "calculator/calculator_window.h"
#include "calculator/single_instance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    trazor::SingleInstance instance;
    if (!instance.Claim())
        return 0;

    QApplication application(argc, argv);
    // The marker file is looked at once, at start: it decides what closing does.
    const bool onControl = trazor::OspEnvironment::FromEnvironment().IsOnControl();
    trazor::CalculatorWindow window(onControl);
    // Without the server the calculator still works; only Trazor cannot close it.
    instance.Listen();
    QObject::connect(&instance, &trazor::SingleInstance::CloseRequested, &window, &QWidget::close);

    window.show();
    window.PlaceOnScreen();
    window.activateWindow();
    return application.exec();
}
