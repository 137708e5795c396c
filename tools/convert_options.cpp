#include "tools/convert_options.h"

#include "engine/formats.h"
#include "engine/image_io.h"

#include <QTextStream>
#include <cmath>
#include <optional>
#include <utility>

namespace lumaskin {

namespace {

bool parseNumber(const QString &text, ArgumentKind kind, double *value)
{
    bool ok = false;
    const QString t = text.trimmed();
    if (kind == ArgumentKind::Colour && t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = static_cast<double>(t.mid(2).toULongLong(&ok, 16));
    else
        *value = t.toDouble(&ok);
    return ok;
}

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

// Whole numbers in full ("4194304", not "4.1943e+06"), others as they are.
QString numberText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    return QString::number(value, 'g', 10);
}

QString defaultText(const EffectArgument &a)
{
    // Colours read best the way they are written on the command line.
    if (a.kind == ArgumentKind::Colour)
        return QStringLiteral("0x") + QString::number(static_cast<qulonglong>(a.defaultValue), 16)
                                          .toUpper()
                                          .rightJustified(6, u'0');
    return numberText(a.defaultValue);
}

// "a, b and c".
QString SpokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
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
    return QStringLiteral("Formats written: ") + WritableFormats().join(u' ') + u'\n' +
           Wrapped(QStringLiteral("Formats read: %1 (first frame or page), recognised by content.")
                       .arg(SpokenList(titles)),
                   QStringLiteral("  ")) +
           Wrapped(QStringLiteral("%1 keep the EXIF, XMP and colour profile of the source (pixels "
                                  "are written upright, so the EXIF orientation becomes 1); the "
                                  "other formats get the colours converted to sRGB.")
                       .arg(SpokenList(keeping)));
}

QString rangeText(const EffectArgument &a)
{
    if (a.kind == ArgumentKind::Colour)
        return QStringLiteral("0x000000..0xFFFFFF (0x00BBGGRR)");
    return numberText(a.minimum) + QStringLiteral("..") + numberText(a.maximum);
}

} // namespace

std::optional<EffectStep> ParseEffectOption(const QString &text, QString *error)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    const QString name = (eq < 0 ? text : text.left(eq)).trimmed();
    const EffectDescriptor *effect = FindEffect(name.toStdString());
    if (!effect) {
        *error = QStringLiteral("unknown effect \"%1\" (see --help)").arg(name);
        return std::nullopt;
    }
    EffectStep step{effect, {}};
    if (eq < 0)
        return step;
    const QStringList values = text.mid(eq + 1).split(QLatin1Char(','));
    if (values.size() > static_cast<qsizetype>(effect->arguments.size())) {
        *error = QStringLiteral("%1 takes %2 argument(s), %3 given")
                     .arg(name)
                     .arg(effect->arguments.size())
                     .arg(values.size());
        return std::nullopt;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const EffectArgument &argument = effect->arguments[static_cast<std::size_t>(i)];
        double value = 0;
        if (!parseNumber(values[i], argument.kind, &value)) {
            *error = QStringLiteral("%1: \"%2\" is not a number for %3")
                         .arg(name, values[i],
                              QString::fromUtf8(argument.name.data(), argument.name.size()));
            return std::nullopt;
        }
        step.arguments.push_back(value);
    }
    return step;
}

std::optional<ConvertOptions> ParseConvertOptions(const QStringList &arguments, QString *error)
{
    ConvertOptions options;
    ConversionRequest &request = options.request;
    // A long option's value may follow it as the next argument or after "=" in the same one.
    std::optional<QString> inlineValue;
    const auto value = [&](qsizetype &i, const QString &option) -> std::optional<QString> {
        if (inlineValue)
            return std::exchange(inlineValue, std::nullopt);
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("%1 needs a value").arg(option);
            return std::nullopt;
        }
        return arguments[++i];
    };
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString a = arguments[i];
        if (!onlyFiles && a.startsWith(QLatin1String("--")) && a.contains(u'=')) {
            inlineValue = a.mid(a.indexOf(u'=') + 1);
            a.truncate(a.indexOf(u'='));
        }
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            request.sources << a;
        } else if (a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            options.help = true;
        } else if (a == QLatin1String("--version")) {
            options.version = true;
        } else if (a == QLatin1String("-f") || a == QLatin1String("--format")) {
            auto v = value(i, a);
            if (!v)
                return std::nullopt;
            request.format = v->toLower();
        } else if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            auto v = value(i, a);
            if (!v)
                return std::nullopt;
            request.folder = *v;
        } else if (a == QLatin1String("-e") || a == QLatin1String("--effect")) {
            auto v = value(i, a);
            if (!v)
                return std::nullopt;
            auto step = ParseEffectOption(*v, error);
            if (!step)
                return std::nullopt;
            request.steps.push_back(std::move(*step));
        } else if (a == QLatin1String("-q") || a == QLatin1String("--quality")) {
            auto v = value(i, a);
            if (!v)
                return std::nullopt;
            bool ok = false;
            request.write.quality = v->toInt(&ok);
            if (!ok || request.write.quality < 1 || request.write.quality > 100) {
                *error = QStringLiteral("--quality needs a whole number from 1 to 100");
                return std::nullopt;
            }
        } else if (a == QLatin1String("--strip")) {
            request.write.stripMetadata = true;
        } else if (a == QLatin1String("--if-exists")) {
            const std::optional<QString> v = value(i, a);
            if (!v)
                return std::nullopt;
            const std::optional<IfExists> policy = parseIfExists(*v);
            if (!policy) {
                *error = QStringLiteral("--if-exists takes overwrite, skip or rename, not \"%1\"")
                             .arg(*v);
                return std::nullopt;
            }
            request.ifExists = *policy;
            // Asked for by name, overwriting also replaces a source that is its own target.
            request.overwriteSources = *policy == IfExists::Overwrite;
        } else if (a == QLatin1String("--files-from")) {
            const std::optional<QString> v = value(i, a);
            if (!v)
                return std::nullopt;
            if (v->isEmpty()) {
                *error = QStringLiteral("--files-from needs a file, or - for standard input");
                return std::nullopt;
            }
            options.fileLists << *v;
        } else if (a == QLatin1String("-0") || a == QLatin1String("--null")) {
            options.nul = true;
        } else if (a == QLatin1String("-r") || a == QLatin1String("--recursive")) {
            options.recursive = true;
        } else if (a == QLatin1String("--parents")) {
            options.parents = true;
        } else if (a == QLatin1String("--list")) {
            options.listOnly = true;
        } else if (a == QLatin1String("-j") || a == QLatin1String("--jobs")) {
            auto v = value(i, a);
            if (!v)
                return std::nullopt;
            bool ok = false;
            request.jobs = v->toInt(&ok);
            if (!ok || request.jobs < 1) {
                *error = QStringLiteral("--jobs needs a whole number of at least 1");
                return std::nullopt;
            }
        } else {
            *error = QStringLiteral("unknown option %1 (see --help)").arg(a);
            return std::nullopt;
        }
        if (inlineValue) {
            *error = QStringLiteral("%1 takes no value").arg(a);
            return std::nullopt;
        }
    }
    if (options.help || options.version)
        return options;
    const bool noSources = request.sources.isEmpty() && options.fileLists.isEmpty();
    if (options.listOnly && !noSources)
        return options;
    if (request.format.isEmpty() && !options.listOnly) {
        *error = QStringLiteral("choose an output format with -f (see --help)");
        return std::nullopt;
    }
    if (!request.format.isEmpty() && !WritableFormats().contains(request.format)) {
        *error = QStringLiteral("cannot write the format \"%1\"; choose one of: %2")
                     .arg(request.format, WritableFormats().join(QLatin1Char(' ')));
        return std::nullopt;
    }
    if (request.folder.isEmpty() && !options.listOnly) {
        *error = QStringLiteral("choose an output folder with -o");
        return std::nullopt;
    }
    if (noSources) {
        *error = QStringLiteral("name at least one picture to convert");
        return std::nullopt;
    }
    return options;
}

QString ConvertHelpText()
{
    QString text;
    QTextStream out(&text);
    out << "Usage: lumaskin-convert -f FORMAT -o FOLDER [--effect NAME[=ARGS]]... [--quality Q]\n"
           "                        [--strip] [--jobs N] [--if-exists=overwrite|skip|rename]\n"
           "                        [-r] [--parents] [--files-from LIST [-0]] FILE...\n"
           "       lumaskin-convert --list [-r] [--files-from LIST] [-0] FILE...\n\n"
           "Converts pictures into one format in one folder, with effects applied in the order\n"
           "given. Each target is FOLDER/NAME.FORMAT, where NAME is the part of the file's name\n"
           "before its last dot (the whole name when it has none). Files that give the same\n"
           "name are all kept: the second becomes \"NAME (2).FORMAT\", and so on, in the order\n"
           "given. A file given is never replaced by its own conversion unless\n"
           "--if-exists=overwrite is said. Files are converted in parallel, one per core unless\n"
           "--jobs says otherwise. A file that fails does not stop the others; the exit status\n"
           "is 1 when any failed. Stopped by SIGINT, SIGTERM or SIGHUP, it finishes the files\n"
           "in hand, starts no more and ends with 128 plus the signal's number.\n\n"
           "Options:\n"
           "  -f, --format FORMAT   output format\n"
           "  -o, --output FOLDER   output folder (must exist)\n"
           "  -e, --effect NAME[=A,B,...]\n"
           "                        apply an effect; arguments comma-separated, missing ones\n"
           "                        take their default, out-of-range ones are clamped\n"
           "  -q, --quality Q       1 to 100 for jpg, webp and avif (default 90); webp and\n"
           "                        avif are lossless at 100\n"
           "      --strip           leave out EXIF, XMP and the colour profile, and convert\n"
           "                        pictures in other colour spaces to sRGB\n"
           "  --if-exists=overwrite|skip|rename\n"
           "                        a target that exists already is replaced (the default),\n"
           "                        left alone, or kept with the new file written as\n"
           "                        \"NAME (2).FORMAT\"; overwrite said here also replaces\n"
           "                        a file given that is its own target; skip makes a rerun of\n"
           "                        a stopped or split batch do only what is missing\n"
           "  -j, --jobs N          files converted at once (at most one per core, and\n"
           "                        fewer when memory is short)\n"
           "  -r, --recursive       a folder given stands for the pictures in it and in all its\n"
           "                        sub-folders (recognised by content; hidden files and links\n"
           "                        inside are left out), and its sub-folders are made again\n"
           "                        under FOLDER: DIR/a/b.jpg goes to FOLDER/a/b.FORMAT\n"
           "      --parents         a file keeps the folder part of its name under FOLDER:\n"
           "                        a/b.jpg goes to FOLDER/a/b.FORMAT (\"..\" is refused)\n"
           "                        With -r or --parents, pictures of one folder that give the\n"
           "                        same name are numbered in the byte order of their names,\n"
           "                        whichever of them a run is given, so split runs agree.\n"
           "      --files-from LIST take the files named in LIST, one a line (blank lines\n"
           "                        left out), after those on the command line; - reads\n"
           "                        standard input\n"
           "  -0, --null            names in LIST, and those --list prints, end with a NUL\n"
           "                        byte instead of a line break\n"
           "      --list            print the pictures the files and folders given stand for,\n"
           "                        one a line, and convert nothing\n"
           "  -h, --help            this text\n"
           "      --version         the program's version\n\n"
        << FormatsText() << "\nEffects:\n";
    for (const EffectDescriptor &effect : Effects()) {
        out << "  " << QString::fromUtf8(effect.command.data(), effect.command.size());
        QStringList names;
        for (const EffectArgument &a : effect.arguments)
            names << QString::fromUtf8(a.name.data(), a.name.size());
        if (!names.isEmpty())
            out << '=' << names.join(QLatin1Char(','));
        out << "\n      " << QString::fromUtf8(effect.meaning.data(), effect.meaning.size())
            << '\n';
        for (const EffectArgument &a : effect.arguments)
            out << "      " << QString::fromUtf8(a.name.data(), a.name.size()) << ": "
                << rangeText(a) << ", default " << defaultText(a) << " - "
                << QString::fromUtf8(a.meaning.data(), a.meaning.size()) << '\n';
    }
    return text;
}

} // namespace lumaskin
