// Writes the program's icon, as ProgramPictures draws it, into the files the packages carry: one PNG
// per size for the Linux icon theme, one Windows icon file holding every size, and the Windows
// installer's pictures (its welcome and finish pages' side picture, its pages' header picture).
//
//   pannix_icons <folder>
#include "controls/ProgramPictures.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A Windows icon file whose images are PNG, as Windows has read them since Vista.
QByteArray iconFile(const QList<std::pair<int, QByteArray>>& images)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const auto& [side, png] : images) {
        const quint8 stored = side >= 256 ? 0 : quint8(side); // 0 stands for 256
        out << stored << stored << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(png.size())
            << quint32(offset);
        offset += quint32(png.size());
    }
    for (const auto& image : images)
        out.writeRawData(image.second.constData(), int(image.second.size()));
    return file;
}

// An installer picture: the icon on white, at the size and place the installer's pages show it, as
// the 24-bit bitmap they read.
QByteArray installerPicture(QSize size, int side, QPoint place)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(place, ProgramPictures::icon(side));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pannix_icons <folder>\n");
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    QList<std::pair<int, QByteArray>> images;
    for (int side : ProgramPictures::IconSides) {
        images.append({side, pngOf(ProgramPictures::icon(side))});
        if (!write(QStringLiteral("%1/pannix-%2.png").arg(folder).arg(side), images.last().second))
            return 1;
    }
    // The installer's side picture is 164 x 314 and its header 150 x 57, as its pages lay them out.
    const bool pictures = write(folder + QStringLiteral("/installer-side.bmp"),
                              installerPicture(QSize(164, 314), 128, QPoint(18, 40)))
        && write(folder + QStringLiteral("/installer-header.bmp"), installerPicture(QSize(150, 57), 48, QPoint(96, 4)));
    return pictures && write(folder + QStringLiteral("/pannix.ico"), iconFile(images)) ? 0 : 1;
}
