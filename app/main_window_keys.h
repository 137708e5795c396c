#pragma once

#include <QKeySequence>
#include <QString>
#include <span>
#include <string>

namespace lumaskin {

class MainDialog;

// A key of the main window and the command it gives: the name of the skin button whose
// action it runs, or kSkinMenuCommand.
struct WindowKey
{
    QKeySequence keys;
    const char *command;
};

// Opens the skin menu, which no button does.
inline constexpr char kSkinMenuCommand[] = "SKIN_MENU";

// Every key of the main window, the first key of each command the one its tooltip shows.
std::span<const WindowKey> WindowKeys();

// The text of the first key that gives `command` ("Ctrl+S"), empty when none does.
QString KeyTextFor(const std::string &command);

// Binds every key of WindowKeys() to the window: each does what its button does, through the
// command table, so a running conversion refuses what it refuses there.
void InstallMainWindowKeys(MainDialog &dialog);

} // namespace lumaskin
