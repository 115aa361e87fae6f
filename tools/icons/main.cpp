// velicons SOURCE HICOLOR_DIR: the game's icon in every size of the desktop's hicolor theme,
// HICOLOR_DIR/<n>x<n>/apps/velmoor2.png, each scaled down smoothly from the 256 x 256 drawing
// (and 512 x 512 from its sharp double-size rendering when the art tool made one).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velicons SOURCE HICOLOR_DIR\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QImage drawing(source);
    if (drawing.isNull()) {
        std::fprintf(stderr, "velicons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QFileInfo info(source);
    const QImage doubleSize(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.png"));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage& from = size > drawing.width() && !doubleSize.isNull() ? doubleSize : drawing;
        if (size > from.width())
            continue;  // never a blurred enlargement
        const QString folder = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        const QImage icon = from.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!icon.save(folder + QStringLiteral("/velmoor2.png"))) {
            std::fprintf(stderr, "velicons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
