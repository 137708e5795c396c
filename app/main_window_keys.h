#pragma once

namespace lumaskin {

class MainDialog;

// The main window's keys, each doing what its button does: Ctrl+O adds pictures, Delete
// removes the selected row, Ctrl+Q and Ctrl+W close the window, Ctrl+T opens the Steps window.
void InstallMainWindowKeys(MainDialog &dialog);

} // namespace lumaskin
