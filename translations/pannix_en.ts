<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <location filename="../src/info/About.cpp" line="41"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="53"/>
        <source>基于Scrcpy有线投屏工具命令库制作的GUI控制台。提供便捷的设置选项。</source>
        <translation>A console for the scrcpy mirroring tool, with handy settings.</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="55"/>
        <source>Scrcpy 作者：Romain Vimont (Genymobile)</source>
        <translation>Scrcpy by Romain Vimont (Genymobile)</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="57"/>
        <source>项目链接：</source>
        <translation>Project:</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="59"/>
        <location filename="../src/info/About.cpp" line="61"/>
        <source>点击访问</source>
        <translation>Visit</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="60"/>
        <source>工具介绍(官方)：</source>
        <translation>About the tool:</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="63"/>
        <source>Scrcpy Version：1.10</source>
        <translation>Scrcpy version: 1.10</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="64"/>
        <source>酷安：@Tollen</source>
        <translation>CoolApk: @Tollen</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="67"/>
        <source>个人主页</source>
        <translation>Home page</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="70"/>
        <source>所有作品</source>
        <translation>All works</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="74"/>
        <source>捐赠支持</source>
        <translation>Donate</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="79"/>
        <source>未配置</source>
        <translation>not configured</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="80"/>
        <source>交流群：</source>
        <translation>Support group: </translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="85"/>
        <source>点击加入</source>
        <translation>Join</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="90"/>
        <source>版权所有 © 酷安@Tollen 保留所有权利。Scrcpy 版权归其作者所有。</source>
        <translation>© CoolApk@Tollen. All rights reserved. Scrcpy © its authors.</translation>
    </message>
    <message>
        <location filename="../src/info/About.cpp" line="104"/>
        <source>交流群的加入页面</source>
        <translation>The support group&apos;s join page</translation>
    </message>
</context>
<context>
    <name>AppArchive</name>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="38"/>
        <source>无法读取应用压缩包：%1</source>
        <translation>Cannot read the app archive: %1</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="38"/>
        <source>未知错误</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="88"/>
        <source>应用压缩包解开后超过 %1 MB（它本身的 100 倍），已被拒绝，没有安装任何东西。</source>
        <translation>The app archive unpacks to more than %1 MB (100 times its own size); it was refused and nothing was installed.</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="104"/>
        <source>应用压缩包中有两个应用的数据（%1 和 %2），已被拒绝。</source>
        <translation>The app archive holds the data of two apps (%1 and %2); it was refused.</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="127"/>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="162"/>
        <source>应用压缩包中没有 .apk 文件，没有安装任何东西。</source>
        <translation>The app archive holds no .apk file; nothing was installed.</translation>
    </message>
    <message>
        <location filename="../src/install/AppArchive.cpp" line="167"/>
        <source>电脑磁盘空间不足，无法解开应用压缩包：%1 所在的磁盘没有空间了。</source>
        <translation>Not enough room on this computer to unpack the app archive: the disk of %1 is full.</translation>
    </message>
</context>
<context>
    <name>AppPicker</name>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="21"/>
        <source>查找：</source>
        <translation>Find:</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="22"/>
        <source>查找应用</source>
        <translation>Find an app</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="23"/>
        <source>输入应用名或包名的一部分</source>
        <translation>Part of an app name or package</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="29"/>
        <source>应用</source>
        <translation>Apps</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="40"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="50"/>
        <source>选择应用 - %1</source>
        <translation>Choose an app - %1</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="55"/>
        <source>正在读取 %1 的应用…</source>
        <translation>Reading the apps of %1…</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="79"/>
        <source>%1 在 %2 秒内没有列出 %3 的应用，请确认手机已连接并已解锁后再试。</source>
        <translation>%1 did not list the apps of %3 within %2 seconds. Check that the phone is connected and unlocked, then try again.</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="88"/>
        <source>%1 的回答不是 %2 的应用列表，没有显示。请确认手机已连接并已允许调试。</source>
        <translation>What %1 answered is not an app list of %2, so it is not shown. Check that the phone is connected and allows debugging.</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="91"/>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="94"/>
        <source>%1 上没有找到应用。</source>
        <translation>No apps found on %1.</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="94"/>
        <source>共 %1 个应用</source>
        <translation>%1 apps</translation>
    </message>
    <message>
        <location filename="../src/launcher/AppPicker.cpp" line="100"/>
        <source>没有取得应用列表。</source>
        <translation>No app list.</translation>
    </message>
</context>
<context>
    <name>BridgeProblems</name>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="16"/>
        <source>找不到 %1！它已不在本程序目录下，也不在系统路径(PATH)中，请放回后重试。</source>
        <translation>%1 is gone: it is neither in the program folder nor on PATH. Put it back and try again.</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="20"/>
        <source>无法启动 %1：%2</source>
        <translation>Cannot start %1: %2</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="22"/>
        <source>%1 在 %2 秒内没有应答，已被停止。</source>
        <translation>%1 did not answer within %2 s and was stopped.</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="26"/>
        <source>%1 意外退出，没有完成。</source>
        <translation>%1 quit unexpectedly before it finished.</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="31"/>
        <source>%1 执行失败（退出码 %2）。</source>
        <translation>%1 failed (exit code %2).</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="34"/>
        <source>%1 已完成，没有返回任何信息。</source>
        <translation>%1 finished without saying anything.</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="71"/>
        <source>%1 没有给出设备列表：它的回答是空的。</source>
        <translation>%1 gave no device list: its answer was empty.</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="75"/>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="76"/>
        <source>%1 没有给出设备列表，它的回答是：<byte value="xd"/>
%2</source>
        <translation>%1 gave no device list. Its answer:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/bridge/BridgeProblems.cpp" line="87"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ClientOptions</name>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="17"/>
        <source>“%2”时不能“%1”</source>
        <translation>&quot;%1&quot; is not possible with &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="19"/>
        <source>scrcpy 4.0 之前，“%2”时不能“%1”（手机不受控制）</source>
        <translation>Before scrcpy 4.0, &quot;%1&quot; is not possible with &quot;%2&quot; (the phone is not controlled)</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="20"/>
        <source>“%2”时声音来自麦克风，不能“%1”</source>
        <translation>With &quot;%2&quot; the sound comes from the microphone, so not &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="21"/>
        <source>“%1”与“%2”不能同时使用</source>
        <translation>&quot;%1&quot; and &quot;%2&quot; cannot be used together</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="67"/>
        <source>虚拟显示器尺寸</source>
        <translation>Virtual display size</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="68"/>
        <source>本次启动使用默认尺寸</source>
        <translation>this launch uses the default size</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="89"/>
        <source>全屏启动</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="90"/>
        <source>主界面置顶</source>
        <translation>Stay on top</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="91"/>
        <source>显示触摸</source>
        <translation>Show touches</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="92"/>
        <source>黑屏启动</source>
        <translation>Screen off</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="104"/>
        <source>H.264</source>
        <translation>H.264</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="105"/>
        <source>H.265</source>
        <translation>H.265</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="107"/>
        <source>AV1</source>
        <translation>AV1</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="109"/>
        <source>最高帧率</source>
        <translation>Max frame rate</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="110"/>
        <source>本次启动不限制帧率</source>
        <translation>this launch does not limit the frame rate</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="112"/>
        <source>电脑播放</source>
        <translation>On computer</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="114"/>
        <source>仍在手机播放</source>
        <translation>Stays on phone</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="117"/>
        <source>电脑和手机同时播放</source>
        <translation>Computer and phone</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="119"/>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="120"/>
        <location filename="../src/client/ClientOptions.cpp" line="124"/>
        <location filename="../src/client/ClientOptions.cpp" line="142"/>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="123"/>
        <source>模拟物理键盘</source>
        <translation>Physical keyboard</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="64"/>
        <source>虚拟显示器</source>
        <translation>Virtual display</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="150"/>
        <source>启动应用</source>
        <translation>Start app</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="76"/>
        <source>摄像头画面</source>
        <translation>Camera</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="126"/>
        <source>模拟物理鼠标</source>
        <translation>Simulated physical mouse</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="128"/>
        <source>AOA 鼠标（USB）</source>
        <translation>AOA mouse (USB)</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="131"/>
        <source>不使用</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="132"/>
        <source>模拟手柄</source>
        <translation>Simulated gamepad</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="134"/>
        <source>AOA 手柄（USB）</source>
        <translation>AOA gamepad (USB)</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="137"/>
        <source>随窗口大小变化</source>
        <translation>Resize with the window</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="140"/>
        <source>关闭后保留其上的应用</source>
        <translation>Keep its apps when closed</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="145"/>
        <source>在虚拟显示器上</source>
        <translation>On the virtual display</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="147"/>
        <source>在手机屏幕上</source>
        <translation>On the phone screen</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="148"/>
        <source>不显示</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="151"/>
        <source>本次启动不打开应用</source>
        <translation>this launch opens no app</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="153"/>
        <source>后置</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="156"/>
        <source>前置</source>
        <translation>Front</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="157"/>
        <source>打开闪光灯</source>
        <translation>Torch on</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="159"/>
        <source>变焦倍数</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="160"/>
        <source>本次启动不变焦</source>
        <translation>this launch does not zoom</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="163"/>
        <source>裁剪画面</source>
        <translation>Crop</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="164"/>
        <source>本次启动不裁剪</source>
        <translation>this launch does not crop</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="165"/>
        <source>不旋转</source>
        <translation>No turn</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="166"/>
        <source>旋转 90°</source>
        <translation>Turn 90°</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="168"/>
        <source>旋转 180°</source>
        <translation>Turn 180°</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="170"/>
        <source>旋转 270°</source>
        <translation>Turn 270°</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="172"/>
        <source>保持唤醒</source>
        <translation>Stay awake</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="173"/>
        <source>保持运行但不亮屏</source>
        <translation>Keep active, screen off</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="176"/>
        <source>无操作后关屏（秒）</source>
        <translation>Screen off after (s)</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="177"/>
        <source>本次启动不设定关屏时间</source>
        <translation>this launch sets no screen-off time</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="178"/>
        <source>关闭窗口时锁屏</source>
        <translation>Lock when closed</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="180"/>
        <source>无边框窗口</source>
        <translation>Borderless</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="182"/>
        <source>只看不控</source>
        <translation>View only</translation>
    </message>
    <message>
        <location filename="../src/client/ClientOptions.cpp" line="294"/>
        <source>%1，本次启动不使用“%2”！</source>
        <translation>%1; this launch does not use &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ClientWatch</name>
    <message>
        <location filename="../src/client/ClientWatch.cpp" line="71"/>
        <source>scrcpy 已结束（状态 %1），没有留下任何输出。</source>
        <translation>scrcpy ended (status %1) without printing anything.</translation>
    </message>
    <message>
        <location filename="../src/client/ClientWatch.cpp" line="75"/>
        <source>设备 %1 未能开始投屏：<byte value="xd"/>
%2<byte value="xd"/>
完整记录见：%3</source>
        <translation>Mirroring %1 did not start:<byte value="xd"/>
%2<byte value="xd"/>
Full log: %3</translation>
    </message>
    <message>
        <location filename="../src/client/ClientWatch.cpp" line="82"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>DonatION</name>
    <message>
        <location filename="../src/info/DonatION.cpp" line="36"/>
        <location filename="../src/info/DonatION.cpp" line="64"/>
        <source>未配置</source>
        <translation>not configured</translation>
    </message>
    <message>
        <location filename="../src/info/DonatION.cpp" line="49"/>
        <source>支持作者</source>
        <translation>Support the author</translation>
    </message>
    <message>
        <location filename="../src/info/DonatION.cpp" line="55"/>
        <source>微信支付</source>
        <translation>WeChat Pay</translation>
    </message>
    <message>
        <location filename="../src/info/DonatION.cpp" line="55"/>
        <source>支付宝</source>
        <translation>Alipay</translation>
    </message>
    <message>
        <location filename="../src/info/DonatION.cpp" line="66"/>
        <source>软件不设高级版、捐赠版。无论您是否捐赠都可以使用全部功能。 谢谢支持！</source>
        <translation>There is no premium edition: every feature is yours, donation or not. Thank you!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="40"/>
        <source>使用前请在手机的开发者选项中打开“USB调试”，连接电脑后在手机上允许调试授权。</source>
        <translation>Turn on &quot;USB debugging&quot; in the phone&apos;s developer options, connect it, then allow debugging on the phone.</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="41"/>
        <source>多台设备同时投屏时，只有第一台设备的声音在电脑上播放，其余设备的声音仍由手机自己播放。</source>
        <translation>With several phones, only the first one&apos;s sound plays on the computer; the others keep theirs.</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="83"/>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="84"/>
        <source>按原设备比例设定纵向分辨率</source>
        <translation>Height; the phone&apos;s aspect ratio is kept</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="87"/>
        <source>默认</source>
        <translation>Max</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="96"/>
        <source>附加设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="102"/>
        <source>悬浮工具栏</source>
        <translation>Panels</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="105"/>
        <source>启动时录屏</source>
        <translation>Record</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="116"/>
        <source>比特率(数值越高，延迟越高，但显示和录屏也越清晰)</source>
        <translation>Bit rate (higher: sharper picture and recording, more delay)</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="120"/>
        <source>8Mbps(默认)</source>
        <translation>8Mbps (default)</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="127"/>
        <source>自定义录屏文件名。默认为ScrRec</source>
        <translation>Recording name (default ScrRec)</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="157"/>
        <source>投屏工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="161"/>
        <source>更多选项…</source>
        <translation>More options…</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="165"/>
        <source>发送文件…</source>
        <translation>Send files…</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="233"/>
        <location filename="../src/launcher/Form1Launch.cpp" line="36"/>
        <location filename="../src/launcher/Form1Launch.cpp" line="53"/>
        <location filename="../src/launcher/Form1Send.cpp" line="71"/>
        <location filename="../src/launcher/Form1Send.cpp" line="75"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="140"/>
        <source>启动</source>
        <translation>Launch</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="143"/>
        <source>软件使用说明与帮助(酷安图文)</source>
        <translation>Help and guide (CoolApk)</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="146"/>
        <source>查看快捷键</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="149"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="179"/>
        <source>公告</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="190"/>
        <source>截屏(screen.png)与录屏文件保存在：</source>
        <translation>Screenshots (screen.png) and recordings go to: </translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="204"/>
        <source>未检测到设备!</source>
        <translation>No device found</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="232"/>
        <source>按Ctrl+f可退出(切换)全屏！</source>
        <translation>Press Ctrl+f to leave (toggle) full screen.</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.cpp" line="232"/>
        <source>按Alt+f可退出(切换)全屏！</source>
        <translation>Press Alt+f to leave (toggle) full screen.</translation>
    </message>
    <message>
        <location filename="../src/bridge/Language.cpp" line="55"/>
        <source>Pannix 酷安@Tollen</source>
        <translation>Pannix CoolApk@Tollen</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1.h" line="75"/>
        <source>录屏文件名</source>
        <translation>Recording name</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="191"/>
        <source>%1 的选项：</source>
        <translation>Options of %1: </translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Launch.cpp" line="71"/>
        <source>正在启动...</source>
        <translation>Launching...</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Launch.cpp" line="177"/>
        <source>应用配置并启动</source>
        <translation>Apply and launch</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="37"/>
        <source>发送到手机：%1 项成功，%2 项失败，%3 项已取消</source>
        <translation>Sent to phones: %1 done, %2 failed, %3 cancelled</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="46"/>
        <source>选择要发送到手机的文件</source>
        <translation>Choose the files to send to the phones</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="57"/>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="69"/>
        <source>没有勾选手机：请先在“多设备启动”中勾选要发送到的手机。</source>
        <translation>No phone is ticked: tick the phones to send to under “Phones” first.</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="70"/>
        <source>这一行没有手机，文件没有发送。</source>
        <translation>No phone is on that row; nothing was sent.</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="107"/>
        <source>松开即发送到 %1</source>
        <translation>Drop to send to %1</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="108"/>
        <source>这一行没有手机</source>
        <translation>No phone on this row</translation>
    </message>
    <message>
        <location filename="../src/launcher/Form1Send.cpp" line="109"/>
        <source>松开即发送到勾选的手机</source>
        <translation>Drop to send to the ticked phones</translation>
    </message>
</context>
<context>
    <name>Freeze</name>
    <message>
        <location filename="../src/panels/Freeze.cpp" line="27"/>
        <source>返回(鼠标右键)</source>
        <translation>Back (right click)</translation>
    </message>
    <message>
        <location filename="../src/panels/Freeze.cpp" line="28"/>
        <source>主页(按下滚轮)</source>
        <translation>Home (wheel click)</translation>
    </message>
    <message>
        <location filename="../src/panels/Freeze.cpp" line="29"/>
        <source>多任务</source>
        <translation>Recent apps</translation>
    </message>
    <message>
        <location filename="../src/panels/Freeze.cpp" line="30"/>
        <source>若出现点击按钮后标题栏变焦从而遮挡投屏画面的情况，建议开启附加设置中的“主界面置顶”。</source>
        <translation>If the title bar covers the mirror after a click, turn on &quot;Stay on top&quot; in the options.</translation>
    </message>
</context>
<context>
    <name>LaunchPlanner</name>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="15"/>
        <source>需要至少选择一个设备！</source>
        <translation>Select at least one device.</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="16"/>
        <source>多设备下不支持录屏！</source>
        <translation>Recording is not available with several devices.</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="17"/>
        <source>多设备下不支持全屏！</source>
        <translation>Full screen is not available with several devices.</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="18"/>
        <source>多设备下不支持工具栏！</source>
        <translation>The panels are not available with several devices.</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="19"/>
        <source>多设备下不支持工具栏</source>
        <translation>The panels are not available with several devices</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="20"/>
        <source>请填写录屏文件名！</source>
        <translation>Enter a recording name.</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="22"/>
        <source>录屏文件名不能含有路径（“/”、“\”或“..”）！</source>
        <translation>The recording name cannot hold a path (&quot;/&quot;, &quot;\&quot; or &quot;..&quot;).</translation>
    </message>
    <message>
        <location filename="../src/bridge/ThisSystemWindows.cpp" line="76"/>
        <source>录屏文件名不能含有“:”（它会指向其他驱动器或文件的数据流）！</source>
        <translation>The recording name cannot hold &quot;:&quot; (it would point to another drive or a file&apos;s data stream).</translation>
    </message>
    <message>
        <location filename="../src/bridge/ThisSystemWindows.cpp" line="80"/>
        <source>录屏文件名不能含有 &lt; &gt; &quot; | ? * 这些字符！</source>
        <translation>The recording name cannot hold &lt; &gt; &quot; | ? *</translation>
    </message>
    <message>
        <location filename="../src/bridge/ThisSystemWindows.cpp" line="83"/>
        <source>录屏文件名不能以点或空格结尾！</source>
        <translation>The recording name cannot end with a dot or a blank.</translation>
    </message>
    <message>
        <location filename="../src/bridge/ThisSystemWindows.cpp" line="87"/>
        <source>录屏文件名不能是设备名（CON、PRN、AUX、NUL、COM1–COM9、LPT1–LPT9）！</source>
        <translation>The recording name cannot be a device name (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9).</translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="71"/>
        <source>启动后则自动开始录屏，关闭窗口或断开设备即可停止！<byte value="xd"/>
录屏文件将保存为：</source>
        <translation>Recording starts with mirroring; close the window or disconnect the phone to stop it.<byte value="xd"/>
The recording is saved as: </translation>
    </message>
    <message>
        <location filename="../src/client/LaunchPlanner.cpp" line="73"/>
        <source>！</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>MakerPages</name>
    <message>
        <location filename="../src/bridge/MakerPages.cpp" line="24"/>
        <source>此页面的网址</source>
        <translation>This page&apos;s address</translation>
    </message>
    <message>
        <location filename="../src/bridge/MakerPages.cpp" line="29"/>
        <source>未配置。</source>
        <translation> is not configured.</translation>
    </message>
    <message>
        <location filename="../src/bridge/MakerPages.cpp" line="30"/>
        <source>提示</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>MirrorClients</name>
    <message>
        <location filename="../src/client/MirrorClients.cpp" line="51"/>
        <source>无法启动 scrcpy！<byte value="xd"/>
</source>
        <translation>Cannot start scrcpy.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/client/MirrorClients.cpp" line="51"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/client/MirrorClients.cpp" line="116"/>
        <source>%1 已重新连接，投屏已重新打开。</source>
        <translation>%1 is back; its mirror was opened again.</translation>
    </message>
    <message>
        <location filename="../src/client/MirrorClients.cpp" line="116"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/client/MirrorClients.cpp" line="113"/>
        <source>%1 已重新连接，但投屏未能重新打开：%2</source>
        <translation>%1 is back, but its mirror could not be opened again: %2</translation>
    </message>
</context>
<context>
    <name>MoreOptions</name>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="141"/>
        <source>“%1”：%2。应为 %3，%4！</source>
        <translation>&quot;%1&quot;: %2. It must be %3; %4.</translation>
    </message>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="211"/>
        <location filename="../src/client/MoreOptions.cpp" line="221"/>
        <source>未填</source>
        <translation>empty</translation>
    </message>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="220"/>
        <source>选中</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="220"/>
        <source>未选</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="239"/>
        <source>%1（所有手机：%2）</source>
        <translation>%1 (every phone: %2)</translation>
    </message>
    <message>
        <location filename="../src/client/MoreOptions.cpp" line="240"/>
        <source>%1：%2（所有手机：%3）</source>
        <translation>%1: %2 (every phone: %3)</translation>
    </message>
</context>
<context>
    <name>Outside</name>
    <message>
        <location filename="../src/bridge/SystemOutside.cpp" line="112"/>
        <source>没有要启动的程序。</source>
        <translation>There is no program to start.</translation>
    </message>
    <message>
        <location filename="../src/bridge/SystemOutside.cpp" line="123"/>
        <source>无法写入它的记录文件 %1：%2</source>
        <translation>Cannot write its log %1: %2</translation>
    </message>
    <message>
        <location filename="../src/bridge/SystemOutside.cpp" line="84"/>
        <location filename="../src/bridge/SystemOutside.cpp" line="133"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PhoneSending</name>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="45"/>
        <source>安装超过 %1 分钟没有结束，已停止</source>
        <translation>The install had not ended after more than %1 minutes and was stopped</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="57"/>
        <source>等待中</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="94"/>
        <source>正在查看手机上的下载文件夹…</source>
        <translation>Looking into the phone’s Download folder…</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="110"/>
        <source>已保存到 %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="121"/>
        <source>正在发送到 %1</source>
        <translation>Sending to %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="152"/>
        <source>手机 %1 秒没有收下任何数据，已停止</source>
        <translation>The phone took nothing for %1 seconds; stopped</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="186"/>
        <source>正在安装…</source>
        <translation>Installing…</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="200"/>
        <location filename="../src/transfer/PhoneSending.cpp" line="241"/>
        <source>已安装</source>
        <translation>Installed</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="215"/>
        <source>应用压缩包没有解开</source>
        <translation>The app archive was not unpacked</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="217"/>
        <source>正在检查并解开应用压缩包…</source>
        <translation>Checking and unpacking the app archive…</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="242"/>
        <source>已安装，数据文件 %1 个已复制到 /sdcard/Android/obb/%2</source>
        <translation>Installed; %1 data files copied to /sdcard/Android/obb/%2</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="265"/>
        <location filename="../src/transfer/PhoneSending.cpp" line="279"/>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="279"/>
        <source>已取消（安装已交给手机的，手机可能仍会装好）</source>
        <translation>Cancelled (an install the phone had already been handed may still finish)</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="285"/>
        <source>正在取消，删除手机上写了一半的文件…</source>
        <translation>Cancelling: removing the half-written file from the phone…</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="292"/>
        <source>已取消，手机上写了一半的文件已删除</source>
        <translation>Cancelled; the half-written file was removed from the phone</translation>
    </message>
    <message>
        <location filename="../src/transfer/PhoneSending.cpp" line="295"/>
        <source>已取消；未能删除手机上写了一半的 %1：%2</source>
        <translation>Cancelled; the half-written %1 could not be removed from the phone: %2</translation>
    </message>
</context>
<context>
    <name>ScreenshotSequence</name>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="110"/>
        <source>手机未能截屏</source>
        <translation>the phone could not take the screenshot</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="116"/>
        <source>它仍保留在手机的 </source>
        <translation>it is still on the phone at </translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="120"/>
        <source>无法在 %1 中写入截图，%2</source>
        <translation>cannot write the screenshot in %1; %2</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="132"/>
        <source>；电脑上原有的 %1 保持不变</source>
        <translation>; %1 on the computer is unchanged</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="134"/>
        <source>截图未能复制到电脑，</source>
        <translation>the screenshot was not copied to the computer; </translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="140"/>
        <source>%1：截图已复制为 %2，但未能替换 %3。<byte value="xd"/>
%4</source>
        <translation>%1: the screenshot was copied as %2 but could not replace %3.<byte value="xd"/>
%4</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="155"/>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="156"/>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="156"/>
        <source>。<byte value="xd"/>
</source>
        <translation>.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/bridge/ScreenshotSequence.cpp" line="165"/>
        <source>截屏未能保存！<byte value="xd"/>
</source>
        <translation>The screenshot was not saved.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SendAnswers</name>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="36"/>
        <location filename="../src/transfer/SendAnswers.cpp" line="100"/>
        <source>手机空间不足</source>
        <translation>Not enough room on the phone</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="38"/>
        <source>手机上已装有更新的版本，不能换成这个较旧的版本</source>
        <translation>The phone has a newer version; it cannot be replaced by this older one</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="40"/>
        <location filename="../src/transfer/SendAnswers.cpp" line="42"/>
        <source>手机上已装的同名应用签名不同：先在手机上卸载它，再安装</source>
        <translation>The app on the phone has another signature: uninstall it on the phone, then install</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="44"/>
        <source>应用的各部分签名不一致，手机不接受</source>
        <translation>The app’s parts are signed differently; the phone refuses it</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="45"/>
        <source>应用没有签名证书，手机不接受</source>
        <translation>The app has no signing certificate; the phone refuses it</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="47"/>
        <source>手机不允许通过 USB 安装应用：请在手机的开发者选项中打开“USB 安装”（小米、OPPO、vivo 等手机需要），再试一次</source>
        <translation>The phone does not allow installs over USB: turn on “Install via USB” in its developer options (Xiaomi, OPPO, vivo and others need it), then try again</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="50"/>
        <source>安装在手机上被取消：手机上若弹出确认，请点“允许”</source>
        <translation>The install was cancelled on the phone: if the phone asks, tap “Allow”</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="51"/>
        <source>手机的 Android 版本太旧，装不了这个应用</source>
        <translation>The phone’s Android is too old for this app</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="52"/>
        <source>这个应用不支持这台手机的处理器</source>
        <translation>This app does not support the phone’s processor</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="53"/>
        <location filename="../src/transfer/SendAnswers.cpp" line="54"/>
        <location filename="../src/transfer/SendAnswers.cpp" line="55"/>
        <source>这不是手机能安装的应用文件</source>
        <translation>This is no app file the phone can install</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="56"/>
        <source>应用缺少它需要的部分（拆分的 APK）</source>
        <translation>The app lacks a part it needs (a split APK)</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="64"/>
        <source>手机未授权：请在手机上允许这台电脑的 USB 调试</source>
        <translation>The phone is unauthorized: allow USB debugging for this computer on the phone</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="66"/>
        <source>手机已离线</source>
        <translation>The phone is offline</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="68"/>
        <source>手机已断开连接</source>
        <translation>The phone is no longer connected</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="71"/>
        <source>发送途中手机断开了连接</source>
        <translation>The phone went away while the file was sent</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="84"/>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="86"/>
        <source>手机拒绝安装：%1</source>
        <translation>The phone refused the install: %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="94"/>
        <source>安装没有完成，手机什么也没有回答</source>
        <translation>The install did not finish; the phone answered nothing</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="94"/>
        <source>安装失败：%1</source>
        <translation>The install failed: %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="109"/>
        <source>手机不接受这个文件：%1</source>
        <translation>The phone does not take this file: %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="111"/>
        <source>发送没有完成</source>
        <translation>The file was not sent</translation>
    </message>
    <message>
        <location filename="../src/transfer/SendAnswers.cpp" line="111"/>
        <source>发送失败：%1</source>
        <translation>Sending failed: %1</translation>
    </message>
</context>
<context>
    <name>SendToSelectedSlots</name>
    <message>
        <location filename="../src/bridge/SendToSelectedSlots.cpp" line="35"/>
        <source>没有已连接的设备！</source>
        <translation>No device is connected.</translation>
    </message>
    <message>
        <location filename="../src/bridge/SendToSelectedSlots.cpp" line="36"/>
        <source>已连接多台设备，请先在启动器中勾选要操作的设备！</source>
        <translation>Several devices are connected: tick the ones to use in the launcher first.</translation>
    </message>
    <message>
        <location filename="../src/bridge/SendToSelectedSlots.cpp" line="57"/>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <location filename="../src/bridge/SendToSelectedSlots.cpp" line="61"/>
        <source>以下设备未能执行此操作：<byte value="xd"/>
</source>
        <translation>These devices could not do it:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <location filename="../src/transfer/Sending.cpp" line="28"/>
        <source>“%1”是一个文件夹，文件夹不能发送。请打开它，选中其中的文件再发送。</source>
        <translation>“%1” is a folder; folders are not sent. Open it, select its files and send them.</translation>
    </message>
    <message>
        <location filename="../src/transfer/Sending.cpp" line="31"/>
        <source>无法读取“%1”，没有发送任何文件。</source>
        <translation>Cannot read “%1”; nothing was sent.</translation>
    </message>
</context>
<context>
    <name>ShortcutTable</name>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="24"/>
        <source>1.14 及更早</source>
        <translation>1.14 and earlier</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="26"/>
        <location filename="../src/client/ShortcutTable.cpp" line="50"/>
        <location filename="../src/client/ShortcutTable.cpp" line="79"/>
        <location filename="../src/client/ShortcutTable.cpp" line="109"/>
        <location filename="../src/client/ShortcutTable.cpp" line="143"/>
        <location filename="../src/client/ShortcutTable.cpp" line="181"/>
        <location filename="../src/client/ShortcutTable.cpp" line="219"/>
        <location filename="../src/client/ShortcutTable.cpp" line="261"/>
        <location filename="../src/client/ShortcutTable.cpp" line="307"/>
        <location filename="../src/client/ShortcutTable.cpp" line="355"/>
        <location filename="../src/client/ShortcutTable.cpp" line="407"/>
        <source>切换全屏模式</source>
        <translation>Toggle full screen</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="27"/>
        <location filename="../src/client/ShortcutTable.cpp" line="53"/>
        <location filename="../src/client/ShortcutTable.cpp" line="82"/>
        <location filename="../src/client/ShortcutTable.cpp" line="112"/>
        <location filename="../src/client/ShortcutTable.cpp" line="146"/>
        <location filename="../src/client/ShortcutTable.cpp" line="184"/>
        <location filename="../src/client/ShortcutTable.cpp" line="226"/>
        <location filename="../src/client/ShortcutTable.cpp" line="268"/>
        <location filename="../src/client/ShortcutTable.cpp" line="316"/>
        <location filename="../src/client/ShortcutTable.cpp" line="365"/>
        <location filename="../src/client/ShortcutTable.cpp" line="418"/>
        <source>将窗口大小调整为1：1</source>
        <translation>Resize window to 1:1</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="28"/>
        <location filename="../src/client/ShortcutTable.cpp" line="54"/>
        <location filename="../src/client/ShortcutTable.cpp" line="83"/>
        <location filename="../src/client/ShortcutTable.cpp" line="113"/>
        <location filename="../src/client/ShortcutTable.cpp" line="147"/>
        <location filename="../src/client/ShortcutTable.cpp" line="185"/>
        <location filename="../src/client/ShortcutTable.cpp" line="227"/>
        <location filename="../src/client/ShortcutTable.cpp" line="269"/>
        <location filename="../src/client/ShortcutTable.cpp" line="317"/>
        <location filename="../src/client/ShortcutTable.cpp" line="366"/>
        <location filename="../src/client/ShortcutTable.cpp" line="419"/>
        <source>调整窗口大小以删除黑色边框</source>
        <translation>Resize window to remove black borders</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="29"/>
        <source>Ctrl + x 或 双击黑边</source>
        <translation>Ctrl + x or double-click a border</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="30"/>
        <location filename="../src/client/ShortcutTable.cpp" line="56"/>
        <location filename="../src/client/ShortcutTable.cpp" line="85"/>
        <location filename="../src/client/ShortcutTable.cpp" line="115"/>
        <location filename="../src/client/ShortcutTable.cpp" line="149"/>
        <location filename="../src/client/ShortcutTable.cpp" line="187"/>
        <location filename="../src/client/ShortcutTable.cpp" line="229"/>
        <location filename="../src/client/ShortcutTable.cpp" line="271"/>
        <location filename="../src/client/ShortcutTable.cpp" line="319"/>
        <location filename="../src/client/ShortcutTable.cpp" line="368"/>
        <location filename="../src/client/ShortcutTable.cpp" line="421"/>
        <source>点击 HOME</source>
        <translation>HOME</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="31"/>
        <source>Ctrl + h 或 按下滚轮</source>
        <translation>Ctrl + h or wheel click</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="32"/>
        <location filename="../src/client/ShortcutTable.cpp" line="58"/>
        <location filename="../src/client/ShortcutTable.cpp" line="87"/>
        <location filename="../src/client/ShortcutTable.cpp" line="117"/>
        <location filename="../src/client/ShortcutTable.cpp" line="151"/>
        <location filename="../src/client/ShortcutTable.cpp" line="189"/>
        <location filename="../src/client/ShortcutTable.cpp" line="231"/>
        <location filename="../src/client/ShortcutTable.cpp" line="273"/>
        <location filename="../src/client/ShortcutTable.cpp" line="321"/>
        <location filename="../src/client/ShortcutTable.cpp" line="370"/>
        <location filename="../src/client/ShortcutTable.cpp" line="423"/>
        <source>点击 BACK</source>
        <translation>BACK</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="33"/>
        <source>Ctrl + b 或 单击右键</source>
        <translation>Ctrl + b or right click</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="34"/>
        <location filename="../src/client/ShortcutTable.cpp" line="60"/>
        <location filename="../src/client/ShortcutTable.cpp" line="89"/>
        <location filename="../src/client/ShortcutTable.cpp" line="119"/>
        <location filename="../src/client/ShortcutTable.cpp" line="153"/>
        <location filename="../src/client/ShortcutTable.cpp" line="191"/>
        <location filename="../src/client/ShortcutTable.cpp" line="233"/>
        <location filename="../src/client/ShortcutTable.cpp" line="275"/>
        <location filename="../src/client/ShortcutTable.cpp" line="323"/>
        <location filename="../src/client/ShortcutTable.cpp" line="372"/>
        <location filename="../src/client/ShortcutTable.cpp" line="425"/>
        <source>点击 APP_SWITCH</source>
        <translation>APP_SWITCH</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="35"/>
        <source>点击 MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="36"/>
        <location filename="../src/client/ShortcutTable.cpp" line="62"/>
        <location filename="../src/client/ShortcutTable.cpp" line="91"/>
        <location filename="../src/client/ShortcutTable.cpp" line="122"/>
        <location filename="../src/client/ShortcutTable.cpp" line="156"/>
        <location filename="../src/client/ShortcutTable.cpp" line="194"/>
        <location filename="../src/client/ShortcutTable.cpp" line="236"/>
        <location filename="../src/client/ShortcutTable.cpp" line="278"/>
        <location filename="../src/client/ShortcutTable.cpp" line="326"/>
        <location filename="../src/client/ShortcutTable.cpp" line="375"/>
        <location filename="../src/client/ShortcutTable.cpp" line="428"/>
        <source>点击 VOLUME_UP</source>
        <translation>VOLUME_UP</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="37"/>
        <location filename="../src/client/ShortcutTable.cpp" line="63"/>
        <location filename="../src/client/ShortcutTable.cpp" line="92"/>
        <location filename="../src/client/ShortcutTable.cpp" line="123"/>
        <location filename="../src/client/ShortcutTable.cpp" line="157"/>
        <location filename="../src/client/ShortcutTable.cpp" line="195"/>
        <location filename="../src/client/ShortcutTable.cpp" line="237"/>
        <location filename="../src/client/ShortcutTable.cpp" line="279"/>
        <location filename="../src/client/ShortcutTable.cpp" line="327"/>
        <location filename="../src/client/ShortcutTable.cpp" line="376"/>
        <location filename="../src/client/ShortcutTable.cpp" line="429"/>
        <source>点击 VOLUME_DOWN</source>
        <translation>VOLUME_DOWN</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="38"/>
        <location filename="../src/client/ShortcutTable.cpp" line="64"/>
        <location filename="../src/client/ShortcutTable.cpp" line="93"/>
        <location filename="../src/client/ShortcutTable.cpp" line="124"/>
        <location filename="../src/client/ShortcutTable.cpp" line="158"/>
        <location filename="../src/client/ShortcutTable.cpp" line="196"/>
        <location filename="../src/client/ShortcutTable.cpp" line="238"/>
        <location filename="../src/client/ShortcutTable.cpp" line="280"/>
        <location filename="../src/client/ShortcutTable.cpp" line="328"/>
        <location filename="../src/client/ShortcutTable.cpp" line="377"/>
        <location filename="../src/client/ShortcutTable.cpp" line="430"/>
        <source>点击 POWER</source>
        <translation>POWER</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="39"/>
        <location filename="../src/client/ShortcutTable.cpp" line="65"/>
        <location filename="../src/client/ShortcutTable.cpp" line="94"/>
        <location filename="../src/client/ShortcutTable.cpp" line="125"/>
        <location filename="../src/client/ShortcutTable.cpp" line="159"/>
        <location filename="../src/client/ShortcutTable.cpp" line="197"/>
        <location filename="../src/client/ShortcutTable.cpp" line="239"/>
        <location filename="../src/client/ShortcutTable.cpp" line="281"/>
        <location filename="../src/client/ShortcutTable.cpp" line="329"/>
        <location filename="../src/client/ShortcutTable.cpp" line="378"/>
        <location filename="../src/client/ShortcutTable.cpp" line="431"/>
        <source>亮屏</source>
        <translation>Turn screen on</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="39"/>
        <location filename="../src/client/ShortcutTable.cpp" line="65"/>
        <location filename="../src/client/ShortcutTable.cpp" line="94"/>
        <location filename="../src/client/ShortcutTable.cpp" line="125"/>
        <location filename="../src/client/ShortcutTable.cpp" line="159"/>
        <location filename="../src/client/ShortcutTable.cpp" line="197"/>
        <location filename="../src/client/ShortcutTable.cpp" line="239"/>
        <location filename="../src/client/ShortcutTable.cpp" line="281"/>
        <location filename="../src/client/ShortcutTable.cpp" line="329"/>
        <location filename="../src/client/ShortcutTable.cpp" line="378"/>
        <location filename="../src/client/ShortcutTable.cpp" line="431"/>
        <source>单击右键（息屏时）</source>
        <translation>Right click (screen off)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="40"/>
        <location filename="../src/client/ShortcutTable.cpp" line="66"/>
        <location filename="../src/client/ShortcutTable.cpp" line="95"/>
        <location filename="../src/client/ShortcutTable.cpp" line="126"/>
        <location filename="../src/client/ShortcutTable.cpp" line="160"/>
        <location filename="../src/client/ShortcutTable.cpp" line="198"/>
        <location filename="../src/client/ShortcutTable.cpp" line="240"/>
        <location filename="../src/client/ShortcutTable.cpp" line="282"/>
        <location filename="../src/client/ShortcutTable.cpp" line="330"/>
        <location filename="../src/client/ShortcutTable.cpp" line="379"/>
        <location filename="../src/client/ShortcutTable.cpp" line="432"/>
        <source>关闭设备屏幕（保持镜像）</source>
        <translation>Turn phone screen off (keep mirroring)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="41"/>
        <location filename="../src/client/ShortcutTable.cpp" line="69"/>
        <location filename="../src/client/ShortcutTable.cpp" line="98"/>
        <location filename="../src/client/ShortcutTable.cpp" line="129"/>
        <location filename="../src/client/ShortcutTable.cpp" line="163"/>
        <location filename="../src/client/ShortcutTable.cpp" line="201"/>
        <location filename="../src/client/ShortcutTable.cpp" line="243"/>
        <location filename="../src/client/ShortcutTable.cpp" line="285"/>
        <location filename="../src/client/ShortcutTable.cpp" line="333"/>
        <location filename="../src/client/ShortcutTable.cpp" line="382"/>
        <location filename="../src/client/ShortcutTable.cpp" line="435"/>
        <source>展开通知面板</source>
        <translation>Expand notification panel</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="42"/>
        <location filename="../src/client/ShortcutTable.cpp" line="70"/>
        <location filename="../src/client/ShortcutTable.cpp" line="99"/>
        <source>折叠通知面板</source>
        <translation>Collapse notification panel</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="43"/>
        <source>将设备剪贴板复制到计算机</source>
        <translation>Copy phone clipboard to computer</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="44"/>
        <source>将计算机剪贴板粘贴到设备</source>
        <translation>Paste computer clipboard to phone</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="45"/>
        <source>将计算机剪贴板复制到设备</source>
        <translation>Copy computer clipboard to phone</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="46"/>
        <location filename="../src/client/ShortcutTable.cpp" line="75"/>
        <location filename="../src/client/ShortcutTable.cpp" line="104"/>
        <location filename="../src/client/ShortcutTable.cpp" line="138"/>
        <location filename="../src/client/ShortcutTable.cpp" line="172"/>
        <location filename="../src/client/ShortcutTable.cpp" line="210"/>
        <location filename="../src/client/ShortcutTable.cpp" line="252"/>
        <location filename="../src/client/ShortcutTable.cpp" line="295"/>
        <location filename="../src/client/ShortcutTable.cpp" line="343"/>
        <location filename="../src/client/ShortcutTable.cpp" line="392"/>
        <location filename="../src/client/ShortcutTable.cpp" line="445"/>
        <source>启用/禁用FPS计数器（在标准输出上）</source>
        <translation>FPS counter on/off (on stdout)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="51"/>
        <location filename="../src/client/ShortcutTable.cpp" line="80"/>
        <location filename="../src/client/ShortcutTable.cpp" line="110"/>
        <location filename="../src/client/ShortcutTable.cpp" line="144"/>
        <location filename="../src/client/ShortcutTable.cpp" line="182"/>
        <location filename="../src/client/ShortcutTable.cpp" line="220"/>
        <location filename="../src/client/ShortcutTable.cpp" line="262"/>
        <location filename="../src/client/ShortcutTable.cpp" line="308"/>
        <location filename="../src/client/ShortcutTable.cpp" line="356"/>
        <location filename="../src/client/ShortcutTable.cpp" line="409"/>
        <source>向左旋转画面</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="52"/>
        <location filename="../src/client/ShortcutTable.cpp" line="81"/>
        <location filename="../src/client/ShortcutTable.cpp" line="111"/>
        <location filename="../src/client/ShortcutTable.cpp" line="145"/>
        <location filename="../src/client/ShortcutTable.cpp" line="183"/>
        <location filename="../src/client/ShortcutTable.cpp" line="221"/>
        <location filename="../src/client/ShortcutTable.cpp" line="263"/>
        <location filename="../src/client/ShortcutTable.cpp" line="309"/>
        <location filename="../src/client/ShortcutTable.cpp" line="357"/>
        <location filename="../src/client/ShortcutTable.cpp" line="410"/>
        <source>向右旋转画面</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="55"/>
        <location filename="../src/client/ShortcutTable.cpp" line="84"/>
        <source>Alt + w 或 双击黑边</source>
        <translation>Alt + w or double-click a border</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="57"/>
        <location filename="../src/client/ShortcutTable.cpp" line="86"/>
        <location filename="../src/client/ShortcutTable.cpp" line="116"/>
        <location filename="../src/client/ShortcutTable.cpp" line="150"/>
        <location filename="../src/client/ShortcutTable.cpp" line="188"/>
        <location filename="../src/client/ShortcutTable.cpp" line="230"/>
        <location filename="../src/client/ShortcutTable.cpp" line="272"/>
        <location filename="../src/client/ShortcutTable.cpp" line="320"/>
        <location filename="../src/client/ShortcutTable.cpp" line="369"/>
        <location filename="../src/client/ShortcutTable.cpp" line="422"/>
        <source>Alt + h 或 按下滚轮</source>
        <translation>Alt + h or wheel click</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="59"/>
        <location filename="../src/client/ShortcutTable.cpp" line="88"/>
        <location filename="../src/client/ShortcutTable.cpp" line="118"/>
        <location filename="../src/client/ShortcutTable.cpp" line="152"/>
        <source>Alt + b 或 单击右键（亮屏时）</source>
        <translation>Alt + b or right click (screen on)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="61"/>
        <location filename="../src/client/ShortcutTable.cpp" line="90"/>
        <location filename="../src/client/ShortcutTable.cpp" line="121"/>
        <location filename="../src/client/ShortcutTable.cpp" line="155"/>
        <location filename="../src/client/ShortcutTable.cpp" line="193"/>
        <location filename="../src/client/ShortcutTable.cpp" line="235"/>
        <location filename="../src/client/ShortcutTable.cpp" line="277"/>
        <location filename="../src/client/ShortcutTable.cpp" line="325"/>
        <location filename="../src/client/ShortcutTable.cpp" line="374"/>
        <location filename="../src/client/ShortcutTable.cpp" line="427"/>
        <source>点击 MENU（解锁屏幕）</source>
        <translation>MENU (unlock screen)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="67"/>
        <location filename="../src/client/ShortcutTable.cpp" line="96"/>
        <location filename="../src/client/ShortcutTable.cpp" line="127"/>
        <location filename="../src/client/ShortcutTable.cpp" line="161"/>
        <location filename="../src/client/ShortcutTable.cpp" line="199"/>
        <location filename="../src/client/ShortcutTable.cpp" line="241"/>
        <location filename="../src/client/ShortcutTable.cpp" line="283"/>
        <location filename="../src/client/ShortcutTable.cpp" line="331"/>
        <location filename="../src/client/ShortcutTable.cpp" line="380"/>
        <location filename="../src/client/ShortcutTable.cpp" line="433"/>
        <source>打开设备屏幕</source>
        <translation>Turn phone screen on</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="68"/>
        <location filename="../src/client/ShortcutTable.cpp" line="97"/>
        <location filename="../src/client/ShortcutTable.cpp" line="128"/>
        <location filename="../src/client/ShortcutTable.cpp" line="162"/>
        <location filename="../src/client/ShortcutTable.cpp" line="200"/>
        <location filename="../src/client/ShortcutTable.cpp" line="242"/>
        <location filename="../src/client/ShortcutTable.cpp" line="284"/>
        <location filename="../src/client/ShortcutTable.cpp" line="332"/>
        <location filename="../src/client/ShortcutTable.cpp" line="381"/>
        <location filename="../src/client/ShortcutTable.cpp" line="434"/>
        <source>旋转设备屏幕</source>
        <translation>Rotate phone screen</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="71"/>
        <location filename="../src/client/ShortcutTable.cpp" line="100"/>
        <location filename="../src/client/ShortcutTable.cpp" line="134"/>
        <location filename="../src/client/ShortcutTable.cpp" line="168"/>
        <location filename="../src/client/ShortcutTable.cpp" line="206"/>
        <location filename="../src/client/ShortcutTable.cpp" line="248"/>
        <location filename="../src/client/ShortcutTable.cpp" line="290"/>
        <location filename="../src/client/ShortcutTable.cpp" line="338"/>
        <location filename="../src/client/ShortcutTable.cpp" line="387"/>
        <location filename="../src/client/ShortcutTable.cpp" line="440"/>
        <source>复制到剪贴板*</source>
        <translation>Copy to clipboard*</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="72"/>
        <location filename="../src/client/ShortcutTable.cpp" line="101"/>
        <location filename="../src/client/ShortcutTable.cpp" line="135"/>
        <location filename="../src/client/ShortcutTable.cpp" line="169"/>
        <location filename="../src/client/ShortcutTable.cpp" line="207"/>
        <location filename="../src/client/ShortcutTable.cpp" line="249"/>
        <location filename="../src/client/ShortcutTable.cpp" line="291"/>
        <location filename="../src/client/ShortcutTable.cpp" line="339"/>
        <location filename="../src/client/ShortcutTable.cpp" line="388"/>
        <location filename="../src/client/ShortcutTable.cpp" line="441"/>
        <source>剪切到剪贴板*</source>
        <translation>Cut to clipboard*</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="73"/>
        <location filename="../src/client/ShortcutTable.cpp" line="102"/>
        <location filename="../src/client/ShortcutTable.cpp" line="136"/>
        <location filename="../src/client/ShortcutTable.cpp" line="170"/>
        <location filename="../src/client/ShortcutTable.cpp" line="208"/>
        <location filename="../src/client/ShortcutTable.cpp" line="250"/>
        <location filename="../src/client/ShortcutTable.cpp" line="292"/>
        <location filename="../src/client/ShortcutTable.cpp" line="340"/>
        <location filename="../src/client/ShortcutTable.cpp" line="389"/>
        <location filename="../src/client/ShortcutTable.cpp" line="442"/>
        <source>同步剪贴板并粘贴*</source>
        <translation>Sync clipboard and paste*</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="74"/>
        <location filename="../src/client/ShortcutTable.cpp" line="103"/>
        <location filename="../src/client/ShortcutTable.cpp" line="137"/>
        <location filename="../src/client/ShortcutTable.cpp" line="171"/>
        <location filename="../src/client/ShortcutTable.cpp" line="209"/>
        <location filename="../src/client/ShortcutTable.cpp" line="251"/>
        <location filename="../src/client/ShortcutTable.cpp" line="293"/>
        <location filename="../src/client/ShortcutTable.cpp" line="341"/>
        <location filename="../src/client/ShortcutTable.cpp" line="390"/>
        <location filename="../src/client/ShortcutTable.cpp" line="443"/>
        <source>输入计算机剪贴板文本</source>
        <translation>Type computer clipboard text</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="105"/>
        <location filename="../src/client/ShortcutTable.cpp" line="139"/>
        <location filename="../src/client/ShortcutTable.cpp" line="173"/>
        <location filename="../src/client/ShortcutTable.cpp" line="211"/>
        <location filename="../src/client/ShortcutTable.cpp" line="253"/>
        <source>双指缩放</source>
        <translation>Pinch to zoom</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="105"/>
        <location filename="../src/client/ShortcutTable.cpp" line="139"/>
        <location filename="../src/client/ShortcutTable.cpp" line="173"/>
        <location filename="../src/client/ShortcutTable.cpp" line="211"/>
        <location filename="../src/client/ShortcutTable.cpp" line="253"/>
        <location filename="../src/client/ShortcutTable.cpp" line="297"/>
        <location filename="../src/client/ShortcutTable.cpp" line="345"/>
        <location filename="../src/client/ShortcutTable.cpp" line="394"/>
        <location filename="../src/client/ShortcutTable.cpp" line="447"/>
        <source>Ctrl + 按住拖动</source>
        <translation>Ctrl + drag</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="114"/>
        <location filename="../src/client/ShortcutTable.cpp" line="148"/>
        <location filename="../src/client/ShortcutTable.cpp" line="186"/>
        <location filename="../src/client/ShortcutTable.cpp" line="228"/>
        <location filename="../src/client/ShortcutTable.cpp" line="270"/>
        <location filename="../src/client/ShortcutTable.cpp" line="318"/>
        <location filename="../src/client/ShortcutTable.cpp" line="367"/>
        <location filename="../src/client/ShortcutTable.cpp" line="420"/>
        <source>Alt + w 或 左键双击黑边</source>
        <translation>Alt + w or double-left-click a border</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="120"/>
        <location filename="../src/client/ShortcutTable.cpp" line="154"/>
        <location filename="../src/client/ShortcutTable.cpp" line="192"/>
        <location filename="../src/client/ShortcutTable.cpp" line="234"/>
        <location filename="../src/client/ShortcutTable.cpp" line="276"/>
        <location filename="../src/client/ShortcutTable.cpp" line="324"/>
        <location filename="../src/client/ShortcutTable.cpp" line="373"/>
        <location filename="../src/client/ShortcutTable.cpp" line="426"/>
        <source>Alt + s 或 鼠标第4键</source>
        <translation>Alt + s or mouse button 4</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="130"/>
        <location filename="../src/client/ShortcutTable.cpp" line="164"/>
        <location filename="../src/client/ShortcutTable.cpp" line="202"/>
        <location filename="../src/client/ShortcutTable.cpp" line="244"/>
        <location filename="../src/client/ShortcutTable.cpp" line="286"/>
        <location filename="../src/client/ShortcutTable.cpp" line="334"/>
        <location filename="../src/client/ShortcutTable.cpp" line="383"/>
        <location filename="../src/client/ShortcutTable.cpp" line="436"/>
        <source>Alt + n 或 鼠标第5键</source>
        <translation>Alt + n or mouse button 5</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="131"/>
        <location filename="../src/client/ShortcutTable.cpp" line="165"/>
        <location filename="../src/client/ShortcutTable.cpp" line="203"/>
        <location filename="../src/client/ShortcutTable.cpp" line="245"/>
        <location filename="../src/client/ShortcutTable.cpp" line="287"/>
        <location filename="../src/client/ShortcutTable.cpp" line="335"/>
        <location filename="../src/client/ShortcutTable.cpp" line="384"/>
        <location filename="../src/client/ShortcutTable.cpp" line="437"/>
        <source>展开设置面板</source>
        <translation>Expand settings panel</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="132"/>
        <location filename="../src/client/ShortcutTable.cpp" line="166"/>
        <location filename="../src/client/ShortcutTable.cpp" line="204"/>
        <location filename="../src/client/ShortcutTable.cpp" line="246"/>
        <location filename="../src/client/ShortcutTable.cpp" line="288"/>
        <location filename="../src/client/ShortcutTable.cpp" line="336"/>
        <location filename="../src/client/ShortcutTable.cpp" line="385"/>
        <location filename="../src/client/ShortcutTable.cpp" line="438"/>
        <source>Alt + n + n 或 双击鼠标第5键</source>
        <translation>Alt + n + n or double-click button 5</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="133"/>
        <location filename="../src/client/ShortcutTable.cpp" line="167"/>
        <location filename="../src/client/ShortcutTable.cpp" line="205"/>
        <location filename="../src/client/ShortcutTable.cpp" line="247"/>
        <location filename="../src/client/ShortcutTable.cpp" line="289"/>
        <location filename="../src/client/ShortcutTable.cpp" line="337"/>
        <location filename="../src/client/ShortcutTable.cpp" line="386"/>
        <location filename="../src/client/ShortcutTable.cpp" line="439"/>
        <source>折叠面板</source>
        <translation>Collapse panels</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="174"/>
        <location filename="../src/client/ShortcutTable.cpp" line="212"/>
        <location filename="../src/client/ShortcutTable.cpp" line="254"/>
        <location filename="../src/client/ShortcutTable.cpp" line="300"/>
        <location filename="../src/client/ShortcutTable.cpp" line="348"/>
        <location filename="../src/client/ShortcutTable.cpp" line="399"/>
        <location filename="../src/client/ShortcutTable.cpp" line="452"/>
        <source>从电脑安装 APK</source>
        <translation>Install APK from computer</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="175"/>
        <location filename="../src/client/ShortcutTable.cpp" line="213"/>
        <location filename="../src/client/ShortcutTable.cpp" line="255"/>
        <location filename="../src/client/ShortcutTable.cpp" line="301"/>
        <location filename="../src/client/ShortcutTable.cpp" line="349"/>
        <location filename="../src/client/ShortcutTable.cpp" line="400"/>
        <location filename="../src/client/ShortcutTable.cpp" line="453"/>
        <source>拖入 APK 文件</source>
        <translation>Drop an APK file</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="176"/>
        <location filename="../src/client/ShortcutTable.cpp" line="214"/>
        <location filename="../src/client/ShortcutTable.cpp" line="256"/>
        <location filename="../src/client/ShortcutTable.cpp" line="302"/>
        <location filename="../src/client/ShortcutTable.cpp" line="350"/>
        <location filename="../src/client/ShortcutTable.cpp" line="401"/>
        <location filename="../src/client/ShortcutTable.cpp" line="454"/>
        <source>推送文件到设备</source>
        <translation>Push file to phone</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="177"/>
        <location filename="../src/client/ShortcutTable.cpp" line="215"/>
        <location filename="../src/client/ShortcutTable.cpp" line="257"/>
        <location filename="../src/client/ShortcutTable.cpp" line="303"/>
        <location filename="../src/client/ShortcutTable.cpp" line="351"/>
        <location filename="../src/client/ShortcutTable.cpp" line="402"/>
        <location filename="../src/client/ShortcutTable.cpp" line="455"/>
        <source>拖入非 APK 文件</source>
        <translation>Drop a non-APK file</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="190"/>
        <location filename="../src/client/ShortcutTable.cpp" line="232"/>
        <location filename="../src/client/ShortcutTable.cpp" line="274"/>
        <location filename="../src/client/ShortcutTable.cpp" line="322"/>
        <location filename="../src/client/ShortcutTable.cpp" line="371"/>
        <location filename="../src/client/ShortcutTable.cpp" line="424"/>
        <source>Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）</source>
        <translation>Alt + b, Alt + Backspace or right click (screen on)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="222"/>
        <location filename="../src/client/ShortcutTable.cpp" line="264"/>
        <location filename="../src/client/ShortcutTable.cpp" line="310"/>
        <location filename="../src/client/ShortcutTable.cpp" line="358"/>
        <location filename="../src/client/ShortcutTable.cpp" line="411"/>
        <source>水平翻转画面</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="223"/>
        <location filename="../src/client/ShortcutTable.cpp" line="265"/>
        <location filename="../src/client/ShortcutTable.cpp" line="311"/>
        <location filename="../src/client/ShortcutTable.cpp" line="359"/>
        <location filename="../src/client/ShortcutTable.cpp" line="412"/>
        <source>Alt + Shift + ← 或 Alt + Shift + →</source>
        <translation>Alt + Shift + ← or Alt + Shift + →</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="224"/>
        <location filename="../src/client/ShortcutTable.cpp" line="266"/>
        <location filename="../src/client/ShortcutTable.cpp" line="312"/>
        <location filename="../src/client/ShortcutTable.cpp" line="360"/>
        <location filename="../src/client/ShortcutTable.cpp" line="413"/>
        <source>垂直翻转画面</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="225"/>
        <location filename="../src/client/ShortcutTable.cpp" line="267"/>
        <location filename="../src/client/ShortcutTable.cpp" line="313"/>
        <location filename="../src/client/ShortcutTable.cpp" line="361"/>
        <location filename="../src/client/ShortcutTable.cpp" line="414"/>
        <source>Alt + Shift + ↑ 或 Alt + Shift + ↓</source>
        <translation>Alt + Shift + ↑ or Alt + Shift + ↓</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="294"/>
        <location filename="../src/client/ShortcutTable.cpp" line="342"/>
        <location filename="../src/client/ShortcutTable.cpp" line="391"/>
        <location filename="../src/client/ShortcutTable.cpp" line="444"/>
        <source>打开键盘设置（仅 HID 键盘）</source>
        <translation>Keyboard settings (HID keyboard only)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="296"/>
        <location filename="../src/client/ShortcutTable.cpp" line="344"/>
        <location filename="../src/client/ShortcutTable.cpp" line="393"/>
        <location filename="../src/client/ShortcutTable.cpp" line="446"/>
        <source>双指缩放/旋转</source>
        <translation>Pinch to zoom/rotate</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="298"/>
        <location filename="../src/client/ShortcutTable.cpp" line="346"/>
        <source>倾斜（双指上下滑动）</source>
        <translation>Tilt (two-finger vertical slide)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="299"/>
        <location filename="../src/client/ShortcutTable.cpp" line="347"/>
        <location filename="../src/client/ShortcutTable.cpp" line="396"/>
        <location filename="../src/client/ShortcutTable.cpp" line="449"/>
        <source>Shift + 按住拖动</source>
        <translation>Shift + drag</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="314"/>
        <location filename="../src/client/ShortcutTable.cpp" line="362"/>
        <location filename="../src/client/ShortcutTable.cpp" line="415"/>
        <source>暂停画面（或再次暂停）</source>
        <translation>Pause picture (or pause again)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="315"/>
        <location filename="../src/client/ShortcutTable.cpp" line="363"/>
        <location filename="../src/client/ShortcutTable.cpp" line="416"/>
        <source>继续画面</source>
        <translation>Resume picture</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="364"/>
        <location filename="../src/client/ShortcutTable.cpp" line="417"/>
        <source>重置视频采集/编码</source>
        <translation>Reset video capture/encoding</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="395"/>
        <location filename="../src/client/ShortcutTable.cpp" line="448"/>
        <source>垂直倾斜（双指滑动）</source>
        <translation>Vertical tilt (two-finger slide)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="397"/>
        <location filename="../src/client/ShortcutTable.cpp" line="450"/>
        <source>水平倾斜（双指滑动）</source>
        <translation>Horizontal tilt (two-finger slide)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="398"/>
        <location filename="../src/client/ShortcutTable.cpp" line="451"/>
        <source>Ctrl + Shift + 按住拖动</source>
        <translation>Ctrl + Shift + drag</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="406"/>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="408"/>
        <source>Alt + f 或 F11</source>
        <translation>Alt + f or F11</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="456"/>
        <source>打开相机闪光灯（仅相机模式）</source>
        <translation>Camera torch on (camera mode only)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="457"/>
        <source>关闭相机闪光灯（仅相机模式）</source>
        <translation>Camera torch off (camera mode only)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="458"/>
        <source>相机放大（仅相机模式）</source>
        <translation>Camera zoom in (camera mode only)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="459"/>
        <source>相机缩小（仅相机模式）</source>
        <translation>Camera zoom out (camera mode only)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="506"/>
        <source>传输文件：拖拽文件至窗口，即可发送至手机的 %1 文件夹。</source>
        <translation>Send a file: drop it on the window to push it to the phone&apos;s %1 folder.</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="512"/>
        <source>安装APK：拖拽.apk至窗口，即可安装软件。</source>
        <translation>Install an app: drop an .apk on the window.</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="519"/>
        <source>正在读取已安装的 scrcpy 版本，以下暂为最新版 %1 的快捷键</source>
        <translation>Reading the installed scrcpy version; meanwhile the shortcuts of the latest, %1</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="520"/>
        <source>未能读取已安装的 scrcpy 版本，以下为最新版 %1 的快捷键</source>
        <translation>The installed scrcpy version is unknown; these are the shortcuts of the latest, %1</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="523"/>
        <source>以下为 scrcpy %1 的快捷键（适用于 %2）</source>
        <translation>Shortcuts of scrcpy %1 (for %2)</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="527"/>
        <source>；Alt 指左 Alt 或左 Super 键，* 仅限 Android 7 及以上</source>
        <translation>; Alt is left Alt or left Super, * Android 7 and later only</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="556"/>
        <source>操作</source>
        <translation>Action</translation>
    </message>
    <message>
        <location filename="../src/client/ShortcutTable.cpp" line="558"/>
        <source>快捷键</source>
        <translation>Shortcut</translation>
    </message>
</context>
<context>
    <name>SlotsFrame</name>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="29"/>
        <source>多设备启动</source>
        <translation>Phones</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="38"/>
        <source>自己的选项</source>
        <translation>Own options</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="56"/>
        <source>%1 在 10 分钟内没能重新连接，已不再尝试。</source>
        <translation>%1 could not be connected again within 10 minutes; no more tries.</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="90"/>
        <source> 【已连接 %1 台设备】</source>
        <translation> [%1 connected]</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="93"/>
        <source>另有 %1 台设备没有位置：%2</source>
        <translation>%1 more without a slot: %2</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="93"/>
        <location filename="../src/launcher/SlotsFrame.cpp" line="95"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="95"/>
        <source>另有设备：</source>
        <translation>Also: </translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="113"/>
        <source>这台手机有自己的投屏选项：
%1</source>
        <translation>This phone has mirroring options of its own:
%1</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="132"/>
        <source>连接已断开，正在等待重新连接…</source>
        <translation>Connection lost; waiting to connect again…</translation>
    </message>
    <message>
        <location filename="../src/launcher/SlotsFrame.cpp" line="133"/>
        <source>连接已断开，正在重新连接（已尝试 %1 次）…</source>
        <translation>Connection lost; connecting again (%1 tries so far)…</translation>
    </message>
</context>
<context>
    <name>SplitAppUnpack</name>
    <message>
        <location filename="../src/transfer/SplitAppUnpack.cpp" line="21"/>
        <source>无法创建临时文件夹：%1</source>
        <translation>Cannot make a temporary folder: %1</translation>
    </message>
    <message>
        <location filename="../src/transfer/SplitAppUnpack.cpp" line="42"/>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <location filename="../src/transfer/SplitAppUnpack.cpp" line="74"/>
        <source>无法启动 %1：%2</source>
        <translation>Cannot start %1: %2</translation>
    </message>
    <message>
        <location filename="../src/transfer/SplitAppUnpack.cpp" line="76"/>
        <source>解开应用压缩包的程序意外结束了。</source>
        <translation>The program unpacking the app archive ended unexpectedly.</translation>
    </message>
    <message>
        <location filename="../src/transfer/SplitAppUnpack.cpp" line="85"/>
        <source>应用压缩包中没有 .apk 文件。</source>
        <translation>The app archive holds no .apk file.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <location filename="../src/startup/Start.cpp" line="35"/>
        <source>连接并启动</source>
        <translation>Connect and start</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="36"/>
        <source>正在启动</source>
        <translation>Starting</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="95"/>
        <source>欢迎使用 Pannix</source>
        <translation>Welcome to Pannix</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="97"/>
        <source>基于Scrcpy有线投屏工具的GUI控制器   酷安@Tollen</source>
        <translation>A console for the scrcpy mirroring tool   CoolApk@Tollen</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="100"/>
        <source>请开启“USB调试”MIUI还需打开USB调试(安全设置)</source>
        <translation>Turn on USB debugging (on MIUI, its security option too)</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="104"/>
        <source> 下载ADB驱动 </source>
        <translation> ADB driver </translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="112"/>
        <source> 无线配对 </source>
        <translation> Wireless pairing </translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="121"/>
        <source> 投屏工具 </source>
        <translation> Tools </translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="133"/>
        <source>设置与帮助</source>
        <translation>Settings and help</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="161"/>
        <source>驱动不正常！请解压后运行或检查主程序目录下的文件！</source>
        <translation>The bridge tool is missing. Unpack the whole program and run it there, or check the files in its folder.</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="161"/>
        <location filename="../src/startup/Start.cpp" line="317"/>
        <location filename="../src/startup/StartWireless.cpp" line="185"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="317"/>
        <source>无法列出已连接的设备：<byte value="xd"/>
</source>
        <translation>Cannot list the connected devices:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="327"/>
        <source>未检测到设备， 软件将自动关闭！<byte value="xd"/>
请确定:<byte value="xd"/>
1.开发者选项中的USB调试已经打开并授权 <byte value="xd"/>
2.驱动正常安装<byte value="xd"/>
3.更换电脑重试</source>
        <translation>No device found.<byte value="xd"/>
Please check that:<byte value="xd"/>
1. USB debugging is on in the developer options and allowed<byte value="xd"/>
2. the driver is installed<byte value="xd"/>
3. or try another computer</translation>
    </message>
    <message>
        <location filename="../src/startup/Start.cpp" line="332"/>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="31"/>
        <source>检测已连接设备</source>
        <translation>Detect devices</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="32"/>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="33"/>
        <source>设备IP地址</source>
        <translation>Device&apos;s IP address</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="50"/>
        <location filename="../src/startup/StartWireless.cpp" line="55"/>
        <source>开启/更换端口：</source>
        <translation>Open/change port:</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="62"/>
        <source>说明：第一次进行网络调试的设备需要进行端口绑定。先使用有线方式连接电脑，再开启端口。输入设备IP地址(关于手机&gt;状态信息&gt;IPv4地址)若连接成功，则绑定完成，下次无需再次开启端口(请勿更换)，仅需输入IP连接即可！</source>
        <translation>A phone debugged over the network for the first time needs a port: connect it by cable, open the port, then enter its IP address (About phone &gt; Status &gt; IPv4 address). Once it connects, next time just enter the IP address.</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="73"/>
        <location filename="../src/startup/StartWireless.cpp" line="78"/>
        <source>设备IP地址(免端口号)</source>
        <translation>Device&apos;s IP address (no port)</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="79"/>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="82"/>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="93"/>
        <source>这里会显示操作返回结果<byte value="xd"/>
</source>
        <translation>Results are shown here<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="97"/>
        <source>操作返回结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="116"/>
        <source>检测中...</source>
        <translation>Detecting...</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="137"/>
        <source><byte value="xd"/>
另有 %1 台设备没有位置：%2</source>
        <translation><byte value="xd"/>
%1 more without a slot: %2</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="139"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="158"/>
        <source>正在连接...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="163"/>
        <source>连接失败：</source>
        <translation>Not connected: </translation>
    </message>
    <message>
        <location filename="../src/startup/StartWireless.cpp" line="178"/>
        <source>正在断开...</source>
        <translation>Disconnecting...</translation>
    </message>
</context>
<context>
    <name>ToolLocator</name>
    <message>
        <location filename="../src/bridge/ToolLocator.cpp" line="74"/>
        <source>Pannix 获取的工具，与 scrcpy 成对使用</source>
        <translation>fetched by Pannix, paired with scrcpy</translation>
    </message>
    <message>
        <location filename="../src/bridge/ToolLocator.cpp" line="76"/>
        <source>本程序目录下的</source>
        <translation>beside the program</translation>
    </message>
    <message>
        <location filename="../src/bridge/ToolLocator.cpp" line="77"/>
        <source>系统路径(PATH)中的</source>
        <translation>found on PATH</translation>
    </message>
    <message>
        <location filename="../src/bridge/ToolLocator.cpp" line="89"/>
        <source>本程序目录下的 %1 不是可以运行的程序（不是文件，或没有执行权限）。</source>
        <translation>%1 in the program folder cannot be run (it is not a file, or not executable).</translation>
    </message>
    <message>
        <location filename="../src/bridge/ToolLocator.cpp" line="92"/>
        <source>在本程序目录下和系统路径(PATH)中都找不到 %1。请将 %1 放在本程序目录下，或安装后重试。</source>
        <translation>%1 is neither in the program folder nor on PATH. Put %1 in the program folder, or install it, and try again.</translation>
    </message>
</context>
<context>
    <name>ToolsArchive</name>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="41"/>
        <source>未知错误</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="53"/>
        <location filename="../src/install/ToolsArchive.cpp" line="100"/>
        <location filename="../src/install/ToolsArchive.cpp" line="153"/>
        <location filename="../src/install/ToolsArchive.cpp" line="158"/>
        <source>无法读取压缩包：%1</source>
        <translation>Cannot read the archive: %1</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="102"/>
        <source>压缩包是空的。</source>
        <translation>The archive is empty.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="287"/>
        <source>磁盘已满：%1 所在的磁盘没有空间了，没有安装任何东西。请腾出空间后再试。</source>
        <translation>The disk is full: the disk that holds %1 has no space left, and nothing was installed. Free some space and try again.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="290"/>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="96"/>
        <location filename="../src/install/ToolsArchive.cpp" line="148"/>
        <location filename="../src/install/ToolsArchive.cpp" line="258"/>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="174"/>
        <source>无法替换已有的 %1（其中的程序可能正在运行）。</source>
        <translation>Cannot replace the existing %1 (a program in it may be running).</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="180"/>
        <source>无法把工具放到 %1。</source>
        <translation>Cannot put the tools in %1.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="225"/>
        <source>无法读取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="192"/>
        <source>压缩包中的“%1”%2，整个压缩包已被拒绝，没有安装任何东西。</source>
        <translation>The archive&apos;s &quot;%1&quot; %2, so the whole archive was refused and nothing was installed.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="196"/>
        <source>是一个链接</source>
        <translation>is a link</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="198"/>
        <source>不是普通文件或文件夹</source>
        <translation>is neither a file nor a folder</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="201"/>
        <source>是一个绝对路径</source>
        <translation>is an absolute path</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="205"/>
        <source>含有“..”</source>
        <translation>holds &quot;..&quot;</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="207"/>
        <source>不在压缩包唯一的顶层文件夹中</source>
        <translation>lies outside the archive&apos;s one top folder</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="232"/>
        <source>文件超过 %1 MB，不是官方发布的文件，没有安装任何东西。</source>
        <translation>The file is over %1 MB, so it is not the official release; nothing was installed.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="240"/>
        <location filename="../src/install/ToolsArchive.cpp" line="298"/>
        <source>无法创建文件夹 %1。</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsArchive.cpp" line="306"/>
        <source>压缩包中没有 %1 文件夹。</source>
        <translation>The archive holds no %1 folder.</translation>
    </message>
</context>
<context>
    <name>ToolsDownload</name>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="23"/>
        <source>找不到下载服务器，请检查网络连接</source>
        <translation>The download server was not found; check the network connection</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="26"/>
        <source>下载服务器拒绝或中断了连接</source>
        <translation>The download server refused or dropped the connection</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="28"/>
        <source>连接下载服务器超时</source>
        <translation>The connection to the download server timed out</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="30"/>
        <source>无法与下载服务器建立安全连接</source>
        <translation>No secure connection could be made to the download server</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="36"/>
        <source>无法通过代理服务器连接</source>
        <translation>No connection could be made through the proxy server</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="39"/>
        <source>网络连接中断了</source>
        <translation>The network connection was interrupted</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="41"/>
        <source>网络出错</source>
        <translation>A network error occurred</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="50"/>
        <source>服务器回答 %1 %2，没有下载到工具。</source>
        <translation>The server answered %1 %2; the tools were not downloaded.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="54"/>
        <source>下载地址被转到了不加密的 http 地址，下载已停止。</source>
        <translation>The download was redirected to an unencrypted http address and was stopped.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="55"/>
        <source>下载失败：%1（%2）</source>
        <translation>Download failed: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="69"/>
        <source>%1 秒内没有收到任何数据，下载已停止。</source>
        <translation>Nothing arrived for %1 seconds; the download was stopped.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="103"/>
        <location filename="../src/install/ToolsDownload.cpp" line="109"/>
        <location filename="../src/install/ToolsDownload.cpp" line="146"/>
        <source>文件超过 %1 MB，不是要下载的工具，下载已停止。</source>
        <translation>The file is over %1 MB, so it is not the tools; the download was stopped.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsDownload.cpp" line="116"/>
        <source>下载已取消，没有安装任何东西。</source>
        <translation>Download cancelled; nothing was installed.</translation>
    </message>
</context>
<context>
    <name>ToolsHelper</name>
    <message>
        <location filename="../src/install/ToolsHelper.cpp" line="101"/>
        <source>无法启动安装程序 %1，没有安装任何东西。%2</source>
        <translation>The installer %1 could not be started; nothing was installed. %2</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsHelper.cpp" line="106"/>
        <source>安装程序意外结束（状态 %1），没有安装任何东西。</source>
        <translation>The installer ended unexpectedly (status %1); nothing was installed.</translation>
    </message>
    <message>
        <location filename="../src/install/ToolsHelper.cpp" line="107"/>
        <source>它留下的未完成文件已删除。</source>
        <translation> The unfinished files it left were removed.</translation>
    </message>
</context>
<context>
    <name>ToolsInstall</name>
    <message>
        <location filename="../src/install/ToolsInstall.cpp" line="35"/>
        <source>这个文件不是官方发布的文件（SHA-256 不符），没有安装任何东西。</source>
        <translation>This file is not the official release (its SHA-256 differs); nothing was installed.</translation>
    </message>
</context>
<context>
    <name>TypedText</name>
    <message>
        <location filename="../src/controls/TypedText.cpp" line="31"/>
        <source>“%1”中含有控制字符（如空字符、制表符或换行），请删除后重试！</source>
        <translation>&quot;%1&quot; holds a control character (such as NUL, a tab or a line break). Remove it and try again.</translation>
    </message>
    <message>
        <location filename="../src/controls/TypedText.cpp" line="40"/>
        <source>“%1”最多只能输入 %2 个字符，多出的部分没有输入！</source>
        <translation>&quot;%1&quot; takes at most %2 characters; the rest was not entered.</translation>
    </message>
</context>
<context>
    <name>TypedValue</name>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="39"/>
        <source>“%1”不能用在这里</source>
        <translation>&quot;%1&quot; cannot be used here</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="44"/>
        <source>%1 大于 %2</source>
        <translation>%1 is more than %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="45"/>
        <source>%1 小于 %2</source>
        <translation>%1 is less than %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="53"/>
        <source>少了一个数</source>
        <translation>a number is missing</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="75"/>
        <source>应有 %1 个数，这里有 %2 个</source>
        <translation>it needs %1 numbers, not %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="97"/>
        <source>包名至少有两段，以“.”分开</source>
        <translation>a package name has two parts or more, separated by &quot;.&quot;</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="100"/>
        <source>“%1”不是包名的一段：每段以字母开头</source>
        <translation>&quot;%1&quot; is no part of a package name: each part starts with a letter</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="133"/>
        <source>%1 到 %2 之间的整数</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="135"/>
        <source>%1 到 %2 之间的数</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="137"/>
        <source>宽x高（例如 1080x1920），宽和高都在 %1 到 %2 之间</source>
        <translation>WxH (for example 1080x1920), each from %1 to %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="140"/>
        <source>宽:高:X:Y（例如 1080:1200:0:0），都是 0 到 %1 之间的整数，宽和高至少为 %2</source>
        <translation>W:H:X:Y (for example 1080:1200:0:0), whole numbers from 0 to %1, the width and height at least %2</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="144"/>
        <source>安卓应用的包名（例如 com.android.settings）</source>
        <translation>an Android package name (for example com.android.settings)</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="154"/>
        <source>%1–%2，可不填</source>
        <translation>%1–%2, optional</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="156"/>
        <source>宽x高，可不填</source>
        <translation>WxH, optional</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="158"/>
        <source>宽:高:X:Y，可不填</source>
        <translation>W:H:X:Y, optional</translation>
    </message>
    <message>
        <location filename="../src/client/TypedValue.cpp" line="160"/>
        <source>安卓包名，例如 com.android.settings</source>
        <translation>Package, e.g. com.android.settings</translation>
    </message>
</context>
<context>
    <name>WirelessDebugging</name>
    <message>
        <location filename="../src/bridge/WirelessDebugging.cpp" line="93"/>
        <source>“%1”应为 IP地址:端口（例如 192.168.1.23:37123），端口为 1–65535！</source>
        <translation>&quot;%1&quot; must be IP address:port (for example 192.168.1.23:37123), the port 1–65535.</translation>
    </message>
    <message>
        <location filename="../src/bridge/WirelessDebugging.cpp" line="102"/>
        <source>“%1”应为手机上显示的六位数字！</source>
        <translation>&quot;%1&quot; must be the six digits the phone shows.</translation>
    </message>
</context>
<context>
    <name>meizu</name>
    <message>
        <location filename="../src/info/meizu.cpp" line="17"/>
        <source>检测到魅族设备！</source>
        <translation>Meizu device detected</translation>
    </message>
    <message>
        <location filename="../src/info/meizu.cpp" line="26"/>
        <source>很抱歉！由于Flyme魔改Android源码，导致大部分设备无法显示投屏画面。工具可能无法正常使用！</source>
        <translation>Sorry: Flyme changes Android so much that most of its devices show no mirrored picture. The tool may not work.</translation>
    </message>
    <message>
        <location filename="../src/info/meizu.cpp" line="32"/>
        <source>退出软件</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../src/info/meizu.cpp" line="35"/>
        <source>查看原因及解决方法</source>
        <translation>Why, and what to do</translation>
    </message>
    <message>
        <location filename="../src/info/meizu.cpp" line="39"/>
        <source>继续使用</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <location filename="../src/panels/menu.cpp" line="20"/>
        <source>截屏存为screen.png，在：</source>
        <translation>Saved as screen.png in: </translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="21"/>
        <source>截屏存为screen-序列号.png，在：</source>
        <translation>Saved as screen-serial.png in: </translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="31"/>
        <source>锁屏</source>
        <translation>Lock</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="32"/>
        <source>音量+</source>
        <translation>Vol +</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="33"/>
        <source>音量-</source>
        <translation>Vol −</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="34"/>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="35"/>
        <source>截屏</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="38"/>
        <source>音乐下一首</source>
        <translation>Next</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="39"/>
        <source>音乐上一首</source>
        <translation>Previous</translation>
    </message>
    <message>
        <location filename="../src/panels/menu.cpp" line="40"/>
        <source>暂停/继续</source>
        <translation>Play/Pause</translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <location filename="../src/launcher/options.cpp" line="95"/>
        <source>更多投屏选项</source>
        <translation>More mirroring options</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="103"/>
        <source>恢复默认</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="56"/>
        <source>声音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="418"/>
        <source>投屏客户端 scrcpy %1：灰色的选项需要更新的版本，或与已选的选项不能同时使用。</source>
        <translation>Mirroring client scrcpy %1: greyed options need a newer version, or cannot be used with a choice already made.</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="58"/>
        <source>键盘</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="59"/>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="60"/>
        <source>游戏手柄</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="73"/>
        <source>声音与输入</source>
        <translation>Sound and input</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="74"/>
        <source>虚拟显示器与摄像头</source>
        <translation>Virtual display and camera</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="79"/>
        <source>输入法：</source>
        <translation>Input method:</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="132"/>
        <source>选项用于：</source>
        <translation>Options for:</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="136"/>
        <source>选项用于</source>
        <translation>Options for</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="154"/>
        <source>所有手机</source>
        <translation>All phones</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="164"/>
        <location filename="../src/launcher/options.cpp" line="174"/>
        <source>%1（已离开）</source>
        <translation>%1 (away)</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="186"/>
        <source>没有已连接的手机</source>
        <translation>No phone connected</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="191"/>
        <source>每台手机都用这些选项，有自己选项的手机除外。</source>
        <translation>Every phone uses these, except phones with options of their own.</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="192"/>
        <source>这台手机有自己的选项；“恢复默认”后它改用所有手机的选项。</source>
        <translation>This phone has options of its own; &quot;Restore defaults&quot; makes it use all phones&apos; options again.</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="193"/>
        <source>这台手机使用所有手机的选项；改动后它将有自己的选项。</source>
        <translation>This phone uses all phones&apos; options; a change gives it options of its own.</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="61"/>
        <source>虚拟显示器与应用</source>
        <translation>Virtual display and app</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="307"/>
        <source>选择…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="64"/>
        <source>摄像头</source>
        <translation>Camera</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="51"/>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="53"/>
        <location filename="../src/launcher/options.cpp" line="73"/>
        <source>画面</source>
        <translation>Picture</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="55"/>
        <source>裁剪以手机屏幕的像素计，X、Y 为左上角；旋转只转电脑上显示的画面。</source>
        <translation>Crop in the phone&apos;s screen pixels, X and Y the top left; the turn is of the picture shown.</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="66"/>
        <location filename="../src/launcher/options.cpp" line="74"/>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="389"/>
        <source>scrcpy %1 起不再支持</source>
        <translation>No longer in scrcpy %1 and later</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="390"/>
        <source>需要 scrcpy %1 或更高版本</source>
        <translation>Needs scrcpy %1 or later</translation>
    </message>
    <message>
        <location filename="../src/launcher/options.cpp" line="417"/>
        <source>投屏客户端的版本尚未知道：知道之前，这些选项都不会加到启动命令中。</source>
        <translation>The client&apos;s version is not known yet: until it is, none of these options is added to the launch.</translation>
    </message>
</context>
<context>
    <name>pair</name>
    <message>
        <location filename="../src/startup/pair.cpp" line="28"/>
        <source>IP地址和端口</source>
        <translation>IP address &amp; port</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="29"/>
        <source>配对码</source>
        <translation>Pairing code</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="30"/>
        <source>连接用的IP地址和端口</source>
        <translation>IP address &amp; port to connect</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="335"/>
        <source>警告！</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="56"/>
        <source>无线配对（安卓11及以上）</source>
        <translation>Wireless pairing (Android 11 and later)</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="72"/>
        <source>配对二维码</source>
        <translation>Pairing QR code</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="74"/>
        <source>在手机上打开 开发者选项 › 无线调试 › 使用二维码配对设备，扫描上面的二维码。</source>
        <translation>On the phone: Developer options › Wireless debugging › Pair device with QR code, and scan this code.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="103"/>
        <source>使用配对码配对</source>
        <translation>Pair with a pairing code</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="113"/>
        <source>配对</source>
        <translation>Pair</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="116"/>
        <source>手机上：开发者选项 › 无线调试 › 使用配对码配对设备</source>
        <translation>On the phone: Developer options › Wireless debugging › Pair device with pairing code</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="124"/>
        <source>连接已配对的手机</source>
        <translation>Connect a paired phone</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="130"/>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="134"/>
        <source>手机“无线调试”页面上的“IP地址和端口”（不是配对用的端口）</source>
        <translation>&quot;IP address &amp; Port&quot; on the phone&apos;s Wireless debugging page (not the pairing port)</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="162"/>
        <source>正在检查 adb 的版本…</source>
        <translation>Checking the version of adb…</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="173"/>
        <source>此电脑上的 adb 是 %1。</source>
        <translation>The adb on this computer is %1.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="174"/>
        <source>无法读出此电脑上 adb 的版本：%1</source>
        <translation>the version of adb on this computer cannot be read: %1</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="175"/>
        <source>无线配对需要 adb 30 或更高版本，</source>
        <translation>Wireless pairing needs adb 30 or later; </translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="176"/>
        <source>
Windows 上请换用 scrcpy 当前版本自带的 adb.exe；Linux 上请安装 Android 的 platform-tools。</source>
        <translation>
On Windows use the adb.exe of the current scrcpy release; on Linux install Android&apos;s platform-tools.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="186"/>
        <source>正在检查 adb 能否发现网络上的手机…</source>
        <translation>Checking whether adb can discover phones on the network…</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="192"/>
        <source>此电脑上 adb 无法发现网络上的手机，二维码配对不可用，请用配对码配对。</source>
        <translation>adb cannot discover phones on the network here, so QR pairing is unavailable: pair with a code.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="197"/>
        <source>正在等待手机扫描二维码…</source>
        <translation>Waiting for the phone to scan the code…</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="260"/>
        <source>正在与 %1 配对…</source>
        <translation>Pairing with %1…</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="276"/>
        <source>配对失败：%1
已换上新的二维码，可以再试一次。</source>
        <translation>Not paired: %1
A new QR code is shown for another try.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="286"/>
        <source>已与 %1 配对。请在手机“无线调试”页面找到“IP地址和端口”，填入“连接已配对的手机”后点击“连接”。</source>
        <translation>Paired with %1. Enter the &quot;IP address &amp; Port&quot; from the phone&apos;s Wireless debugging page under &quot;Connect a paired phone&quot; and press &quot;Connect&quot;.</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="307"/>
        <source>正在连接 %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="316"/>
        <source>连接失败：</source>
        <translation>Not connected: </translation>
    </message>
    <message>
        <location filename="../src/startup/pair.cpp" line="321"/>
        <source>已连接 %1，手机将出现在启动器的设备列表中。</source>
        <translation>Connected to %1; the phone appears in the launcher&apos;s device list.</translation>
    </message>
</context>
<context>
    <name>sendfiles</name>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="29"/>
        <source>发送到手机</source>
        <translation>Send to phones</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="36"/>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="36"/>
        <source>手机</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="36"/>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="36"/>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="36"/>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="49"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="96"/>
        <source>%1 / %2 MB</source>
        <translation>%1 / %2 MB</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="100"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="116"/>
        <source>把文件拖到启动窗口上，或点“发送文件…”：应用会被安装，其他文件保存到手机的 Download 文件夹。</source>
        <translation>Drop files on the launcher or click “Send files…”: apps are installed, other files saved in the phone’s Download folder.</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="119"/>
        <source>正在发送：还有 %1 项，%2 项成功，%3 项失败。</source>
        <translation>Sending: %1 to go, %2 done, %3 failed.</translation>
    </message>
    <message>
        <location filename="../src/sending/sendfiles.cpp" line="121"/>
        <source>已全部结束：%1 项成功，%2 项失败，%3 项已取消。</source>
        <translation>All ended: %1 done, %2 failed, %3 cancelled.</translation>
    </message>
</context>
<context>
    <name>tools</name>
    <message>
        <location filename="../src/tools/tools.cpp" line="61"/>
        <source>获取投屏工具</source>
        <translation>Get the mirroring tools</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="76"/>
        <source>可以安装：%1（scrcpy %2 的官方发布，含 adb）
来自：%3
下载后按官方公布的 SHA-256 校验，安装到：%4</source>
        <translation>On offer: %1 (the official scrcpy %2 release, adb included)
From: %3
Checked against its published SHA-256, installed in: %4</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="89"/>
        <source>下载并安装</source>
        <translation>Download and install</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="92"/>
        <source>从文件安装…</source>
        <translation>Install from file…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="95"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="143"/>
        <source>缺少：%1。投屏需要 adb（安卓调试桥）和 scrcpy（投屏客户端），两者都在下面的官方发布中。</source>
        <translation>Missing: %1. Mirroring needs adb (the Android Debug Bridge) and scrcpy (the mirroring client); the official release below holds both.</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="144"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="150"/>
        <location filename="../src/tools/tools.cpp" line="151"/>
        <source>正在询问版本…</source>
        <translation>asking its version…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="158"/>
        <source>正在使用：
adb %1，位于 %2（%5）
scrcpy %3，位于 %4</source>
        <translation>In use:
adb %1, in %2 (%5)
scrcpy %3, in %4</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="171"/>
        <location filename="../src/tools/tools.cpp" line="177"/>
        <source>（版本未知）</source>
        <translation>(version unknown)</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="205"/>
        <source>正在连接…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="208"/>
        <source>正在下载…</source>
        <translation>Downloading…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="216"/>
        <source>正在解压…</source>
        <translation>Unpacking…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="228"/>
        <source>已下载 %1 MB / %2 MB（%3%）</source>
        <translation>Downloaded %1 MB of %2 MB (%3%)</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="230"/>
        <source>已下载 %1 MB</source>
        <translation>Downloaded %1 MB</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="239"/>
        <source>选择下载好的 %1</source>
        <translation>Choose the downloaded %1</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="239"/>
        <source>压缩包 (*.zip *.tar.gz *.tgz);;所有文件 (*)</source>
        <translation>Archives (*.zip *.tar.gz *.tgz);;All files (*)</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="211"/>
        <source>正在校验并解压…</source>
        <translation>Checking and unpacking…</translation>
    </message>
    <message>
        <location filename="../src/tools/tools.cpp" line="267"/>
        <source>已安装到 %1。</source>
        <translation>Installed in %1.</translation>
    </message>
</context>
</TS>
