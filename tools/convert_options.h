#pragma once

#include "engine/batch_conversion.h"

#include <QString>
#include <QStringList>
#include <optional>

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
};

// Parses the arguments (without the program name). On a mistake returns nothing and sets
// *error to one line saying what is wrong.
std::optional<ConvertOptions> ParseConvertOptions(const QStringList &arguments, QString *error);

// The --help text, listing every option, every format and every effect with its arguments.
QString ConvertHelpText();

} // namespace lumaskin
