<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
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
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
