#include "toolkit/Picture.h"

#include <QCache>

namespace tk {

namespace {

QImage smoothlyScaled(const QImage &image, QSize target)
{
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// What the cache keeps of a shown picture: opaque pixels in three bytes, not four.
QImage compact(const QImage &image)
{
    return image.hasAlphaChannel() ? image : image.convertToFormat(QImage::Format_RGB888);
}

// The pictures as they were last shown, by name and size, least recently used
// out first. A board shows every picture at the same two sizes (on the board
// and revealed), so a picture drawn again needs neither decoding nor scaling;
// 4 MiB holds every picture at both at the standard density.
QCache<QString, QImage> &shownPictures()
{
    static QCache<QString, QImage> cache(4 * 1024 * 1024);
    return cache;
}

QString shownKey(const QString &key, QSize size)
{
    return QStringLiteral("%1@%2x%3").arg(key).arg(size.width()).arg(size.height());
}

} // namespace

Picture::Picture(QImage image, QString key)
    : m_data(std::make_shared<Data>())
{
    m_data->size = image.size();
    m_data->key = std::move(key);
    m_data->image = std::move(image);
}

Picture Picture::deferred(std::function<QImage()> decode, QSize size, QString key)
{
    Picture picture;
    picture.m_data = std::make_shared<Data>();
    picture.m_data->size = size;
    picture.m_data->key = std::move(key);
    picture.m_data->decode = std::move(decode);
    return picture;
}

QImage Picture::decoded() const
{
    if (!m_data->image.isNull() || !m_data->decode)
        return m_data->image;
    return m_data->decode();
}

const QImage &Picture::image() const
{
    static const QImage empty;
    if (!m_data)
        return empty;
    if (m_data->image.isNull() && m_data->ready.size() == m_data->size)
        m_data->image = m_data->ready;
    if (m_data->image.isNull() && m_data->decode)
        m_data->image = decoded();
    return m_data->image;
}

void Picture::setReadyMade(const QImage &ready)
{
    if (m_data)
        m_data->ready = ready;
}

QImage Picture::scaled(QSize target) const
{
    if (isNull() || target.isEmpty())
        return {};
    if (target == size())
        return image();
    if (target == m_data->ready.size())
        return m_data->ready;
    const QString key = shownKey(m_data->key, target);
    if (const QImage *kept = shownPictures().object(key))
        return *kept;
    // Pixels decoded only for this stay with the picture only if it had them.
    const QImage shown = smoothlyScaled(decoded(), target);
    if (!m_data->key.isEmpty()) {
        auto *kept = new QImage(compact(shown));
        shownPictures().insert(key, kept, kept->sizeInBytes());
    }
    return shown;
}

} // namespace tk
