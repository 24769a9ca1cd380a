#pragma once

#include <QDir>
#include <QString>

class QWidget;

// Writes grabbed widgets as PNG files into one folder.
class TGalleryWriter
{
public:
    explicit TGalleryWriter(const QDir &folder) : m_folder(folder) {}

    // Lays the widget out, grabs it offscreen and saves "<name>.png".
    void Save(QWidget &widget, const QString &name);
    // Saves a grab of a widget that is already shown and laid out.
    void SaveImage(const QImage &image, const QString &name);

    int Count() const { return m_count; }

private:
    QDir m_folder;
    int m_count = 0;
};

// One page of the gallery per group of controls.
void RenderMenuGallery(TGalleryWriter &writer);
void RenderPanelGallery(TGalleryWriter &writer);
void RenderListGallery(TGalleryWriter &writer);
