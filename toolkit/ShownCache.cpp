#include "toolkit/ShownCache.h"

namespace tk {

ShownCache &ShownCache::instance()
{
    static ShownCache cache;
    return cache;
}

QImage ShownCache::find(const QString &key, QSize size)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->key == key && it->image.size() == size) {
            m_entries.splice(m_entries.begin(), m_entries, it);
            return m_entries.front().image;
        }
    }
    return {};
}

void ShownCache::insert(const QString &key, const QImage &image)
{
    if (key.isEmpty() || image.isNull() || image.sizeInBytes() > budget)
        return;
    find(key, image.size());
    if (!m_entries.empty() && m_entries.front().key == key && m_entries.front().image.size() == image.size())
        return;
    m_entries.push_front({key, image});
    m_bytes += image.sizeInBytes();
    while (m_bytes > budget) {
        m_bytes -= m_entries.back().image.sizeInBytes();
        m_entries.pop_back();
    }
}

void ShownCache::clear()
{
    m_entries.clear();
    m_bytes = 0;
}

} // namespace tk
