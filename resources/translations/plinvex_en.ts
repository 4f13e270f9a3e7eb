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
    <message>
        <source>这是个不存在的文件啊喂！ %1</source>
        <translation>Hey, that file doesn&apos;t even exist! %1</translation>
    </message>
    <message>
        <source>这不是一个普通的文件哦，用不了呢～ %1</source>
        <translation>That&apos;s not a regular file, so it can&apos;t be used~ %1</translation>
    </message>
    <message>
        <source>包名不能包含斜杠，也不能是.或..哦～ %1</source>
        <translation>A package name can&apos;t hold a slash, nor be . or ..~ %1</translation>
    </message>
    <message>
        <source>检查了</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>%1 个输入：%2 个通过，%3 个没通过</source>
        <translation>%1 inputs: %2 passed, %3 failed</translation>
    </message>
    <message>
        <source>输出格式：text、json、jsonl、sarif 或 github</source>
        <translation>Output format: text, json, jsonl, sarif or github</translation>
    </message>
    <message>
        <source>同时检查几个输入；默认是处理器的核数</source>
        <translation>How many inputs to check at once; the number of cores if not given</translation>
    </message>
    <message>
        <source>一次找出每份投稿的所有问题，什么也不打包。</source>
        <translation>Reports every problem of each submission at once; builds nothing.</translation>
    </message>
    <message>
        <source>要检查的 deb 安装包、投稿文件夹或它的 .tar.gz；可以给多个</source>
        <translation>The deb packages, bundle folders or their .tar.gz to check; give as many as you like</translation>
    </message>
    <message>
        <source>--jobs 要一个不小于 1 的整数：%1</source>
        <translation>--jobs takes a whole number of at least 1: %1</translation>
    </message>
    <message>
        <source>压缩包读不下去：不是完整的 gzip 压缩 tar 包</source>
        <translation>The archive cannot be read: it is no complete gzip-compressed tar archive</translation>
    </message>
    <message>
        <source>压缩包太大了：%1 字节，最多 %2 字节</source>
        <translation>The archive is too large: %1 bytes, at most %2</translation>
    </message>
    <message>
        <source>解压后的内容超过了压缩包的 %1 倍（且超过 %2 MiB），像是压缩炸弹，没有再读下去</source>
        <translation>It unpacks to more than %1 times its size (and more than %2 MiB): an archive bomb, read no further</translation>
    </message>
    <message>
        <source>成员太多，超过 %1 个，后面的没有再读</source>
        <translation>Too many members, more than %1: the rest was not read</translation>
    </message>
    <message>
        <source>成员名不是有效的 UTF-8，或含有控制字符</source>
        <translation>The member&apos;s name is no valid UTF-8, or holds a control character</translation>
    </message>
    <message>
        <source>成员用的是绝对路径，解压时会写到文件夹外面</source>
        <translation>The member has an absolute path: unpacking it writes outside the folder</translation>
    </message>
    <message>
        <source>成员路径里有 ..，解压时会跑到文件夹外面</source>
        <translation>The member&apos;s path holds ..: unpacking it climbs out of the folder</translation>
    </message>
    <message>
        <source>这个成员不在唯一的顶层文件夹里</source>
        <translation>This member is not inside the one top folder</translation>
    </message>
    <message>
        <source>这个成员是链接，指向 %1</source>
        <translation>This member is a link, to %1</translation>
    </message>
    <message>
        <source>这个成员不是普通文件（设备、管道、套接字或稀疏文件）</source>
        <translation>This member is no regular file (a device, a pipe, a socket or a sparse file)</translation>
    </message>
    <message>
        <source>这个成员在压缩包里出现了不止一次</source>
        <translation>This member appears more than once in the archive</translation>
    </message>
    <message>
        <source>包里的安装包超过 %1 字节，没有读</source>
        <translation>The package inside is over %1 bytes and was not read</translation>
    </message>
    <message>
        <source>缺少 %1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>截图编号不连续：缺少第 %1 张</source>
        <translation>The screenshots have a gap: number %1 is missing</translation>
    </message>
    <message>
        <source>这个成员不该在提交里：%1</source>
        <translation>This member does not belong in a bundle: %1</translation>
    </message>
    <message>
        <source>这个成员不属于提交</source>
        <translation>This member is no part of a bundle</translation>
    </message>
    <message>
        <source>app.json 超过 %1 字节，没有读</source>
        <translation>app.json is over %1 bytes and was not read</translation>
    </message>
    <message>
        <source>app.json 不是有效的 UTF-8</source>
        <translation>app.json is no valid UTF-8</translation>
    </message>
    <message>
        <source>app.json 不是有效的 JSON</source>
        <translation>app.json is no valid JSON</translation>
    </message>
    <message>
        <source>app.json 不是一个 JSON 对象</source>
        <translation>app.json is no JSON object</translation>
    </message>
    <message>
        <source>app.json 的第一个对象后面还接着第二个对象</source>
        <translation>app.json has a second object after the first</translation>
    </message>
    <message>
        <source>app.json 缺少 %1</source>
        <translation>app.json lacks %1</translation>
    </message>
    <message>
        <source>app.json 有多余的键 %1</source>
        <translation>app.json has a key of its own: %1</translation>
    </message>
    <message>
        <source>app.json 的 %1 出现了不止一次</source>
        <translation>app.json has %1 more than once</translation>
    </message>
    <message>
        <source>app.json 的 %1 不是字符串</source>
        <translation>app.json&apos;s %1 is no string</translation>
    </message>
    <message>
        <source>app.json 的 Pkgname 是 %1，安装包自己的包名是 %2</source>
        <translation>app.json&apos;s Pkgname is %1, the package&apos;s own name %2</translation>
    </message>
    <message>
        <source>app.json 的 Version 是 %1，安装包自己的版本是 %2</source>
        <translation>app.json&apos;s Version is %1, the package&apos;s own version %2</translation>
    </message>
    <message>
        <source>app.json 的 Filename 是 %1，包里的安装包是 %2</source>
        <translation>app.json&apos;s Filename is %1, the package inside is %2</translation>
    </message>
    <message>
        <source>app.json 的 Size 是 %1，按安装包的大小应该是 %2</source>
        <translation>app.json&apos;s Size is %1; the package&apos;s size makes it %2</translation>
    </message>
    <message>
        <source>app.json 的 Update 不是 yyyy-MM-dd hh:mm 格式的有效时间：%1</source>
        <translation>app.json&apos;s Update is no valid yyyy-MM-dd hh:mm time: %1</translation>
    </message>
    <message>
        <source>app.json 的 Update 在将来：%1</source>
        <translation>app.json&apos;s Update lies in the future: %1</translation>
    </message>
    <message>
        <source>app.json 的 %1 空着，应该写成一个空格</source>
        <translation>app.json&apos;s %1 is empty; it is to be a single blank</translation>
    </message>
    <message>
        <source>app.json 的 More 不止一行</source>
        <translation>app.json&apos;s More spans several lines</translation>
    </message>
    <message>
        <source>这不是一张真正的 PNG 图片</source>
        <translation>This is no real PNG picture</translation>
    </message>
    <message>
        <source>图片是 %1×%2，超出了 %3×%4</source>
        <translation>The picture is %1×%2, larger than %3×%4</translation>
    </message>
    <message>
        <source>图片是动画（APNG）</source>
        <translation>The picture is animated (APNG)</translation>
    </message>
    <message>
        <source>图片里带有可能泄露隐私的块：%1</source>
        <translation>The picture carries chunks that may give away something private: %1</translation>
    </message>
    <message>
        <source>说明检查项 TAG（写在安装包的位置）；不给就列出所有检查项</source>
        <translation>Explain the finding TAG (given in the package&apos;s place); without one, list every finding</translation>
    </message>
    <message>
        <source>上限：</source>
        <translation>Limit: </translation>
    </message>
    <message>
        <source>为什么：</source>
        <translation>Why: </translation>
    </message>
    <message>
        <source>怎么改：</source>
        <translation>How to mend: </translation>
    </message>
    <message>
        <source>多出来的一个安装包</source>
        <translation>a second package</translation>
    </message>
    <message>
        <source>一个可执行的程序</source>
        <translation>an executable program</translation>
    </message>
</context>
<context>
    <name>DebVersion</name>
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
        <source>这个安装包不完整或者坏掉了，不能打包哦～</source>
        <translation>This package is incomplete or damaged and cannot be packed~</translation>
    </message>
    <message>
        <source>复制和缩放</source>
        <translation>Copying and scaling</translation>
    </message>
</context>
<context>
    <name>RuleBook</name>
    <message>
        <source>安装包不存在</source>
        <translation>The package does not exist</translation>
    </message>
    <message>
        <source>给的路径上没有文件，没有安装包就什么也打不了。</source>
        <translation>There is no file at the given path; without a package there is nothing to pack.</translation>
    </message>
    <message>
        <source>检查路径有没有写错，或者先把安装包下载下来。</source>
        <translation>Check the path for typos, or download the package first.</translation>
    </message>
    <message>
        <source>安装包不是普通文件</source>
        <translation>The package is not a regular file</translation>
    </message>
    <message>
        <source>路径指向的是文件夹、设备或者管道；商店只收一个普通的 .deb 文件。</source>
        <translation>The path names a folder, a device or a pipe; the store takes one regular .deb file.</translation>
    </message>
    <message>
        <source>指向安装包文件本身。</source>
        <translation>Point at the package file itself.</translation>
    </message>
    <message>
        <source>不是读得懂的 Debian 安装包</source>
        <translation>Not a readable Debian package</translation>
    </message>
    <message>
        <source>文件不是 Debian 安装包（deb(5) 规定的 ar 归档，先是 debian-binary，再是 control 和 data），商店装不上它。</source>
        <translation>The file is not a Debian package (the ar archive of deb(5): debian-binary, then control and data), so the store cannot install it.</translation>
    </message>
    <message>
        <source>安装包坏了，读不到结尾</source>
        <translation>The package is damaged and cannot be read to its end</translation>
    </message>
    <message>
        <source>安装包开头没问题，但中途断了、校验或解压出错，或者解开后比自身大 64 倍以上（至少 256 MiB）；用户下载后也会装不上。</source>
        <translation>The package begins well but is cut short, fails a checksum or its decompression, or inflates past 64 times its size (at least 256 MiB); users who download it could not install it either.</translation>
    </message>
    <message>
        <source>没能读出安装包自己的信息</source>
        <translation>The package&apos;s own information could not be read</translation>
    </message>
    <message>
        <source>读安装包的程序没装、启动不了、崩溃、超时或回答不对，所以什么也没从安装包里填；给出的值照样检查。</source>
        <translation>The program that reads packages is missing, did not start, crashed, ran out of time or answered nonsense, so nothing was filled from the package; the values given are checked all the same.</translation>
    </message>
    <message>
        <source>装上 plinvex-reader，或者把每一项都自己填上。</source>
        <translation>Install plinvex-reader, or give every value yourself.</translation>
    </message>
    <message>
        <source>安装包看起来不是一个应用</source>
        <translation>The package does not look like an application</translation>
    </message>
    <message>
        <source>里面既没有 Type=Application 的桌面入口，也没有应用类型的 AppStream 组件；商店列的是用户能打开的应用，插件和库一般不收（AppStream 的组件类型也是这样区分的）。</source>
        <translation>It has neither a Type=Application desktop entry nor an AppStream component of an application type; a store lists applications a user can open, and plugins and libraries are usually not taken (AppStream&apos;s component types draw the same line).</translation>
    </message>
    <message>
        <source>读安装包的程序没能把自己关起来</source>
        <translation>The package reader could not confine itself</translation>
    </message>
    <message>
        <source>安装包的内容来自陌生人，本该在 Landlock 和系统调用过滤的防护下读；自检没看到这层防护生效，包里的内容是在没有防护时读的。</source>
        <translation>A package&apos;s contents come from strangers and should be read under Landlock and a system-call filter; the self-test did not see that confinement hold, so the contents were read without it.</translation>
    </message>
    <message>
        <source>安装包的文本文件里有 NUL 字节</source>
        <translation>A text file of the package holds a NUL byte</translation>
    </message>
    <message>
        <source>控制文件、桌面入口和 AppStream 文件都应该是 UTF-8 文本；NUL 字节按 U+FFFD 读，含 NUL 的 AppStream 文件不用，所以读到的内容可能不对。</source>
        <translation>The control file, desktop entries and AppStream files should be UTF-8 text; each NUL is read as U+FFFD and an AppStream file holding one is not used, so what was read may be wrong.</translation>
    </message>
    <message>
        <source>找出写进 NUL 的地方，修好那些文件后重新生成安装包。</source>
        <translation>Find what wrote the NUL, mend those files and build the package again.</translation>
    </message>
    <message>
        <source>有好几个桌面入口，猜了一个当主程序</source>
        <translation>Several desktop entries; one was guessed as the main one</translation>
    </message>
    <message>
        <source>菜单里显示的入口不止一个，而 AppStream、包名和程序名都没点明哪个是主程序，名字、图标这些就从猜的那个里填了。</source>
        <translation>Several entries show in menus and neither AppStream, the package name nor its program names the main one, so the name, icon and the rest were filled from a guess.</translation>
    </message>
    <message>
        <source>确认填的值是对的；要让它明确，就在 AppStream 信息里用 &lt;launchable&gt; 写明主入口。</source>
        <translation>Make sure the values filled are right; to settle it, name the main entry with &lt;launchable&gt; in the AppStream data.</translation>
    </message>
    <message>
        <source>早先那份的 app.json 太大，没有读</source>
        <translation>The earlier bundle&apos;s app.json was too large to read</translation>
    </message>
    <message>
        <source>桌面上早先打包的 app.json 超过了 1 MiB，正常的只有几百字节；为了安全没有读它，也就没从里面填任何值。</source>
        <translation>The app.json of the earlier bundle on the desktop is over 1 MiB where a real one has a few hundred bytes; it was left unread for safety, so nothing was filled from it.</translation>
    </message>
    <message>
        <source>删掉或挪走桌面上那个文件夹，再打一次。</source>
        <translation>Delete or move that folder on the desktop and pack again.</translation>
    </message>
    <message>
        <source>安装包的文件名里有网址转义</source>
        <translation>The package&apos;s file name holds a URL escape</translation>
    </message>
    <message>
        <source>从网上下载的文件名可能还留着 %3a 这样的转义（本该是纪元的冒号）；文件名会原样写进 app.json，商店也会原样显示。</source>
        <translation>A file name fetched from the web may keep escapes such as %3a (for the epoch&apos;s colon); the file name goes into app.json as it is, and the store shows it so.</translation>
    </message>
    <message>
        <source>把文件改回 Debian 的写法：包名_版本_架构.deb。</source>
        <translation>Rename the file the Debian way: name_version_architecture.deb.</translation>
    </message>
    <message>
        <source>读不出安装包的包名</source>
        <translation>The package&apos;s name could not be read</translation>
    </message>
    <message>
        <source>包名决定打包出的文件夹和商店里的条目；安装包没说，也没有给出。</source>
        <translation>The package name names the bundle&apos;s folder and the store&apos;s entry; the package does not tell it and none was given.</translation>
    </message>
    <message>
        <source>自己给出包名，或者修好安装包的 control 文件里的 Package 字段。</source>
        <translation>Give the package name yourself, or mend the Package field of the package&apos;s control file.</translation>
    </message>
    <message>
        <source>包名当不了文件夹名</source>
        <translation>The package name cannot be a folder name</translation>
    </message>
    <message>
        <source>包名就是打包出的文件夹名；斜杠、NUL、. 或 .. 会让它落到桌面上别的地方去。</source>
        <translation>The package name is the bundle&apos;s folder name; a slash, a NUL, . or .. would put it somewhere else than the desktop.</translation>
    </message>
    <message>
        <source>用安装包自己的包名。</source>
        <translation>Use the package&apos;s own name.</translation>
    </message>
    <message>
        <source>包名不合 Debian 的写法</source>
        <translation>The package name is not a Debian package name</translation>
    </message>
    <message>
        <source>Debian 政策（5.6.1）规定包名只用小写字母、数字和 + - .，至少两个字符，以字母或数字开头；商店按它找安装包。</source>
        <translation>Debian policy (5.6.1) allows only lower-case letters, digits and + - . in a package name, at least two characters, beginning with a letter or digit; the store finds the package by it.</translation>
    </message>
    <message>
        <source>用安装包 control 文件里的 Package 名。</source>
        <translation>Use the Package name from the package&apos;s control file.</translation>
    </message>
    <message>
        <source>给的包名和安装包自己的不一样</source>
        <translation>The given package name differs from the package&apos;s own</translation>
    </message>
    <message>
        <source>商店按包名把条目和安装包对上；两边不一样，装上的会是另一个包名。</source>
        <translation>The store matches its entry to the package by name; when they differ, what gets installed carries another name.</translation>
    </message>
    <message>
        <source>去掉给的包名，或者改成安装包自己的。</source>
        <translation>Drop the given name, or make it the package&apos;s own.</translation>
    </message>
    <message>
        <source>读不出安装包的版本号</source>
        <translation>The package&apos;s version could not be read</translation>
    </message>
    <message>
        <source>商店用版本号判断有没有更新；安装包没说，也没有给出。</source>
        <translation>The store tells updates apart by the version; the package does not tell it and none was given.</translation>
    </message>
    <message>
        <source>自己给出版本号，或者修好安装包 control 文件里的 Version 字段。</source>
        <translation>Give the version yourself, or mend the Version field of the package&apos;s control file.</translation>
    </message>
    <message>
        <source>dpkg 不认这个版本号</source>
        <translation>dpkg rejects the version</translation>
    </message>
    <message>
        <source>版本号要合 deb-version(7)：可选的纪元加冒号、以数字开头的上游版本、可选的连字符加修订号；dpkg 不认的，商店也装不上。</source>
        <translation>A version must follow deb-version(7): an optional epoch and colon, an upstream version beginning with a digit, an optional hyphen and revision; what dpkg rejects the store cannot install.</translation>
    </message>
    <message>
        <source>用安装包自己的版本号，或者照 deb-version(7) 改写。</source>
        <translation>Use the package&apos;s own version, or write it as deb-version(7) says.</translation>
    </message>
    <message>
        <source>dpkg 会对这个版本号发出警告</source>
        <translation>dpkg warns about the version</translation>
    </message>
    <message>
        <source>上游版本不以数字开头时 dpkg 只是警告，但排序可能出人意料，更新也会判断错（deb-version(7)）。</source>
        <translation>dpkg only warns when the upstream version does not begin with a digit, but such versions sort unexpectedly and updates may be misjudged (deb-version(7)).</translation>
    </message>
    <message>
        <source>让上游版本以数字开头。</source>
        <translation>Make the upstream version begin with a digit.</translation>
    </message>
    <message>
        <source>给的版本号和安装包自己的不一样</source>
        <translation>The given version differs from the package&apos;s own</translation>
    </message>
    <message>
        <source>商店显示的版本应该就是装上的版本；不一样时用户会以为有更新或者没有更新。</source>
        <translation>The version the store shows should be the one that gets installed; when they differ, users think there is an update when there is none, or the reverse.</translation>
    </message>
    <message>
        <source>去掉给的版本号，或者改成安装包自己的。</source>
        <translation>Drop the given version, or make it the package&apos;s own.</translation>
    </message>
    <message>
        <source>上游版本不是 AppStream 里最新的发布</source>
        <translation>The upstream version is not AppStream&apos;s newest release</translation>
    </message>
    <message>
        <source>AppStream 的 &lt;releases&gt; 应该以这个版本为最新（Flathub 之类的商店也这么要求）；不一致多半是忘了更新元数据，或者打错了包。</source>
        <translation>AppStream&apos;s &lt;releases&gt; should have this version as the newest (stores such as Flathub ask the same); a mismatch usually means the metadata was not updated, or the wrong package was built.</translation>
    </message>
    <message>
        <source>在 AppStream 信息里加上这个版本的 &lt;release&gt;，或者确认打的是对的版本。</source>
        <translation>Add a &lt;release&gt; for this version to the AppStream data, or make sure the right version was built.</translation>
    </message>
    <message>
        <source>这是一个预发布版本</source>
        <translation>This is a pre-release version</translation>
    </message>
    <message>
        <source>版本里有 ~，或者数字后面跟着 alpha、beta、rc；商店的用户多半想要正式版。</source>
        <translation>The version holds a ~, or alpha, beta or rc after a digit; a store&apos;s users mostly expect a final release.</translation>
    </message>
    <message>
        <source>确认真的要发布预发布版本；否则等正式版再投。</source>
        <translation>Make sure a pre-release is meant; otherwise wait for the final release.</translation>
    </message>
    <message>
        <source>值里有看不见的字符</source>
        <translation>A value holds a hidden character</translation>
    </message>
    <message>
        <source>控制字符、双向控制符、分隔符和零宽字符看不见，却会让商店和终端显示出别的样子，比如把文字倒过来，或藏起一个字母。</source>
        <translation>Control, bidirectional, separator and zero-width characters show nothing, yet make the store and terminals show the text otherwise: turned around, or with a letter hidden.</translation>
    </message>
    <message>
        <source>删掉那个字符（发现里给出了它的编码），最好重新输入这个值。</source>
        <translation>Delete the character (the finding names its code point); typing the value again is surest.</translation>
    </message>
    <message>
        <source>必填的一项空着</source>
        <translation>A required value is empty</translation>
    </message>
    <message>
        <source>名字、包名、版本号、打包者、简介、Logo 和截图都是商店页面要显示的，少一样都不收。</source>
        <translation>The name, package name, version, contributor, description, logo and screenshots all show on the store&apos;s page; it takes no submission without any of them.</translation>
    </message>
    <message>
        <source>把这一项填上。</source>
        <translation>Fill in the value.</translation>
    </message>
    <message>
        <source>名字太长</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>商店的列表里名字只显示这么宽，多出来的会被截掉（AppStream 和 Flathub 的质量准则也建议名字短一些）。</source>
        <translation>The store&apos;s list shows a name only this wide and cuts off the rest (AppStream&apos;s and Flathub&apos;s quality guidelines also ask for a short name).</translation>
    </message>
    <message>
        <source>只留应用的名字，说明放到简介里。</source>
        <translation>Keep only the application&apos;s name and move the rest to the description.</translation>
    </message>
    <message>
        <source>名字以标点结尾</source>
        <translation>The name ends in punctuation</translation>
    </message>
    <message>
        <source>名字不是句子，结尾的句号、感叹号、问号或波浪号在列表里很怪（Flathub 风格的质量准则也这么说）。</source>
        <translation>A name is not a sentence; a full stop, exclamation or question mark or tilde at its end looks odd in the list (Flathub-style quality guidelines say the same).</translation>
    </message>
    <message>
        <source>去掉结尾的标点。</source>
        <translation>Drop the punctuation at the end.</translation>
    </message>
    <message>
        <source>名字里好像带了一句口号</source>
        <translation>The name seems to carry a tagline</translation>
    </message>
    <message>
        <source>冒号、破折号或括号后面还有话，多半是口号；名字只该是名字（AppStream 把简短说明放在 summary 里）。</source>
        <translation>More words after a colon, a dash or a bracket are most likely a slogan; a name should be just the name (AppStream keeps the short line in its summary).</translation>
    </message>
    <message>
        <source>把口号挪到简介里。</source>
        <translation>Move the slogan into the description.</translation>
    </message>
    <message>
        <source>主页不是 http 或 https 网址</source>
        <translation>The homepage is not an http or https address</translation>
    </message>
    <message>
        <source>商店会把主页做成链接；javascript:、file:、data: 这样的协议会运行脚本、打开本地文件或显示链接里编造的页面。</source>
        <translation>The store makes the homepage a link; a scheme such as javascript:, file: or data: would run a script, open a local file or show a page made up in the link.</translation>
    </message>
    <message>
        <source>写成 https:// 开头的网址，或者留空。</source>
        <translation>Give an address beginning with https://, or leave it empty.</translation>
    </message>
    <message>
        <source>主页不像网址</source>
        <translation>The homepage does not look like an address</translation>
    </message>
    <message>
        <source>没有协议的 www.example.org 在商店里当不了链接，点了也打不开。</source>
        <translation>www.example.org without a scheme does not work as a link in the store.</translation>
    </message>
    <message>
        <source>在前面加上 https://。</source>
        <translation>Put https:// in front of it.</translation>
    </message>
    <message>
        <source>简介太短</source>
        <translation>The description is short</translation>
    </message>
    <message>
        <source>只有一行又比这窄，或者和名字一样的简介，说的不比名字多；商店页面靠简介告诉用户它能做什么（AppStream 的 description 也要求几句完整的话）。</source>
        <translation>One line narrower than this, or the name again, says no more than the name; the store&apos;s page tells users what it does by the description (AppStream&apos;s description also asks for a few full sentences).</translation>
    </message>
    <message>
        <source>写几句：它是做什么的、有什么特点。</source>
        <translation>Write a few sentences: what it does and what sets it apart.</translation>
    </message>
    <message>
        <source>简介太长</source>
        <translation>The description is too long</translation>
    </message>
    <message>
        <source>比这宽的简介在商店页面上是一大堵字，用户读不完。</source>
        <translation>A description wider than this is a wall of text on the store&apos;s page that users do not read.</translation>
    </message>
    <message>
        <source>挑重点写，细节放到主页上。</source>
        <translation>Keep to the main points and leave the details to the homepage.</translation>
    </message>
    <message>
        <source>简介里还有占位的字</source>
        <translation>The description still holds placeholder text</translation>
    </message>
    <message>
        <source>lorem ipsum、TODO、TBD、FIXME、coming soon、敬请期待、待补充、测试用，说明简介还没写完。</source>
        <translation>Lorem ipsum, TODO, TBD, FIXME, coming soon, 敬请期待, 待补充 or 测试用 mean the description is not finished.</translation>
    </message>
    <message>
        <source>写完简介再投。</source>
        <translation>Finish the description before submitting.</translation>
    </message>
    <message>
        <source>简介混着两种文字</source>
        <translation>The description mixes two scripts</translation>
    </message>
    <message>
        <source>有的行是界面语言的文字，有的不是，比如翻译了的概要下面是没翻译的正文；商店里会中英混杂。</source>
        <translation>Some lines are in the interface language&apos;s script and some are not, such as a translated summary over an untranslated body; the store would show a mix of languages.</translation>
    </message>
    <message>
        <source>把那几行也翻译了，或者整段用一种语言。</source>
        <translation>Translate those lines too, or keep the whole text in one language.</translation>
    </message>
    <message>
        <source>Logo 文件不存在</source>
        <translation>The logo file does not exist</translation>
    </message>
    <message>
        <source>给的路径上没有文件，商店页面需要一个 Logo。</source>
        <translation>There is no file at the given path, and the store&apos;s page needs a logo.</translation>
    </message>
    <message>
        <source>检查路径有没有写错。</source>
        <translation>Check the path for typos.</translation>
    </message>
    <message>
        <source>Logo 不是普通文件</source>
        <translation>The logo is not a regular file</translation>
    </message>
    <message>
        <source>路径指向的是文件夹、设备或者管道，不是图片文件。</source>
        <translation>The path names a folder, a device or a pipe, not a picture file.</translation>
    </message>
    <message>
        <source>指向图片文件本身。</source>
        <translation>Point at the picture file itself.</translation>
    </message>
    <message>
        <source>Logo 不是 PNG、JPEG 或 GIF 图片</source>
        <translation>The logo is not a PNG, JPEG or GIF picture</translation>
    </message>
    <message>
        <source>按文件内容判断，不看扩展名；别的格式转不成商店要的 PNG。</source>
        <translation>Judged by the file&apos;s content, not its name; other formats cannot be turned into the PNG the store wants.</translation>
    </message>
    <message>
        <source>把 Logo 导出成 PNG。</source>
        <translation>Export the logo as PNG.</translation>
    </message>
    <message>
        <source>Logo 太小</source>
        <translation>The logo is too small</translation>
    </message>
    <message>
        <source>商店把 Logo 放进这么大的方框；两边都更小的会被放大，看起来发虚（Flathub 也要求至少这么大的图标）。</source>
        <translation>The store puts the logo in a square this large; one smaller in both sides is enlarged and looks blurred (Flathub also asks for an icon at least this large).</translation>
    </message>
    <message>
        <source>用更大的 Logo，最好是 SVG 导出的 256×256 PNG。</source>
        <translation>Use a larger logo, best a 256×256 PNG exported from SVG.</translation>
    </message>
    <message>
        <source>Logo 不是正方形</source>
        <translation>The logo is not square</translation>
    </message>
    <message>
        <source>放进正方形的框里会在两边留空，和别的应用的图标排在一起很显眼（图标主题和 Flathub 都要求正方形）。</source>
        <translation>In the square box it leaves margins, which stand out beside other applications&apos; icons (icon themes and Flathub ask for square icons).</translation>
    </message>
    <message>
        <source>把 Logo 的画布裁成或扩成正方形。</source>
        <translation>Crop or extend the logo&apos;s canvas to a square.</translation>
    </message>
    <message>
        <source>Logo 大部分是透明的</source>
        <translation>The logo is mostly transparent</translation>
    </message>
    <message>
        <source>不透明的像素（alpha ≥ 128）少于画布的 5% 时几乎看不见；少于 20% 时看起来是一个小点（此时只是提示）。</source>
        <translation>Under 5% of opaque pixels (alpha ≥ 128) the logo shows as almost nothing; under 20% it shows as a speck (then only a note).</translation>
    </message>
    <message>
        <source>裁掉透明的边，让图案占满画布。</source>
        <translation>Crop the transparent margins so the drawing fills the canvas.</translation>
    </message>
    <message>
        <source>图标可能在别的包里</source>
        <translation>The icon may be in another package</translation>
    </message>
    <message>
        <source>桌面入口说的图标既不在安装包里，也不在给出的伴随包里；很多应用把图标放在 -data、-common 或图标主题包里。</source>
        <translation>The icon the entry names is in neither the package nor a companion given; many applications keep their icons in a -data, -common or icon theme package.</translation>
    </message>
    <message>
        <source>截图文件不存在</source>
        <translation>A screenshot file does not exist</translation>
    </message>
    <message>
        <source>给的路径上没有文件，商店页面靠截图展示应用。</source>
        <translation>There is no file at the given path, and the store&apos;s page shows the application by its screenshots.</translation>
    </message>
    <message>
        <source>截图不是普通文件</source>
        <translation>A screenshot is not a regular file</translation>
    </message>
    <message>
        <source>截图不是 PNG、JPEG 或 GIF 图片</source>
        <translation>A screenshot is not a PNG, JPEG or GIF picture</translation>
    </message>
    <message>
        <source>把截图存成 PNG。</source>
        <translation>Save the screenshot as PNG.</translation>
    </message>
    <message>
        <source>截图太小</source>
        <translation>A screenshot is too small</translation>
    </message>
    <message>
        <source>商店把截图放进这么大的框；两边都更小的会被放大，看不清（AppStream 的截图准则也要求够大的截图）。</source>
        <translation>The store shows screenshots in a box this large; one smaller in both sides is enlarged and blurred (AppStream&apos;s screenshot guidelines also ask for large enough ones).</translation>
    </message>
    <message>
        <source>截一张更大的窗口。</source>
        <translation>Take the screenshot of a larger window.</translation>
    </message>
    <message>
        <source>两张截图一模一样</source>
        <translation>Two screenshots are the same</translation>
    </message>
    <message>
        <source>同一个文件给了两次，商店页面上会出现两张一样的图。</source>
        <translation>The same file content was given twice, and the store&apos;s page would show the same picture twice.</translation>
    </message>
    <message>
        <source>去掉重复的那张，或者换一张别的截图。</source>
        <translation>Drop the repeated one, or use another screenshot.</translation>
    </message>
    <message>
        <source>两张截图几乎一样</source>
        <translation>Two screenshots are nearly the same</translation>
    </message>
    <message>
        <source>两张截图的 64 位差异哈希（9×8 的灰度）最多差这么多位，看起来是同一个画面。</source>
        <translation>The 64-bit difference hashes (9×8 greys) of the two screenshots are at most this many bits apart: to the eye they show the same thing.</translation>
    </message>
    <message>
        <source>换一张展示别的功能的截图。</source>
        <translation>Use a screenshot that shows another part of the application.</translation>
    </message>
    <message>
        <source>截图几乎是一片纯色</source>
        <translation>A screenshot is almost one colour</translation>
    </message>
    <message>
        <source>缩小到 128×96 后这么多像素都在同一种颜色附近（每个通道相差不过 8），多半是截错了窗口或截到了加载中的画面。</source>
        <translation>This share of a 128×96 copy is within 8 per channel of one colour: most likely the wrong window, or one still loading.</translation>
    </message>
    <message>
        <source>等应用显示出内容后重新截图。</source>
        <translation>Take the screenshot again once the application shows its content.</translation>
    </message>
    <message>
        <source>截图边上有全透明的带</source>
        <translation>A screenshot has a transparent band along an edge</translation>
    </message>
    <message>
        <source>带窗口阴影的截图边上是全透明的；至少占这条边这么多时，商店会把它显示成一条空带。</source>
        <translation>A screenshot taken with the window&apos;s shadow has fully transparent edges; when a band takes at least this share of its side, the store shows it as an empty band.</translation>
    </message>
    <message>
        <source>截图时不带阴影，或者把透明的边裁掉。</source>
        <translation>Take the screenshot without the shadow, or crop the transparent edges.</translation>
    </message>
    <message>
        <source>截图的比例和 4:3 差得远</source>
        <translation>A screenshot is far from 4:3</translation>
    </message>
    <message>
        <source>商店的截图框是 4:3；宽高比偏离超过这个倍数时，留的边比画面本身还宽。</source>
        <translation>The store&apos;s screenshot box is 4:3; more than this many times off, the margins are wider than the picture&apos;s own content.</translation>
    </message>
    <message>
        <source>截一个接近 4:3 的窗口。</source>
        <translation>Take the screenshot of a window near 4:3.</translation>
    </message>
    <message>
        <source>图片大得超过了能读的上限</source>
        <translation>A picture is past the size that is read</translation>
    </message>
    <message>
        <source>文件头说图片每边超过 16384 像素或一共超过 4000 万像素；这样的图片不解码，免得一张恶意图片吃光内存。</source>
        <translation>The header claims more than 16384 pixels a side or 40 million in all; such a picture is not decoded, so that a hostile one cannot take all memory.</translation>
    </message>
    <message>
        <source>把图片缩小后再用。</source>
        <translation>Scale the picture down first.</translation>
    </message>
    <message>
        <source>这是一张动图</source>
        <translation>The picture is animated</translation>
    </message>
    <message>
        <source>商店只显示静态图片，动图（APNG 或 GIF）只会用它的第一帧。</source>
        <translation>The store shows still pictures; of an animated one (APNG or GIF) only the first frame is used.</translation>
    </message>
    <message>
        <source>换成一张能说明问题的静态图片。</source>
        <translation>Use a still picture that shows what matters.</translation>
    </message>
    <message>
        <source>用 dpkg-deb 或 dpkg-buildpackage 重新生成安装包，再确认 dpkg-deb 能读出它的信息。</source>
        <translation>Build the package again with dpkg-deb or dpkg-buildpackage and make sure dpkg-deb can show its information.</translation>
    </message>
    <message>
        <source>重新下载或重新生成安装包，确认 dpkg-deb 能完整列出它的内容。</source>
        <translation>Download or build the package again and make sure dpkg-deb lists all of its contents.</translation>
    </message>
    <message>
        <source>给应用加上桌面入口或 AppStream 信息；如果它放在另一个包里，把那个包作为伴随包一起给出。</source>
        <translation>Add a desktop entry or AppStream data to the application; if it ships in another package, give that one too as a companion.</translation>
    </message>
    <message>
        <source>换一个支持 Landlock 和 seccomp 的内核，或者在容器里允许它们；也可以要求把它当作错误。</source>
        <translation>Use a kernel with Landlock and seccomp, or allow them in the container; it can also be made an error.</translation>
    </message>
    <message>
        <source>把那个包放在安装包旁边或者作为伴随包给出，或者自己给 Logo。</source>
        <translation>Put that package beside the package or give it as a companion, or give the logo yourself.</translation>
    </message>
    <message>
        <source>压缩包读不下去</source>
        <translation>The archive cannot be read</translation>
    </message>
    <message>
        <source>商店收到的压缩包必须是完整的 gzip 压缩 tar 包；读到一半出错、被截断或根本不是这种格式，商店也解不开。</source>
        <translation>The store unpacks a complete gzip-compressed tar archive; one cut short, corrupt or of another kind it cannot unpack either.</translation>
    </message>
    <message>
        <source>压缩包或解开后的内容太大</source>
        <translation>The archive, or what it unpacks to, is too large</translation>
    </message>
    <message>
        <source>压缩包最多 1 GiB，解开后合计最多 1.125 GiB；再大的东西不会是一份正常的提交，读它只会耗尽资源。</source>
        <translation>An archive may be at most 1 GiB, and what it unpacks to at most 1.125 GiB together; anything larger is no real submission, and reading it would only use up resources.</translation>
    </message>
    <message>
        <source>去掉包里多余的文件，或换一个更小的安装包。</source>
        <translation>Take out what does not belong, or use a smaller package.</translation>
    </message>
    <message>
        <source>解压后的大小和压缩包不成比例（压缩炸弹）</source>
        <translation>It unpacks out of all proportion to its size (an archive bomb)</translation>
    </message>
    <message>
        <source>一份提交里的安装包和图片本来就是压缩过的，解开后的大小和压缩包差不多；超过压缩包 64 倍（且超过 16 MiB）的内容只可能是压缩炸弹，读到这里就停下。</source>
        <translation>A package and PNGs are compressed already, so a bundle unpacks to about its own size; past 64 times the archive (and past 16 MiB) it can only be an archive bomb, and reading stops there.</translation>
    </message>
    <message>
        <source>不要收下这个压缩包；重新从原始文件打包。</source>
        <translation>Do not accept this archive; pack again from the original files.</translation>
    </message>
    <message>
        <source>压缩包里的成员太多</source>
        <translation>The archive holds too many members</translation>
    </message>
    <message>
        <source>一份提交只有 app.json、icon.png、安装包和几张截图；成员多到这个数目的压缩包不是正常的提交。</source>
        <translation>A bundle holds app.json, icon.png, the package and a few screenshots; an archive with this many members is no real one.</translation>
    </message>
    <message>
        <source>只留下提交需要的文件。</source>
        <translation>Keep only the files a submission needs.</translation>
    </message>
    <message>
        <source>成员名不是有效的 UTF-8，或含有控制字符</source>
        <translation>A member&apos;s name is no valid UTF-8, or holds a control character</translation>
    </message>
    <message>
        <source>名字里的控制字符能让终端和文件管理器显示出另一个名字；无效的 UTF-8 在不同系统上解出来也不一样。</source>
        <translation>A control character in a name can make a terminal or a file manager show another name, and invalid UTF-8 unpacks differently from system to system.</translation>
    </message>
    <message>
        <source>把这个文件改成普通的名字，或者去掉它。</source>
        <translation>Give the file a plain name, or take it out.</translation>
    </message>
    <message>
        <source>成员用的是绝对路径</source>
        <translation>A member has an absolute path</translation>
    </message>
    <message>
        <source>以 / 开头的成员解压时可能写到系统的任何位置，而不是提交的文件夹里。</source>
        <translation>A member starting with / may be unpacked anywhere on the system rather than into the bundle&apos;s folder.</translation>
    </message>
    <message>
        <source>成员路径里有 ..</source>
        <translation>A member&apos;s path holds ..</translation>
    </message>
    <message>
        <source>路径里的 .. 会让解压写到提交文件夹的外面。</source>
        <translation>A .. in a path makes unpacking write outside the bundle&apos;s folder.</translation>
    </message>
    <message>
        <source>压缩包里不止一个顶层文件夹</source>
        <translation>The archive holds more than one top folder</translation>
    </message>
    <message>
        <source>商店要的压缩包里只有一个文件夹，以包名命名，所有文件都在里面。</source>
        <translation>The store wants exactly one folder in the archive, named after the package, with every file inside it.</translation>
    </message>
    <message>
        <source>把所有文件放进同一个文件夹再打包。</source>
        <translation>Put every file into the one folder and pack again.</translation>
    </message>
    <message>
        <source>成员是链接</source>
        <translation>A member is a link</translation>
    </message>
    <message>
        <source>符号链接和硬链接可能指向提交以外的任何文件，解压后商店读到的就不是提交里的内容了。</source>
        <translation>A symbolic or hard link may point at any file outside the bundle; once unpacked, the store would read something that is not in it.</translation>
    </message>
    <message>
        <source>把链接换成它指向的那个文件本身。</source>
        <translation>Replace the link with the file itself.</translation>
    </message>
    <message>
        <source>成员是设备、管道、套接字或稀疏文件</source>
        <translation>A member is a device, a pipe, a socket or a sparse file</translation>
    </message>
    <message>
        <source>提交里只能有普通文件；设备文件和管道在解压的机器上会变成别的东西，读它们还可能永远等下去。</source>
        <translation>A bundle holds regular files only; a device or a pipe becomes something else on the machine that unpacks it, and reading one may wait for ever.</translation>
    </message>
    <message>
        <source>去掉这个成员。</source>
        <translation>Take the member out.</translation>
    </message>
    <message>
        <source>同一个成员出现了两次</source>
        <translation>A member appears twice</translation>
    </message>
    <message>
        <source>解压时后一个会覆盖前一个，检查看到的和商店最后得到的就可能不是同一个文件。</source>
        <translation>Unpacking lets the second overwrite the first, so what a check saw and what the store ends up with may differ.</translation>
    </message>
    <message>
        <source>包里的安装包太大，没有读</source>
        <translation>The package inside is too large to be read</translation>
    </message>
    <message>
        <source>压缩包里的安装包要在内存里读，最多 512 MiB。</source>
        <translation>The package inside an archive is read in memory, at most 512 MiB of it.</translation>
    </message>
    <message>
        <source>解开压缩包，直接检查文件夹或安装包本身。</source>
        <translation>Unpack the archive and check the folder or the package itself.</translation>
    </message>
    <message>
        <source>缺少提交必需的文件</source>
        <translation>A file the submission needs is missing</translation>
    </message>
    <message>
        <source>每份提交都要有 app.json、icon.png、从 screen_1.png 开始的截图，以及 app.json 的 Filename 所指的安装包。</source>
        <translation>Every bundle needs app.json, icon.png, screenshots from screen_1.png on, and the package app.json&apos;s Filename names.</translation>
    </message>
    <message>
        <source>用 plinvex pack 重新打包，或补上缺少的文件。</source>
        <translation>Pack it again with plinvex pack, or add the missing file.</translation>
    </message>
    <message>
        <source>截图编号不连续</source>
        <translation>The screenshots&apos; numbers have a gap</translation>
    </message>
    <message>
        <source>商店按编号从 1 开始一张张读截图，遇到缺号就停，后面的截图就看不到了。</source>
        <translation>The store reads the screenshots by number from 1 and stops at the first one missing, so the ones after it are never shown.</translation>
    </message>
    <message>
        <source>把截图重新编号，让它们从 1 开始连续。</source>
        <translation>Number the screenshots again, from 1 without gaps.</translation>
    </message>
    <message>
        <source>有商店不会接受的成员：可执行文件或第二个安装包</source>
        <translation>A member a store would not take: a program, or a second package</translation>
    </message>
    <message>
        <source>提交里只能有 app.json 指明的那一个安装包；可执行文件和另一个安装包不会是提交的一部分，却可能被误装或误运行。</source>
        <translation>A bundle holds only the one package app.json names; a program or a second package is no part of it, yet may be installed or run by mistake.</translation>
    </message>
    <message>
        <source>有提交以外的成员</source>
        <translation>A member that is no part of a bundle</translation>
    </message>
    <message>
        <source>提交只包含固定的几个文件；多出来的文件商店用不上，可能是不小心带进去的私人文件。</source>
        <translation>A bundle holds a fixed set of files; anything more is of no use to the store and may be a private file carried along by mistake.</translation>
    </message>
    <message>
        <source>app.json 太大，没有读</source>
        <translation>app.json is too large to be read</translation>
    </message>
    <message>
        <source>程序写出的 app.json 只有几百字节；超过 1 MiB 的不会是它写的。</source>
        <translation>The app.json a pack writes is a few hundred bytes; one over 1 MiB is not its own.</translation>
    </message>
    <message>
        <source>用 plinvex pack 重新生成 app.json。</source>
        <translation>Make app.json again with plinvex pack.</translation>
    </message>
    <message>
        <source>app.json 不是有效的 UTF-8</source>
        <translation>app.json is no valid UTF-8</translation>
    </message>
    <message>
        <source>JSON 必须是 UTF-8 编码，商店才能读出正确的文字。</source>
        <translation>JSON is UTF-8, or the store reads the wrong text.</translation>
    </message>
    <message>
        <source>用 UTF-8 保存 app.json，或用 plinvex pack 重新生成。</source>
        <translation>Save app.json as UTF-8, or make it again with plinvex pack.</translation>
    </message>
    <message>
        <source>app.json 不是有效的 JSON</source>
        <translation>app.json is no valid JSON</translation>
    </message>
    <message>
        <source>商店用 JSON 解析器读 app.json，读不懂就什么也得不到。</source>
        <translation>The store reads app.json with a JSON parser; what it cannot parse gives it nothing.</translation>
    </message>
    <message>
        <source>app.json 不是一个 JSON 对象</source>
        <translation>app.json is no JSON object</translation>
    </message>
    <message>
        <source>app.json 应该是一个对象，里面是十个键。</source>
        <translation>app.json is one object holding the ten keys.</translation>
    </message>
    <message>
        <source>app.json 后面还接着第二个对象</source>
        <translation>app.json has a second object after the first</translation>
    </message>
    <message>
        <source>旧的打包工具重新打包时会把新内容接在旧内容后面；商店只认一个对象，读到的可能是旧值，也可能整个读不了。</source>
        <translation>An older writer appended the new values after the old ones on a re-pack; the store takes one object, and may read the old values or nothing at all.</translation>
    </message>
    <message>
        <source>app.json 缺少一个键</source>
        <translation>app.json lacks a key</translation>
    </message>
    <message>
        <source>商店要求十个键都在：Name、Version、Filename、Pkgname、Author、Contributor、Website、Update、Size、More。</source>
        <translation>The store wants all ten keys: Name, Version, Filename, Pkgname, Author, Contributor, Website, Update, Size, More.</translation>
    </message>
    <message>
        <source>app.json 有多余的键</source>
        <translation>app.json has a key of its own</translation>
    </message>
    <message>
        <source>app.json 只有十个规定的键；多出来的键商店不认识。</source>
        <translation>app.json has the ten keys and no others; the store knows no further key.</translation>
    </message>
    <message>
        <source>去掉这个键。</source>
        <translation>Take the key out.</translation>
    </message>
    <message>
        <source>app.json 的某个键出现了不止一次</source>
        <translation>A key of app.json appears more than once</translation>
    </message>
    <message>
        <source>同一个键出现两次时，不同的 JSON 解析器会取不同的值，商店看到的可能不是检查看到的。</source>
        <translation>With a key twice, JSON parsers differ on which value they take, so the store may see another value than the check did.</translation>
    </message>
    <message>
        <source>只留一个。</source>
        <translation>Keep only one.</translation>
    </message>
    <message>
        <source>app.json 的值不是字符串</source>
        <translation>A value of app.json is no string</translation>
    </message>
    <message>
        <source>app.json 的每个值都是字符串；数字、数组或对象商店都不会读。</source>
        <translation>Every value of app.json is a string; the store reads no number, array or object.</translation>
    </message>
    <message>
        <source>把这个值写成字符串。</source>
        <translation>Write the value as a string.</translation>
    </message>
    <message>
        <source>app.json 的 Pkgname 和安装包自己的包名不一样</source>
        <translation>app.json&apos;s Pkgname differs from the package&apos;s own name</translation>
    </message>
    <message>
        <source>商店按 Pkgname 找安装包；名字对不上，安装的就不是页面上说的那个软件。</source>
        <translation>The store finds the package by Pkgname; when they differ, what is installed is not what the page names.</translation>
    </message>
    <message>
        <source>把 Pkgname 改成安装包自己的包名。</source>
        <translation>Make Pkgname the package&apos;s own name.</translation>
    </message>
    <message>
        <source>app.json 的 Version 和安装包自己的版本不一样</source>
        <translation>app.json&apos;s Version differs from the package&apos;s own version</translation>
    </message>
    <message>
        <source>商店页面上的版本要和真正安装的一致。</source>
        <translation>The version a store page shows must be the one that is installed.</translation>
    </message>
    <message>
        <source>把 Version 改成安装包自己的版本。</source>
        <translation>Make Version the package&apos;s own version.</translation>
    </message>
    <message>
        <source>app.json 的 Filename 和包里安装包的文件名不一样</source>
        <translation>app.json&apos;s Filename differs from the package member&apos;s file name</translation>
    </message>
    <message>
        <source>商店按 Filename 在提交里找安装包，找不到就没有东西可装。</source>
        <translation>The store looks for the package by Filename; when it is not there, there is nothing to install.</translation>
    </message>
    <message>
        <source>把 Filename 改成安装包的文件名。</source>
        <translation>Make Filename the package&apos;s file name.</translation>
    </message>
    <message>
        <source>app.json 的 Size 和安装包的实际大小对不上</source>
        <translation>app.json&apos;s Size is not the package&apos;s real size</translation>
    </message>
    <message>
        <source>商店把 Size 显示给用户；它要按安装包的字节数算出来（例如 1.50MB）。</source>
        <translation>The store shows Size to its users; it is the package&apos;s byte count as a size text (1.50MB, say).</translation>
    </message>
    <message>
        <source>app.json 的 Update 不是“年-月-日 时:分”</source>
        <translation>app.json&apos;s Update is no yyyy-MM-dd hh:mm time</translation>
    </message>
    <message>
        <source>商店按 yyyy-MM-dd hh:mm 读更新时间，别的写法它读不懂。</source>
        <translation>The store reads the update time as yyyy-MM-dd hh:mm and no other way.</translation>
    </message>
    <message>
        <source>按 yyyy-MM-dd hh:mm 写，例如 2024-05-01 12:30。</source>
        <translation>Write it as yyyy-MM-dd hh:mm, 2024-05-01 12:30 say.</translation>
    </message>
    <message>
        <source>app.json 的 Update 在将来</source>
        <translation>app.json&apos;s Update lies in the future</translation>
    </message>
    <message>
        <source>更新时间是打包的时间，不会在将来；将来的时间会让这份提交在商店里一直排在最前面。</source>
        <translation>The update time is when the bundle was packed, never in the future; a future time would keep the submission on top of the store&apos;s list.</translation>
    </message>
    <message>
        <source>app.json 的 Author 或 Website 空着，却不是那一个空格</source>
        <translation>app.json&apos;s Author or Website is empty, but not as the single blank</translation>
    </message>
    <message>
        <source>商店要求每个键都有值；空着的 Author 和 Website 要写成一个空格。</source>
        <translation>The store wants every key filled; an empty Author or Website is written as one blank.</translation>
    </message>
    <message>
        <source>填上，或者写成一个空格。</source>
        <translation>Fill it in, or write a single blank.</translation>
    </message>
    <message>
        <source>app.json 的 More 不止一行</source>
        <translation>app.json&apos;s More spans several lines</translation>
    </message>
    <message>
        <source>商店把 More 显示成一行；换行符会在页面上变成乱码或被吞掉。</source>
        <translation>The store shows More as one line; a line break shows as garbage on the page, or is lost.</translation>
    </message>
    <message>
        <source>把描述连成一行。</source>
        <translation>Join the description into one line.</translation>
    </message>
    <message>
        <source>图片不是真正的 PNG</source>
        <translation>A picture is no real PNG</translation>
    </message>
    <message>
        <source>按内容而不是文件名判断：商店只接受 PNG，文件名叫 .png 而内容是别的格式的图片显示不出来。</source>
        <translation>Judged by its bytes, not its name: the store takes PNGs only, and a picture of another kind named .png does not show.</translation>
    </message>
    <message>
        <source>用 plinvex pack 重新生成图片。</source>
        <translation>Make the pictures again with plinvex pack.</translation>
    </message>
    <message>
        <source>图片超出了它的尺寸框</source>
        <translation>A picture is larger than its box</translation>
    </message>
    <message>
        <source>图标在 128×128 以内，截图在 400×300 以内；更大的图片商店会裁掉或拒收。</source>
        <translation>The icon fits 128×128 and a screenshot 400×300; the store crops or refuses anything larger.</translation>
    </message>
    <message>
        <source>图片是动画（APNG）</source>
        <translation>A picture is animated (APNG)</translation>
    </message>
    <message>
        <source>商店只显示静态图片。</source>
        <translation>The store shows still pictures only.</translation>
    </message>
    <message>
        <source>图片里带有文字、EXIF 或时间信息</source>
        <translation>A picture carries text, EXIF or time chunks</translation>
    </message>
    <message>
        <source>这些块可能带着名字、路径或拍摄地点，商店会原样发布出去。</source>
        <translation>Such chunks may carry a name, a path or a place, and the store publishes them as they are.</translation>
    </message>
    <message>
        <source>用 plinvex pack 重新生成图片，它会去掉这些块。</source>
        <translation>Make the pictures again with plinvex pack, which drops them.</translation>
    </message>
    <message>
        <source>用 Plinvex 重新打包并压缩。</source>
        <translation>Pack and compress it again with Plinvex.</translation>
    </message>
</context>
</TS>
