// Renders the control library to PNG files, so that the whole look can be
// checked at a glance.
#include "Gallery.h"

#include "shell/Startup.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>
#include <QWidget>

void TGalleryWriter::Save(QWidget &widget, const QString &name)
{
    widget.ensurePolished();
    widget.show();
    QCoreApplication::processEvents();
    SaveImage(widget.grab().toImage(), name);
}

void TGalleryWriter::SaveImage(const QImage &image, const QString &name)
{
    if (image.save(m_folder.filePath(name + QStringLiteral(".png"))))
        ++m_count;
    else
        QTextStream(stderr) << "could not write " << name << ".png\n";
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitZandivoResources();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(folder);
    TGalleryWriter writer{QDir(folder)};
    RenderMenuGallery(writer);
    RenderPanelGallery(writer);
    RenderListGallery(writer);
    QTextStream(stdout) << writer.Count() << " pictures in " << QDir(folder).absolutePath() << '\n';
    return 0;
}
