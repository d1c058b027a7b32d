#include "toolkit/Picture.h"

#include <algorithm>

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

namespace {

const QImage *readyAt(const QList<QImage> &ready, QSize size)
{
    const auto found = std::find_if(ready.begin(), ready.end(), [size](const QImage &r) { return r.size() == size; });
    return found == ready.end() ? nullptr : &*found;
}

} // namespace

const QImage &Picture::image() const
{
    static const QImage empty;
    if (!m_data)
        return empty;
    if (const QImage *whole = readyAt(m_data->ready, m_data->size); whole && m_data->image.isNull())
        m_data->image = *whole;
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
    if (const QImage *ready = readyAt(m_data->ready, target))
        return *ready;
    return image().scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace tk
