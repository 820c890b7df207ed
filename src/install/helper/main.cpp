// pannix-tools: one install of the official tools, started by the program's tools window. It
// downloads the release (or copies a chosen file), checks its SHA-256 and unpacks it into the tools'
// root, telling each stage, the progress and the end as one JSON line each on its standard output.
// Its second job: a split app sent to the phones, checked and unpacked into a folder of the
// program's, each part and data file told as a line. The end of its standard input cancels either:
// the window closes it for "取消", and a window that crashed closes it too. The program itself never
// loads the network or archive code.
//
//   pannix-tools --root R --address URL --sha256 HEX --folder NAME [--size-limit BYTES]
//                [--stall-limit-ms MS] [--language NAME] (--download | --file ARCHIVE)
//   pannix-tools --unpack-app ARCHIVE --into FOLDER [--language NAME]
#include "bridge/AppArchiveReport.h"
#include "bridge/Language.h"
#include "install/AppArchive.h"
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

// The split app's parts and data, unpacked into folder and told line by line.
int unpackApp(const QString& archive, const QString& folder)
{
    static std::atomic_bool cancelled = false;
    std::thread([] {
        while (std::fgetc(stdin) != EOF) { }
        cancelled = true;
    }).detach();
    QString problem;
    const AppArchive::Contents contents = AppArchive::unpack(archive, folder, &cancelled, &problem);
    for (const QString& split : contents.splits)
        tell(AppArchiveReport::split(split));
    for (const QString& obb : contents.obbs)
        tell(AppArchiveReport::obb(obb, contents.package));
    tell(AppArchiveReport::finished(problem));
    return problem.isEmpty() ? 0 : 1;
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
    const QCommandLineOption unpack(QStringLiteral("unpack-app"), QStringLiteral("Unpack a split app."), "archive");
    const QCommandLineOption into(QStringLiteral("into"), QStringLiteral("The split app's folder."), "folder");
    parser.addOptions({root, address, sha256, folder, sizeLimit, stallLimit, download, file, language, unpack, into});
    parser.addHelpOption();
    parser.process(app);
    // The window's language, which a test or the user's settings may have chosen over the system's.
    Language::use(parser.isSet(language) ? QLocale(parser.value(language)) : QLocale::system());
    if (parser.isSet(unpack) && !parser.value(into).isEmpty())
        return unpackApp(parser.value(unpack), parser.value(into));
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
