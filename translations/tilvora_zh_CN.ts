<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>古兰经阅读与诵读播放器</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora 无法启动。

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>找不到音频文件...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>指定的文件夹中没有文件 %1...
当前文件夹：%2

请（通过控制菜单）为音频文件指定有效的文件夹，然后再使用本程序。</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - 程序编号：</translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>在已登记的程序中，数据库里没有当前诵读者的数据...

有程序或诵读者被加入数据库却没有相应数据！</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>无法访问指定的音频文件
请确认音频文件夹位于程序文件夹中！</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>此节没有录音</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>诵读者“%1”没有 %2 的录音。

请在控制面板中选择其他诵读者，或通过“控制 &gt; 设置录音文件夹”设置此诵读者的录音文件夹。</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>未找到与“%1”相关的经节。</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>此选择没有可显示的经节。</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
指定的文件夹无效，无法打开...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>无法打开文件夹 %1：权限被拒绝。</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>没有第 %1:%2 节。</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>从 %1 到 %2 的范围在开始之前就结束了。</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>无法执行请求：内容数据库拒绝了它。
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>无法执行请求：%1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>该节经文在当前声音中没有起始位置。</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>该节经文的起始位置“%1”不是秒数。</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>未知故障使诵读停止。</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>诵读因未知原因停止。</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>速度必须是 %1 到 %2 之间的数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>“%1”不是声音的编号。</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1必须是 %2 到 %3 之间的整数，而不是“%4”。</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>经文重复次数</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>段落重复次数</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>以毫秒计的间隔</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>起始经文“%1”不是 2:255 这样的经文编号。</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>结束经文“%1”不是 2:255 这样的经文编号。</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>重复次数、间隔或跟读时间超出范围。</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>此内容数据库没有古兰经页面。</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>古兰经页面中没有第“%1”页：页码从 1 到 %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>“%1”不是 2:255 这样的经文编号。</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>古兰经页面中没有第 %1 页。</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>此内容数据库的古兰经页面不是从 1 到 %1 编号的。</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>无法准备主窗口。%1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>找不到内容数据库 %1。Tilvora 需要应用程序文件夹 %2 中的内容数据库 DIC.DAT。</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>文件 %1 不是 Tilvora 的内容数据库（%2）。</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>无法打开内容数据库 %1：%2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>无法写入内容数据库 %1（%2）。Tilvora 在其中保存您的选择；请确认没有其他程序占用它并且它可写，然后重新启动。</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>内容数据库 %1 缺少 Tilvora 需要的表或列（%2）。</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>内容文件 %1 已损坏（%2），Tilvora 无法读取其中的文本。请重新安装 Tilvora 以获得完整的副本。若 Tilvora 从您自己的文件夹运行，删除 %3 即可：下次启动时会重新复制。</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>内容文件 %1 是空的，Tilvora 没有可显示的文本。请重新安装 Tilvora 以获得完整的副本。若 Tilvora 从您自己的文件夹运行，删除 %2 即可：下次启动时会重新复制。</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>数据库文件 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 不是数据库文件。</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>无法打开数据库文件 %1：%2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>无法用已安装的内容更新您的 Tilvora 文件夹 %1，因此 Tilvora 按原样使用它。%2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora 无法创建您自己的文件夹 %1。%2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>已安装的文件夹 %1 中没有内容数据库（DIC.DAT）。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>另一个 Tilvora 正在更新 %1；已等待一分钟。</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>无法在 %1 旁边创建新文件夹：%2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>无法创建指向已安装录音的链接 %1：%2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>无法将 %1 的声音文件夹带入新内容：%2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>新文件夹无法取代 %1：%2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>没有声音 %1。</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>声音 %1 没有录音文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>文件夹 %1 中没有第 %2 章的录音（%3 或 %4）。</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>没有第 %1 章。</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>声音 %1 有第 %2 章自己的录音（%3 以外的文件，对应其中 %4 节经文）；找到的起点没有覆盖保存。</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>在 %1 中没有找到诵读：其中只有静音或稳定的噪音。</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>在 %1 中没有找到诵读：其中有 %2 次停顿，而该章 %3 节经文的诵读至少停顿 %4 次（诵读者在多数经文末尾停顿）。</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>无法读取录音 %1。</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>无法启动音频解码器 gst-launch-1.0；它随软件包 gstreamer1.0-tools 提供。</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>文件 %1 不是音频文件。</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>无法解码录音 %1：%2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>录音 %1 中没有声音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>“%1”不是可供下载的网址（必须以 http:// 或 https:// 开头）。</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>要下载的章必须在 1 到 114 之间、从前到后，而不是从 %1 到 %2。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>服务器返回 %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>服务器发送的是网页（%1），不是录音</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>服务器声明 %1 字节，超过一节经文录音允许的 %2</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>服务器从错误的位置续传文件</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>它超过一节经文录音允许的 %1</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>服务器拒绝续传文件</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>只收到 %2 字节中的 %1 字节</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>服务器把下载转到了非 http 或 https 的地址</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>服务器转向其他地址的次数太多</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>服务器停止响应</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>无法连接服务器</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>服务器太慢</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>收到的文件不完整（最后一个音频帧残缺）</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>收到的不是 MP3 录音</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>无法放到位：%1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>它超过一章允许的 %1 MB</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>第 %1 章：%2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>服务器发送的是网页，不是文本</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>收到的不是该服务的数据</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>服务返回 %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>服务的回答中没有文本列表</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>服务发来的是第 %1 章</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>它有 %1 节，而该章有 %2 节</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>其经文编号不是 1 到 %1 各一次</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>第 %1 节没有文本</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>服务未能及时响应</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>无法连接服务（%1）</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>无法把您的数据写入 %1：%2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>无法读取文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 不是您的 Tilvora 数据文件（由“文件”、“导出我的数据”写出的那种）。没有做任何更改。</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 由较新版本的 Tilvora 写出，此版本无法读取其数据。没有做任何更改。</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>无法使用您自己的文件 %1</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>现在无法更改您自己的文件</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>无法更改您自己的文件</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>无法导入 %1：%2。没有做任何更改。</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>无法保存您背诵的内容和笔记：无法使用文件 %1。它们保留到 Tilvora 关闭为止。</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>无法保存您的书签：无法写入文件 %1。现在添加的书签保留到 Tilvora 关闭为止。</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>无法读取您的书签文件。它已另存为 %1，Tilvora 将在没有书签的情况下启动。</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>无法保存文本：%1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>无法安装文本：%1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>整部古兰经</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>不带元音符号的阿拉伯文，或译文中的词</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>阿拉伯文按无元音符号搜索；译文不区分大小写</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>在每个文本的每一节中搜索；不勾选则只搜索当前页面</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>章</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>卷</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>词根（近似）</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>主题 · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · 词</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>显示一章</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>显示一卷</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>显示某词根的经节（词根自动得出，仅为近似）</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>显示某主题的经节</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>显示含有某词的经节（不带元音符号书写）</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>第 %1 卷</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>第 %1 行的文本</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>%1 的录音文件夹</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  未显示
  经文</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  显示
  %Ln 节经文</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  未找到
  经文</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  找到
  %Ln 节经文</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  找到 %1 节，
  显示 %2 节</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>诵读结束。因“%1”没有录音而跳过：%2。</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 在“%2”中没有录音：已跳过，诵读继续。</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>无法保存您的设置：%1 是文件夹而不是文件。您现在的选择在 Tilvora 关闭前有效。</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>无法保存您的设置：无法写入文件 %1。您现在的选择在 Tilvora 关闭前有效。</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>设置文件 %1 已损坏且无法替换；其中的设置未全部使用。</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>设置文件 %1 曾损坏。能读取的设置已保留，其余恢复为默认值。</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>在古兰经页面中显示(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>为此节添加书签(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>复制经文(&amp;V)</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>复制章节号(&amp;R)</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>从此处诵读(&amp;H)</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>重复此节(&amp;P)...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>从此处重复到(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>笔记(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>从此处听读并跟读(&amp;L)...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>古兰经阅读与诵读播放器</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>图画与程序由 Tilvora 开发者制作。大多数译本仅供非商业用途。</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora 显示古兰经及其译文，并诵读经文。</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>章文件中各节的起点</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>章文件中各节的起点 - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>正在查找章文件...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>需检查的经节（其起点的可信度较低）：</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>节</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>起点（秒）</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>可信度</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> 秒</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0.1 秒</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0.1 秒</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>播放附近片段</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>起点：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>未找到任何章文件（001.mp3 ... 114.mp3 或 .wma）。%1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>此诵读者在第 %1 章中已有 %n 节自己的录音（例如每节一个文件）。要用章文件中找到的起点替换它们吗？

如果保留，这些章将保持原样。</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>已保留诵读者自己的录音。</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>未作任何更改：诵读者保留自己的录音。</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>正在查找 %n 章中各节的起点...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>已停止：未保存任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>已停止：%n 章中已保存 %1 章的起点。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>完成：%2 章中已保存 %1 章的起点；有 %n 节需检查。</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>无法保存起点：%1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>第 %1:%2 节现在从 %3 秒开始。</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>记住我的文本和诵读者(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— 无 —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 小时 %2 分</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>下载诵读</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1（%2 kbps）</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>其他地址...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3（章和节）</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3（经节在全书中的序号）</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>没有文件夹的诵读者会在您的数据文件夹中获得一个。</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>诵读者：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>章：</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>要填充的诵读者：</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>没有按每节一个文件（SSSAAA.mp3）读取的诵读者，因此没有可填充的诵读者。</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>存入 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1/%2 个文件，%3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1/%2 个文件，%3，%4/秒</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1/%2 个文件，%3，%4/秒，约剩 %5</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>下载已停止：%1。</translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>已保存 %1 个，已有 %2 个，失败 %3 个。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>无法播放录音 %1：未安装 GStreamer 的 playbin。</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>无法打开录音 %1。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>无法播放录音 %1：%2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>系统默认</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora（版本 %1）::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>拖动以加宽或缩窄控制面板；双击恢复默认宽度</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>左右方向键移动它；空格键使面板恢复默认宽度</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>转到搜索框</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  搜索结果：  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>控制菜单</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>面板分隔条</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>控制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>隐藏/显示面板(&amp;H)</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>设置录音文件夹(&amp;P)</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>诵读者 %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>下载诵读(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>意外错误中断了请求。</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>下载文本(&amp;T)...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>请指定 / 选择有效的文件夹...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>请选择音频文件所在的文件夹：</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>已挂载的卷</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>此文件夹中每章一个文件</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>在章文件中查找每节的起点（001.mp3 ... 114.mp3）</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>找不到文件夹...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>背诵(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>背诵本页 / 经文范围 / 章(&amp;L)...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>今日复习(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>进度(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>忘记(&amp;F)...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>每日上限(&amp;L)...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>今日复习（%1）(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>导出我的数据(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>导入我的数据(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>全部笔记(&amp;N)...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>背诵</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>今天没有需要复习的内容。请通过“背诵 › 背诵”选取一页。</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>第 %1 页的评分无法保存到您的文件中。</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>要背诵的经文无法保存到您的文件中。</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>无法移除这些经文：您的文件无法更改。</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>忘记</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>背诵</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>忘记(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>背诵(&amp;L)</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>您现在正在背诵%1；今天即需复习。</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>将%1从背诵内容中移除吗？其复习计划将删除；复习历史保留。</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1已从背诵内容中移除。</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>每日上限</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>每天最多复习的页数（1 至 %1）：</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>每日上限无法保存到您的文件中。</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>笔记无法保存到您的文件中。</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>您的数据已写入 %1：%2 个书签，%3 条笔记，%4 节正在背诵的经文。</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>已从 %1 导入：%2 个书签，%3 条笔记，%4 节正在背诵的经文，已与您的数据合并；您的数据没有丢失。</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>导出我的数据</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Tilvora 数据 (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>导入我的数据</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Tilvora 数据 (*.json);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>古兰经页面(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>转到页(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>隐藏经文(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>显示(&amp;R)</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>下一个词(&amp;W)</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>本行其余部分(&amp;L)</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>本节其余部分(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>全部(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>再次隐藏最后一个词(&amp;H)</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>古兰经页面</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>转到页</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>古兰经页码（1 至 %1）：</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>关于 %1 的笔记</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>您的笔记</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>按您输入的内容保存。空笔记将被删除。</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>您的笔记</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>在笔记中搜索</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>经文</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>第一行</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>上一节</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>下一节</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>重复：每节和整个范围诵读的次数，以及其间的停顿</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> 次</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>直到停止</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>每节：</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>整个范围：</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>其间停顿：</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>重复 %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>重复：每节 %1 次，整个范围直到停止</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>重复：每节 %1 次，整个范围 %2 次</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>已背会经文：%1（另有 %2 节正在背诵）。
整页背会：%3 页。
连续复习天数：%4。</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>各卷正在背诵的比例，以及未来 14 天每天需复习的页数</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>各卷：您正在背诵的经文比例</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>未来 14 天每天需复习的页数</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>古兰经的一页</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>一段经文</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>一章</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>一卷</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>章:节</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>内容(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>编号(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>起始经文(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>结束经文(&amp;T)：</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>第 %1 卷</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>经文 %1 至 %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>没有经文从此页开始。</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>经文应从 %1 到其后的一节。</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>阿拉伯文字体(&amp;F)</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>按文本指定</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>下一个匹配(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>上一个匹配(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>书签(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>为顶部经节添加书签(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>删除书签(&amp;R)</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>%1 的书签未删除：%2。</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>您为 %1 添加的书签未保存：%2。</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>复古</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>此处没有可添加书签的经节。</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>已为 %1 添加书签（书签菜单）。</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 已有书签。</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>您停止阅读的位置（%1）未保存：%2。</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>从 %1 重复到...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>重复第 %1 节</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>章:节，例如 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>从 %1 到节：</translation>
    </message>
    <message>
        <source> times</source>
        <translation> 次</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>直到停止</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>每节：</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>本节：</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>整个范围：</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>其间停顿：</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>诵读</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>经文时长的 %1 倍</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>每节经文的跟读时间：</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>今日复习</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>请凭记忆诵读本页，然后揭示经文，并评价您记得的程度。</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>下一个词</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>本行其余</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+回车</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>再次隐藏一个词</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>重来</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>容易</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>收听本页</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>您记得怎么样？</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>第 %1 页（第 %2 / %3 页）</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>今天没有需要复习的内容。</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>复习完成。已评分页数：%1。</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>重来 %1，困难 %2，良好 %3，容易 %4。</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>正在加载，请稍候...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>古兰经文本：tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>版本：%1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>下载文本</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>获取列表(&amp;F)</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>译本和经注</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>译本</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>经注</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>服务地址：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>可下载的文本</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>正在从 %1 获取文本列表...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>服务提供 %n 个文本。</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>无法获取文本列表：%1。改为显示 Tilvora 按名称知道的文本，上面的地址响应时可从那里下载。</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>所有语言</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>按名称已知</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>已安装，按名称已知</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>经注</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>译本</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>无法移除 %1：%2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>已移除 %1。</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1/%2 章，%3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>已安装，%1 节经文（%2）。请在控制窗格的某一行中选择它。</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>已取消。已获取的章节会保留；再次下载将从那里继续。</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>未安装：第 %1 章失败。再次下载只会获取缺少的部分。</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>未安装。再次下载只会获取缺少的部分。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1/%2 章，%3，约剩 %4</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>下载已停止：%1。</translation>
    </message>
</context>
</TS>
