#pragma once

#include <QString>

namespace lumaskin {

// The buttons and icon of a message box, with the values the program's dialogues are
// written in terms of.
enum class MessageButtons
{
    Ok,
    YesNo,
    YesNoDefaultNo, // a question whose safe answer is No
    // What to do with files that exist already: Overwrite, Skip, KeepBoth or Cancel.
    OverwriteSkipKeepBoth,
    // A report of files written: Ok, or open the folder they are in.
    OkOpenFolder,
};
enum class MessageIcon
{
    None,
    Stop
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Overwrite,
    Skip,
    KeepBoth,
    Cancel,
    OpenFolder
};

// Everything that asks the user a question goes through this interface, so that tests can
// answer in place of a person. The application makes one and hands it to every window by
// reference.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon icon) = 0;
};

// Modal QMessageBox titled with the program's name, over the window the user is working in;
// a stop icon is Qt's critical icon.
class QtMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon icon) override;
};

// The program's name, used as the title of every message box.
QString ProgramName();

} // namespace lumaskin
