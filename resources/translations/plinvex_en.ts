<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>不开窗口的命令：
  plinvex pack PACKAGE.deb [选项]   打包到桌面；加 --compress 再压缩
  plinvex check PACKAGE.deb [选项]  找出投稿的所有问题，什么也不打包
每个命令的选项见 plinvex pack --help 和 plinvex check --help。</source>
        <translation>Commands without a window:
  plinvex pack PACKAGE.deb [options]   pack onto the desktop; with --compress also compress
  plinvex check PACKAGE.deb [options]  report every problem of a submission; build nothing
Each command lists its options: plinvex pack --help, plinvex check --help.</translation>
    </message>
    <message>
        <source>这一项不能空着，用 %1 填上吧～</source>
        <translation>This must not be empty; give it with %1~</translation>
    </message>
    <message>
        <source>桌面上早先那份的 app.json 太大了，没有读，什么也没从里面填：%1</source>
        <translation>The earlier bundle&apos;s app.json on the desktop is too large; it was not read and nothing was filled from it: %1</translation>
    </message>
    <message>
        <source>安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1</source>
        <translation>Text files in the package hold a NUL byte; what was read from them may be wrong: %1</translation>
    </message>
    <message>
        <source>这不是一个读得懂的 Debian 安装包：%1</source>
        <translation>This is not a readable Debian package: %1</translation>
    </message>
    <message>
        <source>读不出安装包的这一项，用 %1 填上吧～</source>
        <translation>The package does not tell this; give it with %1~</translation>
    </message>
    <message>
        <source>这个包名不合 Debian 的写法（小写字母、数字和 + - .，至少两个字符，以字母或数字开头）：%1</source>
        <translation>This package name is outside Debian&apos;s syntax (lower-case letters, digits and + - ., at least two, a letter or digit first): %1</translation>
    </message>
    <message>
        <source>给的包名 %1 和安装包自己的 %2 不一样</source>
        <translation>The package name given, %1, differs from the package&apos;s own, %2</translation>
    </message>
    <message>
        <source>dpkg 不认这个版本号：%1（%2）</source>
        <translation>dpkg rejects this version: %1 (%2)</translation>
    </message>
    <message>
        <source>dpkg 会对这个版本号发出警告：%1（%2）</source>
        <translation>dpkg warns about this version: %1 (%2)</translation>
    </message>
    <message>
        <source>给的版本号 %1 和安装包自己的 %2 不一样</source>
        <translation>The version given, %1, differs from the package&apos;s own, %2</translation>
    </message>
    <message>
        <source>主页不是 http(s) 网址：%1</source>
        <translation>The homepage is not an http(s) URL: %1</translation>
    </message>
    <message>
        <source>主页只能是 http 或 https 网址，别的协议会被商店当成链接打开：%1</source>
        <translation>The homepage must be an http or https URL; the store opens any other scheme as a link: %1</translation>
    </message>
    <message>
        <source>这里有一个看不见的字符 %1，它会让商店和终端显示出别的样子，删掉它吧</source>
        <translation>This holds an invisible character, %1, that makes the store and the terminal show something else; remove it</translation>
    </message>
    <message>
        <source>图片有 %1×%2 这么大，超过了能读的上限（每边 %3 像素，一共 %4 像素）：%5</source>
        <translation>The picture is %1×%2, beyond what is read (%3 pixels a side, %4 pixels in all): %5</translation>
    </message>
    <message>
        <source>简介只有短短一行，多写几句吧～</source>
        <translation>The description is one short line; say a little more~</translation>
    </message>
    <message>
        <source>Logo 只有 %1×%2，会被放大到 128×128：%3</source>
        <translation>The logo is only %1×%2 and will be enlarged to 128×128: %3</translation>
    </message>
    <message>
        <source>Logo 不是正方形（%1×%2），放进 128×128 会留边：%3</source>
        <translation>The logo is not square (%1×%2) and will not fill 128×128: %3</translation>
    </message>
    <message>
        <source>这张截图和第 %1 张一模一样：%2</source>
        <translation>This screenshot is the same as number %1: %2</translation>
    </message>
    <message>
        <source>截图只有 %1×%2，会被放大到 400×300：%3</source>
        <translation>The screenshot is only %1×%2 and will be enlarged to 400×300: %3</translation>
    </message>
    <message>
        <source>截图是 %1×%2，和 4:3 的框差得远，会留很宽的边：%3</source>
        <translation>The screenshot is %1×%2, far from the 4:3 box, and will leave wide margins: %3</translation>
    </message>
    <message>
        <source>这不是 PNG、JPEG 或 GIF 图片：%1</source>
        <translation>This is not a PNG, JPEG or GIF image: %1</translation>
    </message>
    <message>
        <source>这是一张动图，只会用它的第一帧：%1</source>
        <translation>This image is animated; only its first frame is used: %1</translation>
    </message>
    <message>
        <source>压缩中 %1 / %2</source>
        <translation type="vanished">Compressing %1 / %2</translation>
    </message>
    <message>
        <source>复制安装包 %1 / %2，缩放图片 %3 / %4</source>
        <translation type="vanished">Copying the package %1 / %2, scaling images %3 / %4</translation>
    </message>
    <message>
        <source>版本号是空的</source>
        <translation>the version is empty</translation>
    </message>
    <message>
        <source>版本号中间有空白</source>
        <translation>it holds blanks</translation>
    </message>
    <message>
        <source>冒号前的纪元是空的</source>
        <translation>the epoch before the colon is empty</translation>
    </message>
    <message>
        <source>冒号前的纪元不是数字</source>
        <translation>the epoch before the colon is not a number</translation>
    </message>
    <message>
        <source>冒号前的纪元太大了</source>
        <translation>the epoch before the colon is too big</translation>
    </message>
    <message>
        <source>冒号后面什么也没有</source>
        <translation>nothing follows the colon</translation>
    </message>
    <message>
        <source>连字符后的修订号是空的</source>
        <translation>the revision after the hyphen is empty</translation>
    </message>
    <message>
        <source>上游版本号是空的</source>
        <translation>the upstream version is empty</translation>
    </message>
    <message>
        <source>上游版本号里有不允许的字符</source>
        <translation>the upstream version holds a character that is not allowed</translation>
    </message>
    <message>
        <source>修订号里有不允许的字符</source>
        <translation>the revision holds a character that is not allowed</translation>
    </message>
    <message>
        <source>上游版本号不是以数字开头的</source>
        <translation>the upstream version does not start with a digit</translation>
    </message>
    <message>
        <source>商店里显示的名字</source>
        <translation>The name the store shows</translation>
    </message>
    <message>
        <source>软件的作者</source>
        <translation>The software&apos;s author</translation>
    </message>
    <message>
        <source>软件的主页</source>
        <translation>The software&apos;s homepage</translation>
    </message>
    <message>
        <source>投稿人，也就是你自己</source>
        <translation>The contributor: you</translation>
    </message>
    <message>
        <source>软件的简介</source>
        <translation>The description</translation>
    </message>
    <message>
        <source>从文件读简介；- 表示标准输入</source>
        <translation>Read the description from a file; - for standard input</translation>
    </message>
    <message>
        <source>Logo 图片（PNG、JPEG 或 GIF）</source>
        <translation>The logo image (PNG, JPEG or GIF)</translation>
    </message>
    <message>
        <source>一张截图；可以给多次，按给的顺序排</source>
        <translation>A screenshot; may be given several times, kept in order</translation>
    </message>
    <message>
        <source>包名，代替安装包自己的</source>
        <translation>The package name, instead of the package&apos;s own</translation>
    </message>
    <message>
        <source>版本号，代替安装包自己的</source>
        <translation>The version, instead of the package&apos;s own</translation>
    </message>
    <message>
        <source>投稿文件夹和压缩包放在哪里；默认是桌面</source>
        <translation>Where the bundle and the archive go; the desktop by default</translation>
    </message>
    <message>
        <source>不从之前的投稿文件夹和安装包的信息里取任何值</source>
        <translation>Take nothing from the earlier bundle or the package&apos;s metadata</translation>
    </message>
    <message>
        <source>输出格式：text 或 json</source>
        <translation>Output format: text or json</translation>
    </message>
    <message>
        <source>打包后再压缩成 &lt;包名&gt;.tar.gz</source>
        <translation>Also compress the bundle into &lt;pkgname&gt;.tar.gz</translation>
    </message>
    <message>
        <source>有警告也算没通过</source>
        <translation>Fail on warnings too</translation>
    </message>
    <message>
        <source>读安装包的程序没能把自己关起来就算错误</source>
        <translation>Make it an error when the reader of packages could not confine itself</translation>
    </message>
    <message>
        <source>读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的</source>
        <translation>The reader of packages could not confine itself (%1); the package was read without that protection</translation>
    </message>
    <message>
        <source>自检没有结果</source>
        <translation>its self-test gave no answer</translation>
    </message>
    <message>
        <source>%1 没被拦住</source>
        <translation>%1 not refused</translation>
    </message>
    <message>
        <source>试试“plinvex %1 --help”。</source>
        <translation>Try &apos;plinvex %1 --help&apos;.</translation>
    </message>
    <message>
        <source>检查一份投稿，没有错误就在桌面上打包成 &lt;包名&gt; 文件夹。</source>
        <translation>Checks a submission and, without errors, packs it into the folder &lt;pkgname&gt; on the desktop.</translation>
    </message>
    <message>
        <source>一次找出一份投稿的所有问题，什么也不打包。</source>
        <translation>Reports every problem of a submission at once; builds nothing.</translation>
    </message>
    <message>
        <source>要投稿的 deb 安装包</source>
        <translation>The deb package to submit</translation>
    </message>
    <message>
        <source>缺少安装包</source>
        <translation>no package given</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>unexpected arguments: %1</translation>
    </message>
    <message>
        <source>不认识的输出格式：%1</source>
        <translation>unknown output format: %1</translation>
    </message>
    <message>
        <source>--description 和 --description-file 只能给一个</source>
        <translation>give --description or --description-file, not both</translation>
    </message>
    <message>
        <source>读不了简介文件：%1</source>
        <translation>cannot read the description file: %1</translation>
    </message>
    <message>
        <source>检查通过：%1 个警告，%2 条提示</source>
        <translation>Check passed: %1 warning(s), %2 note(s)</translation>
    </message>
    <message>
        <source>检查没通过：%1 个错误，%2 个警告</source>
        <translation>Check failed: %1 error(s), %2 warning(s)</translation>
    </message>
    <message>
        <source>有 %1 个错误，什么也没打包</source>
        <translation>%1 error(s); nothing was packed</translation>
    </message>
    <message>
        <source>打包好了：%1</source>
        <translation>Packed: %1</translation>
    </message>
    <message>
        <source>打包好了：%1，压缩包：%2</source>
        <translation>Packed: %1; archive: %2</translation>
    </message>
    <message>
        <source>已中止，之前的投稿文件夹和压缩包原样保留</source>
        <translation>Stopped; any earlier bundle and archive are left as they were</translation>
    </message>
    <message>
        <source>安装包的文件名里有网址转义 %1，商店会原样显示：%2</source>
        <translation>The package&apos;s file name holds the URL escape %1, which the store would show as it is: %2</translation>
    </message>
    <message>
        <source>上游版本 %1 不是 AppStream 里最新的发布 %2</source>
        <translation>The upstream version %1 is not the newest AppStream release, %2</translation>
    </message>
    <message>
        <source>这是一个预发布版本：%1</source>
        <translation>This is a pre-release version: %1</translation>
    </message>
    <message>
        <source>名字有 %1 列宽，商店的列表里超过 %2 列就显示不全了</source>
        <translation>The name is %1 columns wide; the store&apos;s list cuts off names wider than %2</translation>
    </message>
    <message>
        <source>名字最后不用加标点：%1</source>
        <translation>A name needs no punctuation at its end: %1</translation>
    </message>
    <message>
        <source>名字里好像带了一句口号，放到简介里更好：%1</source>
        <translation>The name seems to carry a tagline; it reads better in the description: %1</translation>
    </message>
    <message>
        <source>简介有 %1 列宽，超过了 %2，挑重点写吧～</source>
        <translation>The description is %1 columns, more than %2; keep to what matters~</translation>
    </message>
    <message>
        <source>简介里还有占位的字（TODO、敬请期待之类），写完再投吧</source>
        <translation>The description still holds a placeholder (TODO, coming soon and the like); finish it before submitting</translation>
    </message>
    <message>
        <source>Logo 不透明的部分只占画布的 %1，看起来会很小：%2</source>
        <translation>The logo&apos;s opaque part covers only %1 of its canvas and will look tiny: %2</translation>
    </message>
    <message>
        <source>这张截图几乎是一片纯色（%1），是不是截错了：%2</source>
        <translation>This screenshot is nearly all one colour (%1); is it the right one? %2</translation>
    </message>
    <message>
        <source>截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2</source>
        <translation>The screenshot has a fully transparent margin %1 pixels wide, which the store shows as an empty band: %2</translation>
    </message>
    <message>
        <source>这张截图和第 %1 张几乎一样：%2</source>
        <translation>This screenshot looks nearly the same as number %1: %2</translation>
    </message>
    <message>
        <source>这一项检查的结果不算数；可以给多次</source>
        <translation>let this finding count for nothing; may be given more than once</translation>
    </message>
    <message>
        <source>不认识的检查项：%1</source>
        <translation>unknown finding: %1</translation>
    </message>
    <message>
        <source>（已忽略）</source>
        <translation> (ignored)</translation>
    </message>
    <message>
        <source>读取安装包</source>
        <translation>Reading the package</translation>
    </message>
    <message>
        <source>等这个包的另一次打包结束</source>
        <translation>Waiting for another packing of this package to end</translation>
    </message>
    <message>
        <source>复制和缩放</source>
        <translation>Copying and scaling</translation>
    </message>
    <message>
        <source>带上你自己的文件</source>
        <translation>Carrying over your own files</translation>
    </message>
    <message>
        <source>换上新的投稿文件夹</source>
        <translation>Swapping in the new submission folder</translation>
    </message>
    <message>
        <source>压缩中</source>
        <translation>Compressing</translation>
    </message>
    <message>
        <source>安装包缺的图标和信息也到这个包里找；可以给多次</source>
        <translation>Look in this package too for the icon and data the package lacks; may be given several times</translation>
    </message>
    <message>
        <source>没有装 plinvex-reader</source>
        <translation>plinvex-reader is not installed</translation>
    </message>
    <message>
        <source>读取程序启动不了</source>
        <translation>the reader could not be started</translation>
    </message>
    <message>
        <source>读取程序因信号 %1 中止</source>
        <translation>the reader was stopped by signal %1</translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation>the reading timed out</translation>
    </message>
    <message>
        <source>读取程序输出太多</source>
        <translation>the reader printed too much</translation>
    </message>
    <message>
        <source>读取程序以状态 %1 结束</source>
        <translation>the reader ended with status %1</translation>
    </message>
    <message>
        <source>读取程序的回答看不懂</source>
        <translation>the reader&apos;s answer made no sense</translation>
    </message>
    <message>
        <source>安装包不完整或者坏了，读不到结尾：%1</source>
        <translation>The package is incomplete or damaged and cannot be read to its end: %1</translation>
    </message>
    <message>
        <source>安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1</source>
        <translation>The package has several desktop entries and none is named as the main one; took %1</translation>
    </message>
    <message>
        <source>没能读出安装包自己的信息（%1），什么也没从里面填</source>
        <translation>Could not read the package&apos;s own data (%1); nothing was filled in from it</translation>
    </message>
    <message>
        <source>安装包里没有它的图标 %1；可能在 %2 里，放在安装包旁边或者用 --companion 指给我</source>
        <translation>The package lacks its icon %1; it may be in %2: put it beside the package or name it with --companion</translation>
    </message>
    <message>
        <source>安装包里既没有应用的桌面入口，也没有应用的 AppStream 信息，它不像是一个应用（插件或者库？）</source>
        <translation>The package has neither an application&apos;s desktop entry nor an application&apos;s AppStream data; it does not look like an application (a plugin or a library?)</translation>
    </message>
    <message>
        <source>简介第 %1 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂</source>
        <translation>Line %1 of the description is in another script than the rest; a translation may be missing, and the store would show the languages mixed</translation>
    </message>
    <message>
        <source>Logo 不透明的部分只占画布的 %1，几乎看不见：%2</source>
        <translation>The logo&apos;s opaque part covers only %1 of its canvas and will hardly be seen: %2</translation>
    </message>
    <message>
        <source>它依赖的包或者图标主题包</source>
        <translation>the packages it depends on or an icon theme package</translation>
    </message>
</context>
<context>
    <name>FindingsList</name>
    <message>
        <source>没有装 plinvex-reader</source>
        <translation>plinvex-reader is not installed</translation>
    </message>
    <message>
        <source>读取程序启动不了</source>
        <translation>the reader could not be started</translation>
    </message>
    <message>
        <source>读取程序因信号 %1 中止</source>
        <translation>the reader was stopped by signal %1</translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation>the reading timed out</translation>
    </message>
    <message>
        <source>读取程序输出太多</source>
        <translation>the reader printed too much</translation>
    </message>
    <message>
        <source>读取程序以状态 %1 结束</source>
        <translation>the reader ended with status %1</translation>
    </message>
    <message>
        <source>读取程序的回答看不懂</source>
        <translation>the reader&apos;s answer made no sense</translation>
    </message>
    <message>
        <source>自检没有结果</source>
        <translation>its self-test gave no answer</translation>
    </message>
    <message>
        <source>%1 没被拦住</source>
        <translation>%1 not refused</translation>
    </message>
    <message>
        <source>还没有选%1</source>
        <translation>No %1 chosen yet</translation>
    </message>
    <message>
        <source>%1里还一张截图也没有</source>
        <translation>%1 has no screenshot yet</translation>
    </message>
    <message>
        <source>%1还空着</source>
        <translation>%1 is still empty</translation>
    </message>
    <message>
        <source>%1里有一个看不见的字符 %2，它会让商店显示出别的样子，删掉它吧</source>
        <translation>%1 holds an invisible character %2 that makes the store show something else; delete it</translation>
    </message>
    <message>
        <source>%1里有一个看不见的字符 %2，它会让商店显示出别的样子，删掉它吧：%3</source>
        <translation>%1 holds an invisible character %2 that makes the store show something else; delete it: %3</translation>
    </message>
    <message>
        <source>%1里的这个文件不存在：%2</source>
        <translation>%1: there is no such file: %2</translation>
    </message>
    <message>
        <source>%1里的这个不是普通的文件，用不了：%2</source>
        <translation>%1: this is not a regular file and cannot be used: %2</translation>
    </message>
    <message>
        <source>%1里的这个不是读得懂的 Debian 安装包：%2</source>
        <translation>%1: this is not a Debian package that can be read: %2</translation>
    </message>
    <message>
        <source>%1里的安装包不完整或者坏了，读不到结尾：%2</source>
        <translation>%1: the package is incomplete or broken and cannot be read to its end: %2</translation>
    </message>
    <message>
        <source>没能读出安装包自己的信息（%1），表格里什么也没替你填</source>
        <translation>The package&apos;s own details could not be read (%1); nothing was filled in for you</translation>
    </message>
    <message>
        <source>安装包里既没有应用的桌面入口，也没有应用的 AppStream 信息，它不像是一个应用（插件或者库？）</source>
        <translation>The package has neither an application&apos;s desktop entry nor an application&apos;s AppStream data; it does not look like an application (a plugin or a library?)</translation>
    </message>
    <message>
        <source>读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的</source>
        <translation>The reader of packages could not confine itself (%1); the package was read without that protection</translation>
    </message>
    <message>
        <source>安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1</source>
        <translation>Text files in the package hold a NUL byte; what was read from them may be wrong: %1</translation>
    </message>
    <message>
        <source>安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1</source>
        <translation>The package has several desktop entries and none is named as the main one; took %1</translation>
    </message>
    <message>
        <source>桌面上早先那份的 app.json 太大了，没有读，表格里什么也没从里面填：%1</source>
        <translation>The app.json of the earlier bundle on the desktop is too large and was not read; nothing was filled in from it: %1</translation>
    </message>
    <message>
        <source>%1的文件名里有网址转义 %2，商店会原样显示：%3</source>
        <translation>The file name in %1 holds the web escape %2, which the store shows as it is: %3</translation>
    </message>
    <message>
        <source>安装包里读不出%1，在%1这一栏填上吧</source>
        <translation>The package does not say its %1: type it into %1</translation>
    </message>
    <message>
        <source>%1不能包含斜杠，也不能是.或..：%2</source>
        <translation>%1 may not hold a slash, nor be . or ..: %2</translation>
    </message>
    <message>
        <source>%1不合 Debian 的写法（小写字母、数字和 + - .，至少两个字符，以字母或数字开头）：%2</source>
        <translation>%1 does not follow Debian&apos;s rules (lower-case letters, digits and + - ., at least two characters, beginning with a letter or a digit): %2</translation>
    </message>
    <message>
        <source>%1里填的 %2 和安装包自己的 %3 不一样</source>
        <translation>%1 says %2, but the package says %3</translation>
    </message>
    <message>
        <source>dpkg 不认这个%1：%2（%3）</source>
        <translation>dpkg does not accept this %1: %2 (%3)</translation>
    </message>
    <message>
        <source>dpkg 会对这个%1发出警告：%2（%3）</source>
        <translation>dpkg warns of this %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1的上游部分 %2 不是 AppStream 里最新的发布 %3</source>
        <translation>The upstream part of %1, %2, is not the newest release in AppStream, %3</translation>
    </message>
    <message>
        <source>%1是一个预发布版本：%2</source>
        <translation>%1 is a pre-release: %2</translation>
    </message>
    <message>
        <source>%1有 %2 列宽，商店的列表里超过 %3 列就显示不全了</source>
        <translation>%1 is %2 columns wide; the store&apos;s list cuts off anything beyond %3</translation>
    </message>
    <message>
        <source>%1最后不用加标点：%2</source>
        <translation>%1 needs no punctuation at its end: %2</translation>
    </message>
    <message>
        <source>%1里好像带了一句口号，放到%2里更好：%3</source>
        <translation>%1 seems to carry a slogan; it is better in %2: %3</translation>
    </message>
    <message>
        <source>%1只能是 http 或 https 网址，别的协议会被商店当成链接打开：%2</source>
        <translation>%1 can only be an http or https address; the store would open any other scheme as a link: %2</translation>
    </message>
    <message>
        <source>%1不是 http(s) 网址：%2</source>
        <translation>%1 is not an http(s) address: %2</translation>
    </message>
    <message>
        <source>%1只有短短一行，多写几句吧～</source>
        <translation>%1 is one short line; write a few more sentences</translation>
    </message>
    <message>
        <source>%1有 %2 列宽，超过了 %3，挑重点写吧～</source>
        <translation>%1 is %2 columns wide, more than %3; keep to what matters</translation>
    </message>
    <message>
        <source>%1里还有占位的字（TODO、敬请期待之类），写完再投吧</source>
        <translation>%1 still holds placeholder words (TODO, coming soon and the like); finish it before you submit</translation>
    </message>
    <message>
        <source>%1第 %2 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂</source>
        <translation>Line %2 of %1 is not in the language of the rest, perhaps a missing translation; the store would show the languages mixed</translation>
    </message>
    <message>
        <source>%1里的这个不是 PNG、JPEG 或 GIF 图片：%2</source>
        <translation>%1: this is not a PNG, JPEG or GIF picture: %2</translation>
    </message>
    <message>
        <source>%1只有 %2，会被放大到 %3：%4</source>
        <translation>%1 is only %2 and will be enlarged to %3: %4</translation>
    </message>
    <message>
        <source>%1不是正方形（%2），放进商店的方框会留边：%3</source>
        <translation>%1 is not square (%2) and will sit in the store&apos;s square with margins: %3</translation>
    </message>
    <message>
        <source>%1不透明的部分只占画布的 %2，看起来会很小：%3</source>
        <translation>The opaque part of %1 covers only %2 of its canvas; it will look small: %3</translation>
    </message>
    <message>
        <source>%1不透明的部分只占画布的 %2，几乎看不见：%3</source>
        <translation>The opaque part of %1 covers only %2 of its canvas; it will be almost invisible: %3</translation>
    </message>
    <message>
        <source>它依赖的包或者图标主题包</source>
        <translation>the packages it depends on or an icon theme package</translation>
    </message>
    <message>
        <source>安装包里没有它的图标 %1；可能在 %2 里，放在安装包旁边再选一次安装包，或者自己选一个%3</source>
        <translation>The package does not hold its icon %1; it may be in %2: put that beside the package and choose the package again, or choose a %3 yourself</translation>
    </message>
    <message>
        <source>这张截图只有 %1，会被放大到 %2：%3</source>
        <translation>This screenshot is only %1 and will be enlarged to %2: %3</translation>
    </message>
    <message>
        <source>这张截图和第 %1 张一模一样：%2</source>
        <translation>This screenshot is the same as number %1: %2</translation>
    </message>
    <message>
        <source>这张截图和第 %1 张几乎一样：%2</source>
        <translation>This screenshot looks nearly the same as number %1: %2</translation>
    </message>
    <message>
        <source>这张截图几乎是一片纯色（%1），是不是截错了：%2</source>
        <translation>This screenshot is nearly all one colour (%1); is it the right one? %2</translation>
    </message>
    <message>
        <source>这张截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2</source>
        <translation>This screenshot has a fully transparent edge %1 pixels wide, which the store shows as an empty band: %2</translation>
    </message>
    <message>
        <source>这张截图是 %1，和 4:3 的框差得远，会留很宽的边：%2</source>
        <translation>This screenshot is %1, far from the 4:3 frame, and will have wide margins: %2</translation>
    </message>
    <message>
        <source>%1里的这张图片有 %2 这么大，超过了能读的上限（每边 %3 像素，一共 %4 像素）：%5</source>
        <translation>%1: this picture is %2, beyond what can be read (%3 pixels a side, %4 pixels in all): %5</translation>
    </message>
    <message>
        <source>%1里的这张是动图，只会用它的第一帧：%2</source>
        <translation>%1: this picture is animated; only its first frame will be used: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>移除这张截图</source>
        <translation>Remove this screenshot</translation>
    </message>
    <message>
        <source>把 deb 安装包、Logo 图标和截图打包成软件商店的投稿。</source>
        <translation>Packs a deb package, a logo and screenshots into a software store submission.</translation>
    </message>
    <message>
        <source>启动时就选好的安装包，和用“打开文件”选的一样。</source>
        <translation>A package to start with, as if chosen with the open-file button.</translation>
    </message>
    <message>
        <source>一次只能打开一个安装包哦～</source>
        <translation>One package at a time, please~</translation>
    </message>
    <message>
        <source>: 找不到程序</source>
        <translation>: program not found</translation>
    </message>
    <message>
        <source>: 没有运行它的权限</source>
        <translation>: not permitted to run it</translation>
    </message>
    <message>
        <source>: 要在里面工作的文件夹不见了：%1</source>
        <translation>: the folder to work in is gone: %1</translation>
    </message>
    <message>
        <source>: 超时</source>
        <translation>: timed out</translation>
    </message>
    <message>
        <source>异常退出</source>
        <translation>crashed</translation>
    </message>
    <message>
        <source>退出码 %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>写入控制文件失败！</source>
        <translation>Couldn&apos;t write the control file!</translation>
    </message>
    <message>
        <source>打包失败！
</source>
        <translation>Packing failed!
</translation>
    </message>
    <message>
        <source>打包失败！
%1 已经存在，但它不是文件夹～</source>
        <translation>Packing failed!
%1 already exists, but it isn&apos;t a folder~</translation>
    </message>
    <message>
        <source>打包失败！
安装包没有完整地复制过去：%1</source>
        <translation>Packing failed!
The package wasn&apos;t copied over in full: %1</translation>
    </message>
    <message>
        <source>打包失败！
这张图片没能变成一张合格的PNG：%1</source>
        <translation>Packing failed!
This picture didn&apos;t turn into a proper PNG: %1</translation>
    </message>
    <message>
        <source>打包失败！
没能换上新的文件夹：%1</source>
        <translation>Packing failed!
Couldn&apos;t put the new folder in place: %1</translation>
    </message>
    <message>
        <source>打包失败！
没能换上新的文件夹：%1
原来的文件夹暂时放在了 %2，下次打包时会放回原处～</source>
        <translation>Packing failed!
Couldn&apos;t put the new folder in place: %1
The earlier folder is kept at %2 for now; the next pack puts it back~</translation>
    </message>
    <message>
        <source>打包失败！
包名不能是空的，不能包含斜杠，也不能是.或..哦～</source>
        <translation>Packing failed!
A package name can&apos;t be empty, hold a slash, nor be . or ..~</translation>
    </message>
    <message>
        <source>压缩失败！
</source>
        <translation>Compression failed!
</translation>
    </message>
    <message>
        <source>压缩失败！
这个包名当不了文件夹的名字：%1</source>
        <translation>Compression failed!
This package name can&apos;t be a folder name: %1</translation>
    </message>
    <message>
        <source>压缩失败！
%1 已经存在，但它不是文件夹～</source>
        <translation>Compression failed!
%1 already exists, but it isn&apos;t a folder~</translation>
    </message>
    <message>
        <source>压缩失败！
桌面文件夹不见了：%1</source>
        <translation>Compression failed!
The desktop folder is gone: %1</translation>
    </message>
    <message>
        <source>压缩失败！
压缩包没能换上它的名字：%1</source>
        <translation>Compression failed!
The archive couldn&apos;t take its name: %1</translation>
    </message>
    <message>
        <source>锁文件打不开：%1</source>
        <translation>Cannot open the lock file: %1</translation>
    </message>
    <message>
        <source>这不是一个普通的文件哦，用不了呢～
%1</source>
        <translation>That&apos;s not a regular file, so it can&apos;t be used~
%1</translation>
    </message>
    <message>
        <source>Logo图标</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>压缩输出</source>
        <translation>Compression output</translation>
    </message>
    <message>
        <source>单击此处选择Logo图标</source>
        <translation>Click here to choose a logo</translation>
    </message>
    <message>
        <source>Plinvex</source>
        <translation>Plinvex</translation>
    </message>
    <message>
        <source>这里写在商店展示的名字～</source>
        <translation>The name the store shows~</translation>
    </message>
    <message>
        <source>这里是要投稿的安装包的路径~</source>
        <translation>Where the package you submit lives~</translation>
    </message>
    <message>
        <source>应用名称</source>
        <translation>App name</translation>
    </message>
    <message>
        <source>deb位置</source>
        <translation>deb file</translation>
    </message>
    <message>
        <source>作者（可选）</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>这里是原作者的名字哦～</source>
        <translation>The original author&apos;s name (optional)~</translation>
    </message>
    <message>
        <source>介绍信息</source>
        <translation>About it</translation>
    </message>
    <message>
        <source>写点什么向大家介绍一下这个应用软件吧～</source>
        <translation>Write a few words to introduce this app to everyone~</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>这里要填上版本哦～</source>
        <translation>The version goes here~</translation>
    </message>
    <message>
        <source>打包咯！</source>
        <translation>Pack it!</translation>
    </message>
    <message>
        <source>算了算了......</source>
        <translation>Never mind...</translation>
    </message>
    <message>
        <source>截图文件</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>点击这里选择Logo图标</source>
        <translation>Click here to choose a logo</translation>
    </message>
    <message>
        <source>打包者</source>
        <translation>Packer</translation>
    </message>
    <message>
        <source>这里写你的名字～</source>
        <translation>Your own name goes here~</translation>
    </message>
    <message>
        <source>再来一份？</source>
        <translation>Another one?</translation>
    </message>
    <message>
        <source>要不要压缩一下？</source>
        <translation>Compress it?</translation>
    </message>
    <message>
        <source>主页（可选）</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>这里写原作者的主页或者官网～</source>
        <translation>The author&apos;s homepage or website (optional)~</translation>
    </message>
    <message>
        <source>这里是软件包的名字~（比如krita，vscode，dde-dock这样啦）</source>
        <translation>The package&apos;s name~ (like krita, vscode, dde-dock and friends)</translation>
    </message>
    <message>
        <source>包名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>截图直接拖进窗口就可以添加哦～</source>
        <translation>Drag screenshots into the window, or paste them~</translation>
    </message>
    <message>
        <source>选择图标</source>
        <translation>Choose a logo</translation>
    </message>
    <message>
        <source>Image Files(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>选择安装包</source>
        <translation>Choose a package</translation>
    </message>
    <message>
        <source>Deb Files(*.deb)</source>
        <translation>Debian packages (*.deb)</translation>
    </message>
    <message>
        <source>呐！</source>
        <translation>Hey!</translation>
    </message>
    <message>
        <source>根本没有选中东西嘛！</source>
        <translation>You didn&apos;t pick anything at all!</translation>
    </message>
    <message>
        <source>读不出这个安装包的包名和版本呢，手动填一下吧～</source>
        <translation>Can&apos;t read this package&apos;s name and version. Type them in by hand~</translation>
    </message>
    <message>
        <source>内个...只支持png文件呢～</source>
        <translation>Um... only PNG files, please~</translation>
    </message>
    <message>
        <source>这是个不存在的文件啊喂！</source>
        <translation>Hey, that file doesn&apos;t even exist!</translation>
    </message>
    <message>
        <source>内个...你选择的好像不是deb文件呐～</source>
        <translation>Um... that doesn&apos;t look like a deb file~</translation>
    </message>
    <message>
        <source>诶？</source>
        <translation>Huh?</translation>
    </message>
    <message>
        <source>你好像忘记了什么～</source>
        <translation>Looks like you forgot something~</translation>
    </message>
    <message>
        <source>包名不能包含斜杠，也不能是.或..哦～</source>
        <translation>A package name can&apos;t hold a slash, nor be . or ..~</translation>
    </message>
    <message>
        <source>主页只能是http或https开头的网址哦～</source>
        <translation>The homepage must be a URL starting with http or https~</translation>
    </message>
    <message>
        <source>%1里有一个看不见的字符 %2，删掉它再打包吧～</source>
        <translation>%1 holds an invisible character, %2; remove it and pack again~</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>打包失败！</source>
        <translation>Packing failed!</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>看起来都没问题～</source>
        <translation>Looks all fine~</translation>
    </message>
    <message>
        <source>等待锁</source>
        <translation>Waiting for the lock</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copying</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>搬运</source>
        <translation>Carrying over</translation>
    </message>
    <message>
        <source>换上新的</source>
        <translation>Swapping in</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compressing</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>这个安装包不完整或者坏掉了，不能打包哦～</source>
        <translation>This package is incomplete or damaged and cannot be packed~</translation>
    </message>
    <message>
        <source>复制和缩放</source>
        <translation>Copying and scaling</translation>
    </message>
</context>
</TS>
