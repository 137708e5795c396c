<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 はファイルではありません。設定は既定値から始まり、今回は保存されません
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 はリンクです。リンクを経由して書き込むことはありません</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 があるため、フォルダーを作成できません</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>リスト内の別の画像が同じ名前です</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>その名前は変換中の画像のもので、その画像は残されます</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>その名前のファイルが既に存在します</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>変換されませんでした: 変換はキャンセルされました</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>ディスクのクォータを使い切りました</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ディスクは読み取り専用です</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>ファイルがディスクに対して大きすぎます</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>ディスクが入出力エラーを報告しました</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>ファイル名が指定されていません</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>その名前のフォルダーが既にあります</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 は存在しません</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>フォルダー %1 を開けません (%2)</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>ファイルではないものが既にあります</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>ファイルを作成できません (%1)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>その名前のファイルが既に存在します</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>AV1 デコーダーがインストールされていません</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>AVIF エンコーダーが失敗しました (%1)</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>AV1 エンコーダーがインストールされていません</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>Lumaskin で読み込める画像ではありません</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>画像が大きすぎます (%1 x %2 ピクセル。読み込めるのは一辺 %3 ピクセルまでです)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>画像が大きすぎます (%1 x %2 ピクセル。読み込めるのは %3 ピクセルまでです)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>画像が大きすぎます (%1 メガピクセル。読み込めるのは %2 メガピクセルまでです)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>%1 画像が破損しています</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>画像に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>画像にピクセルがありません</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>Lumaskin の %1 モジュールを読み込めません (%2)。Lumaskin を再インストールしてください</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 が途中で切れています</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>HEIF 画像が Lumaskin で読み込めない機能を使用しています</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>この HEIF 画像用のデコーダーがインストールされていません</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>JPEG エンコーダーが失敗しました (%1)</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>JPEG エンコーダーが失敗しました (予期しないストライプ配置)</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>Lumaskin は %1 画像の読み込みに対応していません</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>一時フォルダーに画像を置くための空き容量が足りません</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>画像が大きすぎます</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>%1 エンコーダーが失敗しました (%2)</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>GIF エンコーダーが失敗しました (%1)</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>EXIF タグを TIFF ファイルに追加できませんでした</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>PDF ライターを開始できませんでした</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>PNG エンコーダーが失敗しました (%1)</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>書き込む画像がありません</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>PDF ページの描画に時間がかかりすぎます (%1 秒を超えています)</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>PDF はパスワードで保護されています</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>PDF にページがありません</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>読み込みはキャンセルされました</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>SVG 画像にサイズが指定されていません</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>Lumaskin の SVG ヘルパーを起動できません (%1)。Lumaskin を再インストールしてください</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>SVG 画像の描画に時間がかかりすぎます (%1 秒を超えています)</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>SVG 画像を描画できませんでした: 描画が途中で止まりました (1 つの画像に割り当てられる以上のメモリが必要なのかもしれません)</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>この TIFF 画像の構成には対応していません</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>TIFF エンコーダーが失敗しました (%1)</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>JPEG 画像のスキャン数が 500 を超えています</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>WebP に保存できるのは一辺 %1 ピクセルまでです</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>WebP エンコーダーが失敗しました (バージョンの不一致)</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>WebP エンコーダーが失敗しました (エラー %1)</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>WebP のメタデータを書き込めませんでした</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>ファイルに書き込めません (%1)</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>ファイルを保存できません (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>不明なオプション %1 (--help を参照)</translation>
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
        <translation>使い方: lumaskin [オプション]... [ファイル|フォルダー]...

スキンを変えられるウィンドウで、画像の調整、フィルター処理、変換を行います。
指定した画像はリストに追加され (フォルダーを指定するとその中の画像)、最後の
画像が表示されます。

オプション:
  -h, --help       このヘルプを表示して終了する
  -v, --version    バージョンを表示して終了する
  --               これ以降の引数はすべてファイルとして扱う

キー: Ctrl+O で画像の追加、Delete で選択中の画像の削除、Ctrl+Q か Ctrl+W で
ウィンドウを閉じます。ウィンドウの背景を右クリックするとスキンを変更します。

スキンパッケージは $XDG_DATA_HOME/lumaskin/skins (「スキンのインストール...」
のインストール先) から読み込まれ、次に $XDG_DATA_DIRS の各フォルダーの下の
lumaskin/skins、インストール先の share フォルダーから読み込まれます。
lumaskin-convert は同じ変換をウィンドウなしで行います。lumaskin(1) と
lumaskin-convert(1) を参照してください。
</translation>
    </message>
</context>
<context>
    <name>ControlLayer</name>
    <message>
        <source>Open </source>
        <translation>開く: </translation>
    </message>
</context>
<context>
    <name>ConversionOutput</name>
    <message>
        <source>the suffix &quot;%1&quot; holds a &apos;/&apos;</source>
        <translation>接尾辞「%1」に「/」が含まれています</translation>
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
        <translation>, </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>書き込める形式: </translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>%1を読み込めます (最初のフレームまたはページ。形式は内容で判別します)。</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 はソースの EXIF、XMP、カラープロファイルを保持します (ピクセルは正立させて書くため、--no-auto-orient がなければ
EXIF の向きは 1 になります)。他の形式では色を sRGB に変換します。</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 はその前にある --watermark-text または --watermark-image を設定するものですが、前にどちらもありません</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>出力フォルダー (既に存在している必要がある)</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>各画像から、同じ読み込み結果をもとにファイルをもう 1 つ
書き込む: FORMAT 形式で、ステップの後に SIZE (--resize
の指定) にリサイズし、品質 N で、拡張子の前に TEXT を
付けた名前にする (suffix= は最後に置く)。繰り返すと
さらに追加できる: -f jpg -w webp:512:suffix=-small。
-f がなければこれらだけを書き込む</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>エフェクトを適用する。引数はカンマ区切りで、省略した
引数は既定値になり、範囲外の値は範囲内に収められる</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>リサイズ: W または xH (その辺を指定し、もう一方は比率
を保つ)、WxH (収まる最大サイズ)、WxH^ (覆う最小サイズ)、
WxH! (正確に) または N%。後ろに &gt; を付けると縮小のみ、
&lt; を付けると拡大のみ: --resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>後に続く --resize オプションのフィルター: lanczos
(Lanczos 3、既定。シャープで写真向き)、linear (より
柔らかい)、nearest (ピクセルをコピー、ドット絵向き)</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter には lanczos、linear、nearest のいずれかを指定します (「%1」は使えません)</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>WxH+X+Y (オフセットは負でもよい: -X)、中央の WxH、
または比率 W:H (16:9) で中央の最大部分を残す。画像の
完全に外側になる切り抜きでは、そのファイルは失敗する</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>時計回りに指定の角度だけ回転する</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>左右 (h) または上下 (v) に反転する</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>画像に TEXT を重ねる (設定は後に続く
--watermark-* で行う)</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text にはテキストが必要です</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>画像ファイル FILE (透過 PNG) を画像に重ねる。
--watermark-size の指定がなければ幅は画像の 20%</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image にはファイルが必要です</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>直前の透かしテキストのフォント
(既定は sans-serif)</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>直前の透かしのサイズ: テキストなら高さ、画像なら幅。
ピクセル数または画像の幅に対する割合で指定する (既定は
テキストで 5%、画像で 20%)</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>直前の透かしテキストの色
(既定は #FFFFFF)</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>直前の透かしの不透明度、パーセント単位
(既定は 60)</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>直前の透かしの位置: top-left、top、top-right、
left、centre、right、bottom-left、bottom、
bottom-right (既定)</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>直前の透かしと画像の端との間隔、ピクセル単位
(既定は 16)</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>透かし全体をプリセットと同じ書式の 1 つの値で指定:
text=TEXT または image=FILE に続けて、font=、size=、
colour=、opacity=、position=、margin= を ; で区切る
(値の中の ; や \ は \; や \\ と書く)</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>jpg、webp、avif の品質 1～100 (既定は 90)。webp と
avif は 100 で可逆圧縮になる</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality には 1 から 100 までの整数が必要です</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>EXIF、XMP、カラープロファイルを除き、他の色空間の
画像を sRGB に変換する</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>写真を EXIF の向きで正立させず、ファイルに保存された
とおりに扱う: ステップは保存されたままの画像に適用され、
向きはソースと同じ値で書き込まれるため、向きに対応した
ビューアーでは引き続き正立して表示される。EXIF のない
形式 (および --strip) では保存されたままの向きになる</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>既に存在する出力先は、置き換える (既定)、そのままに
する、または残して新しいファイルを「NAME (2).FORMAT」
として書き込む。ここで overwrite を指定すると、それ
自体が出力先になる指定ファイルも置き換える。skip は、
停止または分割したバッチの再実行で不足分だけを処理する</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists には overwrite、skip、rename のいずれかを指定します (「%1」は使えません)</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>同時に変換するファイル数 (最大でコアごとに 1 つ、
メモリが少ないときはそれより少ない)</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs には 1 以上の整数が必要です</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>指定したフォルダーは、その中とすべてのサブフォルダー
内の画像を表す (内容で判別し、中の隠しファイルとリンク
は除く)。サブフォルダーは FOLDER の下に作り直される:
DIR/a/b.jpg は FOLDER/a/b.FORMAT になる</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>ファイル名のフォルダー部分を FOLDER の下に残す:
a/b.jpg は FOLDER/a/b.FORMAT になる (「..」は不可)
-r または --parents では、同じフォルダーにあって同じ
名前になる画像に、名前のバイト順で番号を付ける。どの
画像を渡した実行でも同じなので、分割した実行の結果は
一致する。</translation>
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
        <translation>各出力先の名前を PATTERN で付け、形式の拡張子を付加
する: {name} 最後のドットより前のファイル名、{ext} その
拡張子、{folder} そのフォルダーの名前、{n} リスト内の
順番 ({n:3} は 3 桁、{n:3,100} は 100 から数える)、
{date} EXIF の撮影日時、なければファイルの日時
({date:%Y%m%d-%H%M%S}。フィールドは
%Y %y %m %d %H %M %S)、{w} と {h} 書き込むサイズ。{{ と
}} は波かっこ自体を表し、/ はサブフォルダーを作る</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>各出力先を FOLDER ではなく元のファイルと同じフォルダー
に書き込む (-o、--parents とは併用不可)。それ自体が
出力先になるファイルは残され、変換結果は
「NAME (2).FORMAT」として書き込まれる
(--if-exists=overwrite を指定した場合を除く)</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>コマンドラインのファイルに続けて、LIST に 1 行に 1 つ
ずつ書かれたファイルを対象にする (空行は無視)。- は
標準入力から読み込む</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from にはファイル、または標準入力を表す - が必要です</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>LIST 内の名前と --list が出力する名前を、改行ではなく
NUL バイトで終える</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>指定したファイルとフォルダーが表す画像を 1 行に 1 つ
ずつ出力し、何も変換しない</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>プリセット FILE に保存されたオプションを使う (名前
だけなら ~/.local/share/Lumaskin/presets に保存された
もの)。後に続くオプションはその内容を変更する</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>指定した他のオプション (ファイルを除く) をプリセット
FILE として保存する (名前だけなら
~/.local/share/Lumaskin/presets に保存)。ファイルも
指定しない限り何も変換しない</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset にはファイルか名前が必要です</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>このヘルプを表示する</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>プログラムのバージョンを表示する</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>「%1」はプリセットに保存されるオプションではありません</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 には yes か no を指定します (「%2」は使えません)</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>不明なオプション %1 (--help を参照)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter は後に続く --resize オプションに適用されますが、--resize が続いていません</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>-f または --write で出力形式を選んでください (--help を参照)</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>2 つの出力が同じ名前の %1 ファイルを書き込みます。どちらかに別の suffix= を指定してください (--write %1:...:suffix=-small)</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>形式「%1」は書き込めません。次のいずれかを選んでください: %2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside は各ファイルと同じフォルダーに書き込むため、%1 は指定できません</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>-o で出力フォルダーを選ぶか、--beside を指定してください</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>変換する画像を 1 つ以上指定してください</translation>
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
        <translation>使い方: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]...
                         [--quality Q] [--write OUTPUT]... [--preset FILE]
                         [--save-preset FILE] [--strip] [--no-auto-orient]
                         [--jobs N] [--if-exists=overwrite|skip|rename] [-r]
                         [--parents] [--rename PATTERN] [--files-from LIST [-0]]
                         FILE...
        lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
各 STEP は --effect NAME[=ARGS]、--resize GEOMETRY (必要なら --filter F の後)、
--crop GEOMETRY、--rotate DEGREES、--flip h|v、--watermark-text TEXT、
--watermark-image FILE のいずれかです (それぞれ必要なら後に
--watermark-* 設定を続けます)。

画像を 1 つの形式に変換して 1 つのフォルダーに書き込み、その際に各画像に指定の
順でステップを適用します。使えない値は、ファイルを書き込む前に拒否します。
出力先はそれぞれ FOLDER/NAME.FORMAT で、NAME はファイル名の最後のドットより前
の部分 (ドットがなければ名前全体) です。--rename を使うとパターンで名前を付け、
--beside を使うと元のファイルと同じフォルダーに書き込みます。同じ名前になる
ファイルはすべて残され、指定した順に 2 つ目が「NAME (2).FORMAT」のように
なります。--if-exists=overwrite を指定しない限り、指定したファイルがそれ自身の
変換結果で置き換えられることはありません。ファイルは並列に変換され、--jobs で
指定しない限りコアごとに 1 つずつ処理します。失敗したファイルがあっても他の
ファイルの処理は止まりません。1 つでも失敗すると終了ステータスは 1 になります。
SIGINT、SIGTERM、SIGHUP で停止すると、処理中のファイルを完了させ、新たには
開始せず、128 にシグナル番号を足した値で終了します。

オプション:
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
エフェクト:
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>、既定値 </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>「..」を含む名前は出力フォルダーの下に置けません</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>一覧 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 は行区切りのファイル名の一覧ではありません: NUL バイトを含む項目があります (NUL 区切りなら -0 を使ってください)</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 はファイル名の一覧ではありません: パスとしてあり得ないほど長い項目があります</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 はファイル名の一覧ではありません: パスとしてあり得ないほど長い項目があります (NUL 区切りなら -0 を指定してください)</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>有効: 変換時に適用されます</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>有効: </translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>エフェクト 1</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>エフェクト 2</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>明るさ(-255-255)</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>コントラスト(既定 100)</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>ガンマ(既定 1.0)</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>色相(0-255)</translation>
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
        <translation>赤(0-255)</translation>
    </message>
    <message>
        <source>Green(0-255)</source>
        <translation>緑(0-255)</translation>
    </message>
    <message>
        <source>Blue(0-255)</source>
        <translation>青(0-255)</translation>
    </message>
    <message>
        <source>Invert Color</source>
        <translation>色の反転</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>明度(既定 100)</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>彩度(既定 100)</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>彩度を下げる</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>北西</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>soft</source>
        <translation>ソフト</translation>
    </message>
    <message>
        <source>grayscale noise</source>
        <translation>グレースケールノイズ</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>カラーノイズ</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>ノイズ除去(1-5)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>拡散</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>エンボス</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>部分カラー</translation>
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
        <translation>モノクロ(0-255)</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>モザイク</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>ノイズ</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>エッジのシャープ</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>渦巻き 0-360</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>メディアン</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>added to the red channel</source>
        <translation>赤チャンネルに加算する値</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>緑チャンネルに加算する値</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>青チャンネルに加算する値</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>赤・緑・青の各チャンネルに値を加算する</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>処理の回数</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>3x3 のメディアンで孤立した点を取り除く</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>3x3 のガウスぼかし</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>中間グレーからの距離 (パーセント): 0 でグレー、200 で 2 倍</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>色を中間グレーから遠ざける、または中間グレーに近づける</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>各ピクセルの輝度からグレーにする</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>色を取ってくる距離 (ピクセル)</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>各ピクセルを近くのランダムなピクセルの色にする</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>不明なエフェクト「%1」(--help を参照)</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 の引数は %2 個ですが、%3 個指定されています</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>レリーフの高さ</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>光の来る方向: 0 北、1 北東、2 東、3 南東、4 南、5 南西、6 西、7 北西</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>8 方向のいずれかから照らしたグレーのレリーフ</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>焦点からこのピクセル数以内は色を残す</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>焦点からこのピクセル数以上離れるとグレー。radius1 以下なら境界がくっきりする</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>焦点の列</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>焦点の行</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>1 点の周りの色を残し、それ以外をグレーにする</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>1 より大きいと中間調が明るく、1 より小さいと暗くなる</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>ガンマ補正</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>色相角を回転量とする色の赤</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>色相角を回転量とする色の緑</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>色相角を回転量とする色の青</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>すべての色相を、ある色の色相角だけ回転する</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>画像をネガにする</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>赤 (パーセント): 100 未満で黒に、100 超で白に近づく</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>緑 (パーセント): 100 未満で黒に、100 超で白に近づく</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>青 (パーセント): 100 未満で黒に、100 超で白に近づく</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>各チャンネルを黒または白に近づける</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>正方形の一辺のピクセル数 (偶数は切り上げ)</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>正方形のメディアンフィルター</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>輝度がこの値以上なら 1 つ目の色、未満なら 2 つ目の色になる</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>明るい色、0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>暗い色、0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>輝度のしきい値で 2 色に分ける</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 標準: 平らなブロック、1 ソフト: ブロックが互いに溶け合う</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>ブロックの一辺のピクセル数</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>ブロックごとの平均色で塗った正方形のブロック</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>チャンネルの最大変化量</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 グレー: 全チャンネルで同じ変化、1 カラー: チャンネルごとに別の変化</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>ランダムなノイズを加える</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>グレーからの距離 (パーセント): 0 でグレー、200 で 2 倍</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>色を鮮やかに、またはくすませる</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>3x3 のシャープ</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>シャープの強さ</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>エッジに沿ってのみシャープにする</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>中心での回転角 (度)。正の値で時計回り</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>画像を中心の周りで渦巻き状にする</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>「%1」を使用できません</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>「%1」を開けません</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>「%1」を作成できません</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>「%1」を読み込めません</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>「%1」に書き込めません</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>「%1」内でシークできません</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>「%1」の書き込みを完了できません</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>「%1」の属性を変更できません</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>ファイルが指定されていません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>ファイルを開けません (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>ファイルを読み込めません (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>書き込む画像がありません</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>ファイル名が指定されていません</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>Lumaskin は形式「%1」を書き込めません</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>画像のサイズを %1 x %2 ピクセルにすることはできません</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>アイコンの一辺は 1 から 256 ピクセルです (%1 x %2 は不可)</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>フォルダーです (-r を付けるとその中の画像が対象になります)</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1: 名前に改行が含まれています。-0 を付けて一覧を出力してください</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: 一覧を書き込めません</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: プリセットを %1 として保存しました</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: 出力フォルダー %1 はフォルダーではなくファイルです</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: 出力フォルダー %1 は存在しません</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 を %2 として書き込みました (%3)</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: 停止しました: %1 個を書き込み、%2 個は未変換です。同じコマンドに --if-exists=skip を付けて実行すると残りを処理します</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert: 書き込み %1、スキップ %2、名前変更 %3</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>、%2 個中 %1 個のファイルが失敗</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>スキンパッケージが見つからないため、Lumaskin のウィンドウを表示できません。

%1 とその他のスキンパッケージを次の場所で探しました:
%2

Lumaskin をスキンと一緒にインストールするか、スキンパッケージを %3 に置いてください。</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1: そのようなファイルやフォルダーはありません
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>この画像は表示できません。

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>すべての画像|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>すべてのファイル(*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>セントラルディレクトリが見つかりません。複数ディスクに分かれたアーカイブを開いている場合は、最後のディスクを挿入してください。再試行しますか？</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>%1 という名前のスキンパッケージは既にインストールされています。置き換えますか？</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>有効: </translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>出力フォルダーを選択してください</translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>その画像は既にリストにあります。</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>そのうち %1 枚の画像は既にリストにあります。</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>画像を追加してください</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>画像ファイルを指定してください</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>これらの画像は、選択した形式で既に %1 にあります。変換すると、変換後のファイルで置き換えられます:

%2

置き換えますか？「いいえ」を選ぶと元の画像を残し、変換後のファイルをそれぞれ元の画像と同じ場所に「名前 (2)」として書き込みます。</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>変換後のファイルのうち %1 個が既に %2 にあります:

%3

両方を残す (新しいファイルは「名前 (2)」として書き込みます)、上書きする、これらの画像をスキップする、のどれにしますか？ 回答はすべてのファイルに適用されます。</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>変換が完了しました！

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
適用したエフェクト: %1。</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

%1 個を書き込み、%2 個をスキップ (既に存在)、%3 個の名前を変更しました</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

%2 個中 %1 個のファイルを変換できませんでした:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
...ほか %1 個。</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>ステップ、透かし、プリセット(&amp;S)...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>画像を変換中です。完了するまで待つか、変換をキャンセルしてください。</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>スキンパッケージ|*.zip;*.skn|すべてのファイル|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>一時停止ボタンが押されました</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>停止ボタンが押されました</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>変換を中止しました: %2 個中 %1 個のファイルを %3 に書き込みました。</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>変換を中止しました: %2 個中 %1 個のファイルを書き込みました。</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>ファイルは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>1 個のファイルを %1 に書き込みました。</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>%1 個のファイルを %2 に書き込みました。</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>%1 を開くファイルマネージャーがありません。ファイルはそこにあります。</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>変換を中止しました：%2 個中 %1 個のファイルを元の画像の隣に書き出しました。</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>%1 個のファイルを元の画像の隣に書き出しました。</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>1 個のファイルを元の画像の隣に書き出しました。</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>変換後のファイルのうち %1 個が既に元の画像の隣にあります:

%2

両方を残す (新しいファイルは「名前 (2)」として書き込みます)、上書きする、これらの画像をスキップする、のどれにしますか？ 回答はすべてのファイルに適用されます。</translation>
    </message>
</context>
<context>
    <name>MainDialogPrompts</name>
    <message>
        <source>Install Skin</source>
        <translation>スキンのインストール</translation>
    </message>
    <message>
        <source>Higher keeps more detail in larger files. WebP and AVIF are lossless at 100.</source>
        <translation>値を高くすると細部がより多く保たれ、ファイルは大きくなります。WebP と AVIF は 100 で可逆圧縮になります。</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>品質(&amp;Q):</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>すべて上書き</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>すべてスキップ</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>両方を残す</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>日付形式「%1」が単独の % で終わっています</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>日付形式「%2」の %%1 は %Y %y %m %d %H %M %S %% のいずれでもありません</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>空の部分を含んでいます</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>「%1」という名前のフォルダーを含んでいます</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}: {n} には 1 から %2 桁までの幅と 0 以上の開始値を指定します ({n:3} や {n:3,100} のように)</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}: 日付形式が空です</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}: {%2} には形式を指定できません</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>不明なトークン {%1}。使えるトークンは {name} {ext} {folder} {n} {date} {w} {h} です</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>} が単独で使われています (波かっこ自体は }} と書きます)</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>{ が閉じられていません (波かっこ自体は {{ と書きます)</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>パターンが空です</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>「/」で始まっています</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>パターンが%1。名前はフォルダーの中に収める必要があります</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>名前パターンから %1 ができますが、これは%2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>フォルダー %1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1 の %2 行目: %3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>Lumaskin のプリセットではありません (先頭が「%1 %2」です)</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>このプリセットはバージョン %1 で、新しい Lumaskin で書き込まれたものです。この Lumaskin が読み込めるのはバージョン %2 以前です</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>この行は UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>プリセットとしては大きすぎます</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>プリセット %1 を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>画像ファイルをリストに追加</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>Lumaskin を閉じる</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>色の効果: 明るさ、コントラスト、ガンマ、色相など</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>リストのすべての画像を選んだ形式に変換</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>変換先の形式</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>リストを空にする</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>フィルター: ぼかし、シャープ、エンボス、モザイクなど</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>1 番目の音声トラック</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>選択した画像をリストの下へ移動</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>選択した画像をリストの上へ移動</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>選択した画像の効果ウィンドウを開く</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>選択した画像をリストから削除</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>リピート</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Second sound track</source>
        <translation>2 番目の音声トラック</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>画像を 100% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>画像を 150% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>画像を 200% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>画像を 25% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>画像を 33% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>画像を 50% で表示</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>画像を 75% で表示</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>選択した画像を表示</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>最後まで来たら最初から</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>一括処理のステップ: サイズ変更、切り抜き、回転、透かし、プリセット</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>トラック 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>トラック 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>すべての効果を取り消し、読み込んだときの画像を表示</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>スクロールバー</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>Install Skin</source>
        <translation>スキンのインストール</translation>
    </message>
    <message>
        <source>Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)</source>
        <translation>スキンパッケージ (*.zip *.skn *.ZIP *.SKN);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>スキンを変更するたびに通知を表示(&amp;N)</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>%1 の中を調べるための作業フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 はスキンパッケージではありません: ZIP アーカイブとして開けません。</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 は使用できるスキンパッケージではありません: ファイルを展開できません。</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 は使用できるスキンパッケージではありません。%2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 は使用できるスキンパッケージではありません: %2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>最上位に Skin.ini がありません。</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>背景のビットマップがないか、読み込めません。</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>スキンフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>このスキンパッケージには %1 個のファイルがあります。スキンに含められるのは %2 個までです。</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>このスキンパッケージの Skin.ini は %1 KB です。上限は %2 KB です。</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>このスキンパッケージは展開すると %1 MB になります。スキンに使えるのは %2 MB までです。</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 からスキンを読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 はスキンパッケージではありません: スキンパッケージは .zip または .skn で終わるファイルです。</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>%1 のインストール先となるスキンフォルダーがありません。</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>スキンの変更(&amp;C)</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>スキンのインストール(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;スキンを読み込めませんでした: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;スキンを読み込みました: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>画像を&lt;b&gt;追加&lt;/b&gt;し、&lt;b&gt;行をクリック&lt;/b&gt;すると表示します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;ズーム&lt;/b&gt;は 25&amp;nbsp;% から 200&amp;nbsp;% まで。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>効果の横の&lt;b&gt;変更&lt;/b&gt;で適用します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;元に戻す&lt;/b&gt;で画像を元の状態にします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;変換&lt;/b&gt;ですべてを一つの形式で書き出します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>ウィンドウを&lt;b&gt;右クリック&lt;/b&gt;すると他のスキンを選べます。</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>Lumaskin は画像を調整・変換します:</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>ここをクリックするとこのお知らせを閉じます。</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>幅と高さの内側に収める</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>幅と高さを覆う（余りは切り抜きで除く）</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>幅と高さちょうど</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>各辺の割合</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>高さに合わせる</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>縮小または拡大</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>縮小のみ</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>拡大のみ</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3（シャープ、写真向け）</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>線形（やわらかめ）</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>最近傍（ドット絵）</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高さ(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>条件(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>フィルター(&amp;F):</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>幅、高さ、またはその両方を指定してください。</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>覆う、またはちょうど合わせるには幅と高さの両方が必要です。</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>中央から幅と高さ</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>角から幅と高さ</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>縦横比に合う中央の最大部分</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>残す部分(&amp;K):</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>左から(&amp;L):</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>上から(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>縦横比(&amp;A):</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>時計回りに 90°</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>半回転（180°）</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>反時計回りに 90°（270°）</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>回転(&amp;T):</translation>
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
        <translation>反転(&amp;M):</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>テキスト(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>画像(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>透かしの画像</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>透過付きの画像 (*.png);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% （画像の幅に対して）</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>透かしの色</translation>
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
        <translation>透かし:</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>文字列(&amp;W):</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>画像ファイル(&amp;F):</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>サイズ(&amp;Z):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>色(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>不透明度(&amp;O):</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>位置(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>余白(&amp;M):</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>透かしの文字列を入力してください。</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>透かしの画像を選んでください。</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>lumaskin-convert --effect が受け付ける形の効果名と値（例：contrast=150）</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>効果(&amp;E):</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>追加のファイル</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>画像のまま、または 512 や 2048x2048&gt; などのサイズ</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>個別の品質(&amp;O):</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>例：-small</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>サイズ変更(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>名前の接尾辞(&amp;S):</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>割合(&amp;A):</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>フォント(&amp;N):</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>切り抜き「%1」は画像 (%2 x %3 ピクセル) の外側にあります</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>%1 x %2 ピクセルにリサイズすると画像が大きくなりすぎます</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>「%1」という名前のステップはありません (%2)</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>テキストは GUI アプリケーション内でのみ描画できます</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>画像に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>テキスト「%1」は大きすぎて描画できません</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>透かしのテキストが単独の \ で終わっています</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>透かしに「%1」という設定はありません (text, image, font, size, colour, opacity, position, margin)</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>透かしにはテキストか画像が必要です</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>透かしはテキストか画像のどちらか一方で、両方は指定できません</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>透かし画像「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>メタデータを含めない (EXIF、XMP、カラープロファイル)(&amp;L)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>エフェクトウィンドウでマークしたエフェクトの後に、すべての画像にこの順で適用します:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>画像上に表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>品質 (jpg, webp, avif)(&amp;Q):</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>プリセット:</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>読み込み(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>コマンドとしてコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>プリセットの保存</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>プリセットの名前:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>パターンでファイル名を付ける(&amp;N):</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>各ファイルを元の画像の隣に書き出す（変換時にフォルダーを選ばない）(&amp;B)</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>各画像からの追加ファイル</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>ファイルを追加(&amp;F)...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>ファイルを編集(&amp;I)...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>ファイルを削除(&amp;X)</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} 画像の名前、{ext} 拡張子、{folder} フォルダー名、{n} 一覧での順番（{n:03} で 3 桁、{n:3,100} で 100 から）、{date} 撮影日時（{date:%Y-%m-%d}）、{w} と {h} 書き出すサイズ。/ でサブフォルダーを作ります</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1: この画像を表示するためのメモリが足りません</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>画像を元に戻すためのメモリが足りません</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>保存する画像がありません</translation>
    </message>
</context>
<context>
    <name>lumaskin::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>処理中のファイルが終わりしだい停止します…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>変換中 (%1/%2)</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止しています…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>%1 の処理を完了中</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>書き込み済み: %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>開始しています…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 を変換中</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: ウィンドウを開くディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)
</translation>
    </message>
</context>
</TS>
