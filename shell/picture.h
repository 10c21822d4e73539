// Pictures drawn crisp at any scale: SVG art from resources, or bitmaps from files.
#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace shell {

class VectorArt;

// What a picture box shows: a vector picture, a bitmap, or nothing.
class Picture
{
public:
    Picture() = default;
    static Picture fromSvg(const QString &path);
    static Picture fromFile(const QString &path);  // empty when the file can't be read

    bool isNull() const;
    QString source() const { return m_source; }
    QSize naturalSize() const;
    void paint(QPainter &painter, const QRect &bounds) const;  // keeps the aspect ratio, centred
    // The picture as an icon, drawn at whatever size is asked for.
    QIcon icon() const;

private:
    // Vector art is read when it is first drawn or measured, not when it is named: a window builds
    // pictures it may never show. Copies share the one reading.
    struct Vector
    {
        QString path;
        bool read = false;
        std::unique_ptr<VectorArt> art;  // null when the file is missing or invalid
    };
    VectorArt *art() const;

    QString m_source;
    std::shared_ptr<Vector> m_vector;
    QPixmap m_pixmap;
};

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
};

// A picture that acts as a button: hand pointer, keyboard focus, Space or Enter to press.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture m_picture;
};

} // namespace shell
