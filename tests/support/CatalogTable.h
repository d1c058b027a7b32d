#pragma once
// The catalog's table, the one place its pictures are described (the build
// reads its keys from it too): each entry's index, key, format and pixel size.
#include <QFile>
#include <QList>
#include <QSize>
#include <QString>

struct CatalogRow {
    int index;
    QString key;
    QString format;  // jpeg, jpeg-progressive, gif, bmp24, bmp32, ico1 or ico6
    QSize size;
};

inline QList<CatalogRow> catalogTable()
{
    QList<CatalogRow> rows;
    QFile file(QStringLiteral(TQ_CATALOG_TABLE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    file.readLine();  // the column names
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).split(QLatin1Char('\t'));
        if (f.size() >= 8)
            rows.append({f[0].toInt(), f[1], f[5], QSize(f[6].toInt(), f[7].toInt())});
    }
    return rows;
}
