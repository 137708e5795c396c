<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppSettings</name>
    <message>
        <source>lumaskin: %1 is not a file; settings start from the defaults and are not kept this time
</source>
        <translation>lumaskin: %1 n&apos;est pas un fichier&#xa0;; les paramètres repartent des valeurs par défaut et ne seront pas enregistrés cette fois
</translation>
    </message>
</context>
<context>
    <name>BatchConversion</name>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a link; nothing is written through links</source>
        <translation>%1 est un lien&#xa0;; rien n&apos;est écrit à travers les liens</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 occupe la place d&apos;un dossier</translation>
    </message>
    <message>
        <source>another picture of the list has the same name</source>
        <translation>une autre image de la liste porte le même nom</translation>
    </message>
    <message>
        <source>a picture being converted has that name and is kept</source>
        <translation>une image en cours de conversion porte ce nom et est conservée</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>not converted: the conversion was cancelled</source>
        <translation>non converti&#xa0;: la conversion a été annulée</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>le nom de fichier est trop long</translation>
    </message>
    <message>
        <source>the file is too large for the disk</source>
        <translation>le fichier est trop volumineux pour le disque</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque a signalé une erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom occupe déjà la place</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be opened (%2)</source>
        <translation>impossible d&apos;ouvrir le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>something that is not a file is in the way</source>
        <translation>quelque chose qui n&apos;est pas un fichier occupe déjà la place</translation>
    </message>
    <message>
        <source>the file cannot be created (%1)</source>
        <translation>impossible de créer le fichier (%1)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>no AV1 decoder is installed</source>
        <translation>aucun décodeur AV1 n&apos;est installé</translation>
    </message>
    <message>
        <source>the AVIF encoder failed (%1)</source>
        <translation>l&apos;encodeur AVIF a échoué (%1)</translation>
    </message>
    <message>
        <source>no AV1 encoder is installed</source>
        <translation>aucun encodeur AV1 n&apos;est installé</translation>
    </message>
    <message>
        <source>not a picture Lumaskin can read</source>
        <translation>ce n&apos;est pas une image que Lumaskin sait lire</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels a side are read)</source>
        <translation>l&apos;image est trop grande (%1 x %2 pixels&#xa0;; au plus %3 pixels par côté sont lus)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 pixels are read)</source>
        <translation>l&apos;image est trop grande (%1 x %2 pixels&#xa0;; au plus %3 pixels sont lus)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>l&apos;image est trop grande (%1 mégapixels&#xa0;; au plus %2 sont lus)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged</source>
        <translation>l&apos;image %1 est endommagée</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>il n&apos;y a pas assez de mémoire pour l&apos;image</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>l&apos;image n&apos;a aucun pixel</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s %1 module cannot be loaded (%2); reinstall Lumaskin</source>
        <translation>Le module %1 de Lumaskin ne peut pas être chargé (%2)&#xa0;; réinstallez Lumaskin</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 est tronqué</translation>
    </message>
    <message>
        <source>the HEIF picture uses a feature Lumaskin cannot read</source>
        <translation>l&apos;image HEIF utilise une fonctionnalité que Lumaskin ne sait pas lire</translation>
    </message>
    <message>
        <source>no decoder for this HEIF picture is installed</source>
        <translation>aucun décodeur n&apos;est installé pour cette image HEIF</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (%1)</source>
        <translation>l&apos;encodeur JPEG a échoué (%1)</translation>
    </message>
    <message>
        <source>the JPEG encoder failed (unexpected stripe layout)</source>
        <translation>l&apos;encodeur JPEG a échoué (découpage en bandes inattendu)</translation>
    </message>
    <message>
        <source>Lumaskin does not read %1 pictures</source>
        <translation>Lumaskin ne lit pas les images %1</translation>
    </message>
    <message>
        <source>there is not enough room in the temporary folder for the picture</source>
        <translation>il n&apos;y a pas assez de place dans le dossier temporaire pour l&apos;image</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>the %1 encoder failed (%2)</source>
        <translation>l&apos;encodeur %1 a échoué (%2)</translation>
    </message>
    <message>
        <source>the GIF encoder failed (%1)</source>
        <translation>l&apos;encodeur GIF a échoué (%1)</translation>
    </message>
    <message>
        <source>the EXIF tags could not be added to the TIFF file</source>
        <translation>les balises EXIF n&apos;ont pas pu être ajoutées au fichier TIFF</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>le module d&apos;écriture PDF n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the PNG encoder failed (%1)</source>
        <translation>l&apos;encodeur PNG a échoué (%1)</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>il n&apos;y a aucune image à écrire</translation>
    </message>
    <message>
        <source>the PDF page takes too long to draw (more than %1 seconds)</source>
        <translation>le rendu de la page PDF prend trop de temps (plus de %1&#xa0;secondes)</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>le PDF est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>the PDF has no pages</source>
        <translation>le PDF n&apos;a aucune page</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>the SVG drawing gives no size</source>
        <translation>le dessin SVG n&apos;indique aucune taille</translation>
    </message>
    <message>
        <source>Lumaskin&apos;s SVG helper cannot be started (%1); reinstall Lumaskin</source>
        <translation>Le programme auxiliaire SVG de Lumaskin ne peut pas être lancé (%1)&#xa0;; réinstallez Lumaskin</translation>
    </message>
    <message>
        <source>the SVG drawing takes too long to draw (more than %1 seconds)</source>
        <translation>le rendu du dessin SVG prend trop de temps (plus de %1&#xa0;secondes)</translation>
    </message>
    <message>
        <source>the SVG drawing could not be drawn: drawing it stopped part way (it may need more memory than a drawing is given)</source>
        <translation>le dessin SVG n&apos;a pas pu être rendu&#xa0;: le rendu s&apos;est arrêté en cours de route (il lui faut peut-être plus de mémoire qu&apos;il n&apos;en est accordé à un dessin)</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s layout is not supported</source>
        <translation>la structure de l&apos;image TIFF n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>the TIFF encoder failed (%1)</source>
        <translation>l&apos;encodeur TIFF a échoué (%1)</translation>
    </message>
    <message>
        <source>the JPEG picture has more than 500 scans</source>
        <translation>l&apos;image JPEG compte plus de 500 passes</translation>
    </message>
    <message>
        <source>WebP holds at most %1 pixels a side</source>
        <translation>WebP accepte au plus %1 pixels par côté</translation>
    </message>
    <message>
        <source>the WebP encoder failed (version mismatch)</source>
        <translation>l&apos;encodeur WebP a échoué (versions incompatibles)</translation>
    </message>
    <message>
        <source>the WebP encoder failed (error %1)</source>
        <translation>l&apos;encodeur WebP a échoué (erreur %1)</translation>
    </message>
    <message>
        <source>the WebP metadata could not be written</source>
        <translation>les métadonnées WebP n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <translation>impossible d&apos;écrire le fichier (%1)</translation>
    </message>
    <message>
        <source>the file cannot be saved (%1)</source>
        <translation>impossible d&apos;enregistrer le fichier (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>option inconnue %1 (voir --help)</translation>
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
        <translation>Utilisation&#xa0;: lumaskin [OPTION]... [FICHIER|DOSSIER]...

Ajuste, filtre et convertit des images dans une fenêtre à habillages. Les images
nommées sont ajoutées à la liste (un dossier donne les images qu&apos;il contient) et
la dernière est affichée.

Options&#xa0;:
  -h, --help       afficher ce texte et quitter
  -v, --version    afficher la version et quitter
  --               tout argument qui suit est un fichier

Touches&#xa0;: Ctrl+O ajoute des images, Suppr retire celle qui est sélectionnée,
Ctrl+Q ou Ctrl+W ferme la fenêtre. Un clic droit sur le fond de la fenêtre
change d&apos;habillage.

Les paquets d&apos;habillage sont lus dans $XDG_DATA_HOME/lumaskin/skins (où
«&#xa0;Installer&#xa0;un&#xa0;habillage...&#xa0;» les place), puis dans lumaskin/skins sous chaque
dossier de $XDG_DATA_DIRS et dans le dossier share de l&apos;installation.
lumaskin-convert effectue les mêmes conversions sans fenêtre&#xa0;; voir lumaskin(1)
et lumaskin-convert(1).
</translation>
    </message>
</context>
<context>
    <name>ControlLayer</name>
    <message>
        <source>Open </source>
        <translation>Ouvrir </translation>
    </message>
</context>
<context>
    <name>ConversionOutput</name>
    <message>
        <source>the suffix &quot;%1&quot; holds a &apos;/&apos;</source>
        <translation>le suffixe «&#xa0;%1&#xa0;» contient un «&#xa0;/&#xa0;»</translation>
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
        <translation> et </translation>
    </message>
    <message>
        <source>Formats written: </source>
        <translation>Formats écrits&#xa0;: </translation>
    </message>
    <message>
        <source>Formats read: %1 (first frame or page), recognised by content.</source>
        <translation>Formats lus&#xa0;: %1 (première image ou page), reconnus par leur contenu.</translation>
    </message>
    <message>
        <source>%1 keep the EXIF, XMP and colour profile of the source (pixels are written upright, so the EXIF orientation becomes 1 unless --no-auto-orient is given); the other formats get the colours converted to sRGB.</source>
        <translation>%1 conservent les données EXIF, XMP et le profil colorimétrique de la source (les pixels sont écrits à l&apos;endroit, l&apos;orientation EXIF devient donc 1 sauf avec --no-auto-orient)&#xa0;; pour les autres formats, les couleurs sont converties en sRGB.</translation>
    </message>
    <message>
        <source>--watermark-%1 sets the --watermark-text or --watermark-image before it, and none comes before</source>
        <translation>--watermark-%1 règle le --watermark-text ou --watermark-image qui le précède, mais aucun ne le précède</translation>
    </message>
    <message>
        <source>output format</source>
        <translation>format de sortie</translation>
    </message>
    <message>
        <source>output folder (must exist)</source>
        <translation>dossier de sortie (doit exister)</translation>
    </message>
    <message>
        <source>write one more file from each picture, from the same
reading: in FORMAT, resized to SIZE (a --resize geometry)
after the steps, at quality N, its name ending in TEXT
before the extension (the suffix comes last); repeat for
more: -f jpg -w webp:512:suffix=-small; without -f only
these are written</source>
        <translation>écrire un fichier de plus à partir de chaque image,
depuis la même lecture&#xa0;: au format FORMAT, redimensionné
à SIZE (une géométrie --resize) après les étapes, en
qualité N, son nom se terminant par TEXT avant
l&apos;extension (le suffixe vient en dernier)&#xa0;; répéter pour
en écrire d&apos;autres&#xa0;: -f jpg -w webp:512:suffix=-small&#xa0;;
sans -f, seuls ceux-ci sont écrits</translation>
    </message>
    <message>
        <source>apply an effect; arguments comma-separated, missing ones
take their default, out-of-range ones are clamped</source>
        <translation>appliquer un effet&#xa0;; arguments séparés par des virgules,
ceux qui manquent prennent leur valeur par défaut, ceux
hors limites sont ramenés dans la plage</translation>
    </message>
    <message>
        <source>resize: W or xH (that side, the other in proportion), WxH
(as large as fits inside), WxH^ (as small as covers it),
WxH! (exactly) or N%; a &gt; after it only ever shrinks, a &lt;
only ever enlarges: --resize &apos;1920x1080&gt;&apos;</source>
        <translation>redimensionner&#xa0;: W ou xH (ce côté, l&apos;autre en
proportion), WxH (aussi grand que possible à
l&apos;intérieur), WxH^ (aussi petit que possible en le
couvrant), WxH! (exactement) ou N%&#xa0;; un &gt; après ne fait
que réduire, un &lt; ne fait qu&apos;agrandir&#xa0;:
--resize &apos;1920x1080&gt;&apos;</translation>
    </message>
    <message>
        <source>the filter of the --resize options after it: lanczos
(Lanczos 3, the default; sharp, for photos), linear (softer)
or nearest (copies pixels, for pixel art)</source>
        <translation>le filtre des options --resize qui suivent&#xa0;: lanczos
(Lanczos 3, par défaut&#xa0;; net, pour les photos), linear
(plus doux) ou nearest (copie les pixels, pour le pixel
art)</translation>
    </message>
    <message>
        <source>--filter takes lanczos, linear or nearest, not &quot;%1&quot;</source>
        <translation>--filter accepte lanczos, linear ou nearest, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>keep WxH+X+Y (the offsets may be negative: -X), WxH from
the centre, or the largest centred part in the ratio W:H
(16:9); a crop wholly outside a picture fails that file</source>
        <translation>garder WxH+X+Y (les décalages peuvent être négatifs&#xa0;:
-X), WxH depuis le centre, ou la plus grande partie
centrée au rapport W:H (16:9)&#xa0;; un recadrage entièrement
hors d&apos;une image fait échouer ce fichier</translation>
    </message>
    <message>
        <source>turn clockwise by that many degrees</source>
        <translation>tourner de ce nombre de degrés dans le sens horaire</translation>
    </message>
    <message>
        <source>mirror left to right (h) or top to bottom (v)</source>
        <translation>retourner de gauche à droite (h) ou de haut en bas (v)</translation>
    </message>
    <message>
        <source>lay TEXT over the picture (see the --watermark-* settings
after it)</source>
        <translation>superposer TEXT à l&apos;image (voir les réglages
--watermark-* qui suivent)</translation>
    </message>
    <message>
        <source>--watermark-text needs a text</source>
        <translation>--watermark-text demande un texte</translation>
    </message>
    <message>
        <source>lay the picture FILE (a PNG with transparency) over the
picture, 20% of its width unless --watermark-size says</source>
        <translation>superposer l&apos;image FILE (un PNG avec transparence) à
l&apos;image, à 20&#xa0;% de sa largeur sauf indication de
--watermark-size</translation>
    </message>
    <message>
        <source>--watermark-image needs a file</source>
        <translation>--watermark-image demande un fichier</translation>
    </message>
    <message>
        <source>the font of the watermark text before it (default
sans-serif)</source>
        <translation>la police du texte en filigrane qui précède (par défaut
sans-serif)</translation>
    </message>
    <message>
        <source>the size of the watermark before it: a text&apos;s height, a
picture&apos;s width, in pixels or as a share of the picture&apos;s
width (default 5% for text, 20% for a picture)</source>
        <translation>la taille du filigrane qui précède&#xa0;: la hauteur d&apos;un
texte, la largeur d&apos;une image, en pixels ou en
proportion de la largeur de l&apos;image (par défaut 5&#xa0;% pour
un texte, 20&#xa0;% pour une image)</translation>
    </message>
    <message>
        <source>the colour of the watermark text before it (default
#FFFFFF)</source>
        <translation>la couleur du texte en filigrane qui précède (par défaut
#FFFFFF)</translation>
    </message>
    <message>
        <source>the opacity in per cent of the watermark before it
(default 60)</source>
        <translation>l&apos;opacité en pour cent du filigrane qui précède (par
défaut 60)</translation>
    </message>
    <message>
        <source>where the watermark before it goes: top-left, top,
top-right, left, centre, right, bottom-left, bottom or
bottom-right (the default)</source>
        <translation>où se place le filigrane qui précède&#xa0;: top-left, top,
top-right, left, centre, right, bottom-left, bottom ou
bottom-right (par défaut)</translation>
    </message>
    <message>
        <source>pixels between the watermark before it and the edges
(default 16)</source>
        <translation>pixels entre le filigrane qui précède et les bords (par
défaut 16)</translation>
    </message>
    <message>
        <source>a whole watermark in one value, as presets write it:
text=TEXT or image=FILE, then any of font=, size=,
colour=, opacity=, position=, margin=, separated by ;
(a ; or \ in a value written \; or \\)</source>
        <translation>un filigrane entier en une seule valeur, tel que
l&apos;écrivent les préréglages&#xa0;: text=TEXT ou image=FILE,
puis n&apos;importe lesquels de font=, size=, colour=,
opacity=, position=, margin=, séparés par ; (un ; ou \
dans une valeur s&apos;écrit \; ou \\)</translation>
    </message>
    <message>
        <source>1 to 100 for jpg, webp and avif (default 90); webp and
avif are lossless at 100</source>
        <translation>de 1 à 100 pour jpg, webp et avif (par défaut 90)&#xa0;; webp
et avif sont sans perte à 100</translation>
    </message>
    <message>
        <source>--quality needs a whole number from 1 to 100</source>
        <translation>--quality demande un nombre entier de 1 à 100</translation>
    </message>
    <message>
        <source>leave out EXIF, XMP and the colour profile, and convert
pictures in other colour spaces to sRGB</source>
        <translation>omettre EXIF, XMP et le profil colorimétrique, et
convertir en sRGB les images dans d&apos;autres espaces
colorimétriques</translation>
    </message>
    <message>
        <source>take photos as their files store them rather than turned
upright by their EXIF orientation: the steps work on them
as stored, and the orientation is written as the source had
it, so viewers that honour it still show them upright;
formats without EXIF (and --strip) leave them as stored</source>
        <translation>prendre les photos telles que leurs fichiers les
stockent au lieu de les redresser selon leur orientation
EXIF&#xa0;: les étapes s&apos;appliquent à elles telles que
stockées, et l&apos;orientation est écrite comme dans la
source, si bien que les visionneuses qui la respectent
les affichent toujours à l&apos;endroit&#xa0;; les formats sans
EXIF (et --strip) les laissent telles que stockées</translation>
    </message>
    <message>
        <source>a target that exists already is replaced (the default),
left alone, or kept with the new file written as
&quot;NAME (2).FORMAT&quot;; overwrite said here also replaces
a file given that is its own target; skip makes a rerun of
a stopped or split batch do only what is missing</source>
        <translation>une cible qui existe déjà est remplacée (par défaut),
laissée telle quelle, ou conservée, le nouveau fichier
étant écrit sous «&#xa0;NAME (2).FORMAT&#xa0;»&#xa0;; overwrite indiqué
ici remplace aussi un fichier donné qui est sa propre
cible&#xa0;; skip fait qu&apos;une nouvelle exécution d&apos;un lot
interrompu ou partagé ne traite que ce qui manque</translation>
    </message>
    <message>
        <source>--if-exists takes overwrite, skip or rename, not &quot;%1&quot;</source>
        <translation>--if-exists accepte overwrite, skip ou rename, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>files converted at once (at most one per core, and
fewer when memory is short)</source>
        <translation>fichiers convertis simultanément (au plus un par cœur,
et moins quand la mémoire manque)</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of at least 1</source>
        <translation>--jobs demande un nombre entier d&apos;au moins 1</translation>
    </message>
    <message>
        <source>a folder given stands for the pictures in it and in all its
sub-folders (recognised by content; hidden files and links
inside are left out), and its sub-folders are made again
under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT</source>
        <translation>un dossier donné représente les images qu&apos;il contient et
celles de tous ses sous-dossiers (reconnues par leur
contenu&#xa0;; les fichiers cachés et les liens qu&apos;il
contient sont ignorés), et ses sous-dossiers sont
recréés sous FOLDER&#xa0;: DIR/a/b.jpg va dans
FOLDER/a/b.FORMAT</translation>
    </message>
    <message>
        <source>a file keeps the folder part of its name under FOLDER:
a/b.jpg goes to FOLDER/a/b.FORMAT (&quot;..&quot; is refused)
With -r or --parents, pictures of one folder that give the
same name are numbered in the byte order of their names,
whichever of them a run is given, so split runs agree.</source>
        <translation>un fichier garde la partie dossier de son nom sous
FOLDER&#xa0;: a/b.jpg va dans FOLDER/a/b.FORMAT («&#xa0;..&#xa0;» est
refusé)
Avec -r ou --parents, les images d&apos;un même dossier qui
donnent le même nom sont numérotées dans l&apos;ordre des
octets de leurs noms, quelles que soient celles qu&apos;une
exécution reçoit, afin que des exécutions partagées
concordent.</translation>
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
        <translation>nommer chaque cible d&apos;après PATTERN, auquel l&apos;extension
du format est ajoutée&#xa0;: {name} le nom du fichier avant
son dernier point, {ext} son extension, {folder} le nom
de son dossier, {n} sa place dans la liste ({n:3} sur
trois chiffres, {n:3,100} en comptant à partir de 100),
{date} sa date de prise de vue selon EXIF, sinon la date
du fichier ({date:%Y%m%d-%H%M%S}&#xa0;; champs %Y %y %m %d %H
%M %S), {w} et {h} la taille écrite&#xa0;; {{ et }} sont des
accolades, et / crée des sous-dossiers</translation>
    </message>
    <message>
        <source>write each target into its file&apos;s own folder instead of
FOLDER (not with -o or --parents); a file that would be
its own target is kept, its conversion written as
&quot;NAME (2).FORMAT&quot;, unless --if-exists=overwrite is said</source>
        <translation>écrire chaque cible dans le dossier de son propre
fichier au lieu de FOLDER (pas avec -o ou --parents)&#xa0;;
un fichier qui serait sa propre cible est conservé, sa
conversion étant écrite sous «&#xa0;NAME (2).FORMAT&#xa0;», sauf
avec --if-exists=overwrite</translation>
    </message>
    <message>
        <source>take the files named in LIST, one a line (blank lines
left out), after those on the command line; - reads
standard input</source>
        <translation>prendre les fichiers nommés dans LIST, un par ligne
(lignes vides ignorées), après ceux de la ligne de
commande&#xa0;; -&#xa0;lit l&apos;entrée standard</translation>
    </message>
    <message>
        <source>--files-from needs a file, or - for standard input</source>
        <translation>--files-from demande un fichier, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>names in LIST, and those --list prints, end with a NUL
byte instead of a line break</source>
        <translation>les noms dans LIST, et ceux qu&apos;affiche --list, se
terminent par un octet NUL au lieu d&apos;un saut de ligne</translation>
    </message>
    <message>
        <source>print the pictures the files and folders given stand for,
one a line, and convert nothing</source>
        <translation>afficher les images que représentent les fichiers et
dossiers donnés, une par ligne, sans rien convertir</translation>
    </message>
    <message>
        <source>take the options kept in the preset FILE (a name alone is
one saved in ~/.local/share/Lumaskin/presets); options
after it change what it says</source>
        <translation>prendre les options enregistrées dans le préréglage FILE
(un nom seul désigne un préréglage enregistré dans
~/.local/share/Lumaskin/presets)&#xa0;; les options qui
suivent modifient ce qu&apos;il indique</translation>
    </message>
    <message>
        <source>keep the other options given (files aside) as the preset
FILE (a name alone goes to ~/.local/share/Lumaskin/presets);
converts nothing unless files are named too</source>
        <translation>enregistrer les autres options données (hors fichiers)
comme préréglage FILE (un nom seul va dans
~/.local/share/Lumaskin/presets)&#xa0;; ne convertit rien à
moins que des fichiers soient aussi nommés</translation>
    </message>
    <message>
        <source>--save-preset needs a file or a name</source>
        <translation>--save-preset demande un fichier ou un nom</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>ce texte</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la version du programme</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option a preset keeps</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une option qu&apos;un préréglage conserve</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;</source>
        <translation>%1 accepte yes ou no, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>option inconnue %1 (voir --help)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--filter is for the --resize options after it, and none follows</source>
        <translation>--filter s&apos;applique aux options --resize qui le suivent, et aucune ne suit</translation>
    </message>
    <message>
        <source>choose an output format with -f or --write (see --help)</source>
        <translation>choisissez un format de sortie avec -f ou --write (voir --help)</translation>
    </message>
    <message>
        <source>two outputs write %1 files named alike; give one of them another suffix= (--write %1:...:suffix=-small)</source>
        <translation>deux sorties écrivent des fichiers %1 de même nom&#xa0;; donnez à l&apos;une d&apos;elles un autre suffix= (--write %1:...:suffix=-small)</translation>
    </message>
    <message>
        <source>cannot write the format &quot;%1&quot;; choose one of: %2</source>
        <translation>impossible d&apos;écrire le format «&#xa0;%1&#xa0;»&#xa0;; choisissez parmi&#xa0;: %2</translation>
    </message>
    <message>
        <source>--beside writes into each file&apos;s own folder: it takes no %1</source>
        <translation>--beside écrit dans le dossier propre à chaque fichier&#xa0;: il n&apos;accepte pas %1</translation>
    </message>
    <message>
        <source>choose an output folder with -o, or --beside</source>
        <translation>choisissez un dossier de sortie avec -o, ou --beside</translation>
    </message>
    <message>
        <source>name at least one picture to convert</source>
        <translation>nommez au moins une image à convertir</translation>
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
        <translation>Utilisation&#xa0;: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]...
                               [--quality Q] [--write OUTPUT]... [--preset FILE]
                               [--save-preset FILE] [--strip] [--no-auto-orient]
                               [--jobs N] [--if-exists=overwrite|skip|rename]
                               [-r] [--parents] [--rename PATTERN]
                               [--files-from LIST [-0]] FILE...
              lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...
où chaque STEP est --effect NAME[=ARGS], --resize GEOMETRY (après --filter F si
souhaité), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT
ou --watermark-image FILE (chacun suivi de ses réglages --watermark-* si
souhaité).

Convertit des images vers un seul format dans un seul dossier, en appliquant les
étapes à chacune dans l&apos;ordre donné&#xa0;; une valeur qui ne peut pas convenir est
refusée avant qu&apos;aucun fichier ne soit écrit. Chaque cible est
FOLDER/NAME.FORMAT, où NAME est la partie du nom du fichier avant son dernier
point (le nom entier s&apos;il n&apos;en a pas)&#xa0;; --rename la nomme plutôt d&apos;après un
modèle, et --beside la place dans le dossier du fichier lui-même. Les fichiers
qui donnent le même nom sont tous conservés&#xa0;: le deuxième devient
«&#xa0;NAME&#xa0;(2).FORMAT&#xa0;», et ainsi de suite, dans l&apos;ordre donné. Un fichier donné
n&apos;est jamais remplacé par sa propre conversion, sauf avec --if-exists=overwrite.
Les fichiers sont convertis en parallèle, un par cœur sauf indication contraire
de --jobs. Un fichier en échec n&apos;arrête pas les autres&#xa0;; le code de sortie est 1
si l&apos;un d&apos;eux a échoué. Arrêté par SIGINT, SIGTERM ou SIGHUP, il termine les
fichiers en cours, n&apos;en commence aucun autre et se termine avec le code 128 plus
le numéro du signal.

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>
Effects:
</source>
        <translation>
Effets&#xa0;:
</translation>
    </message>
    <message>
        <source>, default </source>
        <translation>, par défaut </translation>
    </message>
</context>
<context>
    <name>ConvertSources</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a name with &quot;..&quot; has no place under the output folder</source>
        <translation>un nom contenant «&#xa0;..&#xa0;» n&apos;a pas sa place sous le dossier de sortie</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>cannot read the list %1: %2</source>
        <translation>impossible de lire la liste %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is no list of file names by lines: an entry holds a NUL byte (NUL-separated? use -0)</source>
        <translation>%1 n&apos;est pas une liste de noms de fichiers par lignes&#xa0;: une entrée contient un octet NUL (séparés par NUL&#xa0;? utilisez -0)</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be</source>
        <translation>%1 n’est pas une liste de noms de fichiers&#xa0;: une entrée est plus longue que ne peut l’être un chemin</translation>
    </message>
    <message>
        <source>%1 is no list of file names: an entry is longer than any path can be (NUL-separated? use -0)</source>
        <translation>%1 n’est pas une liste de noms de fichiers&#xa0;: une entrée est plus longue que ne peut l’être un chemin (séparée par des NUL&#xa0;? utilisez -0)</translation>
    </message>
</context>
<context>
    <name>EffectDialog</name>
    <message>
        <source>Change</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>In force: converting applies it</source>
        <translation>Actif&#xa0;: la conversion l&apos;applique</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Actif&#xa0;: </translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Effect one</source>
        <translation>Effets 1</translation>
    </message>
    <message>
        <source>Effect two</source>
        <translation>Effets 2</translation>
    </message>
</context>
<context>
    <name>EffectWindowRow</name>
    <message>
        <source>Brightness(-255-255)</source>
        <translation>Luminosité (-255-255)</translation>
    </message>
    <message>
        <source>Contrase(Default 100)</source>
        <translation>Contraste (par défaut 100)</translation>
    </message>
    <message>
        <source>Gamma(Default 1.0)</source>
        <translation>Gamma (par défaut 1.0)</translation>
    </message>
    <message>
        <source>Hue(0-255)</source>
        <translation>Teinte (0-255)</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Red(0-255)</source>
        <translation>Rouge (0-255)</translation>
    </message>
    <message>
        <source>Green(0-255)</source>
        <translation>Vert (0-255)</translation>
    </message>
    <message>
        <source>Blue(0-255)</source>
        <translation>Bleu (0-255)</translation>
    </message>
    <message>
        <source>Invert Color</source>
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <source>Ligthness(Default is 100)</source>
        <translation>Clarté (par défaut 100)</translation>
    </message>
    <message>
        <source>Saturation(Default 100)</source>
        <translation>Saturation (par défaut 100)</translation>
    </message>
    <message>
        <source>Desaturation</source>
        <translation>Désaturation</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>Nord-Est</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>Sud-Est</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>Sud-Ouest</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>Nord-Ouest</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>soft</source>
        <translation>doux</translation>
    </message>
    <message>
        <source>grayscale noise</source>
        <translation>bruit en niveaux de gris</translation>
    </message>
    <message>
        <source>color noise</source>
        <translation>bruit coloré</translation>
    </message>
    <message>
        <source>AntiNoise(1-5)</source>
        <translation>Antibruit (1-5)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>FocalBW</source>
        <translation>Focal N/B</translation>
    </message>
    <message>
        <source>Radius1</source>
        <translation>Rayon1</translation>
    </message>
    <message>
        <source>Radius2</source>
        <translation>Rayon2</translation>
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
        <translation>Monochrome (0-255)</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>SharpenEdge</source>
        <translation>Netteté des contours</translation>
    </message>
    <message>
        <source>Twirl 0-360</source>
        <translation>Tourbillon 0-360</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médian</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>added to the red channel</source>
        <translation>ajouté au canal rouge</translation>
    </message>
    <message>
        <source>added to the green channel</source>
        <translation>ajouté au canal vert</translation>
    </message>
    <message>
        <source>added to the blue channel</source>
        <translation>ajouté au canal bleu</translation>
    </message>
    <message>
        <source>adds to the red, green and blue channels</source>
        <translation>s&apos;ajoute aux canaux rouge, vert et bleu</translation>
    </message>
    <message>
        <source>number of passes</source>
        <translation>nombre de passes</translation>
    </message>
    <message>
        <source>removes isolated specks with a 3x3 median</source>
        <translation>supprime les points isolés avec une médiane 3x3</translation>
    </message>
    <message>
        <source>3x3 Gaussian blur</source>
        <translation>flou gaussien 3x3</translation>
    </message>
    <message>
        <source>distance from mid-grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>écart au gris moyen en pour cent&#xa0;: 0 donne du gris, 200 le double</translation>
    </message>
    <message>
        <source>spreads the colours away from mid-grey or pulls them to it</source>
        <translation>écarte les couleurs du gris moyen ou les en rapproche</translation>
    </message>
    <message>
        <source>grey from the luma of every pixel</source>
        <translation>gris d&apos;après la luma de chaque pixel</translation>
    </message>
    <message>
        <source>how far, in pixels, a colour may come from</source>
        <translation>distance, en pixels, d&apos;où une couleur peut venir</translation>
    </message>
    <message>
        <source>every pixel takes the colour of a random nearby pixel</source>
        <translation>chaque pixel prend la couleur d&apos;un pixel voisin pris au hasard</translation>
    </message>
    <message>
        <source>unknown effect &quot;%1&quot; (see --help)</source>
        <translation>effet inconnu «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), %3 given</source>
        <translation>%1 prend %2 argument(s), %3 donné(s)</translation>
    </message>
    <message>
        <source>height of the relief</source>
        <translation>hauteur du relief</translation>
    </message>
    <message>
        <source>where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, 5 South-West, 6 West, 7 North-West</source>
        <translation>d&apos;où vient la lumière&#xa0;: 0 nord, 1 nord-est, 2 est, 3 sud-est, 4 sud, 5 sud-ouest, 6 ouest, 7 nord-ouest</translation>
    </message>
    <message>
        <source>grey relief lit from one of eight directions</source>
        <translation>relief gris éclairé depuis l&apos;une de huit directions</translation>
    </message>
    <message>
        <source>colour is kept within this many pixels of the focus</source>
        <translation>la couleur est conservée jusqu&apos;à ce nombre de pixels du point focal</translation>
    </message>
    <message>
        <source>grey from this many pixels on; at or below radius1 the edge is hard</source>
        <translation>gris à partir de ce nombre de pixels&#xa0;; à radius1 ou moins, le bord est net</translation>
    </message>
    <message>
        <source>column of the focus</source>
        <translation>colonne du point focal</translation>
    </message>
    <message>
        <source>row of the focus</source>
        <translation>ligne du point focal</translation>
    </message>
    <message>
        <source>keeps colour around a point and turns the rest grey</source>
        <translation>garde la couleur autour d&apos;un point et passe le reste en gris</translation>
    </message>
    <message>
        <source>above 1 brightens the mid-tones, below 1 darkens</source>
        <translation>au-dessus de 1 éclaircit les tons moyens, en dessous de 1 les assombrit</translation>
    </message>
    <message>
        <source>gamma correction</source>
        <translation>correction gamma</translation>
    </message>
    <message>
        <source>red of the colour whose hue angle is the rotation</source>
        <translation>rouge de la couleur dont l&apos;angle de teinte est la rotation</translation>
    </message>
    <message>
        <source>green of the colour whose hue angle is the rotation</source>
        <translation>vert de la couleur dont l&apos;angle de teinte est la rotation</translation>
    </message>
    <message>
        <source>blue of the colour whose hue angle is the rotation</source>
        <translation>bleu de la couleur dont l&apos;angle de teinte est la rotation</translation>
    </message>
    <message>
        <source>turns every hue by the hue angle of a colour</source>
        <translation>fait tourner chaque teinte de l&apos;angle de teinte d&apos;une couleur</translation>
    </message>
    <message>
        <source>turns the picture into its negative</source>
        <translation>transforme l&apos;image en son négatif</translation>
    </message>
    <message>
        <source>red in percent: below 100 toward black, above toward white</source>
        <translation>rouge en pour cent&#xa0;: en dessous de 100 vers le noir, au-dessus vers le blanc</translation>
    </message>
    <message>
        <source>green in percent: below 100 toward black, above toward white</source>
        <translation>vert en pour cent&#xa0;: en dessous de 100 vers le noir, au-dessus vers le blanc</translation>
    </message>
    <message>
        <source>blue in percent: below 100 toward black, above toward white</source>
        <translation>bleu en pour cent&#xa0;: en dessous de 100 vers le noir, au-dessus vers le blanc</translation>
    </message>
    <message>
        <source>scales each channel toward black or toward white</source>
        <translation>rapproche chaque canal du noir ou du blanc</translation>
    </message>
    <message>
        <source>side of the square in pixels (even sizes round up)</source>
        <translation>côté du carré en pixels (les tailles paires sont arrondies au-dessus)</translation>
    </message>
    <message>
        <source>square median filter</source>
        <translation>filtre médian carré</translation>
    </message>
    <message>
        <source>luma at or above this takes the first colour, below it the second</source>
        <translation>une luma égale ou supérieure prend la première couleur, une luma inférieure la seconde</translation>
    </message>
    <message>
        <source>light colour, 0x00BBGGRR</source>
        <translation>couleur claire, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>dark colour, 0x00BBGGRR</source>
        <translation>couleur sombre, 0x00BBGGRR</translation>
    </message>
    <message>
        <source>two colours split by a luma threshold</source>
        <translation>deux couleurs séparées par un seuil de luma</translation>
    </message>
    <message>
        <source>0 normal: flat blocks; 1 soft: blocks blend into each other</source>
        <translation>0 normal&#xa0;: blocs unis&#xa0;; 1 doux&#xa0;: les blocs se fondent les uns dans les autres</translation>
    </message>
    <message>
        <source>side of a block in pixels</source>
        <translation>côté d&apos;un bloc en pixels</translation>
    </message>
    <message>
        <source>square blocks of their average colour</source>
        <translation>blocs carrés de leur couleur moyenne</translation>
    </message>
    <message>
        <source>largest change of a channel</source>
        <translation>variation maximale d&apos;un canal</translation>
    </message>
    <message>
        <source>0 grey: the same change for all channels; 1 colour: one change per channel</source>
        <translation>0 gris&#xa0;: la même variation pour tous les canaux&#xa0;; 1 couleur&#xa0;: une variation par canal</translation>
    </message>
    <message>
        <source>adds random noise</source>
        <translation>ajoute du bruit aléatoire</translation>
    </message>
    <message>
        <source>distance from grey in percent: 0 gives grey, 200 doubles it</source>
        <translation>écart au gris en pour cent&#xa0;: 0 donne du gris, 200 le double</translation>
    </message>
    <message>
        <source>makes colours more vivid or duller</source>
        <translation>rend les couleurs plus vives ou plus ternes</translation>
    </message>
    <message>
        <source>3x3 sharpening</source>
        <translation>renforcement de la netteté 3x3</translation>
    </message>
    <message>
        <source>strength of the sharpening</source>
        <translation>intensité du renforcement</translation>
    </message>
    <message>
        <source>sharpens along edges only</source>
        <translation>renforce la netteté le long des contours seulement</translation>
    </message>
    <message>
        <source>turn at the centre in degrees, clockwise when positive</source>
        <translation>rotation au centre en degrés, dans le sens horaire si positive</translation>
    </message>
    <message>
        <source>swirls the picture around its centre</source>
        <translation>fait tourbillonner l&apos;image autour de son centre</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>Cannot use &quot;%1&quot;</source>
        <translation>Impossible d&apos;utiliser «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;</source>
        <translation>Impossible d&apos;écrire dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot move within &quot;%1&quot;</source>
        <translation>Impossible de se déplacer dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;</source>
        <translation>Impossible de terminer l&apos;écriture de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot change the attributes of &quot;%1&quot;</source>
        <translation>Impossible de modifier les attributs de «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ImageIo</name>
    <message>
        <source>no file was given</source>
        <translation>aucun fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>impossible d&apos;ouvrir le fichier (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>impossible de lire le fichier (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>il n&apos;y a aucune image à écrire</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>Lumaskin cannot write the format &quot;%1&quot;</source>
        <translation>Lumaskin ne sait pas écrire le format «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a picture cannot measure %1 x %2 pixels</source>
        <translation>une image ne peut pas mesurer %1 x %2 pixels</translation>
    </message>
    <message>
        <source>an icon measures 1 to 256 pixels a side, not %1 x %2</source>
        <translation>une icône mesure de 1 à 256 pixels de côté, pas %1 x %2</translation>
    </message>
</context>
<context>
    <name>LumaskinConvert</name>
    <message>
        <source>a folder (-r takes its pictures)</source>
        <translation>un dossier (-r prend ses images)</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1: the name holds a line break; list it with -0</source>
        <translation>lumaskin-convert: %1: le nom contient un saut de ligne&#xa0;; listez-le avec -0</translation>
    </message>
    <message>
        <source>lumaskin-convert: cannot write the list</source>
        <translation>lumaskin-convert: impossible d&apos;écrire la liste</translation>
    </message>
    <message>
        <source>lumaskin-convert: preset saved as %1</source>
        <translation>lumaskin-convert: préréglage enregistré sous %1</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 is a file, not a folder</source>
        <translation>lumaskin-convert: le dossier de sortie %1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>lumaskin-convert: the output folder %1 does not exist</source>
        <translation>lumaskin-convert: le dossier de sortie %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written as %2 (%3)</source>
        <translation>lumaskin-convert: %1 écrit sous %2 (%3)</translation>
    </message>
    <message>
        <source>lumaskin-convert: stopped: %1 written, %2 not converted; the same command with --if-exists=skip does the rest</source>
        <translation>lumaskin-convert: arrêté&#xa0;: %1 écrit(s), %2 non converti(s)&#xa0;; la même commande avec --if-exists=skip fera le reste</translation>
    </message>
    <message>
        <source>lumaskin-convert: %1 written, %2 skipped, %3 renamed</source>
        <translation>lumaskin-convert&#xa0;: %1 écrits, %2 ignorés, %3 renommés</translation>
    </message>
    <message>
        <source>; %1 of %2 file(s) failed</source>
        <translation>&#xa0;; %1 fichier(s) sur %2 en échec</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>No skin package was found, so Lumaskin cannot show its window.

It looked for %1 and the other skin packages in:
%2

Install Lumaskin with its skins, or put skin packages into %3.</source>
        <translation>Aucun paquet d&apos;habillage n&apos;a été trouvé, Lumaskin ne peut donc pas afficher sa fenêtre.

Il a cherché %1 et les autres paquets d&apos;habillage dans&#xa0;:
%2

Installez Lumaskin avec ses habillages, ou placez des paquets d&apos;habillage dans %3.</translation>
    </message>
    <message>
        <source>lumaskin: %1: no such file or folder
</source>
        <translation>lumaskin: %1: aucun fichier ou dossier de ce nom
</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>This picture cannot be shown.

%1</source>
        <translation>Cette image ne peut pas être affichée.

%1</translation>
    </message>
    <message>
        <source>All pictures|%1|</source>
        <translation>Toutes les images|%1|</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*||</source>
        <translation>Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>The central directory was not found. If you&apos;re opening a multi-disk archive, make sure you have inserted the last disk. Retry?</source>
        <translation>Le répertoire central est introuvable. Si vous ouvrez une archive sur plusieurs disques, assurez-vous d&apos;avoir inséré le dernier disque. Réessayer&#xa0;?</translation>
    </message>
    <message>
        <source>A skin package named %1 is already installed. Replace it?</source>
        <translation>Un paquet d&apos;habillage nommé %1 est déjà installé. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>In force: </source>
        <translation>Effets actifs&#xa0;: </translation>
    </message>
    <message>
        <source>Please select an output directory for </source>
        <translation>Choisissez un dossier de sortie</translation>
    </message>
    <message>
        <source>That picture is in the list already.</source>
        <translation>Cette image est déjà dans la liste.</translation>
    </message>
    <message>
        <source>%1 of those pictures are in the list already.</source>
        <translation>%1 de ces images sont déjà dans la liste.</translation>
    </message>
    <message>
        <source>Please add image</source>
        <translation>Veuillez ajouter une image</translation>
    </message>
    <message>
        <source>Please input image file</source>
        <translation>Veuillez indiquer un fichier image</translation>
    </message>
    <message>
        <source>These pictures are in %1 already, in the chosen format. Converting would replace them with their converted files:

%2

Replace them? No keeps them and writes each converted file beside its picture as &quot;name (2)&quot;.</source>
        <translation>Ces images se trouvent déjà dans %1, au format choisi. La conversion les remplacerait par leurs fichiers convertis&#xa0;:

%2

Les remplacer&#xa0;? Non les conserve et écrit chaque fichier converti à côté de son image sous «&#xa0;nom (2)&#xa0;».</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already in %2:

%3

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 des fichiers convertis existent déjà dans %2&#xa0;:

%3

Conserver les deux (les nouveaux fichiers sont écrits sous «&#xa0;nom (2)&#xa0;»), les écraser, ou ignorer ces images&#xa0;? La réponse vaut pour toutes.</translation>
    </message>
    <message>
        <source>Convert Completed!

</source>
        <translation>Conversion terminée&#xa0;!

</translation>
    </message>
    <message>
        <source>
Effects applied: %1.</source>
        <translation>
Effets appliqués&#xa0;: %1.</translation>
    </message>
    <message>
        <source>

%1 written, %2 skipped (already there), %3 renamed</source>
        <translation>

%1 écrits, %2 ignorés (déjà présents), %3 renommés</translation>
    </message>
    <message>
        <source>

%1 of %2 files could not be converted:</source>
        <translation>

%1 fichiers sur %2 n&apos;ont pas pu être convertis&#xa0;:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>&amp;Steps, Watermark and Presets...	Ctrl+T</source>
        <translation>É&amp;tapes, filigrane et préréglages...	Ctrl+T</translation>
    </message>
    <message>
        <source>The pictures are being converted. Please wait until that is done, or cancel it.</source>
        <translation>Les images sont en cours de conversion. Veuillez attendre la fin, ou annuler la conversion.</translation>
    </message>
    <message>
        <source>Skin packages|*.zip;*.skn|All files|*||</source>
        <translation>Paquets d&apos;habillage|*.zip;*.skn|Tous les fichiers|*||</translation>
    </message>
    <message>
        <source>Pause Button Pressed</source>
        <translation>Bouton Pause enfoncé</translation>
    </message>
    <message>
        <source>Stop Button Pressed</source>
        <translation>Bouton Arrêt enfoncé</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written to %3.</source>
        <translation>Conversion annulée&#xa0;: %1 fichiers sur %2 écrits dans %3.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written.</source>
        <translation>Conversion annulée&#xa0;: %1 fichiers sur %2 écrits.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n’a été écrit.</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <translation>1 fichier écrit dans %1.</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <translation>%1 fichiers écrits dans %2.</translation>
    </message>
    <message>
        <source>No file manager opened %1. The files are there.</source>
        <translation>Aucun gestionnaire de fichiers n’a ouvert %1. Les fichiers s’y trouvent.</translation>
    </message>
    <message>
        <source>Conversion cancelled: %1 of %2 files written beside their pictures.</source>
        <translation>Conversion annulée : %1 fichiers sur %2 écrits à côté de leurs images.</translation>
    </message>
    <message>
        <source>%1 files written beside their pictures.</source>
        <translation>%1 fichiers écrits à côté de leurs images.</translation>
    </message>
    <message>
        <source>1 file written beside its picture.</source>
        <translation>1 fichier écrit à côté de son image.</translation>
    </message>
    <message>
        <source>%1 of the converted files exist already beside their pictures:

%2

Keep both (the new files are written as &quot;name (2)&quot;), overwrite them, or skip those pictures? The answer is for all of them.</source>
        <translation>%1 des fichiers convertis existent déjà à côté de leurs images&#xa0;:

%2

Conserver les deux (les nouveaux fichiers sont écrits sous «&#xa0;nom (2)&#xa0;»), les écraser, ou ignorer ces images&#xa0;? La réponse vaut pour toutes.</translation>
    </message>
</context>
<context>
    <name>MainDialogPrompts</name>
    <message>
        <source>Install Skin</source>
        <translation>Installer un habillage</translation>
    </message>
    <message>
        <source>Higher keeps more detail in larger files. WebP and AVIF are lossless at 100.</source>
        <translation>Une valeur plus élevée conserve plus de détails, dans des fichiers plus gros. WebP et AVIF sont sans perte à 100.</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Overwrite all</source>
        <translation>Tout écraser</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conserver les deux</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>the date format &quot;%1&quot; ends in a lone %</source>
        <translation>le format de date «&#xa0;%1&#xa0;» se termine par un % isolé</translation>
    </message>
    <message>
        <source>%%1 in the date format &quot;%2&quot; is none of %Y %y %m %d %H %M %S %%</source>
        <translation>%%1 dans le format de date «&#xa0;%2&#xa0;» ne fait pas partie de %Y %y %m %d %H %M %S %%</translation>
    </message>
    <message>
        <source>has an empty part</source>
        <translation>a une partie vide</translation>
    </message>
    <message>
        <source>has a folder named &quot;%1&quot;</source>
        <translation>a un dossier nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>{%1}: {n} takes a width of 1 to %2 digits and a start from 0, as in {n:3} or {n:3,100}</source>
        <translation>{%1}&#xa0;: {n} accepte une largeur de 1 à %2 chiffres et un début à partir de 0, comme dans {n:3} ou {n:3,100}</translation>
    </message>
    <message>
        <source>{%1}: the date format is empty</source>
        <translation>{%1}&#xa0;: le format de date est vide</translation>
    </message>
    <message>
        <source>{%1}: {%2} takes no format</source>
        <translation>{%1}&#xa0;: {%2} n&apos;accepte pas de format</translation>
    </message>
    <message>
        <source>unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} {w} {h}</source>
        <translation>jeton inconnu {%1}&#xa0;; les jetons sont {name} {ext} {folder} {n} {date} {w} {h}</translation>
    </message>
    <message>
        <source>a } stands alone (write }} for a brace)</source>
        <translation>un } est isolé (écrivez }} pour une accolade)</translation>
    </message>
    <message>
        <source>a { is not closed (write {{ for a brace)</source>
        <translation>un { n&apos;est pas fermé (écrivez {{ pour une accolade)</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>le modèle est vide</translation>
    </message>
    <message>
        <source>starts with /</source>
        <translation>commence par /</translation>
    </message>
    <message>
        <source>the pattern %1; names stay inside the folder</source>
        <translation>le modèle %1&#xa0;; les noms restent dans le dossier</translation>
    </message>
    <message>
        <source>the name pattern gives %1, which %2</source>
        <translation>le modèle de nom donne %1, qui %2</translation>
    </message>
</context>
<context>
    <name>PictureProbe</name>
    <message>
        <source>cannot read the folder %1: %2</source>
        <translation>impossible de lire le dossier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>not a Lumaskin preset (it starts &quot;%1 %2&quot;)</source>
        <translation>ce n&apos;est pas un préréglage Lumaskin (il commence par «&#xa0;%1 %2&#xa0;»)</translation>
    </message>
    <message>
        <source>the preset is of version %1, written by a newer Lumaskin; this one reads version %2 and older</source>
        <translation>le préréglage est en version %1, écrite par un Lumaskin plus récent&#xa0;; celui-ci lit la version %2 et les précédentes</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>la ligne n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>too large for a preset</source>
        <translation>trop volumineux pour un préréglage</translation>
    </message>
    <message>
        <source>the preset %1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire le préréglage %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add picture files to the list</source>
        <translation>Ajouter des fichiers d’images à la liste</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Lumaskin</source>
        <translation>Fermer Lumaskin</translation>
    </message>
    <message>
        <source>Colour effects: brightness; contrast; gamma; hue and more</source>
        <translation>Effets de couleur : luminosité, contraste, gamma, teinte et plus</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert every listed picture to the chosen format</source>
        <translation>Convertir toutes les images de la liste dans le format choisi</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Convertir en</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Filters: blur; sharpen; emboss; mosaic and more</source>
        <translation>Filtres : flou, netteté, relief, mosaïque et plus</translation>
    </message>
    <message>
        <source>First sound track</source>
        <translation>Première piste audio</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Move the selected picture down the list</source>
        <translation>Descendre l’image sélectionnée dans la liste</translation>
    </message>
    <message>
        <source>Move the selected picture up the list</source>
        <translation>Monter l’image sélectionnée dans la liste</translation>
    </message>
    <message>
        <source>Open the effect windows for the selected picture</source>
        <translation>Ouvrir les fenêtres d’effets pour l’image sélectionnée</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Retirer les images sélectionnées de la liste</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Second sound track</source>
        <translation>Deuxième piste audio</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show the picture at 100 %</source>
        <translation>Afficher l’image à 100 %</translation>
    </message>
    <message>
        <source>Show the picture at 150 %</source>
        <translation>Afficher l’image à 150 %</translation>
    </message>
    <message>
        <source>Show the picture at 200 %</source>
        <translation>Afficher l’image à 200 %</translation>
    </message>
    <message>
        <source>Show the picture at 25 %</source>
        <translation>Afficher l’image à 25 %</translation>
    </message>
    <message>
        <source>Show the picture at 33 %</source>
        <translation>Afficher l’image à 33 %</translation>
    </message>
    <message>
        <source>Show the picture at 50 %</source>
        <translation>Afficher l’image à 50 %</translation>
    </message>
    <message>
        <source>Show the picture at 75 %</source>
        <translation>Afficher l’image à 75 %</translation>
    </message>
    <message>
        <source>Show the selected picture</source>
        <translation>Afficher l’image sélectionnée</translation>
    </message>
    <message>
        <source>Start again at the end</source>
        <translation>Recommencer à la fin</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>The batch&apos;s steps: resize; crop; turn; watermark; presets</source>
        <translation>Les étapes du lot : redimensionner, recadrer, pivoter, filigrane, préréglages</translation>
    </message>
    <message>
        <source>Track 1</source>
        <translation>Piste 1</translation>
    </message>
    <message>
        <source>Track 2</source>
        <translation>Piste 2</translation>
    </message>
    <message>
        <source>Undo every effect and show the picture as loaded</source>
        <translation>Annuler tous les effets et afficher l’image telle que chargée</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
</context>
<context>
    <name>SkinAccessibility</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barre de défilement</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>Install Skin</source>
        <translation>Installer un habillage</translation>
    </message>
    <message>
        <source>Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)</source>
        <translation>Paquets d&apos;habillage (*.zip *.skn *.ZIP *.SKN);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Show a &amp;Note at Each Skin Change</source>
        <translation>Afficher une &amp;note à chaque changement d&apos;habillage</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>No working folder could be made to look into %1.</source>
        <translation>Aucun dossier de travail n&apos;a pu être créé pour examiner %1.</translation>
    </message>
    <message>
        <source>%1 is not a skin package: it cannot be opened as a ZIP archive.</source>
        <translation>%1 n&apos;est pas un paquet d&apos;habillage&#xa0;: il ne peut pas être ouvert comme archive ZIP.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: its files cannot be extracted.</source>
        <translation>%1 n&apos;est pas un paquet d&apos;habillage utilisable&#xa0;: ses fichiers ne peuvent pas être extraits.</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package. %2</source>
        <translation>%1 n&apos;est pas un paquet d&apos;habillage utilisable. %2</translation>
    </message>
    <message>
        <source>%1 is not a usable skin package: %2</source>
        <translation>%1 n&apos;est pas un paquet d&apos;habillage utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>it holds no Skin.ini at its top level.</source>
        <translation>il ne contient aucun Skin.ini à sa racine.</translation>
    </message>
    <message>
        <source>its background bitmap is missing or cannot be read.</source>
        <translation>son image de fond est absente ou illisible.</translation>
    </message>
    <message>
        <source>The skin folder %1 cannot be made.</source>
        <translation>Le dossier d&apos;habillages %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>This skin package holds %1 files; a skin may hold at most %2.</source>
        <translation>Ce paquet d&apos;habillage contient %1 fichiers&#xa0;; un habillage peut en contenir au plus %2.</translation>
    </message>
    <message>
        <source>The Skin.ini of this skin package is %1 KB; it may be at most %2 KB.</source>
        <translation>Le Skin.ini de ce paquet d&apos;habillage fait %1&#xa0;Ko&#xa0;; il peut faire au plus %2&#xa0;Ko.</translation>
    </message>
    <message>
        <source>This skin package unpacks to %1 MB; a skin may take at most %2 MB.</source>
        <translation>Ce paquet d&apos;habillage occupe %1&#xa0;Mo une fois décompressé&#xa0;; un habillage peut occuper au plus %2&#xa0;Mo.</translation>
    </message>
</context>
<context>
    <name>SkinSwitcher</name>
    <message>
        <source>%1 gives no skin: %2</source>
        <translation>%1 ne donne aucun habillage&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a skin package: skin packages are files ending in .zip or .skn.</source>
        <translation>%1 n&apos;est pas un paquet d&apos;habillage&#xa0;: les paquets d&apos;habillage sont des fichiers se terminant par .zip ou .skn.</translation>
    </message>
    <message>
        <source>There is no skin folder to install %1 into.</source>
        <translation>Il n&apos;y a aucun dossier d&apos;habillages où installer %1.</translation>
    </message>
    <message>
        <source>&amp;Change Skin</source>
        <translation>&amp;Changer d&apos;habillage</translation>
    </message>
    <message>
        <source>Install &amp;Skin...</source>
        <translation>&amp;Installer un habillage...</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin failed to load: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Échec du chargement de l&apos;habillage&#xa0;: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p class=&quot;title&quot;&gt;Skin loaded: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p class=&quot;title&quot;&gt;Habillage chargé&#xa0;: &lt;span class=&quot;skin&quot;&gt;{{SKIN}}&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add&lt;/b&gt; pictures; &lt;b&gt;click a row&lt;/b&gt; to view it.</source>
        <translation>&lt;b&gt;Ajoutez&lt;/b&gt; des images&#xa0;; &lt;b&gt;cliquez sur une ligne&lt;/b&gt; pour la voir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom&lt;/b&gt; from 25&amp;nbsp;% to 200&amp;nbsp;% and back.</source>
        <translation>&lt;b&gt;Zoom&lt;/b&gt; de 25&amp;nbsp;% à 200&amp;nbsp;% et retour.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change&lt;/b&gt; beside an effect applies it.</source>
        <translation>&lt;b&gt;Modifier&lt;/b&gt;, à côté d’un effet, l’applique.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore&lt;/b&gt; brings a picture back.</source>
        <translation>&lt;b&gt;Restaurer&lt;/b&gt; rend l’image d’origine.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; writes them all in one format.</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; les écrit toutes dans un même format.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the window for other skins.</source>
        <translation>&lt;b&gt;Clic droit&lt;/b&gt; sur la fenêtre pour d’autres skins.</translation>
    </message>
    <message>
        <source>Lumaskin adjusts and converts pictures:</source>
        <translation>Lumaskin ajuste et convertit les images&#xa0;:</translation>
    </message>
    <message>
        <source>Click here to close this note.</source>
        <translation>Cliquez ici pour fermer cette note.</translation>
    </message>
</context>
<context>
    <name>StepForm</name>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Fit inside the width and height</source>
        <translation>Tenir dans la largeur et la hauteur</translation>
    </message>
    <message>
        <source>Cover the width and height (a crop then cuts the rest)</source>
        <translation>Couvrir la largeur et la hauteur (un rognage coupe le reste)</translation>
    </message>
    <message>
        <source>Exactly the width and height</source>
        <translation>Exactement la largeur et la hauteur</translation>
    </message>
    <message>
        <source>A share of each side</source>
        <translation>Une part de chaque côté</translation>
    </message>
    <message>
        <source>follows the height</source>
        <translation>suit la hauteur</translation>
    </message>
    <message>
        <source>follows the width</source>
        <translation>suit la largeur</translation>
    </message>
    <message>
        <source>Shrink or enlarge</source>
        <translation>Réduire ou agrandir</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Réduire seulement</translation>
    </message>
    <message>
        <source>Only enlarge</source>
        <translation>Agrandir seulement</translation>
    </message>
    <message>
        <source>Lanczos 3 (sharp, for photos)</source>
        <translation>Lanczos 3 (net, pour les photos)</translation>
    </message>
    <message>
        <source>Linear (softer)</source>
        <translation>Linéaire (plus doux)</translation>
    </message>
    <message>
        <source>Nearest (pixel art)</source>
        <translation>Plus proche voisin (pixel art)</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>&amp;When:</source>
        <translation>&amp;Quand :</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Give a width, a height or both.</source>
        <translation>Indiquez une largeur, une hauteur ou les deux.</translation>
    </message>
    <message>
        <source>Covering or filling exactly takes both a width and a height.</source>
        <translation>Couvrir ou ajuster exactement demande une largeur et une hauteur.</translation>
    </message>
    <message>
        <source>Width and height from the centre</source>
        <translation>Largeur et hauteur depuis le centre</translation>
    </message>
    <message>
        <source>Width and height from a corner</source>
        <translation>Largeur et hauteur depuis un coin</translation>
    </message>
    <message>
        <source>The largest centred part of an aspect ratio</source>
        <translation>La plus grande partie centrée d&apos;un rapport d&apos;aspect</translation>
    </message>
    <message>
        <source>&amp;Keep:</source>
        <translation>&amp;Garder :</translation>
    </message>
    <message>
        <source>From the &amp;left:</source>
        <translation>Depuis la ga&amp;uche :</translation>
    </message>
    <message>
        <source>From the &amp;top:</source>
        <translation>Depuis le hau&amp;t :</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio:</source>
        <translation>&amp;Rapport d&apos;aspect :</translation>
    </message>
    <message>
        <source>A quarter clockwise (90°)</source>
        <translation>Un quart de tour horaire (90°)</translation>
    </message>
    <message>
        <source>Half round (180°)</source>
        <translation>Un demi-tour (180°)</translation>
    </message>
    <message>
        <source>A quarter anticlockwise (270°)</source>
        <translation>Un quart de tour antihoraire (270°)</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Rotation :</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation>De haut en bas</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Miroir :</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xte</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>Watermark picture</source>
        <translation>Image du filigrane</translation>
    </message>
    <message>
        <source>Pictures with transparency (*.png);;All files (*)</source>
        <translation>Images avec transparence (*.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>% of the picture&apos;s width</source>
        <translation>% de la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Watermark colour</source>
        <translation>Couleur du filigrane</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Mark:</source>
        <translation>Marque :</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>Mot&amp;s :</translation>
    </message>
    <message>
        <source>Picture &amp;file:</source>
        <translation>&amp;Fichier image :</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacité :</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Position :</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Marge :</translation>
    </message>
    <message>
        <source>Give the words of the watermark.</source>
        <translation>Indiquez le texte du filigrane.</translation>
    </message>
    <message>
        <source>Choose the picture of the watermark.</source>
        <translation>Choisissez l&apos;image du filigrane.</translation>
    </message>
    <message>
        <source>The effect&apos;s name and values as lumaskin-convert --effect takes them, such as contrast=150</source>
        <translation>Le nom et les valeurs de l&apos;effet tels que lumaskin-convert --effect les prend, par exemple contrast=150</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Effet :</translation>
    </message>
    <message>
        <source>Further file</source>
        <translation>Fichier supplémentaire</translation>
    </message>
    <message>
        <source>as the picture, or a size such as 512 or 2048x2048&gt;</source>
        <translation>comme l&apos;image, ou une taille comme 512 ou 2048x2048&gt;</translation>
    </message>
    <message>
        <source>&amp;Own quality:</source>
        <translation>&amp;Qualité propre :</translation>
    </message>
    <message>
        <source>such as -small</source>
        <translation>par exemple -petit</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Resize to:</source>
        <translation>&amp;Redimensionner à :</translation>
    </message>
    <message>
        <source>&amp;Suffix to the name:</source>
        <translation>&amp;Suffixe du nom :</translation>
    </message>
    <message>
        <source>Sh&amp;are:</source>
        <translation>&amp;Part :</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Po&amp;lice :</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>the crop &quot;%1&quot; lies outside the picture (%2 x %3 pixels)</source>
        <translation>le recadrage «&#xa0;%1&#xa0;» se trouve hors de l&apos;image (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>resized to %1 x %2 pixels, the picture would be too large</source>
        <translation>redimensionnée à %1 x %2 pixels, l&apos;image serait trop grande</translation>
    </message>
    <message>
        <source>no step is called &quot;%1&quot; (%2)</source>
        <translation>aucune étape ne s&apos;appelle «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>text can only be drawn inside a GUI application</source>
        <translation>le texte ne peut être dessiné que dans une application graphique</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>il n&apos;y a pas assez de mémoire pour l&apos;image</translation>
    </message>
    <message>
        <source>the text &quot;%1&quot; is too large to draw</source>
        <translation>le texte «&#xa0;%1&#xa0;» est trop grand pour être dessiné</translation>
    </message>
    <message>
        <source>a watermark&apos;s text ends in a lone \</source>
        <translation>le texte d&apos;un filigrane se termine par un \ isolé</translation>
    </message>
    <message>
        <source>a watermark has no setting &quot;%1&quot; (text, image, font, size, colour, opacity, position, margin)</source>
        <translation>un filigrane n&apos;a pas de réglage «&#xa0;%1&#xa0;» (text, image, font, size, colour, opacity, position, margin)</translation>
    </message>
    <message>
        <source>a watermark needs a text or an image</source>
        <translation>un filigrane demande un texte ou une image</translation>
    </message>
    <message>
        <source>a watermark is a text or an image, not both</source>
        <translation>un filigrane est un texte ou une image, pas les deux</translation>
    </message>
    <message>
        <source>the watermark picture &quot;%1&quot; cannot be read: %2</source>
        <translation>l&apos;image de filigrane «&#xa0;%1&#xa0;» ne peut pas être lue&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>&amp;Leave out metadata (EXIF, XMP, colour profile)</source>
        <translation>&amp;Retirer les métadonnées (EXIF, XMP, profil colorimétrique)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Done to every picture in this order, after the effects marked in the effect windows:</source>
        <translation>Appliquées à chaque image dans cet ordre, après les effets cochés dans les fenêtres d&apos;effets&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Show on picture</source>
        <translation>A&amp;fficher sur l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Quality (jpg, webp, avif):</source>
        <translation>&amp;Qualité (jpg, webp, avif)&#xa0;:</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>Préréglages&#xa0;:</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Copy as command</source>
        <translation>Co&amp;pier comme commande</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nom du préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Name the files by a pattern:</source>
        <translation>&amp;Nommer les fichiers selon un modèle :</translation>
    </message>
    <message>
        <source>Write each file &amp;beside its picture, not into a folder chosen at Convert</source>
        <translation>Écrire chaque fichier à côté de son ima&amp;ge, pas dans un dossier choisi à la conversion</translation>
    </message>
    <message>
        <source>Further files from each picture</source>
        <translation>Fichiers supplémentaires de chaque image</translation>
    </message>
    <message>
        <source>Add &amp;file...</source>
        <translation>A&amp;jouter un fichier...</translation>
    </message>
    <message>
        <source>Ed&amp;it file...</source>
        <translation>Mod&amp;ifier le fichier...</translation>
    </message>
    <message>
        <source>Remo&amp;ve file</source>
        <translation>Retirer le fic&amp;hier</translation>
    </message>
    <message>
        <source>{name} the picture&apos;s name, {ext} its extension, {folder} its folder&apos;s name, {n} its place in the list ({n:03} three digits, {n:3,100} from 100), {date} when it was taken ({date:%Y-%m-%d}), {w} and {h} the size written; a / makes sub-folders</source>
        <translation>{name} le nom de l&apos;image, {ext} son extension, {folder} le nom de son dossier, {n} sa place dans la liste ({n:03} trois chiffres, {n:3,100} à partir de 100), {date} sa date de prise de vue ({date:%Y-%m-%d}), {w} et {h} la taille écrite ; un / crée des sous-dossiers</translation>
    </message>
</context>
<context>
    <name>ViewerControl</name>
    <message>
        <source>%1: there is not enough memory to show this picture</source>
        <translation>%1&#xa0;: il n&apos;y a pas assez de mémoire pour afficher cette image</translation>
    </message>
    <message>
        <source>there is not enough memory to restore the picture</source>
        <translation>il n&apos;y a pas assez de mémoire pour restaurer l&apos;image</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>il n&apos;y a aucune image à enregistrer</translation>
    </message>
</context>
<context>
    <name>lumaskin::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Arrêt en cours</translation>
    </message>
    <message>
        <source>Stopping after the files in hand…</source>
        <translation>Arrêt après les fichiers en cours…</translation>
    </message>
    <message>
        <source>Converting %1 of %2</source>
        <translation>Conversion de %1 sur %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Finishing %1</source>
        <translation>Finalisation de %1</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Conversion de %1</translation>
    </message>
</context>
<context>
    <name>lumaskin::ViewerControl</name>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>lumaskin: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</source>
        <translation>lumaskin: aucun écran sur lequel ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)
</translation>
    </message>
</context>
</TS>
