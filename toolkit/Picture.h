#pragma once
// A picture object: a decoded image at its own pixel size, shared cheaply.
// A null Picture stands for "no picture".
#include <QImage>
#include <QSize>
#include <memory>

namespace tk {

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);

    bool isNull() const { return !m_image || m_image->isNull(); }
    // The picture's own size in pixels.
    QSize size() const { return isNull() ? QSize() : m_image->size(); }
    // The decoded image; an empty image for a null picture.
    const QImage &image() const;
    // True when both name the same stored image.
    bool sameAs(const Picture &other) const { return m_image == other.m_image; }

private:
    friend class WeakPicture;
    std::shared_ptr<const QImage> m_image;
};

// A link to a picture that keeps it only while some Picture still holds it.
class WeakPicture {
public:
    WeakPicture() = default;
    explicit WeakPicture(const Picture &picture)
        : m_image(picture.m_image)
    {
    }
    // The picture while it lives, else a null picture.
    Picture lock() const
    {
        Picture picture;
        picture.m_image = m_image.lock();
        return picture;
    }

private:
    std::weak_ptr<const QImage> m_image;
};

} // namespace tk
