#include "reference_pictures.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QStringList>

#include <cstdlib>

namespace {

QString referenceFolder() { return QStringLiteral(GALLERY_DIR "/reference"); }

QString pathOf(const std::string &name, const char *suffix)
{
    return referenceFolder() + QLatin1Char('/') + QString::fromStdString(name) + QLatin1String(suffix);
}

bool accepted(const std::string &name)
{
    const char *accept = std::getenv("GALLERY_ACCEPT");
    if (!accept || !*accept)
        return false;
    if (std::string(accept) == "1")
        return true;
    return QString::fromUtf8(accept).split(QLatin1Char(','), Qt::SkipEmptyParts).contains(QString::fromStdString(name));
}

// The differing pixels in red over the reference faded towards white; where
// only one of the two pictures reaches, every pixel counts as differing.
QImage differences(const QImage &reference, const QImage &picture, int &count, QRect &where)
{
    const QSize size = reference.size().expandedTo(picture.size());
    QImage diff(size, QImage::Format_RGB32);
    count = 0;
    where = QRect();
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool inReference = reference.rect().contains(x, y), inPicture = picture.rect().contains(x, y);
            const QRgb r = inReference ? reference.pixel(x, y) : 0;
            if (inReference && inPicture && r == picture.pixel(x, y)) {
                diff.setPixel(x, y, qRgb(255 - (255 - qRed(r)) / 4, 255 - (255 - qGreen(r)) / 4,
                                         255 - (255 - qBlue(r)) / 4));
                continue;
            }
            diff.setPixel(x, y, qRgb(255, 0, 0));
            ++count;
            where |= QRect(x, y, 1, 1);
        }
    return diff;
}

std::string describe(const QRect &r)
{
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

} // namespace

Comparison CompareWithReference(const std::string &name, const QImage &shot)
{
    const QImage picture = shot.convertToFormat(QImage::Format_RGB32);
    const QString referencePath = pathOf(name, ".png");
    const QString newPath = pathOf(name, ".new.png"), diffPath = pathOf(name, ".diff.png");
    QImage reference;
    const bool found = QFile::exists(referencePath) && reference.load(referencePath);
    if (found)
        reference = reference.convertToFormat(QImage::Format_RGB32);

    if (found && reference == picture) {
        QFile::remove(newPath);
        QFile::remove(diffPath);
        return {true, {}};
    }

    std::string what;
    int count = 0;
    QRect where;
    if (!found) {
        what = "no reference picture";
    } else {
        const QImage diff = differences(reference, picture, count, where);
        what = std::to_string(count) + " pixels differ, within " + describe(where);
        if (reference.size() != picture.size())
            what += "; the picture is " + describe(picture.rect()) + ", the reference " + describe(reference.rect());
        if (!accepted(name))
            diff.save(diffPath);
    }

    if (accepted(name)) {
        QDir().mkpath(referenceFolder());
        const bool saved = picture.save(referencePath, "PNG", 0);
        QFile::remove(newPath);
        QFile::remove(diffPath);
        if (!saved)
            return {false, name + ": " + what + "; the reference could not be written to " +
                               referencePath.toStdString()};
        return {true, name + ": " + what + "; reference made again"};
    }
    picture.save(newPath);
    if (!found)
        QFile::remove(diffPath);
    return {false, name + ": " + what + "; see " + newPath.toStdString() +
                       (found ? " and " + diffPath.toStdString() : std::string())};
}

std::string AdviceOnDifferences(const std::vector<std::string> &differing, size_t states)
{
    if (differing.empty())
        return {};
    std::string names;
    for (const std::string &name : differing)
        names += (names.empty() ? "" : ",") + name;
    const std::string folder = referenceFolder().toStdString();
    std::string advice =
        std::to_string(differing.size()) + " of " + std::to_string(states) +
        " gallery pictures differ from their references.\n"
        "Beside each reference in " + folder + "/ lie NAME.new.png, the picture now, and NAME.diff.png,\n"
        "its differing pixels in red over the faded reference.\n"
        "Look at every new picture first. Only one that shows what the learner should see becomes the\n"
        "reference, committed with the change that made it and a message that says why:\n"
        "    GALLERY_ACCEPT=" + names + " build/tests/gallery_test\n";
    if (differing.size() * 4 >= states * 3)
        advice +=
            "When nearly every picture differs, the cause is usually the fonts or their rendering, not the\n"
            "code: the tests draw only with the fonts of tests/support/fonts.conf.in, and another version of\n"
            "those font packages, of FreeType or of Qt draws other pixels. References made again for that\n"
            "would fail on every other machine; find what differs from Debian 12 instead.\n";
    return advice;
}
