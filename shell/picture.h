// Pictures drawn crisp at any scale: SVG art from resources, or bitmaps from files.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <memory>

class QPainter;

namespace shell {

class VectorArt;

// What a picture box shows: a vector picture, a bitmap, or nothing.
class Picture
{
public:
    Picture() = default;
    static Picture fromSvg(const QString &path);
    static Picture fromFile(const QString &path); // empty when the file can't be read

    bool isNull() const;
    QString source() const { return m_source; }
    QSize naturalSize() const;
    // The size a widget showing it asks for: its natural size, or a small square when it has none.
    QSize sizeHint() const;
    void paint(QPainter &painter, const QRect &bounds) const; // keeps the aspect ratio, centred
    // The picture as an icon, drawn at whatever size is asked for.
    QIcon icon() const;

private:
    // Vector art is read when it is first drawn or measured, not when it is named: a window builds
    // pictures it may never show. Copies share the one reading.
    struct Vector
    {
        QString path;
        bool read = false;
        std::unique_ptr<VectorArt> art; // null when the file is missing or invalid
    };
    VectorArt *art() const;

    QString m_source;
    std::shared_ptr<Vector> m_vector;
    QPixmap m_pixmap;
};

} // namespace shell
