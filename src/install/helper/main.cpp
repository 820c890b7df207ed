// pannix-tools: one install of the official tools, started by the program's tools window. It
// downloads the release (or copies a chosen file), checks its SHA-256 and unpacks it into the tools'
// root, telling each stage, the progress and the end as one JSON line each on its standard output.
// The end of its standard input cancels the install: the window closes it for "取消", and a window
// that crashed closes it too. The program itself never loads the network or archive code.
//
//   pannix-tools --root R --address URL --sha256 HEX --folder NAME [--size-limit BYTES]
//                [--stall-limit-ms MS] [--language NAME] (--download | --file ARCHIVE)
#include "bridge/Language.h"
#include "install/InstallReport.h"
#include "install/ToolsInstall.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <thread>

namespace {

void tell(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

// Cancels the install once the window closes this program's input. Reading blocks, so it has a
// thread of its own; the program's end does not wait for it.
void cancelWhenInputEnds(ToolsInstall& install)
{
    std::thread([&install] {
        while (std::fgetc(stdin) != EOF) { }
        QMetaObject::invokeMethod(&install, &ToolsInstall::cancel, Qt::QueuedConnection);
    }).detach();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pannix-tools"));

    QCommandLineParser parser;
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("The tools' root folder."), "folder");
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("The release's address."), "url");
    const QCommandLineOption sha256(QStringLiteral("sha256"), QStringLiteral("Its published SHA-256."), "hex");
    const QCommandLineOption folder(QStringLiteral("folder"), QStringLiteral("Its one top folder."), "name");
    const QCommandLineOption sizeLimit(QStringLiteral("size-limit"), QStringLiteral("Refused past this."), "bytes");
    const QCommandLineOption stallLimit(QStringLiteral("stall-limit-ms"), QStringLiteral("Given up after."), "ms");
    const QCommandLineOption download(QStringLiteral("download"), QStringLiteral("Download the release."));
    const QCommandLineOption file(QStringLiteral("file"), QStringLiteral("Install this archive."), "archive");
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("The texts' language."), "name");
    parser.addOptions({root, address, sha256, folder, sizeLimit, stallLimit, download, file, language});
    parser.addHelpOption();
    parser.process(app);
    // The window's language, which a test or the user's settings may have chosen over the system's.
    Language::use(parser.isSet(language) ? QLocale(parser.value(language)) : QLocale::system());
    if (parser.value(root).isEmpty() || parser.value(sha256).isEmpty() || parser.value(folder).isEmpty()
        || parser.isSet(download) == parser.isSet(file)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    ToolsRelease release {QUrl(parser.value(address)), parser.value(sha256).toLatin1().toLower(), parser.value(folder)};
    if (parser.isSet(sizeLimit))
        release.sizeLimit = parser.value(sizeLimit).toLongLong();
    if (parser.isSet(stallLimit))
        release.stallLimitMs = parser.value(stallLimit).toInt();
    ToolsInstall install(release, parser.value(root));
    QObject::connect(
        &install, &ToolsInstall::stageChanged, [](InstallStage stage) { tell(InstallReport::stage(stage)); });
    QObject::connect(&install, &ToolsInstall::progress,
        [](qint64 received, qint64 total) { tell(InstallReport::progress(received, total)); });
    QObject::connect(&install, &ToolsInstall::finished, [](const QString& problem) {
        tell(InstallReport::finished(problem));
        QCoreApplication::exit(problem.isEmpty() ? 0 : 1);
    });
    if (parser.isSet(download))
        install.download();
    else
        install.installFile(parser.value(file));
    cancelWhenInputEnds(install);
    return QCoreApplication::exec();
}
