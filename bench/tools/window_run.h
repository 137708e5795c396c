#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin::bench {

struct WindowRunOptions
{
    QString skinsFolder;  // holds Purple.skn
    QStringList sources;  // the files added to the window's list
    QString outputFolder; // must exist and be empty
    int saturation = 150;
    int contrast = 120;
    int jobs = 0; // as the window converts: 0 = one file per core
    int width = 4000, height = 3000;
};

// Converts `sources` to PNG through the main window as a user does it, headless: adds them
// with the Add button, picks PNG in the format list, marks saturation and contrast in the
// first effect window, clicks Convert and waits for the report, sampling the resident set
// after every file the window reports. Then checks that every target is a whole PNG of the
// photo's size and prints the time and the memory trend. Returns the process's exit code.
int RunThroughWindow(const WindowRunOptions &options);

} // namespace lumaskin::bench
