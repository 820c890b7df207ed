#include "tools.h"

#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "bridge/Outside.h"
#include "bridge/Paths.h"
#include "bridge/ToolLocator.h"
#include "bridge/ToolText.h"
#include "bridge/WirelessDebugging.h"
#include "client/ClientVersion.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/FittedText.h"
#include "controls/LinkLabel.h"
#include "controls/N_Shape.h"
#include "controls/WidgetColors.h"
#include "controls/WindowOpening.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

#include <memory>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& place)
{
    QLabel* label = WindowParts::label(parent, name, QString(), place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1000000.0, 'f', 1);
}

// The tool's folder, or nothing when it is found nowhere.
QString folderOf(const QString& tool)
{
    const QString path = ToolLocator::locate(tool);
    return path.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

} // namespace

// Created as every window is, through the program's windows; it needs none of the others, only the
// client's version that the program holds.
tools::tools(ProgramState& state)
    : m_state(state)
    , m_release(ToolsRelease::current())
{
    setObjectName(QStringLiteral("tools"));
    setWindowTitle(tr("获取投屏工具"));
    setFont(captionFont(9));
    setFixedSize(520, 322);
    m_install = new ToolsHelper(m_release, Paths::toolsRoot(), this);
    connect(m_install, &ToolsHelper::stageChanged, this, &tools::showStage);
    connect(m_install, &ToolsHelper::progress, this, &tools::showProgress);
    connect(m_install, &ToolsHelper::finished, this, &tools::finishInstall);
    connect(&m_state.clientVersion(), &ClientVersion::changed, this, [this] {
        if (isVisible())
            describeTools();
    });

    m_toolsState = makeLabel(this, QStringLiteral("toolsState"), QRect(16, 12, 488, 72));
    m_offer = makeLabel(this, QStringLiteral("toolsOffer"), QRect(16, 90, 488, 76));
    setNote(m_offer,
        tr("可以安装：%1（scrcpy %2 的官方发布，含 adb）\n来自：%3\n下载后按官方公布的 SHA-256 校验，安装到：%4")
            .arg(m_release.archiveName(), m_release.version(), m_release.address.toString(),
                QDir::toNativeSeparators(Paths::toolsFolder())));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("toolsProgress"));
    m_progress->setGeometry(16, 174, 488, 20);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progressText = makeLabel(this, QStringLiteral("toolsProgressText"), QRect(16, 198, 488, 20));
    m_status = makeLabel(this, QStringLiteral("toolsStatus"), QRect(16, 222, 488, 48));

    const PropertyBag look = ButtonLooks::window();
    m_download = ButtonLooks::create(this, QStringLiteral("toolsDownload"), look, tr("下载并安装"));
    m_download->setGeometry(16, 278, 150, 30);
    connect(m_download, &N_Shape::Click, this, &tools::downloadClick);
    m_fromFile = ButtonLooks::create(this, QStringLiteral("toolsFromFile"), look, tr("从文件安装…"));
    m_fromFile->setGeometry(176, 278, 150, 30);
    connect(m_fromFile, &N_Shape::Click, this, &tools::fromFileClick);
    m_cancel = ButtonLooks::create(this, QStringLiteral("toolsCancel"), look, tr("取消"));
    m_cancel->setGeometry(404, 278, 100, 30);
    connect(m_cancel, &N_Shape::Click, this, &tools::cancelClick);
    setTabOrder(m_download, m_fromFile);
    setTabOrder(m_fromFile, m_cancel);
    LinkLabel::focusFirstControl(*this);
}

tools::~tools() = default;

void tools::offerAtStartUp()
{
    m_atStartUp = true;
    WindowOpening::bringUp(*this);
}

bool tools::busy() const
{
    return m_install->busy();
}

void tools::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    describeTools();
}

// Closing is cancelling: a transfer under way ends with it, and at start-up the program ends
// unless the tools were installed.
void tools::closeEvent(QCloseEvent* event)
{
    m_install->cancel();
    QWidget::closeEvent(event);
    if (m_atStartUp) {
        m_atStartUp = false;
        emit declined();
    }
}

void tools::describeTools()
{
    const int showing = ++m_showing;
    QStringList missing;
    missing << ToolLocator::missingBridgeFiles();
    if (ToolLocator::locate(QStringLiteral("scrcpy")).isEmpty())
        missing << QStringLiteral("scrcpy");
    if (!missing.isEmpty()) {
        m_toolsState->setText(
            tr("缺少：%1。投屏需要 adb（安卓调试桥）和 scrcpy（投屏客户端），两者都在下面的官方发布中。")
                .arg(missing.join(tr("、"))));
        return;
    }
    // Both found: where, and which versions, as each tool tells it.
    struct Shown
    {
        QString adbVersion = tr("正在询问版本…");
        QString clientVersion = tr("正在询问版本…");
    };
    auto shown = std::make_shared<Shown>();
    const auto show = [this, shown] {
        // Which adb, and why that one: beside a packaged program lies the system's own as well.
        const QString adbFolder = folderOf(QStringLiteral("adb"));
        const QString clientFolder = folderOf(QStringLiteral("scrcpy"));
        const QString text = tr("正在使用：\nadb %1，位于 %2（%5）\nscrcpy %3，位于 %4")
                                 .arg(shown->adbVersion, adbFolder, shown->clientVersion, clientFolder,
                                     ToolLocator::whyChosen(QStringLiteral("adb")));
        const QFont& font = m_toolsState->font();
        m_toolsState->setText(
            FittedText::brokenAtFolders(FittedText::brokenAtFolders(text, adbFolder, font, m_toolsState->width()),
                clientFolder, font, m_toolsState->width()));
    };
    show();
    CommandRunner::call(AdbCommands::version(), this, [this, showing, shown, show](const ToolAnswer& answer) {
        if (showing != m_showing)
            return;
        const QString version = WirelessDebugging::bridgeVersionText(ToolText::lines(answer.output));
        shown->adbVersion = version.isEmpty() ? tr("（版本未知）") : version;
        show();
    });
    // The client's version as the program knows it; asked for now if nobody needed it yet.
    ClientVersion& client = m_state.clientVersion();
    if (client.answered())
        shown->clientVersion = client.version().isNull() ? tr("（版本未知）") : client.version().toString();
    else
        client.ask(); // its answer describes the tools again
}

void tools::downloadClick()
{
    if (m_install->busy())
        return;
    begin(m_download);
    m_progress->setRange(0, 0); // busy until the size is known
    m_install->download();
}

// Every install starts from an empty bar and no words of the last one.
void tools::begin(N_Shape* button)
{
    setBusy(true);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progressText->clear();
    m_lastTry = button;
}

void tools::showStage(InstallStage stage)
{
    switch (stage) {
    case InstallStage::Connecting:
        say(tr("正在连接…"), false);
        break;
    case InstallStage::Downloading:
        say(tr("正在下载…"), false);
        break;
    case InstallStage::Copying:
        say(tr("正在校验并解压…"), false);
        break;
    case InstallStage::Unpacking:
        m_progress->setRange(0, 100);
        m_progress->setValue(100);
        say(tr("正在解压…"), false);
        break;
    }
}

void tools::showProgress(qint64 received, qint64 total)
{
    if (total > 0) {
        const int percent = int(qMin<qint64>(100, received * 100 / total));
        m_progress->setRange(0, 100);
        m_progress->setValue(percent);
        m_progressText->setText(
            tr("已下载 %1 MB / %2 MB（%3%）").arg(megabytes(received), megabytes(total)).arg(percent));
    } else {
        m_progressText->setText(tr("已下载 %1 MB").arg(megabytes(received)));
    }
}

void tools::fromFileClick()
{
    if (m_install->busy())
        return;
    const QString archive = Outside::current().chooseFile(
        tr("选择下载好的 %1").arg(m_release.archiveName()), tr("压缩包 (*.zip *.tar.gz *.tgz);;所有文件 (*)"));
    if (archive.isEmpty())
        return;
    begin(m_fromFile);
    m_chosen = archive;
    m_install->installFile(archive);
}

void tools::cancelClick()
{
    if (m_install->busy())
        m_install->cancel();
    else
        close();
}

void tools::finishInstall(const QString& problem)
{
    setBusy(false);
    if (!problem.isEmpty()) {
        m_progress->setRange(0, 100);
        m_progress->setValue(0);
        m_progressText->clear();
        say(problem, true);
        if (m_lastTry)
            m_lastTry->setFocus(Qt::OtherFocusReason);
        return;
    }
    say(tr("已安装到 %1。").arg(QDir::toNativeSeparators(Paths::toolsFolder())), false);
    describeTools();
    if (m_atStartUp) {
        m_atStartUp = false;
        hide();
    }
    emit installed();
}

// A note that names a folder breaks its path only after a separator: the tools' folder, their root
// or the chosen archive, whichever the note names.
void tools::setNote(QLabel* note, const QString& text)
{
    const QStringList known {m_chosen, Paths::toolsFolder(), Paths::toolsRoot()};
    for (const QString& path : known) {
        const QString shown = QDir::toNativeSeparators(path);
        if (!path.isEmpty() && text.contains(shown)) {
            note->setText(FittedText::brokenAtFolders(text, shown, note->font(), note->width()));
            return;
        }
    }
    note->setText(text);
}

void tools::say(const QString& text, bool problem)
{
    setNote(m_status, text);
    WidgetColors::setText(m_status, problem ? QColor(176, 0, 0) : QColor(0, 0, 160));
}

void tools::setBusy(bool busy)
{
    m_download->setEnabled(!busy);
    m_fromFile->setEnabled(!busy);
}
