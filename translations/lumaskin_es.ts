<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 no es un archivo; la configuración empieza con los valores predeterminados y esta vez no se guarda
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 es un enlace; no se escribe nada a través de enlaces</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 ocupa el sitio de una carpeta</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>otra imagen de la lista tiene el mismo nombre</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>una imagen que se está convirtiendo tiene ese nombre y se conserva</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>sin convertir: se canceló la conversión</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>el nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>el archivo es demasiado grande para el disco</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ya hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>no se puede abrir la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>en ese lugar hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>no se puede crear el archivo (%1)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>no hay ningún descodificador AV1 instalado</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>el codificador AVIF falló (%1)</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>no hay ningún codificador AV1 instalado</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>no es una imagen que Lumaskin pueda leer</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles; se leen como máximo %3 píxeles por lado)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles; se leen como máximo %3 píxeles)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>la imagen es demasiado grande (%1 megapíxeles; se leen como máximo %2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>la imagen %1 está dañada</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>la imagen no tiene píxeles</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>No se puede cargar el módulo %1 de Lumaskin (%2); reinstale Lumaskin</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 está incompleto</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>la imagen HEIF usa una característica que Lumaskin no puede leer</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>no hay ningún descodificador instalado para esta imagen HEIF</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>el codificador JPEG falló (%1)</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>el codificador JPEG falló (distribución de franjas inesperada)</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>Lumaskin no lee imágenes %1</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>no hay espacio suficiente en la carpeta temporal para la imagen</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>el codificador %1 falló (%2)</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>el codificador GIF falló (%1)</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>no se pudieron añadir las etiquetas EXIF al archivo TIFF</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>no se pudo iniciar el generador de PDF</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>el codificador PNG falló (%1)</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>no hay ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>la página del PDF tarda demasiado en dibujarse (más de %1 segundos)</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>el PDF está protegido con contraseña</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>el PDF no tiene páginas</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>se canceló la lectura</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>el dibujo SVG no indica ningún tamaño</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>No se puede iniciar el programa auxiliar SVG de Lumaskin (%1); reinstale Lumaskin</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>el dibujo SVG tarda demasiado en dibujarse (más de %1 segundos)</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>no se pudo representar el dibujo SVG: el dibujado se detuvo a medias (puede que necesite más memoria de la que se concede a un dibujo)</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>la estructura de la imagen TIFF no es compatible</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>el codificador TIFF falló (%1)</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>la imagen JPEG tiene más de 500 barridos</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>WebP admite como máximo %1 píxeles por lado</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>el codificador WebP falló (las versiones no coinciden)</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>el codificador WebP falló (error %1)</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>no se pudieron escribir los metadatos WebP</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>no se puede escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>no se puede guardar el archivo (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opción desconocida %1 (consulte --help)</translation>
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
        <translation>Uso: lumaskin [OPCIÓN]... [ARCHIVO|CARPETA]...

Ajusta, filtra y convierte imágenes en una ventana con skins. Las imágenes
indicadas se añaden a la lista (una carpeta aporta las imágenes que contiene) y
se muestra la última.

Opciones:
  -h, --help       muestra este texto y termina
  -v, --version    muestra la versión y termina
  --               todos los argumentos posteriores son archivos

Teclas: Ctrl+O añade imágenes, Supr quita la seleccionada, Ctrl+Q o Ctrl+W
cierra la ventana. Un clic derecho en el fondo de la ventana cambia el skin.

Los paquetes de skins se leen de $XDG_DATA_HOME/lumaskin/skins (donde los pone
«Instalar skin...»), después de lumaskin/skins dentro de cada carpeta de
$XDG_DATA_DIRS y de la carpeta share de la instalación. lumaskin-convert hace
las mismas conversiones sin ventana; consulte lumaskin(1) y lumaskin-convert(1).
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
        <translation>el sufijo «%1» contiene una «/»</translation>
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
        <translation> y </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>Formatos de escritura: </translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>Formatos de lectura: %1 (primer fotograma o página), reconocidos por su contenido.</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 conservan los datos EXIF, XMP y el perfil de color del origen (los píxeles se escriben enderezados, así que la orientación EXIF pasa a ser 1 salvo que se indique --no-auto-orient); en los demás formatos los colores se convierten a sRGB.</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 ajusta el --watermark-text o --watermark-image anterior, y no hay ninguno antes</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>formato de salida</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>carpeta de salida (debe existir)</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>escribe un archivo más de cada imagen, de la misma
lectura: en FORMAT, redimensionado a SIZE (una geometría
de --resize) tras los pasos, con calidad N y con el
nombre terminado en TEXT antes de la extensión (el
sufijo va al final); repítala para más:
-f jpg -w webp:512:suffix=-small; sin -f solo se
escriben estos</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>aplica un efecto; argumentos separados por comas, los
que falten toman su valor predeterminado y los que se
salgan del rango se ajustan al límite</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>redimensiona: W o xH (ese lado, el otro en proporción),
WxH (lo más grande que quepa dentro), WxH^ (lo más
pequeño que lo cubra), WxH! (exactamente) o N%; un &gt;
detrás solo reduce y un &lt; solo amplía:
--resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>el filtro de las opciones --resize posteriores: lanczos
(Lanczos 3, el predeterminado; nítido, para fotos),
linear (más suave) o nearest (copia píxeles, para pixel
art)</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter admite lanczos, linear o nearest, no «%1»</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>conserva WxH+X+Y (los desplazamientos pueden ser
negativos: -X), WxH desde el centro o la mayor parte
centrada con la proporción W:H (16:9); un recorte
totalmente fuera de una imagen hace fallar ese archivo</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>gira esos grados en sentido horario</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>refleja de izquierda a derecha (h) o de arriba abajo (v)</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>pone TEXT sobre la imagen (vea los ajustes --watermark-*
posteriores)</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text necesita un texto</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>pone la imagen FILE (un PNG con transparencia) sobre la
imagen, con el 20 % de su anchura salvo que
--watermark-size indique otra cosa</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image necesita un archivo</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>el tipo de letra del texto de la marca de agua anterior
(predeterminado: sans-serif)</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>el tamaño de la marca de agua anterior: la altura de un
texto o la anchura de una imagen, en píxeles o como
proporción de la anchura de la imagen (predeterminado:
5 % para texto, 20 % para una imagen)</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>el color del texto de la marca de agua anterior
(predeterminado: #FFFFFF)</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>la opacidad en porcentaje de la marca de agua anterior
(predeterminada: 60)</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>dónde va la marca de agua anterior: top-left, top,
top-right, left, centre, right, bottom-left, bottom o
bottom-right (la predeterminada)</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>píxeles entre la marca de agua anterior y los bordes
(predeterminado: 16)</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>una marca de agua entera en un solo valor, como la
escriben los preajustes: text=TEXT o image=FILE y
después cualquiera de font=, size=, colour=, opacity=,
position=, margin=, separados por ; (un ; o una \ en un
valor se escribe \; o \\)</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>de 1 a 100 para jpg, webp y avif (predeterminado: 90);
con 100, webp y avif no tienen pérdidas</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality necesita un número entero de 1 a 100</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>omite EXIF, XMP y el perfil de color, y convierte a sRGB
las imágenes en otros espacios de color</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>toma las fotos tal como las guardan sus archivos en
lugar de enderezarlas según su orientación EXIF: los
pasos actúan sobre ellas tal como están guardadas y la
orientación se escribe como la tenía el origen, así que
los visores que la respetan las siguen mostrando
derechas; los formatos sin EXIF (y --strip) las dejan
tal como están guardadas</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>un destino que ya existe se sustituye (lo
predeterminado), se deja como está o se conserva y el
archivo nuevo se escribe como «NAME (2).FORMAT»;
overwrite indicado aquí también sustituye un archivo
indicado que sea su propio destino; skip hace que
repetir un lote detenido o dividido haga solo lo que
falta</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists admite overwrite, skip o rename, no «%1»</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>archivos que se convierten a la vez (como máximo uno por
núcleo, y menos si falta memoria)</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs necesita un número entero mayor o igual que 1</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>una carpeta indicada representa las imágenes que
contiene y las de todas sus subcarpetas (reconocidas por
su contenido; se omiten los archivos ocultos y los
enlaces que haya dentro), y sus subcarpetas se vuelven a
crear dentro de FOLDER: DIR/a/b.jpg va a
FOLDER/a/b.FORMAT</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>un archivo conserva la parte de carpeta de su nombre
dentro de FOLDER: a/b.jpg va a FOLDER/a/b.FORMAT (se
rechaza «..»)
Con -r o --parents, las imágenes de una carpeta que dan
el mismo nombre se numeran según el orden de bytes de
sus nombres, sin importar cuáles de ellas reciba cada
ejecución, de modo que las ejecuciones divididas
coinciden.</translation>
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
        <translation>nombra cada destino según PATTERN, al que se añade la
extensión del formato: {name} el nombre del archivo
antes de su último punto, {ext} su extensión, {folder}
el nombre de su carpeta, {n} su posición en la lista
({n:3} con tres cifras, {n:3,100} contando desde 100),
{date} cuándo se tomó según su EXIF o, si no, la fecha
del archivo ({date:%Y%m%d-%H%M%S}; campos
%Y %y %m %d %H %M %S), {w} y {h} el tamaño escrito; {{ y
}} son llaves, y / crea subcarpetas</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>escribe cada destino en la propia carpeta de su archivo
en lugar de en FOLDER (no con -o ni --parents); un
archivo que sería su propio destino se conserva y su
conversión se escribe como «NAME (2).FORMAT», salvo que
se indique --if-exists=overwrite</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>toma los archivos indicados en LIST, uno por línea (se
omiten las líneas en blanco), después de los de la línea
de comandos; - lee la entrada estándar</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from necesita un archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>los nombres en LIST, y los que muestra --list, terminan
con un byte NUL en lugar de un salto de línea</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>muestra las imágenes que representan los archivos y
carpetas indicados, una por línea, y no convierte nada</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>toma las opciones guardadas en el preajuste FILE (un
nombre a secas designa uno guardado en
~/.local/share/Lumaskin/presets); las opciones
posteriores cambian lo que este dice</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>guarda las demás opciones indicadas (salvo los archivos)
como el preajuste FILE (un nombre a secas va a
~/.local/share/Lumaskin/presets); no convierte nada
salvo que también se indiquen archivos</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset necesita un archivo o un nombre</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la versión del programa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>«%1» no es una opción que guarde un preajuste</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 admite yes o no, no «%2»</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opción desconocida %1 (consulte --help)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter es para las opciones --resize posteriores, y no sigue ninguna</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>elija un formato de salida con -f o --write (consulte --help)</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>dos salidas escriben archivos %1 con el mismo nombre; dé a una de ellas otro suffix= (--write %1:...:suffix=-small)</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>no se puede escribir el formato «%1»; elija uno de estos: %2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside escribe en la propia carpeta de cada archivo: no admite %1</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>elija una carpeta de salida con -o, o --beside</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>indique al menos una imagen que convertir</translation>
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
donde cada STEP es --effect NAME[=ARGS], --resize GEOMETRY (tras --filter F si
se quiere), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT
o --watermark-image FILE (cada uno seguido de sus ajustes --watermark-* si se
quiere).

Convierte imágenes a un formato en una carpeta y aplica los pasos a cada una en
el orden indicado; un valor que no puede funcionar se rechaza antes de escribir
ningún archivo. Cada destino es FOLDER/NAME.FORMAT, donde NAME es la parte del
nombre del archivo anterior a su último punto (el nombre entero si no tiene
ninguno); --rename lo nombra según un patrón y --beside lo pone en la propia
carpeta del archivo. Se conservan todos los archivos que dan el mismo nombre: el
segundo pasa a ser «NAME (2).FORMAT», y así sucesivamente, en el orden indicado.
Un archivo indicado nunca se sustituye por su propia conversión salvo que se
indique --if-exists=overwrite. Los archivos se convierten en paralelo, uno por
núcleo salvo que --jobs diga otra cosa. Un archivo que falla no detiene a los
demás; el código de salida es 1 si alguno falló. Si se detiene con SIGINT,
SIGTERM o SIGHUP, termina los archivos en curso, no empieza más y sale con 128
más el número de la señal.

Opciones:
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
Efectos:
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>, predeterminado </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>un nombre con «..» no tiene cabida dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>no se puede leer la lista %1: %2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 no es una lista de nombres de archivo por líneas: una entrada contiene un byte NUL (¿separados por NUL? use -0)</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 no es una lista de nombres de archivo: una entrada es más larga de lo que puede ser una ruta</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 no es una lista de nombres de archivo: una entrada es más larga de lo que puede ser una ruta (¿separada por NUL? use -0)</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>Activo: se aplica al convertir</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Activo: </translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>Efectos uno</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>Efectos dos</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>Brillo(-255-255)</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>Contraste(predet. 100)</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>Gamma(predet. 1.0)</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>Tono(0-255)</translation>
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
        <translation>Rojo(0-255)</translation>
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
        <translation>Invertir colores</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>Luminosidad(predet. 100)</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>Saturación(predet. 100)</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>Desaturar</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>Noreste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>Sureste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>Suroeste</translation>
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
        <translation>ruido en escala de grises</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>ruido de color</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>Reducir ruido(1-5)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfocar</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Dispersar</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relieve</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>Focal B/N</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Radio1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Radio2</translation>
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
        <translation>Monocromo(0-255)</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Enfocar</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>Enfocar bordes</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>Remolino 0-360</translation>
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
        <translation>se suma al canal rojo</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>se suma al canal verde</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>se suma al canal azul</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>suma a los canales rojo, verde y azul</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>número de pasadas</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>elimina motas aisladas con una mediana de 3x3</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>desenfoque gaussiano de 3x3</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>distancia al gris medio en porcentaje: 0 da gris, 200 la duplica</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>aleja los colores del gris medio o los acerca a él</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>gris a partir de la luma de cada píxel</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>de qué distancia, en píxeles, puede venir un color</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>cada píxel toma el color de un píxel cercano al azar</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>efecto desconocido «%1» (consulte --help)</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 admite %2 argumento(s), se han dado %3</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>altura del relieve</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>de dónde viene la luz: 0 norte, 1 noreste, 2 este, 3 sureste, 4 sur, 5 suroeste, 6 oeste, 7 noroeste</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>relieve gris iluminado desde una de ocho direcciones</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>el color se conserva hasta esta distancia en píxeles del foco</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>gris desde esta distancia en píxeles; en radius1 o menos, el borde es duro</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>columna del foco</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>fila del foco</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>conserva el color alrededor de un punto y vuelve gris el resto</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>más de 1 aclara los medios tonos, menos de 1 los oscurece</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>corrección gamma</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>rojo del color cuyo ángulo de tono es la rotación</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>verde del color cuyo ángulo de tono es la rotación</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>azul del color cuyo ángulo de tono es la rotación</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>gira cada tono según el ángulo de tono de un color</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>convierte la imagen en su negativo</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>rojo en porcentaje: menos de 100 hacia el negro, más hacia el blanco</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>verde en porcentaje: menos de 100 hacia el negro, más hacia el blanco</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>azul en porcentaje: menos de 100 hacia el negro, más hacia el blanco</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>escala cada canal hacia el negro o hacia el blanco</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>lado del cuadrado en píxeles (los tamaños pares se redondean al alza)</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>filtro de mediana cuadrado</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>una luma igual o mayor toma el primer color; una menor, el segundo</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>color claro, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>color oscuro, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>dos colores separados por un umbral de luma</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 normal: bloques planos; 1 suave: los bloques se funden entre sí</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>lado de un bloque en píxeles</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>bloques cuadrados de su color medio</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>mayor cambio de un canal</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 gris: el mismo cambio para todos los canales; 1 color: un cambio por canal</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>añade ruido aleatorio</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>distancia al gris en porcentaje: 0 da gris, 200 la duplica</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>hace los colores más vivos o más apagados</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>enfoque de 3x3</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>intensidad del enfoque</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>enfoca solo a lo largo de los bordes</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>giro en el centro en grados, en sentido horario si es positivo</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>arremolina la imagen alrededor de su centro</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>No se puede usar «%1»</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>No se puede abrir «%1»</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>No se puede crear «%1»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>No se puede leer «%1»</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>No se puede escribir en «%1»</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>No se puede desplazar dentro de «%1»</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>No se puede terminar de escribir «%1»</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>No se pueden cambiar los atributos de «%1»</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>no se puede abrir el archivo (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>no hay ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>Lumaskin no puede escribir el formato «%1»</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>una imagen no puede medir %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>un icono mide de 1 a 256 píxeles por lado, no %1 x %2</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>una carpeta (-r toma sus imágenes)</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1: el nombre contiene un salto de línea; lístelo con -0</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: no se puede escribir la lista</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: preajuste guardado como %1</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: la carpeta de salida %1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: la carpeta de salida %1 no existe</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 se ha escrito como %2 (%3)</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: detenido: %1 escritos, %2 sin convertir; el mismo comando con --if-exists=skip hace el resto</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert: %1 escritos, %2 omitidos, %3 renombrados</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>; fallaron %1 de %2 archivo(s)</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>No se encontró ningún paquete de skins, así que Lumaskin no puede mostrar su ventana.

Lumaskin buscó %1 y los demás paquetes de skins en:
%2

Instale Lumaskin con sus skins o ponga paquetes de skins en %3.</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1: no existe ese archivo o carpeta
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>Esta imagen no se puede mostrar.

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>Todas las imágenes|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>Todos los archivos(*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>No se encontró el directorio central. Si está abriendo un archivo comprimido de varios discos, asegúrese de haber insertado el último disco. ¿Reintentar?</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>Ya hay instalado un paquete de skins llamado %1. ¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Activo: </translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>Elija una carpeta de salida para </translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>Esa imagen ya está en la lista.</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>%1 de esas imágenes ya están en la lista.</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>Añada una imagen</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>Indique un archivo de imagen</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>Estas imágenes ya están en %1, en el formato elegido. La conversión las reemplazaría por sus archivos convertidos:

%2

¿Reemplazarlas? «No» las conserva y escribe cada archivo convertido junto a su imagen como «nombre (2)».</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 de los archivos convertidos ya existen en %2:

%3

¿Conservar ambos (los archivos nuevos se escriben como «nombre (2)»), sobrescribirlos u omitir esas imágenes? La respuesta vale para todos.</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>¡Conversión completada!

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
Efectos aplicados: %1.</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

%1 escritos, %2 omitidos (ya existían), %3 renombrados</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

No se pudieron convertir %1 de %2 archivos:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>&amp;Pasos, marca de agua y preajustes...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>Se están convirtiendo las imágenes. Espere a que termine o cancele la conversión.</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>Paquetes de skins|*.zip;*.skn|Todos los archivos|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>Botón de pausa pulsado</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>Botón de parada pulsado</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>Conversión cancelada: %1 de %2 archivos escritos en %3.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>Conversión cancelada: %1 de %2 archivos escritos.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>1 archivo escrito en %1.</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>%1 archivos escritos en %2.</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>Ningún gestor de archivos ha abierto %1. Los archivos están allí.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>Conversión cancelada: %1 de %2 archivos escritos junto a sus imágenes.</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>%1 archivos escritos junto a sus imágenes.</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>1 archivo escrito junto a su imagen.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 de los archivos convertidos ya existen junto a sus imágenes:

%2

¿Conservar ambos (los archivos nuevos se escriben como «nombre (2)»), sobrescribirlos u omitir esas imágenes? La respuesta vale para todos.</translation>
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
        <translation>Un valor más alto conserva más detalle con archivos más grandes. Con 100, WebP y AVIF no tienen pérdidas.</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Calidad:</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>Sobrescribir todos</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Omitir todos</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>el formato de fecha «%1» termina en un % suelto</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>%%1 en el formato de fecha «%2» no es ninguno de %Y %y %m %d %H %M %S %%</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>tiene una parte vacía</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>tiene una carpeta llamada «%1»</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}: {n} admite una anchura de 1 a %2 cifras y un inicio desde 0, como en {n:3} o {n:3,100}</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}: el formato de fecha está vacío</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}: {%2} no admite formato</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>marcador desconocido {%1}; los marcadores son {name} {ext} {folder} {n} {date} {w} {h}</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>una } está sola (escriba }} para una llave)</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>una { no está cerrada (escriba {{ para una llave)</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>el patrón está vacío</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>empieza por /</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>el patrón %1; los nombres se quedan dentro de la carpeta</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>el patrón de nombres da %1, que %2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>no se puede leer la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>no es un preajuste de Lumaskin (empieza por «%1 %2»)</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>el preajuste es de la versión %1, escrito por un Lumaskin más reciente; este lee la versión %2 y anteriores</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la línea no es texto UTF-8</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>demasiado grande para un preajuste</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>no se puede escribir el preajuste %1: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>Añadir archivos de imagen a la lista</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>Cerrar Lumaskin</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>Efectos de color: brillo, contraste, gamma, tono y más</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>Convertir todas las imágenes de la lista al formato elegido</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Convertir a</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>Filtros: desenfoque, nitidez, relieve, mosaico y más</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>Primera pista de audio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>Bajar la imagen seleccionada en la lista</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>Subir la imagen seleccionada en la lista</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>Abrir las ventanas de efectos para la imagen seleccionada</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Quitar las imágenes seleccionadas de la lista</translation>
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
        <translation>Segunda pista de audio</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>Mostrar la imagen al 100 %</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>Mostrar la imagen al 150 %</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>Mostrar la imagen al 200 %</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>Mostrar la imagen al 25 %</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>Mostrar la imagen al 33 %</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>Mostrar la imagen al 50 %</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>Mostrar la imagen al 75 %</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>Mostrar la imagen seleccionada</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>Volver a empezar al final</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>Los pasos del lote: redimensionar, recortar, girar, marca de agua, ajustes guardados</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>Pista 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>Pista 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>Deshacer todos los efectos y mostrar la imagen tal como se cargó</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barra de desplazamiento</translation>
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
        <translation>Paquetes de skins (*.zip *.skn *.ZIP *.SKN);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>Mostrar un &amp;aviso en cada cambio de skin</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>No se pudo crear una carpeta de trabajo para examinar %1.</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 no es un paquete de skins: no se puede abrir como archivo ZIP.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 no es un paquete de skins válido: no se pueden extraer sus archivos.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 no es un paquete de skins válido. %2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 no es un paquete de skins válido: %2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>no contiene ningún Skin.ini en su nivel superior.</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>su mapa de bits de fondo falta o no se puede leer.</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta de skins %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>Este paquete de skins contiene %1 archivos; un skin puede contener como máximo %2.</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>El Skin.ini de este paquete de skins ocupa %1 KB; puede ocupar como máximo %2 KB.</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>Este paquete de skins ocupa %1 MB descomprimido; un skin puede ocupar como máximo %2 MB.</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 no da ningún skin: %2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 no es un paquete de skins: los paquetes de skins son archivos que terminan en .zip o .skn.</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>No hay ninguna carpeta de skins en la que instalar %1.</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>&amp;Cambiar de skin</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>Instalar &amp;skin...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;No se pudo cargar el skin: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Skin cargado: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>&lt;b&gt;Añada&lt;/b&gt; imágenes; &lt;b&gt;pulse en una fila&lt;/b&gt; para verla.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;Zoom&lt;/b&gt; del 25&amp;nbsp;% al 200&amp;nbsp;% y vuelta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>&lt;b&gt;Cambiar&lt;/b&gt;, junto a un efecto, lo aplica.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;Restaurar&lt;/b&gt; devuelve la imagen original.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; las escribe todas en un formato.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>&lt;b&gt;Clic derecho&lt;/b&gt; en la ventana para otros skins.</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>Lumaskin ajusta y convierte imágenes:</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>Pulse aquí para cerrar esta nota.</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
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
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>Ajustar dentro del ancho y el alto</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>Cubrir el ancho y el alto (un recorte quita el resto)</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>Exactamente el ancho y el alto</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>Una proporción de cada lado</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>según el alto</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>según el ancho</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>Reducir o ampliar</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Solo reducir</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>Solo ampliar</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3 (nítido, para fotos)</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>Lineal (más suave)</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>Vecino más cercano (pixel art)</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>&amp;Cuándo:</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>Indique un ancho, un alto o ambos.</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>Cubrir o ajustar exactamente requiere un ancho y un alto.</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>Ancho y alto desde el centro</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>Ancho y alto desde una esquina</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>La mayor parte centrada con una proporción</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>&amp;Conservar:</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>Desde la i&amp;zquierda:</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>Desde a&amp;rriba:</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>Pr&amp;oporción:</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>Un cuarto en sentido horario (90°)</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>Media vuelta (180°)</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>Un cuarto en sentido antihorario (270°)</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Giro:</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>De izquierda a derecha</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>De arriba abajo</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Espejo:</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xto</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>Imagen de la marca de agua</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>Imágenes con transparencia (*.png);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% del ancho de la imagen</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Color de la marca de agua</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>Marca:</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Palabras:</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>&amp;Archivo de imagen:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacidad:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>Po&amp;sición:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Margen:</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>Indique el texto de la marca de agua.</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>Elija la imagen de la marca de agua.</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>El nombre y los valores del efecto como los toma lumaskin-convert --effect, por ejemplo contrast=150</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Efecto:</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>Archivo adicional</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>como la imagen, o un tamaño como 512 o 2048x2048&gt;</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>Calidad &amp;propia:</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>por ejemplo -pequena</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>&amp;Redimensionar a:</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>&amp;Sufijo del nombre:</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>&amp;Proporción:</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Fue&amp;nte:</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>el recorte «%1» queda fuera de la imagen (%2 x %3 píxeles)</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>redimensionada a %1 x %2 píxeles, la imagen sería demasiado grande</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>ningún paso se llama «%1» (%2)</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>el texto solo se puede dibujar dentro de una aplicación gráfica</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>el texto «%1» es demasiado grande para dibujarlo</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>el texto de una marca de agua termina en una \ suelta</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>una marca de agua no tiene el ajuste «%1» (text, image, font, size, colour, opacity, position, margin)</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>una marca de agua necesita un texto o una imagen</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>una marca de agua es un texto o una imagen, no ambos</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>no se puede leer la imagen de marca de agua «%1»: %2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>&amp;Omitir metadatos (EXIF, XMP, perfil de color)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>Se aplican a cada imagen en este orden, después de los efectos marcados en las ventanas de efectos:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>&amp;Mostrar en la imagen</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>&amp;Calidad (jpg, webp, avif):</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>Preajustes:</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>Car&amp;gar</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Guar&amp;dar como...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>Co&amp;piar como comando</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>&amp;Nombrar los archivos con un patrón:</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>Escribir cada archivo &amp;junto a su imagen, no en una carpeta elegida al convertir</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>Archivos adicionales de cada imagen</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>Añadir a&amp;rchivo...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>Ed&amp;itar archivo...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>Quitar arc&amp;hivo</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} el nombre de la imagen, {ext} su extensión, {folder} el nombre de su carpeta, {n} su lugar en la lista ({n:03} tres cifras, {n:3,100} desde 100), {date} cuándo se tomó ({date:%Y-%m-%d}), {w} y {h} el tamaño escrito; una / crea subcarpetas</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1: no hay memoria suficiente para mostrar esta imagen</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>no hay memoria suficiente para restaurar la imagen</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>no hay ninguna imagen que guardar</translation>
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
        <translation>Deteniendo</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>Deteniendo tras los archivos en curso…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>Convirtiendo %1 de %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>Terminando %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convirtiendo %1</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: no hay ninguna pantalla en la que abrir la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas)
</translation>
    </message>
</context>
</TS>
