#include "host/display_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QList>
#include <QStandardPaths>

#include "sim/simulator.h"

QImage displayImage(int scale)
{
    QImage frame(static_cast<const uchar*>(qs9FrameBuffer()), QS9_DISPLAY_WIDTH, QS9_DISPLAY_HEIGHT, QS9_DISPLAY_WIDTH,
                 QImage::Format_Indexed8);
    const uint32_t* palette = qs9Palette();
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.append(0xFF000000u | palette[i]);
    frame.setColorTable(colours);
    // Converting copies the pixels, so the picture outlives the next pass.
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    if (scale == 1)
        return rgb;
    return rgb.scaled(rgb.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QString displayPictureName(const QDateTime& when)
{
    return when.toString(QStringLiteral("'qs9-'yyyy-MM-dd-HHmmss'.png'"));
}

namespace {

QString freePath(const QDir& dir, const QString& name)
{
    QString path = dir.filePath(name);
    const QString stem = QFileInfo(name).completeBaseName();
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(n));
    return path;
}

} // namespace

SavedPicture saveDisplayPicture(const QString& folder, const QDateTime& when)
{
    SavedPicture saved;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        saved.path = folder;
        saved.error = QStringLiteral("cannot create the folder");
        return saved;
    }
    saved.path = freePath(dir, displayPictureName(when));
    QImageWriter writer(saved.path, "png");
    saved.ok = writer.write(displayImage());
    if (!saved.ok)
        saved.error = writer.errorString();
    return saved;
}

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}
