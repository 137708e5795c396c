#pragma once

#include "engine/batch_conversion.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lumaskin {

// The command line of lumaskin-convert:
//   lumaskin-convert -f FORMAT -o FOLDER [--effect NAME[=ARGS]]... [--quality Q] [--strip]
//                    [--jobs N] [--if-exists=overwrite|skip|rename] [-r] [--parents]
//                    [--files-from LIST [-0]] [--list] FILE...
struct ConvertOptions
{
    ConversionRequest request;
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
