// trazor-render-icon: renders an SVG icon into square PNG files for the hicolor icon theme.
//
//   trazor-render-icon SVG OUTPUT-FOLDER NAME SIZE...
//
// writes OUTPUT-FOLDER/SIZExSIZE/apps/NAME.png for every size. The SVG is drawn at each size
// rather than scaled from one picture, so the small sizes stay sharp.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Rendering needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 5) {
        std::fputs("usage: trazor-render-icon SVG OUTPUT-FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "trazor-render-icon: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        QImageReader reader(args[1]);
        reader.setScaledSize(QSize(size, size));
        QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "trazor-render-icon: %s: %s\n", qPrintable(args[1]),
                qPrintable(reader.errorString()));
            return 1;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        const QString path = folder + '/' + args[3] + ".png";
        if (!QDir().mkpath(folder) || !image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "trazor-render-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
