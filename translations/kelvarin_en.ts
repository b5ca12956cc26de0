<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BoardSettings</name>
    <message>
        <source>接线 %1  格式 %2</source>
        <translation>Wiring %1  Format %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>打开网页</source>
        <translation>Open the web page</translation>
    </message>
    <message>
        <source>没有能打开网页的浏览器。网址如下，可选中复制：

%1</source>
        <translation>No browser can open the page. Its address, to select and copy:

%1</translation>
    </message>
</context>
<context>
    <name>kelvarin::DriverWindow</name>
    <message>
        <source>生成扫描程序</source>
        <translation>Generate a scan program</translation>
    </message>
    <message>
        <source>SDCC（8051）</source>
        <translation>SDCC (8051)</translation>
    </message>
    <message>
        <source>Keil C51（8051）</source>
        <translation>Keil C51 (8051)</translation>
    </message>
    <message>
        <source>Arduino（ATmega328P）</source>
        <translation>Arduino (ATmega328P)</translation>
    </message>
    <message>
        <source>目标(&amp;T)：</source>
        <translation>&amp;Target:</translation>
    </message>
    <message>
        <source>段引脚(&amp;S)：</source>
        <translation>&amp;Segment pins:</translation>
    </message>
    <message>
        <source>位选引脚(&amp;D)：</source>
        <translation>&amp;Digit select pins:</translation>
    </message>
    <message>
        <source>位选低电平有效</source>
        <translation>Digits selected by a low level</translation>
    </message>
    <message>
        <source>默认：8051 为 12MHz，AVR 为 16MHz</source>
        <translation>Default: 12MHz for the 8051, 16MHz for the AVR</translation>
    </message>
    <message>
        <source>时钟(&amp;C)：</source>
        <translation>&amp;Clock:</translation>
    </message>
    <message>
        <source>刷新(&amp;R)：</source>
        <translation>&amp;Refresh:</translation>
    </message>
    <message>
        <source>复制程序(&amp;O)</source>
        <translation>C&amp;opy program</translation>
    </message>
    <message>
        <source>保存程序(&amp;V)…</source>
        <translation>Sa&amp;ve program…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存扫描程序</source>
        <translation>Save the scan program</translation>
    </message>
    <message>
        <source>程序 (*.c *.ino);;所有文件 (*)</source>
        <translation>Programs (*.c *.ino);;All files (*)</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2</source>
        <translation>Cannot save "%1": %2</translation>
    </message>
    <message>
        <source>Arduino Uno 的引脚：0 到 13 或 A0 到 A5</source>
        <translation>an Arduino Uno pin: 0 to 13 or A0 to A5</translation>
    </message>
    <message>
        <source>8051 的引脚：P0.0 到 P3.7</source>
        <translation>an 8051 pin: P0.0 to P3.7</translation>
    </message>
    <message>
        <source>请填写段引脚（一个端口，或每个码位一个引脚）</source>
        <translation>give the segment pins (a port, or one pin for each code bit)</translation>
    </message>
    <message>
        <source>8051 没有端口“%1”（它的端口是 P0 到 P3）</source>
        <translation>the 8051 has no port "%1" (its ports are P0 to P3)</translation>
    </message>
    <message>
        <source>%1 不能用整个端口“%2”：请每个码位给一个引脚</source>
        <translation>the %1 cannot take the whole port "%2": give one pin for each code bit</translation>
    </message>
    <message>
        <source>一个端口只有 8 位，%1 段数码管的码有 %2 位：请每个码位给一个引脚</source>
        <translation>a port has 8 bits, a %1-segment code has %2: give one pin for each code bit</translation>
    </message>
    <message>
        <source>段引脚中的“%1”不是引脚（%2）</source>
        <translation>"%1" in the segment pins is no pin (give %2)</translation>
    </message>
    <message>
        <source>段引脚有 %1 个，而码有 %2 位</source>
        <translation>%1 segment pins for a code of %2 bits</translation>
    </message>
    <message>
        <source>请填写位选引脚（每位一个，从左起）</source>
        <translation>give the digit select pins (one for each digit, from the left)</translation>
    </message>
    <message>
        <source>位选引脚中的“%1”不是引脚（%2）</source>
        <translation>"%1" in the digit select pins is no pin (give %2)</translation>
    </message>
    <message>
        <source>位选引脚有 %1 个：最多 %2 位</source>
        <translation>%1 digit select pins: at most %2 digits</translation>
    </message>
    <message>
        <source>引脚 %1 用了两次</source>
        <translation>the pin %1 is named twice</translation>
    </message>
    <message>
        <source>没有要显示的帧</source>
        <translation>there are no frames to show</translation>
    </message>
    <message>
        <source>帧有 %1 位，而位选引脚有 %2 个</source>
        <translation>a frame of %1 digits for %2 digit select pins</translation>
    </message>
    <message>
        <source>无法识别时钟“%1”：请写成 12MHz、11.0592MHz 或 16000000</source>
        <translation>cannot read the clock "%1": give it as 12MHz, 11.0592MHz or 16000000</translation>
    </message>
    <message>
        <source>无法识别刷新“%1”：请写成 100Hz</source>
        <translation>cannot read the refresh "%1": give it as 100Hz</translation>
    </message>
    <message>
        <source>刷新太慢：每次中断要等 %1 个定时器计数，超过定时器的 65536；请加快刷新</source>
        <translation>the refresh is too slow: each interrupt would wait %1 timer counts, more than the timer's 65536; give a faster refresh</translation>
    </message>
    <message>
        <source>刷新太快：两次中断之间只有 %1 个定时器计数，不够中断本身用；请减慢刷新或提高时钟</source>
        <translation>the refresh is too fast: only %1 timer counts between interrupts, too few for the interrupt itself; give a slower refresh or a faster clock</translation>
    </message>
    <message>
        <source>引脚或时钟的设置有误</source>
        <translation>the pins or the clock are not right</translation>
    </message>
    <message>
        <source>无法生成扫描程序：%1</source>
        <translation>Cannot make the scan program: %1</translation>
    </message>
</context>
<context>
    <name>kelvarin::FramesWindow</name>
    <message>
        <source>多位数码管与帧</source>
        <translation>Multi-digit display and frames</translation>
    </message>
    <message>
        <source>位数(&amp;D)：</source>
        <translation>&amp;Digits:</translation>
    </message>
    <message>
        <source>名称(&amp;N)：</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>当前帧</source>
        <translation>Current frame</translation>
    </message>
    <message>
        <source>文字(&amp;T)：</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>例如 12.34，靠右显示</source>
        <translation>e.g. 12.34, shown at the right</translation>
    </message>
    <message>
        <source>延时/毫秒(&amp;L)：</source>
        <translation>De&amp;lay (ms):</translation>
    </message>
    <message>
        <source>帧</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>复制帧(&amp;U)</source>
        <translation>D&amp;uplicate</translation>
    </message>
    <message>
        <source>删除(&amp;E)</source>
        <translation>D&amp;elete</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>播放(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>滚动文字(&amp;S)：</source>
        <translation>&amp;Scrolling text:</translation>
    </message>
    <message>
        <source>按回车生成滚动的帧，接在最后</source>
        <translation>Press Enter to add its scrolling frames at the end</translation>
    </message>
    <message>
        <source>帧表(&amp;B)：</source>
        <translation>Frames ta&amp;ble:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>复制帧表(&amp;C)</source>
        <translation>&amp;Copy table</translation>
    </message>
    <message>
        <source>生成扫描程序(&amp;G)…</source>
        <translation>&amp;Generate scan program…</translation>
    </message>
    <message>
        <source>最多 %1 帧</source>
        <translation>At most %1 frames</translation>
    </message>
    <message>
        <source>延时“%1”无效：请输入 1 到 %2 之间的毫秒数</source>
        <translation>The delay "%1" is not valid: give milliseconds from 1 to %2</translation>
    </message>
    <message>
        <source>“%1”要 %2 位，显示只有 %3 位</source>
        <translation>"%1" takes %2 digits; the display has %3</translation>
    </message>
    <message>
        <source>请先输入要滚动的文字</source>
        <translation>Type the text to scroll first</translation>
    </message>
    <message>
        <source>数码管无法显示“%1”中的某些字符</source>
        <translation>The display cannot show some characters of "%1"</translation>
    </message>
    <message>
        <source>滚动“%1”的帧太多：最多 %2 帧</source>
        <translation>Scrolling "%1" makes too many frames: at most %2</translation>
    </message>
    <message>
        <source>停止(&amp;P)</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>%1. %2 毫秒  %3</source>
        <translation>%1. %2 ms  %3</translation>
    </message>
    <message>
        <source>（手绘）</source>
        <translation>(drawn)</translation>
    </message>
    <message>
        <source>名称“%1”不能用于 %2 格式：须以字母或下划线开头，只含字母、数字和下划线，且不是关键字</source>
        <translation>The name "%1" cannot be used in the %2 format: it must begin with a letter or underscore, hold only letters, digits and underscores, and be no keyword</translation>
    </message>
</context>
<context>
    <name>kelvarin::ImportWindow</name>
    <message>
        <source>共阳</source>
        <translation>Common anode</translation>
    </message>
    <message>
        <source>共阴</source>
        <translation>Common cathode</translation>
    </message>
    <message>
        <source>导入段码表</source>
        <translation>Import a code table</translation>
    </message>
    <message>
        <source>C 或汇编源文本(&amp;S)：</source>
        <translation>C or assembler &amp;source:</translation>
    </message>
    <message>
        <source>打开文件(&amp;O)…</source>
        <translation>&amp;Open file…</translation>
    </message>
    <message>
        <source>在此粘贴含段码表的源文本，例如 unsigned char code tab[]={0x3f,0x06};</source>
        <translation>Paste a source holding a code table here, e.g. unsigned char code tab[]={0x3f,0x06};</translation>
    </message>
    <message>
        <source>段码表(&amp;B)：</source>
        <translation>Code ta&amp;ble:</translation>
    </message>
    <message>
        <source>各项显示的字符(&amp;C)：</source>
        <translation>&amp;Characters the entries show:</translation>
    </message>
    <message>
        <source>采用此接线(&amp;T)</source>
        <translation>&amp;Take this wiring</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打开源文件</source>
        <translation>Open a source file</translation>
    </message>
    <message>
        <source>源文件 (*.c *.h *.asm *.a51 *.s *.inc *.ino);;所有文件 (*)</source>
        <translation>Sources (*.c *.h *.asm *.a51 *.s *.inc *.ino);;All files (*)</translation>
    </message>
    <message>
        <source>无法读取“%1”（不是文件、太大或无权读取）</source>
        <translation>Cannot read "%1" (not a file, too large, or not readable)</translation>
    </message>
    <message>
        <source>%1（%2 项，第 %3 行）</source>
        <translation>%1 (%2 entries, line %3)</translation>
    </message>
    <message>
        <source>无名</source>
        <translation>unnamed</translation>
    </message>
    <message>
        <source>请说明各项显示的字符（数码管能显示的），以推算接线</source>
        <translation>Say which characters the entries show (ones the display can show) to work out the wiring</translation>
    </message>
    <message>
        <source>表只有 %1 项，少于所说的 %2 个字符</source>
        <translation>The table has only %1 entries, fewer than the %2 characters given</translation>
    </message>
    <message>
        <source>没有完全符合的接线。最接近的是 %1（%2），符合 %3/%4 位；第 %5 项不符。</source>
        <translation>No wiring fits exactly. The closest is %1 (%2), agreeing on %3/%4 bits; entries %5 do not fit.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>确定：接线 %1（%2），唯一符合。</source>
        <translation>Certain: wiring %1 (%2), the only one that fits.</translation>
    </message>
    <message>
        <source>接线 %1（%2）；共有 %3 种接线都符合，给出更多字符可以区分。</source>
        <translation>Wiring %1 (%2); %3 wirings fit in all: give more characters to tell them apart.</translation>
    </message>
    <message>
        <source>位 %1 无法由这些项确定。</source>
        <translation>Bits %1 cannot be told from these entries.</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列的项无法识别为段码</source>
        <translation>The entry at line %1, column %2 cannot be read as a code</translation>
    </message>
    <message>
        <source>文本中找不到段码表（C 的 = { 0x3f, … }; 或汇编的 DB 行）</source>
        <translation>No code table in the text (a C list = { 0x3f, … }; or assembler DB lines)</translation>
    </message>
</context>
<context>
    <name>kelvarin::SEG8</name>
    <message>
        <source>赞助/关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>共阴数码管常用段码</source>
        <translation>Common-cathode table</translation>
    </message>
    <message>
        <source>共阳数码管常用段码</source>
        <translation>Common-anode table</translation>
    </message>
    <message>
        <source>随机换色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>还原窗口</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>添加到文本框</source>
        <translation>Add to the box</translation>
    </message>
    <message>
        <source>选择数码管</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>共阴数码管-[SEG-8,CC]</source>
        <translation>Cathode-[SEG-8,CC]</translation>
    </message>
    <message>
        <source>共阳数码管-[SEG-8,CA]</source>
        <translation>Anode-[SEG-8,CA]</translation>
    </message>
    <message>
        <source>自动复制到剪贴板</source>
        <translation>Copy automatically</translation>
    </message>
    <message>
        <source>无法识别为段码：“%1”</source>
        <translation>Not readable as a code: "%1"</translation>
    </message>
    <message>
        <source>接线与输出…</source>
        <translation>Wiring and output…</translation>
    </message>
    <message>
        <source>文字转段码…</source>
        <translation>Text to codes…</translation>
    </message>
    <message>
        <source>多位数码管与帧…</source>
        <translation>Multi-digit and frames…</translation>
    </message>
    <message>
        <source>导入段码表…</source>
        <translation>Import a code table…</translation>
    </message>
    <message>
        <source>全部点亮</source>
        <translation>Light all</translation>
    </message>
    <message>
        <source>全部熄灭</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>撤销添加</source>
        <translation>Undo add</translation>
    </message>
    <message>
        <source>单击点亮或熄灭这一段；右键（或 Shift+F10）打开菜单</source>
        <translation>Click to light or darken this segment; right-click (or Shift+F10) for the menu</translation>
    </message>
    <message>
        <source>设置文件</source>
        <translation>the settings file</translation>
    </message>
    <message>
        <source>无法读取设置文件“%1”，窗口中的更改不会被保存。</source>
        <translation>The settings file "%1" cannot be read: changes made in the window will not be kept.</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>选择[是]重新开始：原文件改名保留在旁边，改用新的设置文件。选择[否]本次不保存设置。</source>
        <translation>Choose Yes to start afresh: the file is kept beside under a new name and a new settings file is used. Choose No to keep no settings this time.</translation>
    </message>
    <message>
        <source>无法重新开始：%1</source>
        <translation>Cannot start afresh: %1</translation>
    </message>
    <message>
        <source>已改用新的设置文件。原文件保留为“%1”。</source>
        <translation>A new settings file is in use. The old one is kept as "%1".</translation>
    </message>
    <message>
        <source>数码管</source>
        <translation>Digit</translation>
    </message>
    <message>
        <source>7 段（默认）</source>
        <translation>7 segments (default)</translation>
    </message>
    <message>
        <source>14 段</source>
        <translation>14 segments</translation>
    </message>
    <message>
        <source>16 段</source>
        <translation>16 segments</translation>
    </message>
    <message>
        <source>单击点亮或熄灭一段；右键（或 Shift+F10）打开菜单</source>
        <translation>Click a segment to light or darken it; right-click (or Shift+F10) for the menu</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Copy failed</translation>
    </message>
    <message>
        <source>选择[是]复制到剪贴板,选择[否]返回.</source>
        <translation>Choose Yes to copy it to the clipboard, No to go back.</translation>
    </message>
    <message>
        <source>选择[是]复制到剪贴板</source>
        <translation>Choose Yes to copy to the clipboard</translation>
    </message>
    <message>
        <source>未命名项目</source>
        <translation>Untitled project</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>项目“%1”有未保存的更改。保存吗？</source>
        <translation>The project "%1" has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>打开项目</source>
        <translation>Open a project</translation>
    </message>
    <message>
        <source>项目 (*.toml);;所有文件 (*)</source>
        <translation>Projects (*.toml);;All files (*)</translation>
    </message>
    <message>
        <source>找不到项目文件“%1”。</source>
        <translation>The project file "%1" is not there.</translation>
    </message>
    <message>
        <source>“%1”不是一个文件。</source>
        <translation>"%1" is not a file.</translation>
    </message>
    <message>
        <source>“%1”太大，不是项目文件。</source>
        <translation>"%1" is too large to be a project file.</translation>
    </message>
    <message>
        <source>无法读取“%1”：%2</source>
        <translation>Cannot read "%1": %2</translation>
    </message>
    <message>
        <source>无法打开项目：%1</source>
        <translation>Cannot open the project: %1</translation>
    </message>
    <message>
        <source>项目另存为</source>
        <translation>Save the project as</translation>
    </message>
    <message>
        <source>无法保存项目：%1</source>
        <translation>Cannot save the project: %1</translation>
    </message>
    <message>
        <source>无法保存“%1”：%2</source>
        <translation>Cannot save "%1": %2</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>打开项目…</source>
        <translation>Open project…</translation>
    </message>
    <message>
        <source>最近的项目</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>保存项目</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>项目另存为…</source>
        <translation>Save project as…</translation>
    </message>
    <message>
        <source>关闭项目</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>“%1”第 %2 行第 %3 列不是正确的 TOML 写法。</source>
        <translation>"%1", line %2, column %3 is not valid TOML.</translation>
    </message>
    <message>
        <source>“%1”由较新版本的程序写成，请更新本程序后再打开。</source>
        <translation>"%1" was written by a newer version of the program: update this program to open it.</translation>
    </message>
    <message>
        <source>“%1”第 %2 行的 %3 有误（缺少、未知或值不对）。</source>
        <translation>"%1", line %2: %3 is missing, unknown or has a wrong value.</translation>
    </message>
    <message>
        <source>这不是本程序能读的项目文件。</source>
        <translation>This is not a project file this program can read.</translation>
    </message>
</context>
<context>
    <name>kelvarin::TextCodesWindow</name>
    <message>
        <source>文字转段码</source>
        <translation>Text to codes</translation>
    </message>
    <message>
        <source>文字(&amp;T)：</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>例如 HELLO 12.5</source>
        <translation>e.g. HELLO 12.5</translation>
    </message>
    <message>
        <source>段码表(&amp;B)：</source>
        <translation>Code ta&amp;ble:</translation>
    </message>
    <message>
        <source>复制段码表(&amp;C)</source>
        <translation>&amp;Copy table</translation>
    </message>
    <message>
        <source>添加到声明(&amp;A)</source>
        <translation>&amp;Add to the declaration</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>（文字中有数码管无法显示的字符，不生成段码表）</source>
        <translation>(The text has characters the display cannot show: no table is made)</translation>
    </message>
</context>
<context>
    <name>kelvarin::WiringWindow</name>
    <message>
        <source>接线与输出</source>
        <translation>Wiring and output</translation>
    </message>
    <message>
        <source>接线：每一位驱动的段</source>
        <translation>Wiring: the segment each bit drives</translation>
    </message>
    <message>
        <source>标准顺序 (a…dp)</source>
        <translation>Standard order (a…dp)</translation>
    </message>
    <message>
        <source>反向顺序 (dp…a)</source>
        <translation>Reversed order (dp…a)</translation>
    </message>
    <message>
        <source>（自定义）</source>
        <translation>(custom)</translation>
    </message>
    <message>
        <source>预设(&amp;P)：</source>
        <translation>&amp;Preset:</translation>
    </message>
    <message>
        <source>端口(&amp;O)：</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>共阴</source>
        <translation>Common cathode</translation>
    </message>
    <message>
        <source>共阳</source>
        <translation>Common anode</translation>
    </message>
    <message>
        <source>数码管：</source>
        <translation>Display:</translation>
    </message>
    <message>
        <source>格式(&amp;F)：</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>数组名(&amp;N)：</source>
        <translation>Array &amp;name:</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>每行个数(&amp;L)：</source>
        <translation>Entries a &amp;line:</translation>
    </message>
    <message>
        <source>十六进制大写(&amp;U)</source>
        <translation>&amp;Upper-case hexadecimal</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>C51，本窗口标准表的样式</source>
        <translation>C51, in the style of the window's standard tables</translation>
    </message>
    <message>
        <source>C51，一个接一个，以空格分隔</source>
        <translation>C51, one entry after another with spaces</translation>
    </message>
    <message>
        <source>SDCC 8051 C（__code）</source>
        <translation>SDCC 8051 C (__code)</translation>
    </message>
    <message>
        <source>可移植 C（stdint.h，const uint8_t）</source>
        <translation>Portable C (stdint.h, const uint8_t)</translation>
    </message>
    <message>
        <source>AVR，表在程序存储器中（PROGMEM，0b…）</source>
        <translation>AVR, the table in program memory (PROGMEM, 0b…)</translation>
    </message>
    <message>
        <source>SDCC 的 8051 汇编（.db）</source>
        <translation>SDCC's 8051 assembler (.db)</translation>
    </message>
    <message>
        <source>A51 汇编（DB 03FH）</source>
        <translation>A51 assembler (DB 03FH)</translation>
    </message>
    <message>
        <source>十六进制的裸字节</source>
        <translation>The bare bytes in hexadecimal</translation>
    </message>
    <message>
        <source>位 %1 (P%2.%3)</source>
        <translation>Bit %1 (P%2.%3)</translation>
    </message>
    <message>
        <source>位 %1</source>
        <translation>Bit %1</translation>
    </message>
    <message>
        <source>数组名“%1”不能用于 %2 格式：须以字母或下划线开头，只含字母、数字和下划线，且不是关键字</source>
        <translation>The array name "%1" cannot be used in the %2 format: it must begin with a letter or underscore, hold only letters, digits and underscores, and be no keyword</translation>
    </message>
    <message>
        <source>当前段码：%1  (%2b)</source>
        <translation>Code now: %1  (%2b)</translation>
    </message>
</context>
<context>
    <name>kelvarin::codes::Declaration</name>
    <message>
        <source>创建于: %1年%2月%3日 design:______</source>
        <translation>created: %1-%2-%3 design:______</translation>
    </message>
</context>
<context>
    <name>kelvarin::codes::Formats</name>
    <message>
        <source>共阳数码管常用段码</source>
        <translation>Common-anode table</translation>
    </message>
    <message>
        <source>共阴数码管常用段码</source>
        <translation>Common-cathode table</translation>
    </message>
</context>
<context>
    <name>kelvarin::dialog_parts</name>
    <message>
        <source>第 %1 个字符 '%2'</source>
        <translation>character %1 '%2'</translation>
    </message>
    <message>
        <source>数码管无法显示：%1</source>
        <translation>The display cannot show: %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>kelvarin::gui::MessageBoxes</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kelvarin::gui::QtDialogs</name>
    <message>
        <source>确认文件替换</source>
        <translation>Confirm file replace</translation>
    </message>
    <message>
        <source>此文件夹已包含名为“%1”的文件。

是否要将现有文件
    %2 字节, 修改日期: %3
替换为
    %4 字节, 修改日期: %5</source>
        <translation>This folder already holds a file named "%1".

Replace the existing file
    %2 bytes, modified: %3
with
    %4 bytes, modified: %5</translation>
    </message>
    <message>
        <source>正在复制 %1 个文件...</source>
        <translation>Copying %1 files...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在复制...</source>
        <translation>Copying...</translation>
    </message>
    <message>
        <source>正在复制 %1</source>
        <translation>Copying %1</translation>
    </message>
    <message>
        <source>复制文件时出错</source>
        <translation>Error copying a file</translation>
    </message>
    <message>
        <source>无法复制 %1: %2</source>
        <translation>Cannot copy %1: %2</translation>
    </message>
</context>
<context>
    <name>kelvarin::sponsor</name>
    <message>
        <source>赞助</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>软件名称:Kelvarin</source>
        <translation>Program: Kelvarin</translation>
    </message>
    <message>
        <source>版本号:v</source>
        <translation>Version: v</translation>
    </message>
    <message>
        <source>软件的发展,只因有您,感谢您的使用.</source>
        <translation>Thank you for using Kelvarin.</translation>
    </message>
</context>
</TS>