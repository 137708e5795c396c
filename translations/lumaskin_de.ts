<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 ist keine Datei; die Einstellungen beginnen mit den Vorgaben und werden diesmal nicht gespeichert
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 ist eine Verknüpfung; durch Verknüpfungen wird nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 steht einem Ordner im Weg</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>ein anderes Bild der Liste hat denselben Namen</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>ein Bild, das gerade umgewandelt wird, hat diesen Namen und wird behalten</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei dieses Namens gibt es bereits</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>nicht umgewandelt: die Umwandlung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>die Datei ist zu groß für den Datenträger</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>der Datenträger meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>der Ordner %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>etwas, das keine Datei ist, steht im Weg</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>die Datei kann nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei dieses Namens gibt es bereits</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>es ist kein AV1-Decoder installiert</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>der AVIF-Encoder ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>es ist kein AV1-Encoder installiert</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>kein Bild, das Lumaskin lesen kann</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel; gelesen werden höchstens %3 Pixel je Seite)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel; gelesen werden höchstens %3 Pixel)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>das Bild ist zu groß (%1 Megapixel; gelesen werden höchstens %2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>das %1-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>Das Lumaskin-Modul %1 kann nicht geladen werden (%2); installieren Sie Lumaskin neu</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 ist unvollständig</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>das HEIF-Bild verwendet eine Funktion, die Lumaskin nicht lesen kann</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>für dieses HEIF-Bild ist kein Decoder installiert</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>der JPEG-Encoder ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>der JPEG-Encoder ist gescheitert (unerwartete Streifenaufteilung)</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>Lumaskin liest keine %1-Bilder</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>im temporären Ordner ist nicht genug Platz für das Bild</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>der %1-Encoder ist gescheitert (%2)</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>der GIF-Encoder ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>die EXIF-Angaben konnten der TIFF-Datei nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>der PDF-Schreiber konnte nicht starten</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>der PNG-Encoder ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>es gibt kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>die PDF-Seite braucht zu lange zum Zeichnen (mehr als %1 Sekunden)</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>das PDF ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>das PDF hat keine Seiten</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>die SVG-Zeichnung gibt keine Größe an</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>Das SVG-Hilfsprogramm von Lumaskin kann nicht gestartet werden (%1); installieren Sie Lumaskin neu</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>die SVG-Zeichnung braucht zu lange zum Zeichnen (mehr als %1 Sekunden)</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>die SVG-Zeichnung konnte nicht gezeichnet werden: das Zeichnen brach mittendrin ab (vielleicht braucht sie mehr Speicher, als einer Zeichnung zusteht)</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>der Aufbau des TIFF-Bildes wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>der TIFF-Encoder ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>das JPEG-Bild hat mehr als 500 Scans</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>WebP fasst höchstens %1 Pixel je Seite</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>der WebP-Encoder ist gescheitert (Versionen passen nicht zusammen)</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>der WebP-Encoder ist gescheitert (Fehler %1)</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>die WebP-Metadaten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>die Datei kann nicht gespeichert werden (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>unbekannte Option %1 (siehe --help)</translation>
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
        <translation>Aufruf: lumaskin [OPTION]... [DATEI|ORDNER]...

Bearbeitet, filtert und wandelt Bilder in einem Fenster mit Skins um. Die
genannten Bilder kommen in die Liste (ein Ordner steht für die Bilder darin),
das letzte wird gezeigt.

Optionen:
  -h, --help       diesen Text zeigen und beenden
  -v, --version    die Version zeigen und beenden
  --               jedes Argument danach ist eine Datei

Tasten: Strg+O fügt Bilder hinzu, Entf entfernt das gewählte, Strg+Q oder
Strg+W schließt das Fenster. Ein Rechtsklick auf den Hintergrund des Fensters
wechselt den Skin.

Skin-Pakete werden aus $XDG_DATA_HOME/lumaskin/skins gelesen (dorthin legt
„Skin installieren...“ sie), dann aus lumaskin/skins unter jedem Ordner von
$XDG_DATA_DIRS und aus dem share-Ordner der Installation. lumaskin-convert
nimmt dieselben Umwandlungen ohne Fenster vor; siehe lumaskin(1) und
lumaskin-convert(1).
</translation>
    </message>
</context>
<context>
    <name>ControlLayer</name>
    <message>
        <source>Open </source>
        <translation>Öffnen: </translation>
    </message>
</context>
<context>
    <name>ConversionOutput</name>
    <message>
        <source>the suffix &quot;%1&quot; holds a &apos;/&apos;</source>
        <translation>die Endung „%1“ enthält ein „/“</translation>
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
        <translation> und </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>Geschriebene Formate: </translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>Gelesene Formate: %1 (erstes Bild bzw. erste Seite), am Inhalt erkannt.</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 behalten EXIF, XMP und Farbprofil der Quelle (die Pixel werden aufrecht geschrieben, die EXIF-Ausrichtung wird also 1, außer mit --no-auto-orient); bei den anderen Formaten werden die Farben nach sRGB umgerechnet.</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 stellt das --watermark-text oder --watermark-image davor ein, und davor steht keines</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>Ausgabeordner (muss existieren)</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>aus jedem Bild eine weitere Datei schreiben, aus demselben
Lesen: im FORMAT, nach den Schritten auf SIZE verkleinert
(eine --resize-Angabe), mit Qualität N, der Name endet vor
der Dateiendung auf TEXT (die Endung kommt zuletzt); für
mehr wiederholen: -f jpg -w webp:512:suffix=-small; ohne -f
werden nur diese geschrieben</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>einen Effekt anwenden; Argumente durch Kommas getrennt,
fehlende nehmen ihre Vorgabe, Werte außerhalb des
Bereichs werden begrenzt</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>Größe ändern: W oder xH (diese Seite, die andere im
Verhältnis), WxH (so groß, wie hineinpasst), WxH^ (so klein,
wie es bedeckt), WxH! (genau) oder N%; ein &gt; danach
verkleinert nur, ein &lt; vergrößert nur: --resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>der Filter der --resize-Optionen danach: lanczos (Lanczos 3,
die Vorgabe; scharf, für Fotos), linear (weicher) oder
nearest (kopiert Pixel, für Pixelgrafik)</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter nimmt lanczos, linear oder nearest, nicht „%1“</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>WxH+X+Y behalten (die Versätze dürfen negativ sein: -X), WxH
aus der Mitte oder den größten mittigen Teil im Verhältnis
W:H (16:9); ein Zuschnitt ganz außerhalb eines Bildes lässt
diese Datei scheitern</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>um so viele Grad im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>von links nach rechts (h) oder von oben nach unten (v) spiegeln</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>TEXT über das Bild legen (siehe die
--watermark-*-Einstellungen danach)</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text braucht einen Text</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>das Bild FILE (ein PNG mit Transparenz) über das Bild legen,
mit 20 % seiner Breite, außer --watermark-size sagt anderes</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image braucht eine Datei</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>die Schrift des Wasserzeichentexts davor (Vorgabe
sans-serif)</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>die Größe des Wasserzeichens davor: die Höhe eines Texts,
die Breite eines Bildes, in Pixeln oder als Anteil an der
Bildbreite (Vorgabe 5 % für Text, 20 % für ein Bild)</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>die Farbe des Wasserzeichentexts davor (Vorgabe
#FFFFFF)</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>die Deckkraft des Wasserzeichens davor in Prozent
(Vorgabe 60)</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>wohin das Wasserzeichen davor kommt: top-left, top,
top-right, left, centre, right, bottom-left, bottom oder
bottom-right (die Vorgabe)</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>Pixel zwischen dem Wasserzeichen davor und den Rändern
(Vorgabe 16)</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>ein ganzes Wasserzeichen in einem Wert, wie Voreinstellungen
es schreiben: text=TEXT oder image=FILE, dann beliebige von
font=, size=, colour=, opacity=, position=, margin=, durch ;
getrennt (ein ; oder \ im Wert wird \; bzw. \\ geschrieben)</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>1 bis 100 für jpg, webp und avif (Vorgabe 90); webp und
avif sind bei 100 verlustfrei</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality braucht eine ganze Zahl von 1 bis 100</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>EXIF, XMP und das Farbprofil weglassen und Bilder in anderen
Farbräumen nach sRGB umrechnen</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>Fotos so nehmen, wie ihre Dateien sie speichern, statt sie
nach ihrer EXIF-Ausrichtung aufzurichten: die Schritte
wirken auf sie wie gespeichert, und die Ausrichtung wird wie
in der Quelle geschrieben, sodass Betrachter, die sie
beachten, sie weiter aufrecht zeigen; Formate ohne EXIF
(und --strip) lassen sie wie gespeichert</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>ein Ziel, das es schon gibt, wird ersetzt (die Vorgabe),
in Ruhe gelassen oder behalten, und die neue Datei wird als
„NAME (2).FORMAT“ geschrieben; overwrite ersetzt hier auch
eine angegebene Datei, die ihr eigenes Ziel ist; skip lässt
einen neuen Lauf eines angehaltenen oder geteilten Stapels
nur das Fehlende erledigen</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists nimmt overwrite, skip oder rename, nicht „%1“</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>gleichzeitig umgewandelte Dateien (höchstens eine je Kern,
und weniger, wenn der Speicher knapp ist)</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs braucht eine ganze Zahl von mindestens 1</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>ein angegebener Ordner steht für die Bilder darin und in all
seinen Unterordnern (am Inhalt erkannt; versteckte Dateien
und Verknüpfungen darin bleiben außen vor), und seine
Unterordner werden unter FOLDER neu angelegt: DIR/a/b.jpg
kommt nach FOLDER/a/b.FORMAT</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>eine Datei behält den Ordnerteil ihres Namens unter FOLDER:
a/b.jpg kommt nach FOLDER/a/b.FORMAT („..“ wird abgelehnt)
Mit -r oder --parents werden Bilder eines Ordners, die
denselben Namen ergeben, in der Bytefolge ihrer Namen
nummeriert, gleich welche davon ein Lauf bekommt, sodass
geteilte Läufe übereinstimmen.</translation>
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
        <translation>jedes Ziel nach PATTERN benennen, an das die Endung des
Formats angehängt wird: {name} der Name der Datei vor dem
letzten Punkt, {ext} ihre Endung, {folder} der Name ihres
Ordners, {n} ihr Platz in der Liste ({n:3} dreistellig,
{n:3,100} ab 100 gezählt), {date} wann sie laut EXIF
aufgenommen wurde, sonst die Zeit der Datei
({date:%Y%m%d-%H%M%S}; Felder %Y %y %m %d %H %M %S), {w}
und {h} die geschriebene Größe; {{ und }} sind geschweifte
Klammern, und / legt Unterordner an</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>jedes Ziel in den eigenen Ordner seiner Datei statt nach
FOLDER schreiben (nicht mit -o oder --parents); eine Datei,
die ihr eigenes Ziel wäre, wird behalten und ihre Umwandlung
als „NAME (2).FORMAT“ geschrieben, außer mit
--if-exists=overwrite</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>die in LIST genannten Dateien nehmen, eine je Zeile (leere
Zeilen bleiben außen vor), nach denen auf der Befehlszeile;
- liest die Standardeingabe</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from braucht eine Datei oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>Namen in LIST und die, die --list ausgibt, enden mit einem
NUL-Byte statt einem Zeilenumbruch</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>die Bilder ausgeben, für die die angegebenen Dateien und
Ordner stehen, eines je Zeile, und nichts umwandeln</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>die in der Voreinstellung FILE gespeicherten Optionen nehmen
(ein Name allein ist einer, der in
~/.local/share/Lumaskin/presets gespeichert ist); Optionen
danach ändern, was sie sagt</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>die anderen angegebenen Optionen (ohne die Dateien) als
Voreinstellung FILE speichern (ein Name allein kommt nach
~/.local/share/Lumaskin/presets); wandelt nichts um, außer
es werden auch Dateien genannt</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset braucht eine Datei oder einen Namen</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>dieser Text</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>die Version des Programms</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>„%1“ ist keine Option, die eine Voreinstellung speichert</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 nimmt yes oder no, nicht „%2“</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>unbekannte Option %1 (siehe --help)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter gilt für die --resize-Optionen danach, und es folgt keine</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>wählen Sie ein Ausgabeformat mit -f oder --write (siehe --help)</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>zwei Ausgaben schreiben gleich benannte %1-Dateien; geben Sie einer davon ein anderes suffix= (--write %1:...:suffix=-small)</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>das Format „%1“ kann nicht geschrieben werden; wählen Sie eines von: %2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside schreibt in den eigenen Ordner jeder Datei: es nimmt kein %1</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>wählen Sie einen Ausgabeordner mit -o oder --beside</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>nennen Sie mindestens ein Bild zum Umwandeln</translation>
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
        <translation>Aufruf: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]...
                         [--quality Q] [--write OUTPUT]... [--preset FILE]
                         [--save-preset FILE] [--strip] [--no-auto-orient]
                         [--jobs N] [--if-exists=overwrite|skip|rename] [-r]
                         [--parents] [--rename PATTERN] [--files-from LIST [-0]]
                         FILE...
        lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
wobei jeder STEP --effect NAME[=ARGS], --resize GEOMETRY (nach --filter F, wenn
gewünscht), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT
oder --watermark-image FILE ist (jeweils gefolgt von seinen
--watermark-*-Angaben).

Wandelt Bilder in ein Format in einem Ordner um und wendet die Schritte auf
jedes in der angegebenen Reihenfolge an; ein Wert, der nicht gehen kann, wird
abgelehnt, bevor eine Datei geschrieben wird. Jedes Ziel ist FOLDER/NAME.FORMAT,
wobei NAME der Teil des Dateinamens vor seinem letzten Punkt ist (der ganze
Name, wenn er keinen hat); --rename benennt es stattdessen nach einem Muster,
und --beside legt es in den eigenen Ordner der Datei. Dateien, die denselben
Namen ergeben, werden alle behalten: die zweite wird „NAME (2).FORMAT“ und so
weiter, in der angegebenen Reihenfolge. Eine angegebene Datei wird nie durch
ihre eigene Umwandlung ersetzt, außer mit --if-exists=overwrite. Dateien werden
parallel umgewandelt, eine je Kern, außer --jobs sagt anderes. Eine Datei, die
scheitert, hält die anderen nicht auf; der Rückgabewert ist 1, wenn eine
scheiterte. Durch SIGINT, SIGTERM oder SIGHUP angehalten, beendet es die Dateien
in Arbeit, beginnt keine weiteren und endet mit 128 plus der Nummer des Signals.

Optionen:
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
Effekte:
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>, Vorgabe </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>ein Name mit „..“ hat unter dem Ausgabeordner keinen Platz</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>die Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 ist keine Liste von Dateinamen in Zeilen: ein Eintrag enthält ein NUL-Byte (durch NUL getrennt? -0 verwenden)</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 ist keine Liste von Dateinamen: ein Eintrag ist länger, als ein Pfad sein kann</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 ist keine Liste von Dateinamen: ein Eintrag ist länger, als ein Pfad sein kann (durch NUL getrennt? -0 angeben)</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>In Kraft: die Umwandlung wendet es an</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>In Kraft: </translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>Effekte eins</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>Effekte zwei</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>Helligkeit(-255-255)</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>Kontrast(Vorgabe 100)</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>Gamma(Vorgabe 1.0)</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>Farbton(0-255)</translation>
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
        <translation>Rot(0-255)</translation>
    </message>
    <message>
        <source>Green(0-255)</source>
        <translation>Grün(0-255)</translation>
    </message>
    <message>
        <source>Blue(0-255)</source>
        <translation>Blau(0-255)</translation>
    </message>
    <message>
        <source>Invert Color</source>
        <translation>Farben umkehren</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>Helligkeit(Vorgabe 100)</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>Sättigung(Vorgabe 100)</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>Entsättigen</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>Nordosten</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>Südosten</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>Südwesten</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>Nordwesten</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>soft</source>
        <translation>weich</translation>
    </message>
    <message>
        <source>grayscale noise</source>
        <translation>Graurauschen</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>Farbrauschen</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>Entrauschen(1-5)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Streuen</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>FokusSW</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Radius1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Radius2</translation>
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
        <translation>Monochrom(0-255)</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaik</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>Kanten schärfen</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>Strudel 0-360</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>added to the red channel</source>
        <translation>zum Rotkanal addiert</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>zum Grünkanal addiert</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>zum Blaukanal addiert</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>addiert zu Rot-, Grün- und Blaukanal</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>Anzahl der Durchgänge</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>entfernt einzelne Flecken mit einem 3x3-Median</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>3x3-Gaußscher Weichzeichner</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>Abstand von Mittelgrau in Prozent: 0 ergibt Grau, 200 verdoppelt ihn</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>spreizt die Farben von Mittelgrau weg oder zieht sie dorthin</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>Grau aus der Luma jedes Pixels</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>wie weit, in Pixeln, eine Farbe herkommen darf</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>jedes Pixel nimmt die Farbe eines zufälligen Pixels in der Nähe an</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>unbekannter Effekt „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 nimmt %2 Argument(e), %3 angegeben</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>Höhe des Reliefs</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>woher das Licht kommt: 0 Norden, 1 Nordosten, 2 Osten, 3 Südosten, 4 Süden, 5 Südwesten, 6 Westen, 7 Nordwesten</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>graues Relief, aus einer von acht Richtungen beleuchtet</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>die Farbe bleibt innerhalb so vieler Pixel um den Fokus erhalten</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>Grau ab so vielen Pixeln; bei radius1 oder darunter ist die Kante hart</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>Spalte des Fokus</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>Zeile des Fokus</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>behält die Farbe um einen Punkt und macht den Rest grau</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>über 1 hellt die Mitteltöne auf, unter 1 dunkelt sie ab</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>Gammakorrektur</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>Rot der Farbe, deren Farbtonwinkel die Drehung ist</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>Grün der Farbe, deren Farbtonwinkel die Drehung ist</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>Blau der Farbe, deren Farbtonwinkel die Drehung ist</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>dreht jeden Farbton um den Farbtonwinkel einer Farbe</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>macht aus dem Bild sein Negativ</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>Rot in Prozent: unter 100 Richtung Schwarz, darüber Richtung Weiß</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>Grün in Prozent: unter 100 Richtung Schwarz, darüber Richtung Weiß</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>Blau in Prozent: unter 100 Richtung Schwarz, darüber Richtung Weiß</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>zieht jeden Kanal Richtung Schwarz oder Richtung Weiß</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>Seite des Quadrats in Pixeln (gerade Größen werden aufgerundet)</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>quadratischer Medianfilter</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>Luma ab diesem Wert nimmt die erste Farbe, darunter die zweite</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>helle Farbe, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>dunkle Farbe, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>zwei Farben, getrennt durch eine Luma-Schwelle</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 normal: flache Blöcke; 1 weich: Blöcke gehen ineinander über</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>Seite eines Blocks in Pixeln</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>quadratische Blöcke in ihrer Durchschnittsfarbe</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>größte Änderung eines Kanals</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 Grau: dieselbe Änderung für alle Kanäle; 1 Farbe: eine Änderung je Kanal</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>fügt zufälliges Rauschen hinzu</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>Abstand von Grau in Prozent: 0 ergibt Grau, 200 verdoppelt ihn</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>macht Farben kräftiger oder matter</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>3x3-Schärfung</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>Stärke der Schärfung</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>schärft nur entlang von Kanten</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>Drehung in der Mitte in Grad, im Uhrzeigersinn, wenn positiv</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>verwirbelt das Bild um seine Mitte</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>„%1“ kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>„%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>„%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>In „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>In „%1“ kann nicht gesprungen werden</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>„%1“ kann nicht fertig geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>Die Attribute von „%1“ können nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>es wurde keine Datei angegeben</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>die Datei kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>es gibt kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>Lumaskin kann das Format „%1“ nicht schreiben</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>ein Bild kann nicht %1 x %2 Pixel groß sein</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>ein Symbol misst 1 bis 256 Pixel je Seite, nicht %1 x %2</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>ein Ordner (-r nimmt seine Bilder)</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1: der Name enthält einen Zeilenumbruch; mit -0 auflisten</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: die Liste kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: Voreinstellung gespeichert als %1</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: der Ausgabeordner %1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: der Ausgabeordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 geschrieben als %2 (%3)</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: angehalten: %1 geschrieben, %2 nicht umgewandelt; derselbe Befehl mit --if-exists=skip erledigt den Rest</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert: %1 geschrieben, %2 übersprungen, %3 umbenannt</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>; %1 von %2 Datei(en) fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>Es wurde kein Skin-Paket gefunden, daher kann Lumaskin sein Fenster nicht zeigen.

Gesucht wurden %1 und die anderen Skin-Pakete in:
%2

Installieren Sie Lumaskin mit seinen Skins, oder legen Sie Skin-Pakete nach %3.</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1: keine solche Datei und kein solcher Ordner
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umwandlung</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>Dieses Bild kann nicht gezeigt werden.

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>Alle Bilder|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>Alle Dateien(*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>Das zentrale Verzeichnis wurde nicht gefunden. Wenn Sie ein mehrteiliges Archiv öffnen, legen Sie bitte den letzten Datenträger ein. Erneut versuchen?</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>Ein Skin-Paket namens %1 ist bereits installiert. Ersetzen?</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>In Kraft: </translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>Bitte wählen Sie einen Ausgabeordner für </translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>Dieses Bild ist schon in der Liste.</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>%1 dieser Bilder sind schon in der Liste.</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>Bitte fügen Sie ein Bild hinzu</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>Bitte geben Sie eine Bilddatei an</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>Diese Bilder liegen schon im gewählten Format in %1. Die Umwandlung würde sie durch ihre umgewandelten Dateien ersetzen:

%2

Ersetzen? Nein behält sie und schreibt jede umgewandelte Datei neben ihr Bild als „Name (2)“.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 der umgewandelten Dateien gibt es schon in %2:

%3

Beide behalten (die neuen Dateien werden als „Name (2)“ geschrieben), sie überschreiben oder diese Bilder überspringen? Die Antwort gilt für alle.</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>Umwandlung abgeschlossen!

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
Angewandte Effekte: %1.</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

%1 geschrieben, %2 übersprungen (schon vorhanden), %3 umbenannt</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

%1 von %2 Dateien konnten nicht umgewandelt werden:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>&amp;Schritte, Wasserzeichen und Voreinstellungen...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>Die Bilder werden gerade umgewandelt. Bitte warten Sie, bis das erledigt ist, oder brechen Sie es ab.</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>Skin-Pakete|*.zip;*.skn|Alle Dateien|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>Pause-Knopf gedrückt</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>Stopp-Knopf gedrückt</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>Umwandlung abgebrochen: %1 von %2 Dateien nach %3 geschrieben.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>Umwandlung abgebrochen: %1 von %2 Dateien geschrieben.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>1 Datei nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>%1 Dateien nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>Kein Dateimanager hat %1 geöffnet. Die Dateien sind dort.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>Konvertierung abgebrochen: %1 von %2 Dateien neben ihre Bilder geschrieben.</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>%1 Dateien neben ihre Bilder geschrieben.</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>1 Datei neben ihr Bild geschrieben.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 der umgewandelten Dateien gibt es schon neben ihren Bildern:

%2

Beide behalten (die neuen Dateien werden als „Name (2)“ geschrieben), sie überschreiben oder diese Bilder überspringen? Die Antwort gilt für alle.</translation>
    </message>
</context>
<context>
    <name>MainDialogPrompts</name>
    <message>
        <source>Install Skin</source>
        <translation>Skin installieren</translation>
    </message>
    <message>
        <source>Higher keeps more detail in larger files. WebP and AVIF are lossless at 100.</source>
        <translation>Höher bewahrt mehr Details in größeren Dateien. WebP und AVIF sind bei 100 verlustfrei.</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>Alle überschreiben</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>das Datumsformat „%1“ endet auf ein einzelnes %</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>%%1 im Datumsformat „%2“ ist keines von %Y %y %m %d %H %M %S %%</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>hat einen leeren Teil</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>hat einen Ordner namens „%1“</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}: {n} nimmt eine Breite von 1 bis %2 Ziffern und einen Start ab 0, wie in {n:3} oder {n:3,100}</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}: das Datumsformat ist leer</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}: {%2} nimmt kein Format</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>unbekanntes Kürzel {%1}; die Kürzel sind {name} {ext} {folder} {n} {date} {w} {h}</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>ein } steht allein (}} schreiben für eine Klammer)</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>ein { ist nicht geschlossen ({{ schreiben für eine Klammer)</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>das Muster ist leer</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>beginnt mit /</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>das Muster %1; Namen bleiben im Ordner</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>das Namensmuster ergibt %1, was %2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>keine Lumaskin-Voreinstellung (sie beginnt mit „%1 %2“)</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>die Voreinstellung hat Version %1 und stammt von einem neueren Lumaskin; dieses liest Version %2 und älter</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>die Zeile ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>zu groß für eine Voreinstellung</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>die Voreinstellung %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>Bilddateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>Lumaskin schließen</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>Farbeffekte: Helligkeit, Kontrast, Gamma, Farbton und mehr</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>Alle Bilder der Liste in das gewählte Format umwandeln</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Umwandeln in</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Die Liste leeren</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>Filter: Weichzeichnen, Schärfen, Prägen, Mosaik und mehr</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>Erste Tonspur</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>Das gewählte Bild in der Liste nach unten schieben</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>Das gewählte Bild in der Liste nach oben schieben</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>Die Effektfenster für das gewählte Bild öffnen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Die gewählten Bilder aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Second sound track</source>
        <translation>Zweite Tonspur</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>Das Bild mit 100 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>Das Bild mit 150 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>Das Bild mit 200 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>Das Bild mit 25 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>Das Bild mit 33 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>Das Bild mit 50 % zeigen</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>Das Bild mit 75 % zeigen</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>Das gewählte Bild zeigen</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>Am Ende von vorn beginnen</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>Die Schritte des Stapels: Größe ändern, Zuschneiden, Drehen, Wasserzeichen, Vorlagen</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>Spur 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>Spur 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>Alle Effekte rückgängig machen und das Bild wie geladen zeigen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>Install Skin</source>
        <translation>Skin installieren</translation>
    </message>
    <message>
        <source>Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)</source>
        <translation>Skin-Pakete (*.zip *.skn *.ZIP *.SKN);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>Bei jedem Skin-Wechsel einen &amp;Hinweis zeigen</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>Es konnte kein Arbeitsordner angelegt werden, um in %1 zu schauen.</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 ist kein Skin-Paket: es kann nicht als ZIP-Archiv geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 ist kein brauchbares Skin-Paket: seine Dateien können nicht entpackt werden.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 ist kein brauchbares Skin-Paket. %2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 ist kein brauchbares Skin-Paket: %2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>es enthält keine Skin.ini auf oberster Ebene.</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>seine Hintergrund-Bitmap fehlt oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>Der Skin-Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>Dieses Skin-Paket enthält %1 Dateien; ein Skin darf höchstens %2 enthalten.</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>Die Skin.ini dieses Skin-Pakets ist %1 KB groß; sie darf höchstens %2 KB groß sein.</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>Dieses Skin-Paket wird entpackt %1 MB groß; ein Skin darf höchstens %2 MB belegen.</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 ergibt keinen Skin: %2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 ist kein Skin-Paket: Skin-Pakete sind Dateien, die auf .zip oder .skn enden.</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>Es gibt keinen Skin-Ordner, in den %1 installiert werden kann.</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>Skin &amp;wechseln</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>&amp;Skin installieren...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Skin konnte nicht geladen werden: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Skin geladen: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>&lt;b&gt;Hinzufügen&lt;/b&gt; von Bildern; &lt;b&gt;eine Zeile anklicken&lt;/b&gt;, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;Zoom&lt;/b&gt; von 25&amp;nbsp;% bis 200&amp;nbsp;% und zurück.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>&lt;b&gt;Ändern&lt;/b&gt; neben einem Effekt wendet ihn an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;Zurücksetzen&lt;/b&gt; stellt ein Bild wieder her.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;Umwandeln&lt;/b&gt; schreibt alle in einem Format.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>&lt;b&gt;Rechtsklick&lt;/b&gt; ins Fenster für andere Skins.</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>Lumaskin bearbeitet und wandelt Bilder um:</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>Hier klicken, um diesen Hinweis zu schließen.</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>In Breite und Höhe einpassen</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>Breite und Höhe ausfüllen (ein Zuschnitt entfernt den Rest)</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>Genau Breite und Höhe</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>Ein Anteil jeder Seite</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>folgt der Höhe</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>folgt der Breite</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>Verkleinern oder vergrößern</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Nur verkleinern</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>Nur vergrößern</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3 (scharf, für Fotos)</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>Linear (weicher)</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>Nächster Nachbar (Pixelgrafik)</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>&amp;Wann:</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>Geben Sie eine Breite, eine Höhe oder beides an.</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>Ausfüllen oder genaues Einpassen braucht Breite und Höhe.</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>Breite und Höhe von der Mitte aus</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>Breite und Höhe von einer Ecke aus</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>Der größte mittige Teil eines Seitenverhältnisses</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>Behal&amp;ten:</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>Von &amp;links:</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>Von &amp;oben:</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>&amp;Seitenverhältnis:</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>Eine Vierteldrehung im Uhrzeigersinn (90°)</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>Eine halbe Drehung (180°)</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>Eine Vierteldrehung gegen den Uhrzeigersinn (270°)</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Drehung:</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Links nach rechts</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>Oben nach unten</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Spiegeln:</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>Bild des Wasserzeichens</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>Bilder mit Transparenz (*.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% der Bildbreite</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Farbe des Wasserzeichens</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Wörter:</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>Bilddat&amp;ei:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Deckkraft:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>Geben Sie den Text des Wasserzeichens an.</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>Wählen Sie das Bild des Wasserzeichens.</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>Name und Werte des Effekts, wie lumaskin-convert --effect sie nimmt, etwa contrast=150</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Effekt:</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>Weitere Datei</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>wie das Bild, oder eine Größe wie 512 oder 2048x2048&gt;</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>&amp;Eigene Qualität:</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>etwa -klein</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>&amp;Größe ändern auf:</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>&amp;Namenszusatz:</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>A&amp;nteil:</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>der Zuschnitt „%1“ liegt außerhalb des Bildes (%2 x %3 Pixel)</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>auf %1 x %2 Pixel gebracht, wäre das Bild zu groß</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>kein Schritt heißt „%1“ (%2)</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>Text kann nur in einer GUI-Anwendung gezeichnet werden</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>der Text „%1“ ist zu groß zum Zeichnen</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>der Text eines Wasserzeichens endet auf ein einzelnes \</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>ein Wasserzeichen hat keine Einstellung „%1“ (text, image, font, size, colour, opacity, position, margin)</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>ein Wasserzeichen braucht einen Text oder ein Bild</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>ein Wasserzeichen ist ein Text oder ein Bild, nicht beides</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>das Wasserzeichenbild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>Metadaten &amp;weglassen (EXIF, XMP, Farbprofil)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>Wird mit jedem Bild in dieser Reihenfolge gemacht, nach den in den Effektfenstern markierten Effekten:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>Am Bild &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>&amp;Qualität (jpg, webp, avif):</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>Voreinstellungen:</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>Als Befehl &amp;kopieren</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Name der Voreinstellung:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>Dateien nach einem &amp;Muster benennen:</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>Jede Datei &amp;neben ihr Bild schreiben, nicht in einen beim Konvertieren gewählten Ordner</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>Weitere Dateien aus jedem Bild</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>Datei hinzufü&amp;gen...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>Datei bearbe&amp;iten...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>Datei ent&amp;fernen</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} der Name des Bildes, {ext} seine Endung, {folder} der Name seines Ordners, {n} seine Stelle in der Liste ({n:03} dreistellig, {n:3,100} ab 100), {date} wann es aufgenommen wurde ({date:%Y-%m-%d}), {w} und {h} die geschriebene Größe; ein / legt Unterordner an</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1: für die Anzeige dieses Bildes ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>für die Wiederherstellung des Bildes ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
</context>
<context>
    <name>lumaskin::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Wird angehalten</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>Wird nach den Dateien in Arbeit angehalten…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>Wandle %1 von %2 um</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>Beende %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Beginne…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Wandle %1 um</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: kein Bildschirm, auf dem das Fenster geöffnet werden kann (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)
</translation>
    </message>
</context>
</TS>
