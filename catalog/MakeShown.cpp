// Run by the build: makes every catalog picture's pixels at the size the
// board shows it, so that the first board needs neither decoding nor scaling.
//   tq-catalog-shown OUTDIR PICTURE...   (pictures named NNN.ext, NNN the entry)
// Writes OUTDIR/NNN for every entry 1..101: the pixels as rawImageBytes keeps
// them, made by the same Picture::scaled the program runs (or decoded whole,
// for a picture the board shows at its own size); and OUTDIR/whole/001, the
// placeholder decoded whole, which the intro and every covered slot show. A picture shown at any other
// size is scaled when shown, as before; so a board whose sizes change stays right.
#include "catalog/ImageList.h"
#include "catalog/ImageFile.h"
#include "catalog/Fitting.h"
#include "toolkit/Int16.h"
#include "toolkit/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// The size in pixels the board shows a picture of `size` pixels at: the
// picture box takes the picture's size, and fitpicture's rule fits it.
QSize boardSize(QSize size)
{
    const catalog::Fitting fit = catalog::fitWithin(tk::clng(tk::toTwips(size.width())), tk::clng(tk::toTwips(size.height())),
                                          catalog::boardPicture, catalog::boardPicture);
    return fit.needed ? QSize(tk::toPixels(fit.width), tk::toPixels(fit.height)) : size;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tq-catalog-shown OUTDIR PICTURE...\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("whole")))
        return 1;
    QList<QByteArray> made(catalog::ImageList::count + 1);
    for (const QString &path : args.mid(2)) {
        bool ok = false;
        const int index = QFileInfo(path).baseName().toInt(&ok);
        QFile file(path);
        if (!ok || index < 1 || index > catalog::ImageList::count || !file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "tq-catalog-shown: %s is no catalog picture\n", qPrintable(path));
            return 1;
        }
        try {
            const tk::Picture picture = catalog::decodePicture(file.readAll());
            const QSize shown = boardSize(picture.size());
            made[index] = catalog::rawImageBytes(shown != picture.size() ? picture.scaled(shown) : picture.image());
            if (index == 1 && !write(out.filePath(QStringLiteral("whole/001")), catalog::rawImageBytes(picture.image())))
                return 1;
        } catch (const tk::RuntimeError &) {
            std::fprintf(stderr, "tq-catalog-shown: %s cannot be decoded\n", qPrintable(path));
            return 1;
        }
    }
    for (int index = 1; index <= catalog::ImageList::count; ++index) {
        if (!write(out.filePath(QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'))), made[index]))
            return 1;
    }
    return 0;
}
