// Run by the build: makes every catalog picture's pixels at the sizes the
// board shows it, so that neither a board nor its uncovering needs decoding or scaling.
//   tq-catalog-shown OUTDIR PICTURE...   (pictures named NNN.ext, NNN the entry)
// Writes, for every entry 1..101, the pixels as rawImageBytes keeps them, made
// by the same Picture::scaled the program runs (or decoded whole, for a picture
// shown at its own size): OUTDIR/NNN at the board's size and OUTDIR/revealed/NNN
// at the size an uncovered picture shrinks to (empty when it does not shrink);
// and OUTDIR/whole/001, the placeholder decoded whole, which the intro and
// every covered slot show. A picture shown at any other size is scaled when
// shown, as before; so a board whose sizes change stays right.
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

// The size in pixels a box of `size` pixels takes when fitpicture's rule fits
// it into `square`: the board's box first takes its picture's size, and an
// uncovered picture is fitted again from the board's box.
QSize fittedSize(QSize size, std::int32_t square)
{
    const catalog::Fitting fit = catalog::fitWithin(tk::clng(tk::toTwips(size.width())), tk::clng(tk::toTwips(size.height())),
                                          square, square);
    return fit.needed ? QSize(tk::toPixels(fit.width), tk::toPixels(fit.height)) : size;
}

QByteArray madeAt(const tk::Picture &picture, QSize size)
{
    return catalog::rawImageBytes(size != picture.size() ? picture.scaled(size) : picture.image());
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
    if (!out.mkpath(QStringLiteral("whole")) || !out.mkpath(QStringLiteral("revealed")))
        return 1;
    QList<QByteArray> made(catalog::ImageList::count + 1), revealed(catalog::ImageList::count + 1);
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
            const QSize shown = fittedSize(picture.size(), catalog::boardPicture);
            const QSize uncovered = fittedSize(shown, catalog::revealedPicture);
            made[index] = madeAt(picture, shown);
            if (uncovered != shown)
                revealed[index] = madeAt(picture, uncovered);
            if (index == 1 && !write(out.filePath(QStringLiteral("whole/001")), catalog::rawImageBytes(picture.image())))
                return 1;
        } catch (const tk::RuntimeError &) {
            std::fprintf(stderr, "tq-catalog-shown: %s cannot be decoded\n", qPrintable(path));
            return 1;
        }
    }
    for (int index = 1; index <= catalog::ImageList::count; ++index) {
        const QString name = QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'));
        if (!write(out.filePath(name), made[index]) || !write(out.filePath(QStringLiteral("revealed/") + name), revealed[index]))
            return 1;
    }
    return 0;
}
