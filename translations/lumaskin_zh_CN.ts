<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 不是文件；设置将使用默认值，本次也不会保存
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 是链接；不会通过链接写入任何内容</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 占用了文件夹所需的位置</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>列表中另一张图片的名称与之相同</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>一张正在转换的图片使用此名称，将予以保留</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>已存在同名文件</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>未转换：转换已取消</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>文件太大，磁盘无法容纳</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>磁盘报告了输入/输出错误</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未指定文件名</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>同名文件夹占用了该位置</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>无法打开文件夹 %1（%2）</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>该位置已被一个不是文件的对象占用</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>无法创建文件（%1）</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>已存在同名文件</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>未安装 AV1 解码器</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>AVIF 编码器出错（%1）</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>未安装 AV1 编码器</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>不是 Lumaskin 能读取的图片</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>图片过大（%1 x %2 像素；每边最多读取 %3 像素）</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>图片过大（%1 x %2 像素；最多读取 %3 像素）</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>图片过大（%1 百万像素；最多读取 %2 百万像素）</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>%1 图片已损坏</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>内存不足，无法容纳该图片</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>图片没有像素</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>无法加载 Lumaskin 的 %1 模块（%2）；请重新安装 Lumaskin</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 不完整</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>该 HEIF 图片使用了 Lumaskin 无法读取的功能</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>未安装可解码此 HEIF 图片的解码器</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>JPEG 编码器出错（%1）</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>JPEG 编码器出错（条带布局异常）</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>Lumaskin 不读取 %1 图片</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>临时文件夹空间不足，无法容纳该图片</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>图片过大</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>%1 编码器出错（%2）</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>GIF 编码器出错（%1）</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>无法将 EXIF 标签添加到 TIFF 文件</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>PDF 写入器无法启动</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>PNG 编码器出错（%1）</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>没有可写入的图片</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>PDF 页面绘制时间过长（超过 %1 秒）</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>该 PDF 受密码保护</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>该 PDF 没有页面</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>读取已取消</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>该 SVG 图形未指定尺寸</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>无法启动 Lumaskin 的 SVG 辅助程序（%1）；请重新安装 Lumaskin</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>SVG 图形绘制时间过长（超过 %1 秒）</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>无法绘制该 SVG 图形：绘制中途停止（所需内存可能超出单个图形的限额）</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>不支持该 TIFF 图片的布局</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>TIFF 编码器出错（%1）</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>该 JPEG 图片的扫描数超过 500</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>WebP 每边最多 %1 像素</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>WebP 编码器出错（版本不匹配）</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>WebP 编码器出错（错误 %1）</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>无法写入 WebP 元数据</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>无法写入文件（%1）</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>无法保存文件（%1）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>未知选项 %1（参见 --help）</translation>
    </message>
    <message>
        <source>Usage: lumaskin [OPTION]... [FILE|FOLDER]...

Adjusts, filters and converts pictures in a skinnable window. The pictures named
are put into the list (a folder gives the pictures in it) and the last is shown.

Options:
  -h, --help       show this text and end
  -v, --version    show the version and end
  --               every argument after it is a file

Keys: Ctrl+O adds pictures, Delete removes the selected one, Ctrl+Q or Ctrl+W
closes the window. A right click on the window&apos;s background changes the skin.

Skin packages are read from $XDG_DATA_HOME/lumaskin/skins (where &quot;Install Skin...&quot;
puts them), then from lumaskin/skins under each of $XDG_DATA_DIRS and the
installation&apos;s share folder. lumaskin-convert does the same conversions without a
window; see lumaskin(1) and lumaskin-convert(1).
</source>
        <translation>用法：lumaskin [选项]... [文件|文件夹]...

在可换肤的窗口中调整图片、应用滤镜并转换图片。命令行中指定的图片会放入列表
（文件夹代表其中的图片），并显示最后一张。

选项：
  -h, --help       显示此帮助并退出
  -v, --version    显示版本并退出
  --               其后的每个参数都视为文件

按键：Ctrl+O 添加图片，Delete 移除选中的图片，Ctrl+Q 或 Ctrl+W 关闭窗口。
在窗口背景上右击可更换皮肤。

皮肤包依次从 $XDG_DATA_HOME/lumaskin/skins（“安装皮肤...”会将皮肤包放在
此处）、$XDG_DATA_DIRS 中每个目录下的 lumaskin/skins 以及安装位置的 share
文件夹中读取。lumaskin-convert 无需窗口即可完成同样的转换；参见 lumaskin(1)
和 lumaskin-convert(1)。
</translation>
    </message>
</context>
<context>
    <name>ControlLayer</name>
    <message>
        <source>Open </source>
        <translation>打开 </translation>
    </message>
</context>
<context>
    <name>ConversionOutput</name>
    <message>
        <source>the suffix &quot;%1&quot; holds a &apos;/&apos;</source>
        <translation>后缀“%1”含有“/”</translation>
    </message>
</context>
<context>
    <name>ConvertOptions</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>写入格式：</translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>读取 %1（取第一帧或第一页），按内容识别格式。</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 会保留源文件的 EXIF、XMP 和色彩配置文件（像素按正向写入，因此除非指定了
--no-auto-orient，否则 EXIF 方向会变为 1）；其他格式会将颜色转换为 sRGB。</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 用于设置其前面的 --watermark-text 或 --watermark-image，但前面没有这样的选项</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>输出文件夹（必须已存在）</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>由同一次读取为每张图片多写一个文件：格式为 FORMAT，
在各步骤之后缩放到 SIZE（--resize 的尺寸写法），质量
为 N，文件名在扩展名前以 TEXT 结尾（后缀放在最后）；
重复此选项可写更多：-f jpg -w webp:512:suffix=-small；
不带 -f 时只写这些文件</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>应用一个效果；参数以逗号分隔，缺少的参数取默认值，
超出范围的参数取范围的边界值</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>缩放：W 或 xH（按该边缩放，另一边按比例），WxH（放入
其中的最大尺寸），WxH^（覆盖它的最小尺寸），WxH!（精确
尺寸）或 N%；后跟 &gt; 表示只缩小，后跟 &lt; 表示只放大：
--resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>其后 --resize 选项所用的滤镜：lanczos（Lanczos 3，
默认；清晰，适合照片）、linear（较柔和）或 nearest
（复制像素，适合像素画）</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter 只接受 lanczos、linear 或 nearest，而不是“%1”</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>保留 WxH+X+Y（偏移量可为负：-X）、居中的 WxH，或按
W:H 比例（如 16:9）居中的最大区域；裁剪区域完全位于
图片之外时，该文件转换失败</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>按顺时针方向旋转指定的度数</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>左右翻转（h）或上下翻转（v）</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>在图片上叠加文字 TEXT（参见其后的 --watermark-*
设置）</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text 需要文字</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>在图片上叠加图片 FILE（带透明度的 PNG），宽度为图片
宽度的 20%，除非 --watermark-size 另有指定</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image 需要一个文件</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>其前面水印文字的字体
（默认为 sans-serif）</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>其前面水印的大小：文字为高度，图片为宽度，单位为像素
或图片宽度的百分比（文字默认为 5%，图片默认为 20%）</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>其前面水印文字的颜色
（默认为 #FFFFFF）</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>其前面水印的不透明度，以百分比表示
（默认为 60）</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>其前面水印的位置：top-left、top、top-right、left、
centre、right、bottom-left、bottom 或 bottom-right
（默认）</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>其前面水印与图片边缘之间的距离，以像素计
（默认为 16）</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>用一个值表示完整的水印，与预设中的写法相同：
text=TEXT 或 image=FILE，然后是 font=、size=、
colour=、opacity=、position=、margin= 中的任意几项，
以 ; 分隔（值中的 ; 或 \ 写作 \; 或 \\）</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>jpg、webp 和 avif 的质量，1 到 100（默认为 90）；
webp 和 avif 在 100 时为无损</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality 需要 1 到 100 之间的整数</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>去除 EXIF、XMP 和色彩配置文件，并将其他色彩空间的
图片转换为 sRGB</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>按文件中存储的原样处理照片，而不按 EXIF 方向将其转正：
各步骤作用于存储的原样，方向按源文件写入，因此遵循
方向信息的看图程序仍会正向显示照片；不含 EXIF 的格式
（以及 --strip）则保持存储的原样</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>已存在的目标文件将被替换（默认）、保持不动，或予以
保留并将新文件写为“NAME (2).FORMAT”；此处指定的
overwrite 也会替换以自身为目标的给定文件；skip 可让
中断或拆分的批处理在重新运行时只完成缺少的部分</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists 只接受 overwrite、skip 或 rename，而不是“%1”</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>同时转换的文件数（每个核心最多一个，
内存不足时会更少）</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs 需要不小于 1 的整数</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>给定的文件夹代表其中及其所有子文件夹中的图片（按内容
识别；忽略其中的隐藏文件和链接），并在 FOLDER 下重建
其子文件夹：DIR/a/b.jpg 写入 FOLDER/a/b.FORMAT</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>文件在 FOLDER 下保留其名称中的文件夹部分：
a/b.jpg 写入 FOLDER/a/b.FORMAT（拒绝“..”）
使用 -r 或 --parents 时，同一文件夹中得出相同名称的
图片按其名称的字节顺序编号，无论某次运行给定的是其中
哪些图片，因此拆分运行的结果一致。</translation>
    </message>
    <message>
        <source>name each target by PATTERN, to which the format&apos;s
extension is added: {name} the file&apos;s name before its
last dot, {ext} its extension, {folder} its folder&apos;s
name, {n} its place in the list ({n:3} three digits,
{n:3,100} counting from 100), {date} when it was taken
by its EXIF, else the file&apos;s time ({date:%Y%m%d-%H%M%S};
fields %Y %y %m %d %H %M %S), {w} and {h} the size
written; {{ and }} are braces, and / makes sub-folders</source>
        <translation>按 PATTERN 命名每个目标，并加上格式的扩展名：{name}
为文件名中最后一个点之前的部分，{ext} 为其扩展名，
{folder} 为其所在文件夹的名称，{n} 为其在列表中的
序号（{n:3} 为三位数，{n:3,100} 从 100 开始计数），
{date} 为 EXIF 中的拍摄时间，没有时为文件的时间
（{date:%Y%m%d-%H%M%S}；字段有 %Y %y %m %d %H %M %S），
{w} 和 {h} 为写入的尺寸；{{ 和 }} 表示花括号，/ 用于
创建子文件夹</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>将每个目标写入其源文件所在的文件夹，而不是 FOLDER
（不能与 -o 或 --parents 同用）；以自身为目标的文件
会被保留，其转换结果写为“NAME (2).FORMAT”，除非
指定了 --if-exists=overwrite</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>在命令行给出的文件之后，再读取 LIST 中列出的文件，
每行一个（忽略空行）；- 表示读取标准输入</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from 需要一个文件，或用 - 表示标准输入</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>LIST 中的名称以及 --list 输出的名称以 NUL 字节
结尾，而不是换行符</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>输出给定文件和文件夹所代表的图片，每行一个，
不进行转换</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>使用预设 FILE 中保存的选项（仅给出名称时，指保存在
~/.local/share/Lumaskin/presets 中的预设）；其后的
选项会覆盖预设中的设置</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>将给定的其他选项（文件除外）保存为预设 FILE（仅给出
名称时保存到 ~/.local/share/Lumaskin/presets）；
除非同时指定了文件，否则不进行转换</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset 需要一个文件或名称</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>显示程序版本</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>“%1”不是预设可保存的选项</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 只接受 yes 或 no，而不是“%2”</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>未知选项 %1（参见 --help）</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter 作用于其后的 --resize 选项，但其后没有 --resize</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>请用 -f 或 --write 选择输出格式（参见 --help）</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>两个输出写入了同名的 %1 文件；请为其中一个指定不同的 suffix=（--write %1:...:suffix=-small）</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>无法写入“%1”格式；请从以下格式中选择：%2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside 会写入每个文件自身所在的文件夹：不能与 %1 同用</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>请用 -o 选择输出文件夹，或使用 --beside</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>请至少指定一张要转换的图片</translation>
    </message>
    <message>
        <source>Usage: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]... [--quality Q]
                        [--write OUTPUT]... [--preset FILE] [--save-preset FILE]
                        [--strip] [--no-auto-orient] [--jobs N]
                        [--if-exists=overwrite|skip|rename] [-r] [--parents]
                        [--rename PATTERN] [--files-from LIST [-0]] FILE...
       lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
where each STEP is --effect NAME[=ARGS], --resize GEOMETRY (after --filter F when
wished), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT or
--watermark-image FILE (each followed by its --watermark-* settings when wished).

Converts pictures into one format in one folder, with the steps applied to each in
the order given; a value that cannot work is refused before any file is written.
Each target is FOLDER/NAME.FORMAT, where NAME is the part of the file&apos;s name
before its last dot (the whole name when it has none); --rename names it by a
pattern instead, and --beside puts it into the file&apos;s own folder. Files that give
the same name are all kept: the second becomes &quot;NAME (2).FORMAT&quot;, and so on, in
the order given. A file given is never replaced by its own conversion unless
--if-exists=overwrite is said. Files are converted in parallel, one per core unless
--jobs says otherwise. A file that fails does not stop the others; the exit status
is 1 when any failed. Stopped by SIGINT, SIGTERM or SIGHUP, it finishes the files
in hand, starts no more and ends with 128 plus the signal&apos;s number.

Options:
</source>
        <translation>用法：lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]... [--quality Q]
                       [--write OUTPUT]... [--preset FILE] [--save-preset FILE]
                       [--strip] [--no-auto-orient] [--jobs N]
                       [--if-exists=overwrite|skip|rename] [-r] [--parents]
                       [--rename PATTERN] [--files-from LIST [-0]] FILE...
      lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
其中每个 STEP 为 --effect NAME[=ARGS]、--resize GEOMETRY（需要时在其前加
--filter F）、--crop GEOMETRY、--rotate DEGREES、--flip h|v、
--watermark-text TEXT 或 --watermark-image FILE（需要时各自后跟其
--watermark-* 设置）。

将图片转换为同一种格式并写入同一个文件夹，按给定顺序对每张图片应用各步骤；
无法生效的值会在写入任何文件之前被拒绝。每个目标为 FOLDER/NAME.FORMAT，
其中 NAME 是文件名中最后一个点之前的部分（没有点时为整个文件名）；
--rename 改为按模式命名，--beside 则将其放入源文件所在的文件夹。得出相同
名称的文件都会保留：按给定顺序，第二个为“NAME (2).FORMAT”，依此类推。
除非指定了 --if-exists=overwrite，否则给定的文件永远不会被其自身的转换结果
替换。文件会并行转换，每个核心一个，除非 --jobs 另有指定。某个文件失败不会
影响其他文件；只要有文件失败，退出状态即为 1。因 SIGINT、SIGTERM 或 SIGHUP
而停止时，会完成正在处理的文件，不再开始新的文件，并以 128 加信号编号的值
退出。

选项：
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
效果：
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>，默认 </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>含“..”的名称不能放在输出文件夹之下</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>无法读取列表 %1：%2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 不是按行排列的文件名列表：某一项含有 NUL 字节（是以 NUL 分隔的吗？请使用 -0）</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 不是文件名列表：其中有一项比任何路径都长</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 不是文件名列表：其中有一项比任何路径都长（以 NUL 分隔？请使用 -0）</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>已生效：转换时会应用</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>已生效：</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入数字。</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>效果一</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>效果二</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>亮度（-255-255）</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>对比度（默认 100）</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>伽马（默认 1.0）</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>色相（0-255）</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Red(0-255)</source>
        <translation>红色（0-255）</translation>
    </message>
    <message>
        <source>Green(0-255)</source>
        <translation>绿色（0-255）</translation>
    </message>
    <message>
        <source>Blue(0-255)</source>
        <translation>蓝色（0-255）</translation>
    </message>
    <message>
        <source>Invert Color</source>
        <translation>反色</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>明度（默认 100）</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>饱和度（默认 100）</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>去色</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>东北</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>东南</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>soft</source>
        <translation>柔和</translation>
    </message>
    <message>
        <source>grayscale noise</source>
        <translation>灰度噪点</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>彩色噪点</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>降噪（1-5）</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>模糊</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>扩散</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>浮雕</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>焦点黑白</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>半径1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>半径2</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Monochrome(0-255)</source>
        <translation>单色（0-255）</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>马赛克</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>噪点</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>锐化</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>边缘锐化</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>旋转扭曲 0-360</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>中值</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>added to the red channel</source>
        <translation>加到红色通道的值</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>加到绿色通道的值</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>加到蓝色通道的值</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>增减红、绿、蓝通道的值</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>处理遍数</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>用 3x3 中值去除孤立的斑点</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>3x3 高斯模糊</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>与中灰色的距离（百分比）：0 得到灰色，200 使距离加倍</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>使颜色远离中灰色或向其靠拢</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>由每个像素的亮度得出灰色</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>颜色可来自的最远距离（像素）</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>每个像素取附近随机一个像素的颜色</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>未知效果“%1”（参见 --help）</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 需要 %2 个参数，但给出了 %3 个</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>浮雕的高度</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>光线来自的方向：0 北，1 东北，2 东，3 东南，4 南，5 西南，6 西，7 西北</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>从八个方向之一打光的灰色浮雕</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>在距焦点此像素数以内保留颜色</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>从此像素数起变为灰色；不大于 radius1 时边缘为硬边</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>焦点所在的列</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>焦点所在的行</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>保留某一点周围的颜色，其余部分变为灰色</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>大于 1 使中间调变亮，小于 1 使其变暗</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>伽马校正</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>其色相角即旋转量的颜色的红色分量</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>其色相角即旋转量的颜色的绿色分量</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>其色相角即旋转量的颜色的蓝色分量</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>按某种颜色的色相角旋转每种色相</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>将图片变为负片</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>红色百分比：小于 100 趋向黑色，大于 100 趋向白色</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>绿色百分比：小于 100 趋向黑色，大于 100 趋向白色</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>蓝色百分比：小于 100 趋向黑色，大于 100 趋向白色</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>将每个通道向黑色或白色缩放</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>正方形的边长（像素，偶数向上取整）</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>正方形中值滤镜</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>亮度不低于此值时取第一种颜色，低于此值时取第二种</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>亮色，0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>暗色，0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>按亮度阈值分成两种颜色</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 普通：平整的色块；1 柔和：色块相互融合</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>色块的边长（像素）</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>以平均颜色填充的正方形色块</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>通道的最大变化量</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 灰度：所有通道变化相同；1 彩色：每个通道单独变化</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>添加随机噪点</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>与灰色的距离（百分比）：0 得到灰色，200 使距离加倍</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>使颜色更鲜艳或更暗淡</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>3x3 锐化</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>锐化强度</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>仅沿边缘锐化</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>中心处的旋转角度，正值为顺时针</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>使图片绕中心旋转扭曲</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>无法使用“%1”</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>无法打开“%1”</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>无法创建“%1”</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>无法读取“%1”</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>无法写入“%1”</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>无法在“%1”中定位</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>无法完成“%1”的写入</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>无法更改“%1”的属性</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>无法打开文件（%1）</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>无法读取文件（%1）</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>没有可写入的图片</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未指定文件名</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>Lumaskin 无法写入“%1”格式</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>图片尺寸不能为 %1 x %2 像素</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>图标每边为 1 到 256 像素，而不是 %1 x %2</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>这是文件夹（使用 -r 可读取其中的图片）</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1：名称中含有换行符；请用 -0 列出</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: 无法写出列表</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: 预设已保存为 %1</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: 输出文件夹 %1 是文件，不是文件夹</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: 输出文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 已写为 %2（%3）</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: 已停止：已写入 %1 个，%2 个未转换；用 --if-exists=skip 运行同一命令可完成其余部分</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert：已写入 %1，已跳过 %2，已重命名 %3</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>；%2 个文件中有 %1 个失败</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>找不到任何皮肤包，因此 Lumaskin 无法显示其窗口。

已在以下位置查找 %1 及其他皮肤包：
%2

请安装 Lumaskin 及其皮肤，或将皮肤包放入 %3。</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1：没有此文件或文件夹
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>无法显示此图片。

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>所有图片|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>所有文件(*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>找不到中央目录。如果您打开的是多卷压缩包，请确认已插入最后一张磁盘。要重试吗？</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>已安装名为 %1 的皮肤包。要替换吗？</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>已生效：</translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>请选择输出文件夹</translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>该图片已在列表中。</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>其中 %1 张图片已在列表中。</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>请添加图片</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>请输入图片文件</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>这些图片已以所选格式存在于 %1 中。转换会用转换后的文件替换它们：

%2

要替换吗？选择“否”将保留它们，并将每个转换后的文件以“名称 (2)”写在其图片旁边。</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%2 中已存在 %1 个转换后的文件：

%3

要保留两者（新文件写为“名称 (2)”）、覆盖它们，还是跳过这些图片？此选择将应用于所有这些文件。</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>转换完成！

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
已应用的效果：%1。</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

已写入 %1 个，跳过 %2 个（已存在），重命名 %3 个</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

%2 个文件中有 %1 个无法转换：</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>步骤、水印和预设(&amp;S)...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>正在转换图片。请等待转换完成，或取消转换。</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>皮肤包|*.zip;*.skn|所有文件|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>已按下暂停按钮</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>已按下停止按钮</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>转换已取消：%2 个文件中已有 %1 个写入 %3。</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>转换已取消：%2 个文件中已写入 %1 个。</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>没有写入任何文件。</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>已将 1 个文件写入 %1。</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>已将 %1 个文件写入 %2。</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>没有文件管理器打开 %1。文件就在那里。</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>转换已取消：已在原图片旁写入 %2 个文件中的 %1 个。</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>已在原图片旁写入 %1 个文件。</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>已在原图片旁写入 1 个文件。</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>原图片旁已存在 %1 个转换后的文件：

%2

要保留两者（新文件写为“名称 (2)”）、覆盖它们，还是跳过这些图片？此选择将应用于所有这些文件。</translation>
    </message>
</context>
<context>
    <name>MainDialogPrompts</name>
    <message>
        <source>Install Skin</source>
        <translation>安装皮肤</translation>
    </message>
    <message>
        <source>Higher keeps more detail in larger files. WebP and AVIF are lossless at 100.</source>
        <translation>值越高，保留的细节越多，文件也越大。WebP 和 AVIF 在 100 时为无损。</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>质量(&amp;Q)：</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>全部覆盖</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>全部跳过</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>保留两者</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>日期格式“%1”以单独的 % 结尾</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>日期格式“%2”中的 %%1 不是 %Y %y %m %d %H %M %S %% 之一</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>含有空的部分</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>含有名为“%1”的文件夹</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}：{n} 接受 1 到 %2 位的宽度和从 0 起的起始值，如 {n:3} 或 {n:3,100}</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}：日期格式为空</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}：{%2} 不接受格式</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>未知标记 {%1}；可用的标记有 {name} {ext} {folder} {n} {date} {w} {h}</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>出现单独的 }（用 }} 表示花括号）</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>{ 未闭合（用 {{ 表示花括号）</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>模式为空</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>以 / 开头</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>模式%1；名称必须位于文件夹之内</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>名称模式得出 %1，该名称%2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>无法读取文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>不是 Lumaskin 预设（其开头为“%1 %2”）</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>该预设为版本 %1，由较新版本的 Lumaskin 写入；此版本只能读取版本 %2 及更早的预设</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>该行不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>超出预设文件的大小上限</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>无法写入预设 %1：%2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>将图片文件添加到列表</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>关闭 Lumaskin</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>颜色效果：亮度、对比度、伽马、色相等</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>将列表中的所有图片转换为所选格式</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>转换为</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>滤镜</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>滤镜：模糊、锐化、浮雕、马赛克等</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>第一条音轨</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>将所选图片在列表中下移</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>将所选图片在列表中上移</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>为所选图片打开效果窗口</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>从列表中移除所选图片</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Second sound track</source>
        <translation>第二条音轨</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>以 100% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>以 150% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>以 200% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>以 25% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>以 33% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>以 50% 显示图片</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>以 75% 显示图片</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>显示所选图片</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>播放到结尾后从头开始</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>批处理步骤：调整大小、裁剪、旋转、水印、预设</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>音轨 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>音轨 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>撤销所有效果，按载入时的样子显示图片</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>滚动条</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>Install Skin</source>
        <translation>安装皮肤</translation>
    </message>
    <message>
        <source>Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)</source>
        <translation>皮肤包 (*.zip *.skn *.ZIP *.SKN);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>每次更换皮肤时显示提示(&amp;N)</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>无法创建用于查看 %1 内容的工作文件夹。</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 不是皮肤包：无法将其作为 ZIP 压缩包打开。</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 不是可用的皮肤包：无法解压其中的文件。</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 不是可用的皮肤包。%2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 不是可用的皮肤包：%2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>其顶层没有 Skin.ini。</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>其背景位图缺失或无法读取。</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>无法创建皮肤文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>此皮肤包含有 %1 个文件；一个皮肤最多只能包含 %2 个文件。</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>此皮肤包的 Skin.ini 大小为 %1 KB；最大只能为 %2 KB。</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>此皮肤包解压后为 %1 MB；一个皮肤最多只能占用 %2 MB。</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 无法用作皮肤：%2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 不是皮肤包：皮肤包是以 .zip 或 .skn 结尾的文件。</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>没有可安装 %1 的皮肤文件夹。</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>更换皮肤(&amp;C)</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>安装皮肤(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;皮肤加载失败：&lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;皮肤已加载：&lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>&lt;b&gt;添加&lt;/b&gt;图片；&lt;b&gt;单击一行&lt;/b&gt;即可查看。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;缩放&lt;/b&gt;范围为 25&amp;nbsp;% 到 200&amp;nbsp;%。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>效果旁的&lt;b&gt;更改&lt;/b&gt;可应用该效果。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;还原&lt;/b&gt;可恢复原图。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;转换&lt;/b&gt;将它们全部写成同一种格式。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>在窗口上&lt;b&gt;右键单击&lt;/b&gt;可选择其他皮肤。</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>Lumaskin 可调整和转换图片：</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>单击此处关闭此提示。</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>翻转</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>适合宽度和高度之内</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>覆盖宽度和高度（多余部分由裁剪去除）</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>精确为宽度和高度</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>各边的比例</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>随高度</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>随宽度</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>缩小或放大</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>仅缩小</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>仅放大</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3（锐利，适合照片）</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>线性（较柔和）</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>最近邻（像素画）</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>条件(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>滤镜(&amp;F)：</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>请给出宽度、高度或两者。</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>覆盖或精确填充需要同时给出宽度和高度。</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>从中心起的宽度和高度</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>从角起的宽度和高度</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>符合宽高比的最大居中部分</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>保留(&amp;K)：</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>距左边(&amp;L)：</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>距顶部(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>宽高比(&amp;A)：</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>顺时针四分之一圈（90°）</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>半圈（180°）</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>逆时针四分之一圈（270°）</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>旋转(&amp;T)：</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>翻转(&amp;M)：</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>文字(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>图片(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>水印图片</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>带透明度的图片 (*.png);;所有文件 (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% 图片宽度</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>水印颜色</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>标记：</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>文字(&amp;W)：</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>图片文件(&amp;F)：</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大小(&amp;Z)：</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>颜色(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>不透明度(&amp;O)：</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>位置(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>边距(&amp;M)：</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>请输入水印的文字。</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>请选择水印的图片。</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>lumaskin-convert --effect 所接受的效果名称和数值，例如 contrast=150</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>效果(&amp;E)：</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>附加文件</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>与图片相同，或 512、2048x2048&gt; 等尺寸</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>单独的质量(&amp;O)：</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>例如 -small</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>调整大小为(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>名称后缀(&amp;S)：</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>比例(&amp;A)：</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>字体(&amp;N)：</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>裁剪区域“%1”位于图片（%2 x %3 像素）之外</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>缩放到 %1 x %2 像素后，图片会过大</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>没有名为“%1”的步骤（%2）</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>只有在图形界面程序中才能绘制文字</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>内存不足，无法容纳该图片</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>文字“%1”太大，无法绘制</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>水印文字以单独的 \ 结尾</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>水印没有“%1”设置（可用的有 text、image、font、size、colour、opacity、position、margin）</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>水印需要文字或图片</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>水印只能是文字或图片之一，不能两者兼有</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取水印图片“%1”：%2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>去除元数据（EXIF、XMP、色彩配置文件）(&amp;L)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>在效果窗口中标记的效果之后，按此顺序对每张图片执行：</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>在图片上显示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>质量（jpg、webp、avif）(&amp;Q)：</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>加载(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>复制为命令(&amp;C)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>保存预设</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>预设名称：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>按模式命名文件(&amp;N)：</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>将每个文件写在其图片旁边，而不是转换时选择的文件夹中(&amp;B)</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>每张图片的附加文件</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>添加文件(&amp;F)...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>编辑文件(&amp;I)...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>删除文件(&amp;V)</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} 图片的名称，{ext} 扩展名，{folder} 所在文件夹的名称，{n} 在列表中的位置（{n:03} 三位数，{n:3,100} 从 100 开始），{date} 拍摄时间（{date:%Y-%m-%d}），{w} 和 {h} 写入的尺寸；/ 会创建子文件夹</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1：内存不足，无法显示此图片</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>内存不足，无法恢复图片</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>没有可保存的图片</translation>
    </message>
</context>
<context>
    <name>lumaskin::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>正在停止</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>处理完当前文件后停止…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>正在转换第 %1 个，共 %2 个</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>正在完成 %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>已写入：%1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>正在开始…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>正在转换 %1</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>正在加载…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: 没有可打开窗口的显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）
</translation>
    </message>
</context>
</TS>
