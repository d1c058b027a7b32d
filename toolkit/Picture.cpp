#include "toolkit/Picture.h"

namespace tk {

Picture::Picture(QImage image)
    : m_image(std::make_shared<const QImage>(std::move(image)))
{
}

const QImage &Picture::image() const
{
    static const QImage empty;
    return m_image ? *m_image : empty;
}

} // namespace tk
