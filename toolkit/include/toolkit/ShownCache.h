#pragma once
// The pictures as they were last shown: each named picture at each size it
// was smoothly scaled to, kept up to a fixed number of bytes, least recently
// used first out. A board shows every picture at the same two sizes (on the
// board and revealed), so a picture drawn again needs neither decoding nor
// scaling; the budget holds every picture at both at the standard density.
#include <QImage>
#include <QSize>
#include <QString>
#include <list>

namespace tk {

class ShownCache {
public:
    // The program's one cache.
    static ShownCache &instance();

    // The picture `key` at exactly `size`, or a null image.
    QImage find(const QString &key, QSize size);
    // Keeps `image` as picture `key` at its size, dropping the least used past the budget.
    void insert(const QString &key, const QImage &image);
    // Drops everything.
    void clear();

    // What the kept images take, in bytes.
    qint64 bytes() const { return m_bytes; }
    // The most the kept images may take, in bytes.
    static constexpr qint64 budget = 4 * 1024 * 1024;

private:
    struct Entry {
        QString key;
        QImage image;
    };
    std::list<Entry> m_entries;  // most recently used first
    qint64 m_bytes = 0;
};

} // namespace tk
