<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 não é um arquivo; as configurações partem dos padrões e não serão salvas desta vez
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 é um link; nada é gravado através de links</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 ocupa o lugar de uma pasta</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>outra imagem da lista tem o mesmo nome</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>uma imagem em conversão tem esse nome e é mantida</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>não convertido: a conversão foi cancelada</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>o nome do arquivo é longo demais</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>o arquivo é grande demais para o disco</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>o disco relatou um erro de entrada/saída</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>uma pasta com esse nome ocupa o lugar</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>não é possível abrir a pasta %1 (%2)</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>algo que não é um arquivo ocupa o lugar</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>não é possível criar o arquivo (%1)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>nenhum decodificador AV1 está instalado</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>o codificador AVIF falhou (%1)</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>nenhum codificador AV1 está instalado</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>não é uma imagem que o Lumaskin consiga ler</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>a imagem é grande demais (%1 x %2 pixels; são lidos no máximo %3 pixels por lado)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>a imagem é grande demais (%1 x %2 pixels; são lidos no máximo %3 pixels)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>a imagem é grande demais (%1 megapixels; são lidos no máximo %2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>a imagem %1 está danificada</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>não há memória suficiente para a imagem</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>a imagem não tem pixels</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>Não é possível carregar o módulo %1 do Lumaskin (%2); reinstale o Lumaskin</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 está incompleto</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>a imagem HEIF usa um recurso que o Lumaskin não consegue ler</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>nenhum decodificador para esta imagem HEIF está instalado</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>o codificador JPEG falhou (%1)</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>o codificador JPEG falhou (disposição de faixas inesperada)</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>o Lumaskin não lê imagens %1</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>não há espaço suficiente na pasta temporária para a imagem</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>o codificador %1 falhou (%2)</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>o codificador GIF falhou (%1)</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>não foi possível adicionar as tags EXIF ao arquivo TIFF</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>não foi possível iniciar o gravador de PDF</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>o codificador PNG falhou (%1)</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>não há imagem para gravar</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>a página do PDF demora demais para ser renderizada (mais de %1 segundos)</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>o PDF está protegido por senha</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>o PDF não tem páginas</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>a leitura foi cancelada</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>o desenho SVG não informa um tamanho</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>Não é possível iniciar o auxiliar de SVG do Lumaskin (%1); reinstale o Lumaskin</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>o desenho SVG demora demais para ser renderizado (mais de %1 segundos)</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>não foi possível renderizar o desenho SVG: a renderização parou no meio (talvez ele precise de mais memória do que um desenho recebe)</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>a estrutura da imagem TIFF não é suportada</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>o codificador TIFF falhou (%1)</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>a imagem JPEG tem mais de 500 varreduras</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>o WebP comporta no máximo %1 pixels por lado</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>o codificador WebP falhou (versões incompatíveis)</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>o codificador WebP falhou (erro %1)</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>não foi possível gravar os metadados WebP</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>não é possível gravar o arquivo (%1)</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>não é possível salvar o arquivo (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opção desconhecida %1 (veja --help)</translation>
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
        <translation>Uso: lumaskin [OPÇÃO]... [ARQUIVO|PASTA]...

Ajusta, filtra e converte imagens em uma janela com skins. As imagens indicadas
entram na lista (uma pasta fornece as imagens que contém) e a última é exibida.

Opções:
  -h, --help       mostra este texto e sai
  -v, --version    mostra a versão e sai
  --               todo argumento depois dele é um arquivo

Teclas: Ctrl+O adiciona imagens, Delete remove a selecionada, Ctrl+Q ou Ctrl+W
fecha a janela. Um clique com o botão direito no fundo da janela troca a skin.

Os pacotes de skins são lidos de $XDG_DATA_HOME/lumaskin/skins (onde “Instalar
skin...” os coloca), depois de lumaskin/skins em cada pasta de $XDG_DATA_DIRS e
da pasta share da instalação. O lumaskin-convert faz as mesmas conversões sem
janela; veja lumaskin(1) e lumaskin-convert(1).
</translation>
    </message>
</context>
<context>
    <name>ControlLayer</name>
    <message>
        <source>Open </source>
        <translation>Abrir </translation>
    </message>
</context>
<context>
    <name>ConversionOutput</name>
    <message>
        <source>the suffix &quot;%1&quot; holds a &apos;/&apos;</source>
        <translation>o sufixo “%1” contém uma “/”</translation>
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
        <translation> e </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>Formatos gravados: </translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>Formatos lidos: %1 (primeiro quadro ou página), reconhecidos pelo conteúdo.</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 mantêm o EXIF, o XMP e o perfil de cor da origem (os pixels são gravados em pé, então a orientação EXIF passa a ser 1, a menos que --no-auto-orient seja informado); nos outros formatos as cores são convertidas para sRGB.</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 ajusta a --watermark-text ou --watermark-image que vem antes dela, e nenhuma vem antes</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>formato de saída</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>pasta de saída (precisa existir)</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>grava mais um arquivo de cada imagem, da mesma leitura:
em FORMAT, redimensionado para SIZE (geometria de
--resize) após as etapas, com qualidade N e o nome
terminado em TEXT antes da extensão (o sufixo vem por
último); repita para gravar mais:
-f jpg -w webp:512:suffix=-small; sem -f, só estes são
gravados</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>aplica um efeito; argumentos separados por vírgula, os
que faltam assumem o padrão, os fora do intervalo são
limitados</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>redimensiona: W ou xH (esse lado, o outro em proporção),
WxH (o maior que cabe dentro), WxH^ (o menor que cobre),
WxH! (exatamente) ou N%; um &gt; depois só reduz, um &lt; só
amplia: --resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>o filtro das opções --resize seguintes: lanczos
(Lanczos 3, o padrão; nítido, para fotos), linear (mais
suave) ou nearest (copia pixels, para pixel art)</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter aceita lanczos, linear ou nearest, não “%1”</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>mantém WxH+X+Y (os deslocamentos podem ser negativos:
-X), WxH a partir do centro ou a maior parte centrada na
proporção W:H (16:9); um recorte totalmente fora de uma
imagem faz esse arquivo falhar</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>gira no sentido horário por esse número de graus</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>espelha na horizontal (h) ou na vertical (v)</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>sobrepõe TEXT à imagem (veja as opções --watermark-*
seguintes)</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text precisa de um texto</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>sobrepõe a imagem FILE (um PNG com transparência) à
imagem, com 20% da largura dela, a menos que
--watermark-size diga outra coisa</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image precisa de um arquivo</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>a fonte do texto da marca d&apos;água anterior (padrão
sans-serif)</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>o tamanho da marca d&apos;água anterior: a altura de um
texto, a largura de uma imagem, em pixels ou como fração
da largura da imagem (padrão 5% para texto, 20% para
imagem)</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>a cor do texto da marca d&apos;água anterior (padrão
#FFFFFF)</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>a opacidade em porcentagem da marca d&apos;água anterior
(padrão 60)</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>onde fica a marca d&apos;água anterior: top-left, top,
top-right, left, centre, right, bottom-left, bottom ou
bottom-right (o padrão)</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>pixels entre a marca d&apos;água anterior e as bordas
(padrão 16)</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>uma marca d&apos;água inteira em um só valor, como as
predefinições a gravam: text=TEXT ou image=FILE, depois
quaisquer de font=, size=, colour=, opacity=, position=,
margin=, separados por ; (um ; ou \ num valor se escreve
\; ou \\)</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>1 a 100 para jpg, webp e avif (padrão 90); webp e avif
são sem perdas em 100</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality precisa de um número inteiro de 1 a 100</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>omite o EXIF, o XMP e o perfil de cor, e converte
imagens em outros espaços de cor para sRGB</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>usa as fotos como os arquivos as guardam, em vez de
endireitá-las pela orientação EXIF: as etapas atuam
nelas como guardadas, e a orientação é gravada como na
origem, para que visualizadores que a respeitam ainda as
mostrem em pé; formatos sem EXIF (e --strip) as deixam
como guardadas</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>um destino que já existe é substituído (o padrão),
deixado como está ou mantido, com o novo arquivo gravado
como “NAME (2).FORMAT”; overwrite dito aqui também
substitui um arquivo dado que seja seu próprio destino;
com skip, rodar de novo um lote interrompido ou dividido
faz só o que falta</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists aceita overwrite, skip ou rename, não “%1”</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>arquivos convertidos ao mesmo tempo (no máximo um por
núcleo, e menos quando falta memória)</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs precisa de um número inteiro de pelo menos 1</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>uma pasta dada representa as imagens nela e em todas as
suas subpastas (reconhecidas pelo conteúdo; arquivos
ocultos e links dentro dela são ignorados), e suas
subpastas são recriadas em FOLDER: DIR/a/b.jpg vai para
FOLDER/a/b.FORMAT</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>um arquivo mantém a parte de pasta do nome em FOLDER:
a/b.jpg vai para FOLDER/a/b.FORMAT (“..” é recusado)
Com -r ou --parents, imagens de uma pasta que resultam
no mesmo nome são numeradas na ordem de bytes dos seus
nomes, sejam quais forem as que uma execução recebe,
para que execuções divididas concordem.</translation>
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
        <translation>nomeia cada destino por PATTERN, ao qual se acrescenta a
extensão do formato: {name} o nome do arquivo antes do
último ponto, {ext} sua extensão, {folder} o nome da sua
pasta, {n} sua posição na lista ({n:3} três dígitos,
{n:3,100} contando a partir de 100), {date} quando foi
tirada segundo o EXIF, senão a data do arquivo
({date:%Y%m%d-%H%M%S}; campos %Y %y %m %d %H %M %S), {w}
e {h} o tamanho gravado; {{ e }} são chaves, e / cria
subpastas</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>grava cada destino na pasta do seu arquivo em vez de
FOLDER (não com -o ou --parents); um arquivo que
seria seu próprio destino é mantido, e sua conversão é
gravada como “NAME (2).FORMAT”, a menos que se use
--if-exists=overwrite</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>usa os arquivos indicados em LIST, um por linha (linhas
em branco são ignoradas), depois dos da linha de
comando; - lê a entrada padrão</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from precisa de um arquivo, ou - para a entrada padrão</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>os nomes em LIST, e os que --list imprime, terminam com
um byte NUL em vez de uma quebra de linha</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>imprime as imagens que os arquivos e pastas dados
representam, uma por linha, e não converte nada</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>usa as opções guardadas na predefinição FILE (um nome
sozinho é uma salva em ~/.local/share/Lumaskin/presets);
opções depois dela alteram o que ela diz</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>guarda as outras opções dadas (exceto os arquivos) como
a predefinição FILE (um nome sozinho vai para
~/.local/share/Lumaskin/presets); não converte nada a
menos que arquivos também sejam indicados</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset precisa de um arquivo ou um nome</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>a versão do programa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>“%1” não é uma opção que uma predefinição guarda</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 aceita yes ou no, não “%2”</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opção desconhecida %1 (veja --help)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter vale para as opções --resize seguintes, e nenhuma vem depois</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>escolha um formato de saída com -f ou --write (veja --help)</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>duas saídas gravam arquivos %1 de mesmo nome; dê a uma delas outro suffix= (--write %1:...:suffix=-small)</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>não é possível gravar o formato “%1”; escolha um destes: %2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside grava na própria pasta de cada arquivo: não aceita %1</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>escolha uma pasta de saída com -o, ou --beside</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>indique pelo menos uma imagem para converter</translation>
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
        <translation>Uso: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]... [--quality Q]
                      [--write OUTPUT]... [--preset FILE] [--save-preset FILE]
                      [--strip] [--no-auto-orient] [--jobs N]
                      [--if-exists=overwrite|skip|rename] [-r] [--parents]
                      [--rename PATTERN] [--files-from LIST [-0]] FILE...
     lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
onde cada STEP é --effect NAME[=ARGS], --resize GEOMETRY (depois de --filter F,
se quiser), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT
ou --watermark-image FILE (cada um seguido das suas opções --watermark-*, se
quiser).

Converte imagens para um formato em uma pasta, aplicando as etapas a cada uma na
ordem dada; um valor que não pode funcionar é recusado antes de qualquer arquivo
ser gravado. Cada destino é FOLDER/NAME.FORMAT, onde NAME é a parte do nome do
arquivo antes do último ponto (o nome inteiro, quando não há ponto); --rename o
nomeia por um padrão, e --beside o coloca na própria pasta do arquivo. Arquivos
que resultam no mesmo nome são todos mantidos: o segundo vira “NAME (2).FORMAT”,
e assim por diante, na ordem dada. Um arquivo dado nunca é substituído pela sua
própria conversão, a menos que se use --if-exists=overwrite. Os arquivos são
convertidos em paralelo, um por núcleo, a menos que --jobs diga o contrário. Um
arquivo que falha não interrompe os outros; o status de saída é 1 quando algum
falha. Interrompido por SIGINT, SIGTERM ou SIGHUP, termina os arquivos em
andamento, não inicia outros e sai com 128 mais o número do sinal.

Opções:
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
Efeitos:
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>, padrão </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>um nome com “..” não tem lugar na pasta de saída</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>não é possível ler a lista %1: %2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 não é uma lista de nomes de arquivo por linha: uma entrada contém um byte NUL (separada por NUL? use -0)</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 não é uma lista de nomes de arquivo: uma entrada é mais longa do que um caminho pode ser</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 não é uma lista de nomes de arquivo: uma entrada é mais longa do que um caminho pode ser (separada por NUL? use -0)</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>Em vigor: a conversão o aplica</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Em vigor: </translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Insira um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Insira um número.</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>Efeitos um</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>Efeitos dois</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>Brilho(-255-255)</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>Contraste(Padrão 100)</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>Gama(Padrão 1.0)</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>Matiz(0-255)</translation>
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
        <translation>Vermelho(0-255)</translation>
    </message>
    <message>
        <source>Green(0-255)</source>
        <translation>Verde(0-255)</translation>
    </message>
    <message>
        <source>Blue(0-255)</source>
        <translation>Azul(0-255)</translation>
    </message>
    <message>
        <source>Invert Color</source>
        <translation>Inverter cores</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>Luminosidade(Padrão 100)</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>Saturação(Padrão 100)</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>Dessaturar</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>Nordeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>Sudeste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>Sudoeste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>Noroeste</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>soft</source>
        <translation>suave</translation>
    </message>
    <message>
        <source>grayscale noise</source>
        <translation>ruído em tons de cinza</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>ruído colorido</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>Redução de ruído(1-5)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desfoque</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Difusão</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relevo</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>Foco P/B</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Raio1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Raio2</translation>
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
        <translation>Monocromático(0-255)</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruído</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>Nitidez nas bordas</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>Redemoinho 0-360</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>added to the red channel</source>
        <translation>somado ao canal vermelho</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>somado ao canal verde</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>somado ao canal azul</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>soma aos canais vermelho, verde e azul</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>número de passadas</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>remove pontos isolados com uma mediana 3x3</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>desfoque gaussiano 3x3</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>distância do cinza médio em porcentagem: 0 dá cinza, 200 a dobra</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>afasta as cores do cinza médio ou as aproxima dele</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>cinza a partir da luma de cada pixel</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>de que distância, em pixels, uma cor pode vir</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>cada pixel assume a cor de um pixel vizinho aleatório</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>efeito desconhecido “%1” (veja --help)</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 recebe %2 argumento(s), %3 informado(s)</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>altura do relevo</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>de onde vem a luz: 0 Norte, 1 Nordeste, 2 Leste, 3 Sudeste, 4 Sul, 5 Sudoeste, 6 Oeste, 7 Noroeste</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>relevo cinza iluminado de uma de oito direções</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>a cor é mantida dentro desta quantidade de pixels do foco</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>cinza a partir desta quantidade de pixels; em radius1 ou abaixo a borda é dura</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>coluna do foco</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>linha do foco</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>mantém a cor em volta de um ponto e deixa o resto cinza</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>acima de 1 clareia os tons médios, abaixo de 1 escurece</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>correção de gama</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>vermelho da cor cujo ângulo de matiz é a rotação</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>verde da cor cujo ângulo de matiz é a rotação</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>azul da cor cujo ângulo de matiz é a rotação</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>gira cada matiz pelo ângulo de matiz de uma cor</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>transforma a imagem em seu negativo</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>vermelho em porcentagem: abaixo de 100 rumo ao preto, acima rumo ao branco</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>verde em porcentagem: abaixo de 100 rumo ao preto, acima rumo ao branco</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>azul em porcentagem: abaixo de 100 rumo ao preto, acima rumo ao branco</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>leva cada canal rumo ao preto ou rumo ao branco</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>lado do quadrado em pixels (tamanhos pares são arredondados para cima)</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>filtro de mediana quadrado</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>luma a partir deste valor recebe a primeira cor, abaixo dele a segunda</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>cor clara, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>cor escura, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>duas cores separadas por um limiar de luma</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 normal: blocos lisos; 1 suave: os blocos se fundem uns nos outros</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>lado de um bloco em pixels</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>blocos quadrados na sua cor média</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>maior variação de um canal</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 cinza: a mesma variação para todos os canais; 1 cor: uma variação por canal</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>adiciona ruído aleatório</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>distância do cinza em porcentagem: 0 dá cinza, 200 a dobra</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>deixa as cores mais vivas ou mais apagadas</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>nitidez 3x3</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>intensidade da nitidez</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>realça a nitidez só ao longo das bordas</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>giro no centro em graus, horário quando positivo</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>torce a imagem em volta do seu centro</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>Não é possível usar “%1”</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Não é possível abrir “%1”</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>Não é possível criar “%1”</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>Não é possível ler “%1”</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>Não é possível gravar em “%1”</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>Não é possível se posicionar dentro de “%1”</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>Não é possível terminar de gravar “%1”</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>Não é possível alterar os atributos de “%1”</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>nenhum arquivo foi informado</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>não é possível abrir o arquivo (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>não é possível ler o arquivo (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>não há imagem para gravar</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>o Lumaskin não consegue gravar o formato “%1”</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>uma imagem não pode medir %1 x %2 pixels</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>um ícone mede de 1 a 256 pixels por lado, não %1 x %2</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>uma pasta (-r usa as imagens dela)</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1: o nome contém uma quebra de linha; liste-o com -0</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: não é possível gravar a lista</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: predefinição salva como %1</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: a pasta de saída %1 é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: a pasta de saída %1 não existe</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 gravado como %2 (%3)</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: interrompido: %1 gravados, %2 não convertidos; o mesmo comando com --if-exists=skip faz o resto</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert: %1 gravados, %2 ignorados, %3 renomeados</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>; %1 de %2 arquivo(s) falharam</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>Nenhum pacote de skin foi encontrado, por isso o Lumaskin não pode mostrar sua janela.

Ele procurou %1 e os outros pacotes de skin em:
%2

Instale o Lumaskin com suas skins ou coloque pacotes de skin em %3.</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1: arquivo ou pasta inexistente
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>Esta imagem não pode ser exibida.

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>Todas as imagens|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>Todos os arquivos(*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>O diretório central não foi encontrado. Se você está abrindo um arquivo compactado de vários discos, verifique se inseriu o último disco. Tentar novamente?</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>Um pacote de skin chamado %1 já está instalado. Substituí-lo?</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Em vigor: </translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>Selecione uma pasta de saída para </translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>Essa imagem já está na lista.</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>%1 dessas imagens já estão na lista.</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>Adicione uma imagem</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>Informe um arquivo de imagem</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>Estas imagens já estão em %1, no formato escolhido. A conversão as substituiria pelos arquivos convertidos:

%2

Substituí-las? Não as mantém e grava cada arquivo convertido ao lado da sua imagem como “nome (2)”.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 dos arquivos convertidos já existem em %2:

%3

Manter ambos (os novos arquivos são gravados como “nome (2)”), substituí-los ou ignorar essas imagens? A resposta vale para todos.</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>Conversão concluída!

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
Efeitos aplicados: %1.</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

%1 gravados, %2 ignorados (já existiam), %3 renomeados</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

%1 de %2 arquivos não puderam ser convertidos:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... e mais %1.</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>&amp;Etapas, marca d&apos;água e predefinições...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>As imagens estão sendo convertidas. Aguarde até que termine ou cancele a conversão.</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>Pacotes de skin|*.zip;*.skn|Todos os arquivos|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>Botão Pausar pressionado</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>Botão Parar pressionado</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>Conversão cancelada: %1 de %2 arquivos gravados em %3.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>Conversão cancelada: %1 de %2 arquivos gravados.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>1 arquivo gravado em %1.</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>%1 arquivos gravados em %2.</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>Nenhum gerenciador de arquivos abriu %1. Os arquivos estão lá.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>Conversão cancelada: %1 de %2 arquivos gravados ao lado de suas imagens.</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>%1 arquivos gravados ao lado de suas imagens.</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>1 arquivo gravado ao lado de sua imagem.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 dos arquivos convertidos já existem ao lado de suas imagens:

%2

Manter ambos (os novos arquivos são gravados como “nome (2)”), substituí-los ou ignorar essas imagens? A resposta vale para todos.</translation>
    </message>
</context>
<context>
    <name>MainDialogPrompts</name>
    <message>
        <source>Install Skin</source>
        <translation>Instalar skin</translation>
    </message>
    <message>
        <source>Higher keeps more detail in larger files. WebP and AVIF are lossless at 100.</source>
        <translation>Valores mais altos preservam mais detalhes, com arquivos maiores. WebP e AVIF são sem perdas em 100.</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualidade:</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>Substituir todos</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Ignorar todos</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>o formato de data “%1” termina com um % isolado</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>%%1 no formato de data “%2” não é nenhum de %Y %y %m %d %H %M %S %%</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>tem uma parte vazia</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>tem uma pasta chamada “%1”</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}: {n} aceita uma largura de 1 a %2 dígitos e um início a partir de 0, como em {n:3} ou {n:3,100}</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}: o formato de data está vazio</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}: {%2} não aceita formato</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>marcador desconhecido {%1}; os marcadores são {name} {ext} {folder} {n} {date} {w} {h}</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>um } está sozinho (escreva }} para uma chave)</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>um { não foi fechado (escreva {{ para uma chave)</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>o padrão está vazio</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>começa com /</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>o padrão %1; os nomes ficam dentro da pasta</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>o padrão de nome resulta em %1, que %2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>não é possível ler a pasta %1: %2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>não é uma predefinição do Lumaskin (começa com “%1 %2”)</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>a predefinição é da versão %1, gravada por um Lumaskin mais novo; este lê a versão %2 e anteriores</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>a linha não é texto UTF-8</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>grande demais para uma predefinição</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>não é possível gravar a predefinição %1: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>Adicionar arquivos de imagem à lista</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>Fechar o Lumaskin</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>Efeitos de cor: brilho, contraste, gama, matiz e mais</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>Converter todas as imagens da lista para o formato escolhido</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Converter para</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Esvaziar a lista</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>Filtros: desfoque, nitidez, relevo, mosaico e mais</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>Primeira faixa de áudio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>Mover a imagem selecionada para baixo na lista</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>Mover a imagem selecionada para cima na lista</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>Abrir as janelas de efeitos para a imagem selecionada</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Remover as imagens selecionadas da lista</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Second sound track</source>
        <translation>Segunda faixa de áudio</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>Mostrar a imagem em 100%</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>Mostrar a imagem em 150%</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>Mostrar a imagem em 200%</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>Mostrar a imagem em 25%</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>Mostrar a imagem em 33%</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>Mostrar a imagem em 50%</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>Mostrar a imagem em 75%</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>Mostrar a imagem selecionada</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>Recomeçar ao chegar ao fim</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Etapas</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>As etapas do lote: redimensionar, recortar, girar, marca d’água, predefinições</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>Faixa 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>Faixa 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>Desfazer todos os efeitos e mostrar a imagem como foi carregada</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar o zoom</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir o zoom</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barra de rolagem</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>Install Skin</source>
        <translation>Instalar skin</translation>
    </message>
    <message>
        <source>Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)</source>
        <translation>Pacotes de skin (*.zip *.skn *.ZIP *.SKN);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>Mostrar um &amp;aviso a cada troca de skin</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>Não foi possível criar uma pasta de trabalho para examinar %1.</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 não é um pacote de skin: não pode ser aberto como arquivo ZIP.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 não é um pacote de skin utilizável: seus arquivos não podem ser extraídos.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 não é um pacote de skin utilizável. %2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 não é um pacote de skin utilizável: %2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>não contém um Skin.ini no nível superior.</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>o bitmap de fundo está faltando ou não pode ser lido.</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta de skins %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>Este pacote de skin contém %1 arquivos; uma skin pode conter no máximo %2.</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>O Skin.ini deste pacote de skin tem %1 KB; ele pode ter no máximo %2 KB.</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>Este pacote de skin ocupa %1 MB descompactado; uma skin pode ocupar no máximo %2 MB.</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 não resulta em uma skin: %2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 não é um pacote de skin: pacotes de skin são arquivos terminados em .zip ou .skn.</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>Não há uma pasta de skins onde instalar %1.</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>&amp;Trocar skin</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>&amp;Instalar skin...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Falha ao carregar a skin: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Skin carregada: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>&lt;b&gt;Adicione&lt;/b&gt; imagens; &lt;b&gt;clique em uma linha&lt;/b&gt; para vê-la.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;Zoom&lt;/b&gt; de 25&amp;nbsp;% a 200&amp;nbsp;% e de volta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>&lt;b&gt;Alterar&lt;/b&gt;, ao lado de um efeito, o aplica.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;Restaurar&lt;/b&gt; traz a imagem de volta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;Converter&lt;/b&gt; grava todas em um só formato.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>&lt;b&gt;Clique com o botão direito&lt;/b&gt; na janela para outras skins.</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>O Lumaskin ajusta e converte imagens:</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>Clique aqui para fechar esta nota.</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>Efeito</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>Caber na largura e na altura</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>Cobrir a largura e a altura (um recorte corta o resto)</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>Exatamente a largura e a altura</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>Uma proporção de cada lado</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>segue a altura</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>segue a largura</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>Reduzir ou ampliar</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Somente reduzir</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>Somente ampliar</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3 (nítido, para fotos)</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>Linear (mais suave)</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>Vizinho mais próximo (pixel art)</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Altu&amp;ra:</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>&amp;Quando:</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>Informe uma largura, uma altura ou ambas.</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>Cobrir ou ajustar exatamente exige largura e altura.</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>Largura e altura a partir do centro</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>Largura e altura a partir de um canto</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>A maior parte centralizada de uma proporção</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>&amp;Manter:</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>A partir da &amp;esquerda:</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>A partir do &amp;topo:</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>Pr&amp;oporção:</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>Um quarto no sentido horário (90°)</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>Meia volta (180°)</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>Um quarto no sentido anti-horário (270°)</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Giro:</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Da esquerda para a direita</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>De cima para baixo</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Espelhar:</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xto</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>Imagem da marca d&apos;água</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>Imagens com transparência (*.png);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% da largura da imagem</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Cor da marca d&apos;água</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Superior direito</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Inferior esquerdo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Inferior direito</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>Marca:</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Palavras:</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>&amp;Arquivo de imagem:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacidade:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>Po&amp;sição:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Margem:</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>Informe o texto da marca d&apos;água.</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>Escolha a imagem da marca d&apos;água.</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>O nome e os valores do efeito como lumaskin-convert --effect os recebe, por exemplo contrast=150</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Efeito:</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>Arquivo adicional</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>como a imagem, ou um tamanho como 512 ou 2048x2048&gt;</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>Qualidade &amp;própria:</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>por exemplo -pequena</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>&amp;Redimensionar para:</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>&amp;Sufixo do nome:</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>&amp;Proporção:</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Fo&amp;nte:</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>o recorte “%1” fica fora da imagem (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>redimensionada para %1 x %2 pixels, a imagem ficaria grande demais</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>nenhuma etapa se chama “%1” (%2)</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>só é possível desenhar texto dentro de um aplicativo gráfico</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>não há memória suficiente para a imagem</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>o texto “%1” é grande demais para ser desenhado</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>o texto de uma marca d&apos;água termina com uma \ isolada</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>uma marca d&apos;água não tem a opção “%1” (text, image, font, size, colour, opacity, position, margin)</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>uma marca d&apos;água precisa de um texto ou de uma imagem</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>uma marca d&apos;água é um texto ou uma imagem, não ambos</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>não é possível ler a imagem da marca d&apos;água “%1”: %2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>&amp;Omitir metadados (EXIF, XMP, perfil de cor)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Etapas</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>Aplicadas a cada imagem nesta ordem, depois dos efeitos marcados nas janelas de efeitos:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>&amp;Mostrar na imagem</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>&amp;Qualidade (jpg, webp, avif):</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>Predefinições:</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Sal&amp;var como...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>Co&amp;piar como comando</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salvar predefinição</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nome da predefinição:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>&amp;Nomear os arquivos por um padrão:</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>Gravar cada arquivo ao &amp;lado de sua imagem, não em uma pasta escolhida ao converter</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>Arquivos adicionais de cada imagem</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>Adicionar arq&amp;uivo...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>Ed&amp;itar arquivo...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>E&amp;xcluir arquivo</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} o nome da imagem, {ext} sua extensão, {folder} o nome de sua pasta, {n} sua posição na lista ({n:03} três dígitos, {n:3,100} a partir de 100), {date} quando foi tirada ({date:%Y-%m-%d}), {w} e {h} o tamanho gravado; uma / cria subpastas</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1: não há memória suficiente para exibir esta imagem</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>não há memória suficiente para restaurar a imagem</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>não há imagem para salvar</translation>
    </message>
</context>
<context>
    <name>lumaskin::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Parando</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>Parando depois dos arquivos em andamento…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>Convertendo %1 de %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>Concluindo %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Gravado: %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convertendo %1</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: não há tela onde abrir a janela (DISPLAY e WAYLAND_DISPLAY não estão definidas)
</translation>
    </message>
</context>
</TS>
