#include "engine/convert_options.h"

#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/preset_file.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <limits>
#include <optional>
#include <utility>

namespace lumaskin {

namespace {

std::optional<IfExists> parseIfExists(const QString &text)
{
    if (text == QLatin1String("overwrite"))
        return IfExists::Overwrite;
    if (text == QLatin1String("skip"))
        return IfExists::Skip;
    if (text == QLatin1String("rename"))
        return IfExists::Rename;
    return std::nullopt;
}

// "a, b and c".
QString SpokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QCoreApplication::translate("ConvertOptions", ", ")) +
           QCoreApplication::translate("ConvertOptions", " and ") + items.last();
}

// `text` broken at blanks into lines of at most 80 characters, every line after the first
// starting with `indent`; each line ends with a line break.
QString Wrapped(const QString &text, const QString &indent = {})
{
    constexpr qsizetype kWidth = 80;
    QString wrapped;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth) {
            wrapped += line + u'\n';
            line = indent;
        }
        if (!line.isEmpty() && line != indent)
            line += u' ';
        line += word;
    }
    return wrapped + line + u'\n';
}

// The formats read and written, and which keep the source's metadata.
QString FormatsText()
{
    QStringList titles;
    for (const FormatFamily &family : FormatFamilies())
        titles << family.title;
    QStringList keeping;
    for (const Format *format : WrittenFormats())
        if (format->holdsMetadata)
            keeping << format->extension;
    return QCoreApplication::translate("ConvertOptions", "Formats written: ") +
           WritableFormats().join(u' ') + u'\n' +
           Wrapped(QCoreApplication::translate(
                       "ConvertOptions",
                       "Formats read: %1 (first frame or page), recognised by content.")
                       .arg(SpokenList(titles)),
                   QStringLiteral("  ")) +
           Wrapped(QCoreApplication::translate(
                       "ConvertOptions",
                       "%1 keep the EXIF, XMP and colour profile of the source (pixels "
                       "are written upright, so the EXIF orientation becomes 1 unless "
                       "--no-auto-orient is given); the other formats get the colours "
                       "converted to sRGB.")
                       .arg(SpokenList(keeping)));
}

QString rangeText(const EffectArgument &a)
{
    if (a.kind == ArgumentKind::Colour)
        return QStringLiteral("0x000000..0xFFFFFF (0x00BBGGRR)");
    return ArgumentText(a, a.minimum) + QStringLiteral("..") + ArgumentText(a, a.maximum);
}

// An effect's meaning or an argument's, from the effect table, in the user's language.
QString EffectText(std::string_view text)
{
    return QCoreApplication::translate("Effects", QByteArray(text.data(), text.size()));
}

using Apply = bool (*)(ConvertOptions &options, const QString &value, QString *error);

// One option: its names, the value it takes, what --help says of it, and what it sets.
struct OptionRow
{
    const char *shortName; // "-f"; null when it has none
    const char *longName;  // "--format"
    const char *value;     // " FORMAT", "=WHAT" as --help shows it; null for a switch
    const char *help;      // lines of --help, the first beside the names
    Apply apply;
};

bool Refuse(QString *error, const QString &text)
{
    *error = text;
    return false;
}

// A step of `Kind` from the value of its option, added to the request.
template <typename Kind> bool AddStep(ConvertOptions &o, const QString &value, QString *error)
{
    std::optional<Kind> step = Kind::Parse(value, error);
    if (!step) {
        *error = QStringLiteral("--%1 ").arg(QLatin1String(Kind::kKind)) + *error;
        return false;
    }
    o.request.steps.emplace_back(std::move(*step));
    return true;
}

// Sets one setting of the last watermark given, the option named `--watermark-NAME`.
template <typename Set>
bool SetWatermark(ConvertOptions &o, const char *name, QString *error, Set set)
{
    for (auto step = o.request.steps.rbegin(); step != o.request.steps.rend(); ++step) {
        if (auto *watermark = std::get_if<WatermarkStep>(&*step)) {
            if (set(*watermark, error))
                return true;
            *error = QStringLiteral("--watermark-%1: ").arg(QLatin1String(name)) + *error;
            return false;
        }
    }
    return Refuse(error, QCoreApplication::translate(
                             "ConvertOptions", "--watermark-%1 sets the --watermark-text or "
                                               "--watermark-image before it, and none comes before")
                             .arg(QLatin1String(name)));
}

// Whether `text` is a whole number from `low` to `high`, put in *number.
bool WholeNumber(const QString &text, int low, int high, int *number)
{
    bool ok = false;
    *number = text.toInt(&ok);
    return ok && *number >= low && *number <= high;
}

// Applies the lines of the preset `name` to the options.
bool ApplyPreset(ConvertOptions &o, const QString &name, QString *error);

// Every option of lumaskin-convert, in the order --help lists them.
constexpr OptionRow kOptions[] = {
    {"-f", "--format", " FORMAT", QT_TRANSLATE_NOOP("ConvertOptions", "output format"),
     [](ConvertOptions &o, const QString &v, QString *) {
         o.request.format = v.toLower();
         return true;
     }},
    {"-o", "--output", " FOLDER", QT_TRANSLATE_NOOP("ConvertOptions", "output folder (must exist)"),
     [](ConvertOptions &o, const QString &v, QString *) {
         o.request.folder = v;
         return true;
     }},
    {"-w", "--write", " FORMAT[:SIZE][:quality=N][:suffix=TEXT]",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "write one more file from each picture, from the same\n"
                       "reading: in FORMAT, resized to SIZE (a --resize geometry)\n"
                       "after the steps, at quality N, its name ending in TEXT\n"
                       "before the extension (the suffix comes last); repeat for\n"
                       "more: -f jpg -w webp:512:suffix=-small; without -f only\n"
                       "these are written"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         std::optional<ConversionOutput> output = ConversionOutput::Parse(v, error);
         if (!output)
             return Refuse(error, QStringLiteral("--write: ") + *error);
         o.request.outputs.push_back(std::move(*output));
         return true;
     }},
    {"-e", "--effect", " NAME[=A,B,...]",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "apply an effect; arguments comma-separated, missing ones\n"
                       "take their default, out-of-range ones are clamped"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         std::optional<EffectStep> step = EffectStep::Parse(v, error);
         if (step)
             o.request.steps.emplace_back(std::move(*step));
         return step.has_value();
     }},
    {nullptr, "--resize", " GEOMETRY[,FILTER]",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "resize: W or xH (that side, the other in proportion), WxH\n"
                       "(as large as fits inside), WxH^ (as small as covers it),\n"
                       "WxH! (exactly) or N%; a > after it only ever shrinks, a <\n"
                       "only ever enlarges: --resize '1920x1080>'"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         if (!AddStep<ResizeStep>(o, v, error))
             return false;
         if (o.filter && !v.contains(u','))
             std::get<ResizeStep>(o.request.steps.back()).filter = *o.filter;
         o.filterFollowed = true;
         return true;
     }},
    {nullptr, "--filter", " lanczos|linear|nearest",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "the filter of the --resize options after it: lanczos\n"
                       "(Lanczos 3, the default; sharp, for photos), linear (softer)\n"
                       "or nearest (copies pixels, for pixel art)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         o.filter = ParseResizeFilter(v);
         o.filterFollowed = false;
         return o.filter.has_value() ||
                Refuse(error, QCoreApplication::translate(
                                  "ConvertOptions",
                                  "--filter takes lanczos, linear or nearest, not \"%1\"")
                                  .arg(v));
     }},
    {nullptr, "--crop", " GEOMETRY|W:H",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "keep WxH+X+Y (the offsets may be negative: -X), WxH from\n"
                       "the centre, or the largest centred part in the ratio W:H\n"
                       "(16:9); a crop wholly outside a picture fails that file"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return AddStep<CropStep>(o, v, error);
     }},
    {nullptr, "--rotate", " 90|180|270",
     QT_TRANSLATE_NOOP("ConvertOptions", "turn clockwise by that many degrees"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return AddStep<RotateStep>(o, v, error);
     }},
    {nullptr, "--flip", " h|v",
     QT_TRANSLATE_NOOP("ConvertOptions", "mirror left to right (h) or top to bottom (v)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return AddStep<FlipStep>(o, v, error);
     }},
    {nullptr, "--watermark-text", " TEXT",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "lay TEXT over the picture (see the --watermark-* settings\n"
                       "after it)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         if (v.isEmpty())
             return Refuse(error, QCoreApplication::translate("ConvertOptions",
                                                              "--watermark-text needs a text"));
         WatermarkStep step;
         step.text = v;
         o.request.steps.emplace_back(std::move(step));
         return true;
     }},
    {nullptr, "--watermark-image", " FILE",
     QT_TRANSLATE_NOOP("ConvertOptions", "lay the picture FILE (a PNG with transparency) over the\n"
                                         "picture, 20% of its width unless --watermark-size says"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         if (v.isEmpty())
             return Refuse(error, QCoreApplication::translate("ConvertOptions",
                                                              "--watermark-image needs a file"));
         WatermarkStep step;
         step.image = v;
         step.size = 20;
         o.request.steps.emplace_back(std::move(step));
         return true;
     }},
    {nullptr, "--watermark-font", " FAMILY",
     QT_TRANSLATE_NOOP("ConvertOptions", "the font of the watermark text before it (default\n"
                                         "sans-serif)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "font", error, [&](WatermarkStep &w, QString *) {
             w.font = v.trimmed().isEmpty() ? w.font : v.trimmed();
             return true;
         });
     }},
    {nullptr, "--watermark-size", " N|N%",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "the size of the watermark before it: a text's height, a\n"
                       "picture's width, in pixels or as a share of the picture's\n"
                       "width (default 5% for text, 20% for a picture)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "size", error,
                             [&](WatermarkStep &w, QString *e) { return w.SetSize(v, e); });
     }},
    {nullptr, "--watermark-colour", " #RRGGBB",
     QT_TRANSLATE_NOOP("ConvertOptions", "the colour of the watermark text before it (default\n"
                                         "#FFFFFF)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "colour", error,
                             [&](WatermarkStep &w, QString *e) { return w.SetColour(v, e); });
     }},
    {nullptr, "--watermark-opacity", " 0-100",
     QT_TRANSLATE_NOOP("ConvertOptions", "the opacity in per cent of the watermark before it\n"
                                         "(default 60)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "opacity", error,
                             [&](WatermarkStep &w, QString *e) { return w.SetOpacity(v, e); });
     }},
    {nullptr, "--watermark-position", " PLACE",
     QT_TRANSLATE_NOOP("ConvertOptions", "where the watermark before it goes: top-left, top,\n"
                                         "top-right, left, centre, right, bottom-left, bottom or\n"
                                         "bottom-right (the default)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "position", error,
                             [&](WatermarkStep &w, QString *e) { return w.SetPosition(v, e); });
     }},
    {nullptr, "--watermark-margin", " N",
     QT_TRANSLATE_NOOP("ConvertOptions", "pixels between the watermark before it and the edges\n"
                                         "(default 16)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return SetWatermark(o, "margin", error,
                             [&](WatermarkStep &w, QString *e) { return w.SetMargin(v, e); });
     }},
    {nullptr, "--watermark", " SETTINGS",
     QT_TRANSLATE_NOOP("ConvertOptions", "a whole watermark in one value, as presets write it:\n"
                                         "text=TEXT or image=FILE, then any of font=, size=,\n"
                                         "colour=, opacity=, position=, margin=, separated by ;\n"
                                         "(a ; or \\ in a value written \\; or \\\\)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return AddStep<WatermarkStep>(o, v, error);
     }},
    {"-q", "--quality", " Q",
     QT_TRANSLATE_NOOP("ConvertOptions", "1 to 100 for jpg, webp and avif (default 90); webp and\n"
                                         "avif are lossless at 100"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return WholeNumber(v, 1, 100, &o.request.write.quality) ||
                Refuse(error,
                       QCoreApplication::translate("ConvertOptions",
                                                   "--quality needs a whole number from 1 to 100"));
     }},
    {nullptr, "--strip", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions", "leave out EXIF, XMP and the colour profile, and convert\n"
                                         "pictures in other colour spaces to sRGB"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.request.write.stripMetadata = true;
         return true;
     }},
    {nullptr, "--no-auto-orient", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "take photos as their files store them rather than turned\n"
                       "upright by their EXIF orientation: the steps work on them\n"
                       "as stored, and the orientation is written as the source had\n"
                       "it, so viewers that honour it still show them upright;\n"
                       "formats without EXIF (and --strip) leave them as stored"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.request.write.keepOrientation = true;
         return true;
     }},
    {nullptr, "--if-exists", "=overwrite|skip|rename",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "a target that exists already is replaced (the default),\n"
                       "left alone, or kept with the new file written as\n"
                       "\"NAME (2).FORMAT\"; overwrite said here also replaces\n"
                       "a file given that is its own target; skip makes a rerun of\n"
                       "a stopped or split batch do only what is missing"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         const std::optional<IfExists> policy = parseIfExists(v);
         if (!policy)
             return Refuse(error, QCoreApplication::translate(
                                      "ConvertOptions",
                                      "--if-exists takes overwrite, skip or rename, not \"%1\"")
                                      .arg(v));
         o.request.ifExists = *policy;
         // Asked for by name, overwriting also replaces a source that is its own target.
         o.request.overwriteSources = *policy == IfExists::Overwrite;
         return true;
     }},
    {"-j", "--jobs", " N",
     QT_TRANSLATE_NOOP("ConvertOptions", "files converted at once (at most one per core, and\n"
                                         "fewer when memory is short)"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         return WholeNumber(v, 1, std::numeric_limits<int>::max(), &o.request.jobs) ||
                Refuse(error, QCoreApplication::translate(
                                  "ConvertOptions", "--jobs needs a whole number of at least 1"));
     }},
    {"-r", "--recursive", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "a folder given stands for the pictures in it and in all its\n"
                       "sub-folders (recognised by content; hidden files and links\n"
                       "inside are left out), and its sub-folders are made again\n"
                       "under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.recursive = true;
         return true;
     }},
    {nullptr, "--parents", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "a file keeps the folder part of its name under FOLDER:\n"
                       "a/b.jpg goes to FOLDER/a/b.FORMAT (\"..\" is refused)\n"
                       "With -r or --parents, pictures of one folder that give the\n"
                       "same name are numbered in the byte order of their names,\n"
                       "whichever of them a run is given, so split runs agree."),
     [](ConvertOptions &o, const QString &, QString *) {
         o.parents = true;
         return true;
     }},
    {nullptr, "--rename", " PATTERN",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "name each target by PATTERN, to which the format's\n"
                       "extension is added: {name} the file's name before its\n"
                       "last dot, {ext} its extension, {folder} its folder's\n"
                       "name, {n} its place in the list ({n:3} three digits,\n"
                       "{n:3,100} counting from 100), {date} when it was taken\n"
                       "by its EXIF, else the file's time ({date:%Y%m%d-%H%M%S};\n"
                       "fields %Y %y %m %d %H %M %S), {w} and {h} the size\n"
                       "written; {{ and }} are braces, and / makes sub-folders"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         o.request.rename = NamePattern::Parse(v, error);
         return o.request.rename.has_value() ||
                Refuse(error, QStringLiteral("--rename \"%1\": %2").arg(v, *error));
     }},
    {nullptr, "--beside", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "write each target into its file's own folder instead of\n"
                       "FOLDER (not with -o or --parents); a file that would be\n"
                       "its own target is kept, its conversion written as\n"
                       "\"NAME (2).FORMAT\", unless --if-exists=overwrite is said"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.request.place = TargetPlace::BesideSource;
         return true;
     }},
    {nullptr, "--files-from", " LIST",
     QT_TRANSLATE_NOOP("ConvertOptions", "take the files named in LIST, one a line (blank lines\n"
                                         "left out), after those on the command line; - reads\n"
                                         "standard input"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         if (v.isEmpty())
             return Refuse(error, QCoreApplication::translate(
                                      "ConvertOptions",
                                      "--files-from needs a file, or - for standard input"));
         o.fileLists << v;
         return true;
     }},
    {"-0", "--null", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions", "names in LIST, and those --list prints, end with a NUL\n"
                                         "byte instead of a line break"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.nul = true;
         return true;
     }},
    {nullptr, "--list", nullptr,
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "print the pictures the files and folders given stand for,\n"
                       "one a line, and convert nothing"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.listOnly = true;
         return true;
     }},
    {nullptr, "--preset", " FILE",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "take the options kept in the preset FILE (a name alone is\n"
                       "one saved in ~/.local/share/Lumaskin/presets); options\n"
                       "after it change what it says"),
     [](ConvertOptions &o, const QString &v, QString *error) { return ApplyPreset(o, v, error); }},
    {nullptr, "--save-preset", " FILE",
     QT_TRANSLATE_NOOP("ConvertOptions",
                       "keep the other options given (files aside) as the preset\n"
                       "FILE (a name alone goes to ~/.local/share/Lumaskin/presets);\n"
                       "converts nothing unless files are named too"),
     [](ConvertOptions &o, const QString &v, QString *error) {
         if (v.trimmed().isEmpty())
             return Refuse(error, QCoreApplication::translate(
                                      "ConvertOptions", "--save-preset needs a file or a name"));
         o.savePreset = PresetPath(v);
         return true;
     }},
    {"-h", "--help", nullptr, QT_TRANSLATE_NOOP("ConvertOptions", "this text"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.help = true;
         return true;
     }},
    {"-v", "--version", nullptr, QT_TRANSLATE_NOOP("ConvertOptions", "the program's version"),
     [](ConvertOptions &o, const QString &, QString *) {
         o.version = true;
         return true;
     }},
};

// The options a preset does not keep: they ask for something other than a batch.
bool KeptInPresets(const OptionRow &row)
{
    for (const char *other :
         {"--help", "--version", "--list", "--preset", "--save-preset", "--files-from", "--null"})
        if (qstrcmp(row.longName, other) == 0)
            return false;
    return true;
}

// Applies one option, and notes it for --save-preset.
bool ApplyOption(ConvertOptions &o, const OptionRow &row, const QString &value, QString *error)
{
    if (!row.apply(o, value, error))
        return false;
    if (KeptInPresets(row))
        o.given.emplace_back(QLatin1String(row.longName).mid(2),
                             row.value ? value : QStringLiteral("yes"));
    return true;
}

const OptionRow *FindOption(const QString &name);

bool ApplyLines(ConvertOptions &o, const std::vector<PresetLine> &lines, const QString &file,
                QString *error)
{
    for (const PresetLine &line : lines) {
        const auto refuse = [&](const QString &why) {
            return Refuse(error, QStringLiteral("%1, line %2: %3")
                                     .arg(QuotedFileName(file))
                                     .arg(line.line)
                                     .arg(why));
        };
        const OptionRow *row = FindOption(QStringLiteral("--") + line.option);
        if (!row || !KeptInPresets(*row) || line.option.startsWith(u'-'))
            return refuse(QCoreApplication::translate("ConvertOptions",
                                                      "\"%1\" is not an option a preset keeps")
                              .arg(line.option));
        if (!row->value && line.value != u"yes" && line.value != u"no")
            return refuse(
                QCoreApplication::translate("ConvertOptions", "%1 takes yes or no, not \"%2\"")
                    .arg(line.option, line.value));
        if (!row->value && line.value == u"no")
            continue;
        QString why;
        if (!ApplyOption(o, *row, line.value, &why))
            return refuse(why);
    }
    return true;
}

bool ApplyPreset(ConvertOptions &o, const QString &name, QString *error)
{
    const QString file = PresetPath(name);
    const auto lines = ReadPreset(file, error);
    return lines && ApplyLines(o, *lines, file, error);
}

const OptionRow *FindOption(const QString &name)
{
    for (const OptionRow &row : kOptions)
        if (name == QLatin1String(row.longName) ||
            (row.shortName && name == QLatin1String(row.shortName)))
            return &row;
    return nullptr;
}

// The Options section of --help: names and value, then the help at column 25, on the next
// line when the names leave no room.
QString OptionsText()
{
    QString text;
    for (const OptionRow &row : kOptions) {
        QString head = row.shortName
                           ? QStringLiteral("  %1, %2")
                                 .arg(QLatin1String(row.shortName), QLatin1String(row.longName))
                           : QStringLiteral("      %1").arg(QLatin1String(row.longName));
        if (row.value)
            head += QLatin1String(row.value);
        const QStringList lines =
            QCoreApplication::translate("ConvertOptions", row.help).split(u'\n');
        constexpr int kColumn = 24;
        if (head.size() < kColumn)
            text += head.leftJustified(kColumn) + lines.first() + u'\n';
        else
            text += head + u'\n' + QString(kColumn, u' ') + lines.first() + u'\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            text += QString(kColumn, u' ') + lines[i] + u'\n';
    }
    return text;
}

} // namespace

std::optional<ConvertOptions> ParseConvertOptions(const QStringList &arguments, QString *error)
{
    ConvertOptions options;
    ConversionRequest &request = options.request;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString a = arguments[i];
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            request.sources << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        // A long option's value may follow it as the next argument or after "=" in the same one.
        std::optional<QString> value;
        if (a.startsWith(QLatin1String("--")) && a.contains(u'=')) {
            value = a.mid(a.indexOf(u'=') + 1);
            a.truncate(a.indexOf(u'='));
        }
        const OptionRow *option = FindOption(a);
        if (!option) {
            *error = QCoreApplication::translate("ConvertOptions", "unknown option %1 (see --help)")
                         .arg(a);
            return std::nullopt;
        }
        if (!option->value && value) {
            *error = QCoreApplication::translate("ConvertOptions", "%1 takes no value").arg(a);
            return std::nullopt;
        }
        if (option->value && !value) {
            if (i + 1 >= arguments.size()) {
                *error = QCoreApplication::translate("ConvertOptions", "%1 needs a value").arg(a);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (!ApplyOption(options, *option, value.value_or(QString()), error))
            return std::nullopt;
    }
    if (options.help || options.version)
        return options;
    // Saving a preset alone: what it keeps need not be a whole batch yet.
    if (!options.savePreset.isEmpty() && request.sources.isEmpty() && options.fileLists.isEmpty())
        return options;
    if (!options.filterFollowed) {
        *error = QCoreApplication::translate(
            "ConvertOptions", "--filter is for the --resize options after it, and none follows");
        return std::nullopt;
    }
    const bool noSources = request.sources.isEmpty() && options.fileLists.isEmpty();
    if (options.listOnly && !noSources)
        return options;
    if (request.format.isEmpty() && request.outputs.empty() && !options.listOnly) {
        *error = QCoreApplication::translate(
            "ConvertOptions", "choose an output format with -f or --write (see --help)");
        return std::nullopt;
    }
    // Two outputs in one format with one suffix would give every picture two files of one name.
    const std::vector<ConversionOutput> outputs = request.Outputs();
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (outputs[i].format == outputs[j].format && outputs[i].suffix == outputs[j].suffix) {
                *error = QCoreApplication::translate(
                             "ConvertOptions",
                             "two outputs write %1 files named alike; give one of them "
                             "another suffix= (--write %1:...:suffix=-small)")
                             .arg(outputs[i].format);
                return std::nullopt;
            }
    if (!request.format.isEmpty() && !WritableFormats().contains(request.format)) {
        *error = QCoreApplication::translate("ConvertOptions",
                                             "cannot write the format \"%1\"; choose one of: %2")
                     .arg(request.format, WritableFormats().join(QLatin1Char(' ')));
        return std::nullopt;
    }
    const bool beside = request.place == TargetPlace::BesideSource;
    if (beside && (!request.folder.isEmpty() || options.parents)) {
        *error =
            QCoreApplication::translate(
                "ConvertOptions", "--beside writes into each file's own folder: it takes no %1")
                .arg(options.parents ? QStringLiteral("--parents") : QStringLiteral("-o"));
        return std::nullopt;
    }
    if (request.folder.isEmpty() && !beside && !options.listOnly) {
        *error = QCoreApplication::translate("ConvertOptions",
                                             "choose an output folder with -o, or --beside");
        return std::nullopt;
    }
    if (noSources) {
        *error =
            QCoreApplication::translate("ConvertOptions", "name at least one picture to convert");
        return std::nullopt;
    }
    // What the steps read from files is read now, so that a file that cannot be read stops the
    // run before anything is written.
    if (!LoadStepFiles(request.steps, error))
        return std::nullopt;
    return options;
}

std::optional<ConvertOptions> ConvertOptionsFromPreset(const QString &file, QString *error)
{
    ConvertOptions options;
    if (!ApplyPreset(options, file, error))
        return std::nullopt;
    return options;
}

std::optional<ConvertOptions> ConvertOptionsFromPresetText(const QByteArray &text,
                                                           const QString &file, QString *error)
{
    ConvertOptions options;
    const auto lines = ParsePreset(text, file, error);
    if (!lines || !ApplyLines(options, *lines, file, error))
        return std::nullopt;
    return options;
}

std::vector<std::pair<QString, QString>> RequestOptions(const ConversionRequest &request)
{
    std::vector<std::pair<QString, QString>> options;
    const auto add = [&](const char *option, const QString &value) {
        options.emplace_back(QLatin1String(option), value);
    };
    if (!request.format.isEmpty())
        add("format", request.format);
    for (const ConversionOutput &output : request.outputs)
        add("write", output.Text());
    if (request.place == TargetPlace::BesideSource)
        add("beside", QStringLiteral("yes"));
    else if (!request.folder.isEmpty())
        add("output", request.folder);
    for (const Step &step : request.steps)
        options.emplace_back(StepKind(step), StepText(step));
    if (request.write.quality != kDefaultQuality)
        add("quality", QString::number(request.write.quality));
    if (request.write.stripMetadata)
        add("strip", QStringLiteral("yes"));
    if (request.write.keepOrientation)
        add("no-auto-orient", QStringLiteral("yes"));
    if (request.rename)
        add("rename", request.rename->Text());
    if (request.jobs > 0)
        add("jobs", QString::number(request.jobs));
    return options;
}

QString ShellQuoted(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    return u'\'' + QString(word).replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

QString ConvertCommand(const ConversionRequest &request)
{
    QStringList words{QStringLiteral("lumaskin-convert")};
    for (const auto &[option, value] : RequestOptions(request)) {
        words << QStringLiteral("--") + option;
        const OptionRow *row = FindOption(QStringLiteral("--") + option);
        if (row && row->value)
            words << ShellQuoted(value);
    }
    switch (request.ifExists) {
    case IfExists::Overwrite:
        if (request.overwriteSources)
            words << QStringLiteral("--if-exists=overwrite");
        break;
    case IfExists::Skip:
        words << QStringLiteral("--if-exists=skip");
        break;
    case IfExists::Rename:
        words << QStringLiteral("--if-exists=rename");
        break;
    }
    words << QStringLiteral("--");
    for (const QString &source : request.sources)
        words << ShellQuoted(source);
    return words.join(u' ');
}

QString ConvertHelpText()
{
    QString text;
    QTextStream out(&text);
    out << QCoreApplication::translate(
               "ConvertOptions",
               "Usage: lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]... [--quality Q]\n"
               "                        [--write OUTPUT]... [--preset FILE] [--save-preset FILE]\n"
               "                        [--strip] [--no-auto-orient] [--jobs N]\n"
               "                        [--if-exists=overwrite|skip|rename] [-r] [--parents]\n"
               "                        [--rename PATTERN] [--files-from LIST [-0]] FILE...\n"
               "       lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...\n"
               "where each STEP is --effect NAME[=ARGS], --resize GEOMETRY (after --filter F when\n"
               "wished), --crop GEOMETRY, --rotate DEGREES, --flip h|v, --watermark-text TEXT or\n"
               "--watermark-image FILE (each followed by its --watermark-* settings when "
               "wished).\n\n"
               "Converts pictures into one format in one folder, with the steps applied to each "
               "in\n"
               "the order given; a value that cannot work is refused before any file is written.\n"
               "Each target is FOLDER/NAME.FORMAT, where NAME is the part of the file's name\n"
               "before its last dot (the whole name when it has none); --rename names it by a\n"
               "pattern instead, and --beside puts it into the file's own folder. Files that give\n"
               "the same name are all kept: the second becomes \"NAME (2).FORMAT\", and so on, in\n"
               "the order given. A file given is never replaced by its own conversion unless\n"
               "--if-exists=overwrite is said. Files are converted in parallel, one per core "
               "unless\n"
               "--jobs says otherwise. A file that fails does not stop the others; the exit "
               "status\n"
               "is 1 when any failed. Stopped by SIGINT, SIGTERM or SIGHUP, it finishes the files\n"
               "in hand, starts no more and ends with 128 plus the signal's number.\n\n"
               "Options:\n")
        << OptionsText() << "\n"
        << FormatsText() << QCoreApplication::translate("ConvertOptions", "\nEffects:\n");
    for (const EffectDescriptor &effect : Effects()) {
        out << "  " << QString::fromUtf8(effect.command.data(), effect.command.size());
        QStringList names;
        for (const EffectArgument &a : effect.arguments)
            names << QString::fromUtf8(a.name.data(), a.name.size());
        if (!names.isEmpty())
            out << '=' << names.join(QLatin1Char(','));
        out << "\n      " << EffectText(effect.meaning) << '\n';
        for (const EffectArgument &a : effect.arguments)
            out << "      " << QString::fromUtf8(a.name.data(), a.name.size()) << ": "
                << rangeText(a) << QCoreApplication::translate("ConvertOptions", ", default ")
                << ArgumentText(a, a.defaultValue) << " - " << EffectText(a.meaning) << '\n';
    }
    return text;
}

} // namespace lumaskin
