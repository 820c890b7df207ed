#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#ifndef SIMPHONE_PATH
#error "the test target must define SIMPHONE_PATH"
#endif

// Debian's real adb with a bridge server of its own (a private port and home folder, so a server
// the machine already runs is never touched), and simulated phones on loopback ports. Everything
// it started is stopped when it ends, also when a test fails.
class RealBridge
{
public:
    struct Phone
    {
        QString serial; // as the device list names it
        quint16 port = 0;
        QString logPath;
        QString picturePath;

        QStringList requests() const
        {
            QFile log(logPath);
            if (!log.open(QIODevice::ReadOnly))
                return {};
            return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        }
        QByteArray picture() const
        {
            QFile file(picturePath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
    };

    RealBridge()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_serverPort = probe.serverPort();
        probe.close();
        qputenv("ANDROID_ADB_SERVER_PORT", QByteArray::number(m_serverPort));
        qputenv("HOME", m_home.path().toLocal8Bit()); // the server's keys go here
        qputenv("ADB_MDNS", "0");
    }

    ~RealBridge()
    {
        adb({"kill-server"});
        for (auto& process : m_phones) {
            process->kill();
            process->waitForFinished(2000);
        }
    }

    static QString adbPath() { return QStandardPaths::findExecutable(QStringLiteral("adb")); }

    // Runs adb to its end and returns what it printed on standard output.
    QString adb(const QStringList& arguments, int timeoutMs = 15000) const
    {
        QProcess process;
        process.start(adbPath(), arguments);
        process.waitForFinished(timeoutMs);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    void startServer() const { adb({"start-server"}); }

    // port 0: a free one; another: the port a phone stopped earlier listened on. A phone tells no
    // serial number unless given one.
    Phone startPhone(const QString& maker = QStringLiteral("Xiaomi"), bool authorized = true, quint16 port = 0,
        const QString& serialNumber = {}, const QStringList& more = {})
    {
        auto process = std::make_unique<QProcess>();
        Phone phone;
        const int number = int(m_phones.size()) + 1;
        phone.logPath = m_home.filePath(QStringLiteral("phone%1.log").arg(number));
        phone.picturePath = m_home.filePath(QStringLiteral("phone%1.png").arg(number));
        QStringList arguments {"--maker", maker, "--log", phone.logPath, "--picture-out", phone.picturePath, "--port",
            QString::number(port)};
        if (!authorized)
            arguments << "--unauthorized";
        if (!serialNumber.isEmpty())
            arguments << "--serialno" << serialNumber;
        arguments << more;
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(QStringLiteral(SIMPHONE_PATH), arguments);
        QElapsedTimer clock;
        clock.start();
        QByteArray printed;
        while (!printed.contains('\n') && clock.elapsed() < 10000) {
            process->waitForReadyRead(200);
            printed += process->readAllStandardOutput();
        }
        phone.port = quint16(
            QString::fromLatin1(printed).section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 1, 1).toUInt());
        phone.serial = QStringLiteral("127.0.0.1:%1").arg(phone.port);
        m_phones.push_back(std::move(process));
        return phone;
    }

    // The phone goes out of reach, as one that walks out of the Wi-Fi's range: its process ends.
    void stopPhone(const Phone& phone)
    {
        for (auto& process : m_phones) {
            if (process->arguments().contains(phone.logPath)) {
                process->kill();
                process->waitForFinished(2000);
            }
        }
    }

    // Connects the phone and waits until the server lists it in the given state.
    bool connectPhone(const Phone& phone, const QString& state = QStringLiteral("device"))
    {
        adb({"connect", phone.serial});
        return waitForState(phone.serial, state);
    }

    bool waitForState(const QString& serial, const QString& state) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (devices().contains(serial + QLatin1Char('\t') + state))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    QString devices() const { return adb({"devices"}); }

    void disconnectAll() const { adb({"disconnect"}); }

private:
    QTemporaryDir m_home;
    quint16 m_serverPort = 0;
    std::vector<std::unique_ptr<QProcess>> m_phones;
};
