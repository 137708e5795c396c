#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace lumaskin {

// A preset: a batch's settings kept as a small text file, in lumaskin-convert's own words.
//
//   lumaskin-preset 1
//   # what the batch is for
//   format = jpg
//   quality = 85
//   resize = 2048x2048>
//   watermark = text=(c) Me;size=4%;opacity=50
//   strip = yes
//
// The first line names the format and its version. Every other line is blank, a comment
// starting with '#', or `option = value`: a long option of lumaskin-convert without its
// leading "--", and its value (blanks around it are dropped; a switch takes "yes" or "no").
// Lines apply in order, as the options would on the command line.
inline constexpr int kPresetVersion = 1;

struct PresetLine
{
    int line = 0; // from 1
    QString option;
    QString value;
};

// The lines of a preset's text. Nothing, with a plain reason naming `file` and the line, when
// the first line is not a preset's, its version is newer than this program reads, or a line is
// not `option = value`.
std::optional<std::vector<PresetLine>> ParsePreset(const QByteArray &text, const QString &file,
                                                   QString *error);
// Reads and parses the preset `file`, as ParsePreset does.
std::optional<std::vector<PresetLine>> ReadPreset(const QString &file, QString *error);

// The text of a preset of those options and values, in order.
QByteArray PresetText(const std::vector<std::pair<QString, QString>> &options);
// Writes the preset (to a temporary file renamed into place). False, with a plain reason naming
// the file, when it cannot be written.
bool WritePreset(const QString &file, const std::vector<std::pair<QString, QString>> &options,
                 QString *error);

// The folder of the user's presets: "presets" in the program's data folder
// ($XDG_DATA_HOME/Lumaskin/presets).
QString PresetFolder();
// The file a preset's name stands for: the name itself when it names a path (holds a '/' or
// names an existing file), else NAME.preset in PresetFolder().
QString PresetPath(const QString &name);

} // namespace lumaskin
