#include "ShortcutTable.h"

#include "controls/CaptionFont.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace ShortcutTable {

namespace {
QString translated(const QString& source)
{
    return QCoreApplication::translate("ShortcutTable", source.toUtf8().constData());
}
} // namespace

// Before 1.15 the window's own table (its screen-on row as the client really does it: a single
// right click while the screen is off); from 1.15 on, the rows of the client's shortcut
// documentation for each range of releases, MOD written as its default, Alt.
const QList<Range>& ranges()
{
    static const QList<Range> all {
        {QVersionNumber(1, 0), QT_TRANSLATE_NOOP("ShortcutTable", "1.14 及更早"), QStringLiteral("/sdcard/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Ctrl + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Ctrl + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + x 或 双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + b 或 单击右键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"), QStringLiteral("Ctrl + s")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU"), QStringLiteral("Ctrl + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Ctrl + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Ctrl + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Ctrl + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Ctrl + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"), QStringLiteral("Ctrl + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠通知面板"), QStringLiteral("Ctrl + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将设备剪贴板复制到计算机"), QStringLiteral("Ctrl + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将计算机剪贴板粘贴到设备"), QStringLiteral("Ctrl + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将计算机剪贴板复制到设备"), QStringLiteral("Ctrl + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Ctrl + i")},
            }},
        {QVersionNumber(1, 15), QStringLiteral("1.15 - 1.15.1"), QStringLiteral("/sdcard/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"), QStringLiteral("Alt + s")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"), QStringLiteral("Alt + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠通知面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
            }},
        {QVersionNumber(1, 16), QStringLiteral("1.16 - 1.17"), QStringLiteral("/sdcard/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"), QStringLiteral("Alt + s")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"), QStringLiteral("Alt + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠通知面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放"), QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
            }},
        {QVersionNumber(1, 18), QStringLiteral("1.18 - 1.19"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放"), QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
            }},
        {QVersionNumber(1, 20), QStringLiteral("1.20 - 2.0"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放"), QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(2, 1), QStringLiteral("2.1 - 2.2"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放"), QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(2, 3), QStringLiteral("2.3 - 2.3.1"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ← 或 Alt + Shift + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ↑ 或 Alt + Shift + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放"), QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(2, 4), QStringLiteral("2.4"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ← 或 Alt + Shift + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ↑ 或 Alt + Shift + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开键盘设置（仅 HID 键盘）"), QStringLiteral("Alt + k")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放/旋转"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "倾斜（双指上下滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(2, 5), QStringLiteral("2.5 - 2.7"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ← 或 Alt + Shift + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ↑ 或 Alt + Shift + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "暂停画面（或再次暂停）"), QStringLiteral("Alt + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "继续画面"), QStringLiteral("Alt + Shift + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开键盘设置（仅 HID 键盘）"), QStringLiteral("Alt + k")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放/旋转"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "倾斜（双指上下滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(3, 0), QStringLiteral("3.0 - 3.3.4"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"), QStringLiteral("Alt + f")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ← 或 Alt + Shift + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ↑ 或 Alt + Shift + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "暂停画面（或再次暂停）"), QStringLiteral("Alt + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "继续画面"), QStringLiteral("Alt + Shift + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "重置视频采集/编码"), QStringLiteral("Alt + Shift + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开键盘设置（仅 HID 键盘）"), QStringLiteral("Alt + k")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放/旋转"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直倾斜（双指滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平倾斜（双指滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
            }},
        {QVersionNumber(4, 0), QStringLiteral("4.0 - 4.1"), QStringLiteral("/sdcard/Download/"),
            {
                {QT_TRANSLATE_NOOP("ShortcutTable", "退出"), QStringLiteral("Alt + q")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "切换全屏模式"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + f 或 F11")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向左旋转画面"), QStringLiteral("Alt + ←")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "向右旋转画面"), QStringLiteral("Alt + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ← 或 Alt + Shift + →")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直翻转画面"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + Shift + ↑ 或 Alt + Shift + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "暂停画面（或再次暂停）"), QStringLiteral("Alt + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "继续画面"), QStringLiteral("Alt + Shift + z")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "重置视频采集/编码"), QStringLiteral("Alt + Shift + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "将窗口大小调整为1：1"), QStringLiteral("Alt + g")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "调整窗口大小以删除黑色边框"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + w 或 左键双击黑边")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 HOME"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + h 或 按下滚轮")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 BACK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 APP_SWITCH"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + s 或 鼠标第4键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 MENU（解锁屏幕）"), QStringLiteral("Alt + m")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_UP"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 VOLUME_DOWN"), QStringLiteral("Alt + ↓")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "点击 POWER"), QStringLiteral("Alt + p")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "亮屏"), QT_TRANSLATE_NOOP("ShortcutTable", "单击右键（息屏时）")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭设备屏幕（保持镜像）"), QStringLiteral("Alt + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开设备屏幕"), QStringLiteral("Alt + Shift + o")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "旋转设备屏幕"), QStringLiteral("Alt + r")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开通知面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n 或 鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "展开设置面板"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Alt + n + n 或 双击鼠标第5键")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "折叠面板"), QStringLiteral("Alt + Shift + n")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "复制到剪贴板*"), QStringLiteral("Alt + c")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "剪切到剪贴板*"), QStringLiteral("Alt + x")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "同步剪贴板并粘贴*"), QStringLiteral("Alt + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "输入计算机剪贴板文本"), QStringLiteral("Alt + Shift + v")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开键盘设置（仅 HID 键盘）"), QStringLiteral("Alt + k")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Alt + i")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "双指缩放/旋转"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "垂直倾斜（双指滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "水平倾斜（双指滑动）"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + Shift + 按住拖动")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "从电脑安装 APK"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "推送文件到设备"),
                    QT_TRANSLATE_NOOP("ShortcutTable", "拖入非 APK 文件")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "打开相机闪光灯（仅相机模式）"), QStringLiteral("Alt + t")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "关闭相机闪光灯（仅相机模式）"), QStringLiteral("Alt + Shift + t")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "相机放大（仅相机模式）"), QStringLiteral("Alt + ↑")},
                {QT_TRANSLATE_NOOP("ShortcutTable", "相机缩小（仅相机模式）"), QStringLiteral("Alt + ↓")},
            }},
    };
    return all;
}

const Range& rangeFor(const QVersionNumber& version)
{
    const QList<Range>& all = ranges();
    if (version.isNull())
        return all.last();
    const Range* found = &all.first();
    for (const Range& range : all) {
        if (version >= range.from)
            found = &range;
    }
    return *found;
}

namespace {

// The rows in the language shown: the table holds the source texts, translated where they are read.
QList<Row> shownRows(const QVersionNumber& version)
{
    QList<Row> rows;
    for (const Row& row : rangeFor(version).rows)
        rows.append({translated(row.action), translated(row.shortcut)});
    return rows;
}

} // namespace

// The left table takes the first half of the rows, one more when they are odd.
QList<Row> leftRows(const QVersionNumber& version)
{
    const QList<Row> rows = shownRows(version);
    return rows.mid(0, (rows.size() + 1) / 2);
}

QList<Row> rightRows(const QVersionNumber& version)
{
    const QList<Row> rows = shownRows(version);
    return rows.mid((rows.size() + 1) / 2);
}

QString leftNote(const QVersionNumber& version)
{
    return QCoreApplication::translate("ShortcutTable", "传输文件：拖拽文件至窗口，即可发送至手机的 %1 文件夹。")
        .arg(rangeFor(version).pushFolder);
}

QString rightNote()
{
    return QCoreApplication::translate("ShortcutTable", "安装APK：拖拽.apk至窗口，即可安装软件。");
}

QString versionLine(const QVersionNumber& version, bool stillAsking)
{
    const Range& range = rangeFor(version);
    const QString unknown = stillAsking
        ? QCoreApplication::translate("ShortcutTable", "正在读取已安装的 scrcpy 版本，以下暂为最新版 %1 的快捷键")
        : QCoreApplication::translate("ShortcutTable", "未能读取已安装的 scrcpy 版本，以下为最新版 %1 的快捷键");
    const QString which = version.isNull()
        ? unknown.arg(translated(range.versions))
        : QCoreApplication::translate("ShortcutTable", "以下为 scrcpy %1 的快捷键（适用于 %2）")
              .arg(version.toString(), translated(range.versions));
    if (range.from >= QVersionNumber(1, 15))
        return which
            + QCoreApplication::translate("ShortcutTable", "；Alt 指左 Alt 或左 Super 键，* 仅限 Android 7 及以上");
    return which;
}

namespace {

// A long cell shrinks its type until it fits, rather than being cut off.
void drawFitted(QPainter& painter, const QRectF& box, const QString& text, double points)
{
    QFont font = captionFont(points);
    while (points > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    painter.setFont(font);
    painter.drawText(box, Qt::AlignVCenter, text);
}

void drawTable(QPainter& painter, const QRectF& area, const QList<Row>& rows, int rowCount, const QString& note)
{
    const qreal noteHeight = 22;
    const qreal rowHeight = qMin<qreal>(34, (area.height() - noteHeight) / (rowCount + 1));
    const qreal actionWidth = area.width() * 0.55;
    const QColor line(200, 200, 210);
    const QRectF head(area.left(), area.top(), area.width(), rowHeight);
    painter.fillRect(head, QColor(128, 128, 255));
    painter.setPen(Qt::white);
    painter.setFont(captionFont(rowHeight < 24 ? 9 : 11, true));
    painter.drawText(QRectF(head.left() + 10, head.top(), actionWidth - 10, rowHeight), Qt::AlignVCenter,
        QCoreApplication::translate("ShortcutTable", "操作"));
    painter.drawText(QRectF(head.left() + actionWidth + 10, head.top(), area.width() - actionWidth - 10, rowHeight),
        Qt::AlignVCenter, QCoreApplication::translate("ShortcutTable", "快捷键"));

    const double points = rowHeight < 24 ? 8 : 10;
    qreal top = head.bottom();
    for (int i = 0; i < rows.size(); ++i) {
        const QRectF row(area.left(), top, area.width(), rowHeight);
        painter.fillRect(row, i % 2 ? QColor(244, 244, 252) : Qt::white);
        painter.setPen(QColor(30, 30, 30));
        drawFitted(painter, QRectF(row.left() + 8, row.top(), actionWidth - 10, rowHeight), rows.at(i).action, points);
        drawFitted(painter, QRectF(row.left() + actionWidth + 8, row.top(), area.width() - actionWidth - 10, rowHeight),
            rows.at(i).shortcut, points);
        painter.setPen(line);
        painter.drawLine(row.bottomLeft(), row.bottomRight());
        top += rowHeight;
    }
    painter.setPen(line);
    painter.drawRect(QRectF(area.left(), area.top(), area.width(), top - area.top()));
    painter.drawLine(QPointF(area.left() + actionWidth, area.top()), QPointF(area.left() + actionWidth, top));
    painter.setPen(QColor(60, 60, 60));
    painter.setFont(captionFont(9));
    painter.drawText(QRectF(area.left(), top + 2, area.width(), noteHeight), Qt::AlignLeft | Qt::AlignVCenter, note);
}

} // namespace

QPixmap render(const QSize& size, const QVersionNumber& version, bool stillAsking, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = 10;
    const qreal versionHeight = 18;
    const qreal width = (size.width() - 3 * margin) / 2;
    const qreal height = size.height() - 2 * margin - versionHeight;
    const QList<Row> left = leftRows(version);
    const int rowCount = int(left.size());
    drawTable(painter, QRectF(margin, margin, width, height), left, rowCount, leftNote(version));
    drawTable(painter, QRectF(2 * margin + width, margin, width, height), rightRows(version), rowCount, rightNote());
    painter.setPen(QColor(90, 90, 90));
    painter.setFont(captionFont(8));
    painter.drawText(QRectF(margin, size.height() - margin - versionHeight, size.width() - 2 * margin, versionHeight),
        Qt::AlignLeft | Qt::AlignVCenter, versionLine(version, stillAsking));
    return picture;
}

} // namespace ShortcutTable
