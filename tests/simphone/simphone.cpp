// A simulated phone in network debugging mode: listens on 127.0.0.1 and speaks the device side of
// the bridge tool's transport protocol, so that "adb connect 127.0.0.1:PORT" lists it as a device.
// It answers shell, sync, package manager and tcpip requests and records every service it is asked for.
//
//   simphone [--port N] [--maker NAME] [--serialno S] [--unauthorized] [--log FILE] [--picture-out FILE]
//            [--install-answer TEXT] [--bytes-per-second N] [--count-only]
//
// Prints "PORT <n>" on its first line once it listens.
#include "PhoneConnection.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTcpServer>

#include <cstdio>

static QByteArray makePicture(quint16 port)
{
    QImage image(72, 128, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((port * 37) % 360, 160, 230));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(port));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption portOption("port", "port to listen on", "port", "0");
    const QCommandLineOption makerOption("maker", "ro.product.manufacturer", "maker", "Xiaomi");
    const QCommandLineOption serialOption("serialno", "ro.serialno; none by default", "serial");
    const QCommandLineOption unauthorizedOption("unauthorized", "never accept the host's key");
    const QCommandLineOption logOption("log", "file that records each request", "file");
    const QCommandLineOption pictureOption("picture-out", "where to write the screen picture", "file");
    const QCommandLineOption installOption("install-answer", "what pm says to an install", "text", "Success");
    const QCommandLineOption rateOption("bytes-per-second", "how fast a pushed file is taken", "bytes", "0");
    const QCommandLineOption countOption("count-only", "count a pushed file's bytes rather than keep them");
    parser.addOptions({portOption, makerOption, serialOption, unauthorizedOption, logOption, pictureOption,
        installOption, rateOption, countOption});
    parser.process(app);

    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, parser.value(portOption).toUShort())) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }

    PhoneState phone;
    phone.maker = parser.value(makerOption);
    phone.serialNumber = parser.value(serialOption);
    phone.authorized = !parser.isSet(unauthorizedOption);
    phone.logPath = parser.value(logOption);
    phone.installAnswer = parser.value(installOption).toUtf8();
    phone.bytesPerSecond = parser.value(rateOption).toLongLong();
    phone.countOnly = parser.isSet(countOption);
    phone.picture = makePicture(server.serverPort());
    if (parser.isSet(pictureOption)) {
        QFile out(parser.value(pictureOption));
        if (out.open(QIODevice::WriteOnly))
            out.write(phone.picture);
    }

    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            new PhoneConnection(socket, phone);
    });
    std::printf("PORT %u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    return app.exec();
}
