#include "PhoneConnection.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr quint32 fourCC(const char (&name)[5])
{
    return quint32(quint8(name[0])) | quint32(quint8(name[1])) << 8 | quint32(quint8(name[2])) << 16
        | quint32(quint8(name[3])) << 24;
}

constexpr quint32 CNXN = fourCC("CNXN");
constexpr quint32 AUTH = fourCC("AUTH");
constexpr quint32 OPEN = fourCC("OPEN");
constexpr quint32 OKAY = fourCC("OKAY");
constexpr quint32 CLSE = fourCC("CLSE");
constexpr quint32 WRTE = fourCC("WRTE");
constexpr quint32 Version = 0x01000001;
constexpr quint32 MaxData = 256 * 1024;
constexpr int HeaderSize = 24;
constexpr quint32 AuthToken = 1;
constexpr quint32 AuthSignature = 2;
constexpr int SyncChunk = 64 * 1024;
constexpr quint32 RegularFile = 0100644;

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

quint32 readLe32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QByteArray syncPacket(const char (&id)[5], const QByteArray& payload)
{
    return QByteArray(id, 4) + le32(quint32(payload.size())) + payload;
}

// A command line as the phone's shell splits it: blanks part words, single quotes keep a word whole
// ('\'' is a quote inside one), double quotes too.
QList<QByteArray> shellWords(const QByteArray& line)
{
    QList<QByteArray> words;
    QByteArray word;
    bool inWord = false;
    char quote = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line.at(++i);
            inWord = true;
        } else if (c == ' ') {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

} // namespace

PhoneConnection::PhoneConnection(QTcpSocket* socket, PhoneState& phone)
    : QObject(socket)
    , m_socket(socket)
    , m_phone(phone)
{
    connect(socket, &QTcpSocket::readyRead, this, &PhoneConnection::readMessages);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void PhoneConnection::readMessages()
{
    m_inbox += m_socket->readAll();
    while (m_inbox.size() >= HeaderSize) {
        const quint32 length = readLe32(m_inbox, 12);
        if (m_inbox.size() < HeaderSize + int(length))
            return;
        const QByteArray data = m_inbox.mid(HeaderSize, length);
        const quint32 command = readLe32(m_inbox, 0);
        const quint32 arg0 = readLe32(m_inbox, 4);
        const quint32 arg1 = readLe32(m_inbox, 8);
        m_inbox.remove(0, HeaderSize + length);
        handle(command, arg0, arg1, data);
    }
}

void PhoneConnection::send(quint32 command, quint32 arg0, quint32 arg1, const QByteArray& data)
{
    quint32 sum = 0;
    for (char byte : data)
        sum += quint8(byte);
    m_socket->write(le32(command) + le32(arg0) + le32(arg1) + le32(quint32(data.size())) + le32(sum)
        + le32(command ^ 0xFFFFFFFFu) + data);
}

void PhoneConnection::handle(quint32 command, quint32 arg0, quint32 arg1, const QByteArray& data)
{
    switch (command) {
    case CNXN:
    case AUTH:
        if (m_phone.authorized) {
            if (command == CNXN)
                send(CNXN, Version, MaxData,
                    "device::ro.product.name=simphone;ro.product.model=SimPhone;ro.product.device=simphone;");
            return;
        }
        // Asks for a signature it never accepts, so the host lists the phone as unauthorized.
        if (command == CNXN || arg0 == AuthSignature) {
            QByteArray token(20, '\0');
            for (char& byte : token)
                byte = char(QRandomGenerator::global()->bounded(256));
            send(AUTH, AuthToken, 0, token);
        }
        return;
    case OPEN:
        open(arg0, data);
        return;
    case OKAY: {
        auto it = m_streams.find(arg1);
        if (it != m_streams.end()) {
            it->waitingForOkay = false;
            flush(*it);
        }
        return;
    }
    case WRTE: {
        auto it = m_streams.find(arg1);
        if (it == m_streams.end())
            return;
        acknowledge(*it, data.size());
        it->input += data;
        if (it->service.startsWith("sync:"))
            handleSync(*it);
        else if (it->toRead >= 0 && it->input.size() >= it->toRead) {
            const QByteArray input = it->input.left(it->toRead);
            it->toRead = -1;
            write(*it, runPackageManager(shellWords(it->command), input));
            closeAfterOutput(*it);
        }
        return;
    }
    case CLSE:
        m_streams.remove(arg1);
        return;
    default:
        return;
    }
}

void PhoneConnection::open(quint32 hostId, const QByteArray& service)
{
    Stream stream;
    stream.hostId = hostId;
    stream.deviceId = m_nextId++;
    stream.service = service.endsWith('\0') ? service.chopped(1) : service;
    m_phone.record(stream.service);
    const quint32 id = stream.deviceId;
    Stream& opened = m_streams.insert(id, stream).value();
    send(OKAY, opened.deviceId, opened.hostId);

    if (opened.service.startsWith("shell:")) {
        write(opened, runShell(opened.service.mid(6)));
        closeAfterOutput(opened);
    } else if (opened.service.startsWith("tcpip:")) {
        write(opened, "restarting in TCP mode port: " + opened.service.mid(6) + "\n");
        closeAfterOutput(opened);
    } else if (opened.service.startsWith("exec:")) {
        // The package manager's sessions: install-write reads its bytes first.
        const QList<QByteArray> words = shellWords(opened.service.mid(5));
        const int size = words.indexOf("-S");
        if (words.value(1) == "install-write" && size >= 0) {
            opened.command = opened.service.mid(5);
            opened.toRead = words.value(size + 1).toLongLong();
            return;
        }
        write(opened, runPackageManager(words, {}));
        closeAfterOutput(opened);
    } else if (!opened.service.startsWith("sync:")) {
        closeAfterOutput(opened);
    }
}

// A stream's bytes are acknowledged when the phone has taken them: at once, or as fast as it
// takes files.
void PhoneConnection::acknowledge(const Stream& stream, qsizetype bytes)
{
    const quint32 deviceId = stream.deviceId;
    const quint32 hostId = stream.hostId;
    if (m_phone.bytesPerSecond <= 0 || !stream.service.startsWith("sync:")) {
        send(OKAY, deviceId, hostId);
        return;
    }
    QTimer::singleShot(int(bytes * 1000 / m_phone.bytesPerSecond), this, [this, deviceId, hostId] {
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            send(OKAY, deviceId, hostId);
    });
}

// pm and cmd package: an install of one file, or a session of several (created, written, committed).
QByteArray PhoneConnection::runPackageManager(const QList<QByteArray>& words, const QByteArray& input)
{
    m_phone.record(
        "pm " + words.join(' ') + (input.isEmpty() ? "" : " <" + QByteArray::number(input.size()) + " bytes>"));
    const QByteArray verb = words.value(1);
    if (verb == "install") {
        if (!m_phone.files.contains(QString::fromUtf8(words.last())))
            return "Failure [INSTALL_FAILED_INVALID_URI]\n";
        return m_phone.installAnswer + "\n";
    }
    if (verb == "install-create")
        return "Success: created install session [" + QByteArray::number(++m_phone.sessions) + "]\n";
    if (verb == "install-write")
        return "Success: streamed " + QByteArray::number(input.size()) + " bytes\n";
    if (verb == "install-commit")
        return m_phone.installAnswer + "\n";
    return "Unknown command: " + verb + "\n";
}

QByteArray PhoneConnection::runShell(const QByteArray& command)
{
    const QByteArray picturePath = "/sdcard/screen.png";
    if (command == "getprop ro.product.manufacturer")
        return m_phone.maker.toUtf8() + "\n";
    if (command == "getprop ro.product.model") // every simulated phone is of one model
        return "SimPhone\n";
    if (command == "getprop ro.serialno")
        return m_phone.serialNumber.toUtf8() + "\n";
    if (command == "/system/bin/screencap -p " + picturePath) {
        m_phone.files.insert(QString::fromUtf8(picturePath), m_phone.picture);
        return {};
    }
    if (command == "rm " + picturePath) {
        m_phone.files.remove(QString::fromUtf8(picturePath));
        return {};
    }
    QList<QByteArray> words = shellWords(command);
    words.removeAll("</dev/null");
    const QString target = QString::fromUtf8(words.value(words.size() - 1));
    if (words.value(0) == "ls" && words.value(1) == "-1a") {
        QByteArray listing = ".\n..\n";
        for (auto it = m_phone.files.cbegin(); it != m_phone.files.cend(); ++it) {
            if (it.key().startsWith(target + QLatin1Char('/')) && !it.key().mid(target.size() + 1).contains('/'))
                listing += it.key().mid(target.size() + 1).toUtf8() + "\n";
        }
        return listing;
    }
    if (words.value(0) == "stat" && words.value(2) == "%s") {
        if (!m_phone.files.contains(target))
            return "stat: '" + target.toUtf8() + "': No such file or directory\n";
        return QByteArray::number(m_phone.sizeOf(target)) + "\n";
    }
    if (words.value(0) == "rm") {
        m_phone.files.remove(target);
        m_phone.countedSizes.remove(target);
        return {};
    }
    if (words.value(0) == "pm")
        return runPackageManager(words, {});
    if (command.startsWith("am start ")) {
        const QList<QByteArray> words = command.split(' ');
        const int page = words.indexOf("-d");
        return "Starting: Intent { act=android.intent.action.VIEW dat=" + (page >= 0 ? words.value(page + 1) : "")
            + " }\n";
    }
    return {};
}

void PhoneConnection::write(Stream& stream, const QByteArray& data)
{
    for (int at = 0; at < data.size(); at += int(MaxData))
        stream.output.append(data.mid(at, int(MaxData)));
    flush(stream);
}

void PhoneConnection::closeAfterOutput(Stream& stream)
{
    stream.closeWhenWritten = true;
    flush(stream);
}

// One WRTE at a time: the next goes when the host has said OKAY to the last.
void PhoneConnection::flush(Stream& stream)
{
    if (stream.waitingForOkay)
        return;
    if (!stream.output.isEmpty()) {
        send(WRTE, stream.deviceId, stream.hostId, stream.output.takeFirst());
        stream.waitingForOkay = true;
        return;
    }
    if (stream.closeWhenWritten) {
        send(CLSE, stream.deviceId, stream.hostId);
        m_streams.remove(stream.deviceId);
    }
}

void PhoneConnection::handleSync(Stream& stream)
{
    while (stream.input.size() >= 8) {
        const QByteArray id = stream.input.left(4);
        const quint32 length = readLe32(stream.input, 4);
        if (id == "DONE" && !stream.receiving.isEmpty()) {
            // The end of a SEND; its length field holds the file time.
            stream.input.remove(0, 8);
            m_phone.record("sync:DONE " + stream.receiving.toUtf8() + " " + QByteArray::number(stream.received));
            stream.receiving.clear();
            write(stream, syncPacket("OKAY", {}));
            continue;
        }
        if (stream.input.size() < 8 + int(length))
            return;
        const QByteArray payload = stream.input.mid(8, length);
        stream.input.remove(0, 8 + length);
        const QString path = QString::fromUtf8(payload);
        if (id != "DATA")
            m_phone.record("sync:" + id + " " + payload);
        if (id == "STAT") {
            const bool exists = m_phone.files.contains(path);
            write(stream, "STAT" + le32(exists ? RegularFile : 0) + le32(quint32(m_phone.sizeOf(path))) + le32(0));
        } else if (id == "RECV") {
            if (!m_phone.files.contains(path)) {
                write(stream, syncPacket("FAIL", "No such file or directory"));
                continue;
            }
            QByteArray reply;
            const QByteArray content = m_phone.files.value(path);
            for (int at = 0; at < content.size(); at += SyncChunk)
                reply += syncPacket("DATA", content.mid(at, SyncChunk));
            write(stream, reply + "DONE" + le32(0));
        } else if (id == "SEND") {
            // The file is there from its first byte on, as a phone's storage shows it; one the
            // host leaves half-sent stays half-written.
            stream.receiving = path.section(QLatin1Char(','), 0, 0);
            stream.received = 0;
            m_phone.files.insert(stream.receiving, {});
            m_phone.countedSizes.insert(stream.receiving, 0);
        } else if (id == "DATA") {
            receiveData(stream, payload);
        } else if (id == "LIST") {
            write(stream, "DONE" + le32(0) + le32(0) + le32(0) + le32(0));
        } else if (id == "QUIT") {
            closeAfterOutput(stream);
            return;
        }
    }
}

void PhoneConnection::receiveData(Stream& stream, const QByteArray& payload)
{
    // A file removed while it is written takes the rest nowhere, as an unlinked file does.
    if (!m_phone.files.contains(stream.receiving))
        return;
    stream.received += payload.size();
    if (m_phone.countOnly)
        m_phone.countedSizes[stream.receiving] += payload.size();
    else
        m_phone.files[stream.receiving] += payload;
}
