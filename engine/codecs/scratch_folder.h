#pragma once

#include <string>

namespace lumaskin {

// A private folder for the temporary files of the libraries the codecs use (ImageMagick keeps
// the pixels of large pictures in files). Made on first use as lumaskin-scratch-PID-XXXXXX in
// the system's temporary folder, readable by the user alone; emptied and removed when the
// program exits and when it is ended by SIGINT, SIGTERM or SIGHUP (where nothing else handles
// those). Folders left by processes that were killed outright are removed when the next one is
// made, and by RemoveAbandonedScratchFolders. Empty when no folder could be made.
const std::string &ScratchFolder();

// Removes the scratch folders of this user's processes that were killed outright, once per
// process: called as a batch starts, whether or not it comes to need a folder of its own.
void RemoveAbandonedScratchFolders();

} // namespace lumaskin
