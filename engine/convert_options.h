#pragma once

#include "engine/batch_conversion.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace lumaskin {

// The command line of lumaskin-convert:
//   lumaskin-convert -f FORMAT (-o FOLDER | --beside) [STEP]... [--quality Q] [--strip]
//                    [--no-auto-orient] [--jobs N] [--if-exists=overwrite|skip|rename] [-r]
//                    [--parents] [--rename PATTERN] [--files-from LIST [-0]] [--list] FILE...
// where the steps (--effect, --resize with --filter, --crop, --rotate, --flip) are applied in
// the order given.
struct ConvertOptions
{
    ConversionRequest request;
    // --filter: the filter of the --resize options after it; `filterFollowed` tells whether
    // one came after the last --filter.
    std::optional<ResizeFilter> filter;
    bool filterFollowed = true;
    QStringList fileLists; // --files-from, in order; their files follow those named
    bool nul = false;      // lists read and written with NUL separators
    bool recursive = false;
    bool parents = false;
    bool listOnly = false; // print the pictures the sources give, convert nothing
    bool help = false;
    bool version = false;
    // --save-preset: where the options given are kept as a preset; nothing is converted unless
    // files are named too.
    QString savePreset;
    // Every option given that describes the batch (not --help, --list, --preset and the like),
    // in order, by its long name without "--", with its value ("yes" for a switch): what
    // --save-preset writes.
    std::vector<std::pair<QString, QString>> given;
};

// Parses the arguments (without the program name). On a mistake returns nothing and sets
// *error to one line saying what is wrong.
std::optional<ConvertOptions> ParseConvertOptions(const QStringList &arguments, QString *error);

// The options of a preset's lines (see preset_file.h), as --preset takes them. Nothing, with a
// plain reason naming the file and the line, for an option unknown or not for presets, or a
// value the option refuses. Files and folders are not checked.
std::optional<ConvertOptions> ConvertOptionsFromPreset(const QString &file, QString *error);
// The same from a preset's text, `file` naming it in reasons.
std::optional<ConvertOptions> ConvertOptionsFromPresetText(const QByteArray &text,
                                                           const QString &file, QString *error);

// The options, by long name without "--", and values that ask lumaskin-convert for what
// `request` asks (its sources and its policy for existing targets left out): what a preset
// keeps of a batch.
std::vector<std::pair<QString, QString>> RequestOptions(const ConversionRequest &request);
// The lumaskin-convert command that writes what `request` writes, every word quoted for a POSIX
// shell where it needs to be.
QString ConvertCommand(const ConversionRequest &request);
// `word` as one word of a POSIX shell command.
QString ShellQuoted(const QString &word);

// The --help text, listing every option, every format and every effect with its arguments.
QString ConvertHelpText();

} // namespace lumaskin
