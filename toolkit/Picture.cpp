#include "toolkit/Picture.h"

namespace tk {

Picture::Picture(QImage image)
    : m_data(std::make_shared<Data>())
{
    m_data->size = image.size();
    m_data->image = std::move(image);
}

Picture Picture::deferred(std::function<QImage()> decode, QSize size)
{
    Picture picture;
    picture.m_data = std::make_shared<Data>();
    picture.m_data->size = size;
    picture.m_data->decode = std::move(decode);
    return picture;
}

const QImage &Picture::image() const
{
    static const QImage empty;
    if (!m_data)
        return empty;
    if (m_data->image.isNull() && m_data->decode)
        m_data->image = m_data->decode();
    return m_data->image;
}

void Picture::setReadyMade(QList<QImage> ready)
{
    if (m_data)
        m_data->ready = std::move(ready);
}

QImage Picture::scaled(QSize target) const
{
    if (isNull() || target.isEmpty())
        return {};
    for (const QImage &ready : m_data->ready) {
        if (ready.size() == target)
            return ready;
    }
    return image().scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace tk
