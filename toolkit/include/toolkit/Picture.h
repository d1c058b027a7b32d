#pragma once
// A picture object: an image at its own pixel size, shared cheaply. A picture
// made from its file knows its size from the file's header (or is told it) and
// decodes its pixels only when they are first needed. A picture may also carry
// its pixels ready-made at the sizes it is mostly shown at.
// A null Picture stands for "no picture".
#include <QImage>
#include <QList>
#include <QSize>
#include <functional>
#include <memory>

namespace tk {

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);
    // A picture of `size` pixels whose pixels `decode` makes when they are
    // first needed (an empty image when it cannot).
    static Picture deferred(std::function<QImage()> decode, QSize size);

    bool isNull() const { return !m_data || m_data->size.isEmpty(); }
    // The picture's own size in pixels.
    QSize size() const { return m_data ? m_data->size : QSize(); }
    // The full image, decoded on first use and kept while the picture lives;
    // an empty image for a null picture or a file that cannot be decoded.
    const QImage &image() const;
    // The picture smoothly stretched to `target` pixels.
    QImage scaled(QSize target) const;
    // Gives the picture its pixels ready-made at the sizes it is shown at:
    // shown at one of them, it needs neither decoding nor scaling. Each must be
    // what scaled() makes at its size, or at the picture's own size what decoding makes.
    void setReadyMade(QList<QImage> ready);

private:
    struct Data {
        QSize size;
        std::function<QImage()> decode;  // where the pixels come from, when not decoded yet
        QImage image;     // the full pixels, once decoded
        QList<QImage> ready;  // the pixels at the sizes it is shown at, made ahead
    };
    std::shared_ptr<Data> m_data;
};

} // namespace tk
