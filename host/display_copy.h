// Copies of the instrument's display for the user: the frame as an image on
// the clipboard and as a PNG file named by date and time.
#pragma once
#include <QDateTime>
#include <QImage>
#include <QString>

// The frame buffer through the palette, opaque, each pixel scale x scale.
QImage displayImage(int scale = 1);

// "qs9-2026-12-08-143012.png" for that moment.
QString displayPictureName(const QDateTime& when);

struct SavedPicture {
    bool ok = false;
    QString path;  // the file written, or the one that failed
    QString error; // why it failed
};

// Saves the frame at its own size into folder (created if missing), named by
// the moment; a second picture within the same second gets "-2", "-3", ...
// rather than replacing the first.
SavedPicture saveDisplayPicture(const QString& folder, const QDateTime& when);

// The user's pictures folder, where the window saves its pictures.
QString picturesFolder();
