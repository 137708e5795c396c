#pragma once

#include <QString>
#include <string>
#include <vector>

namespace lumaskin::skingen {

// One file to store: its name in the archive and its bytes.
struct ZipItem
{
    std::string name;
    std::string bytes;
};

// Writes a ZIP archive whose bytes depend only on the items: entries in the order given,
// deflated, all with one fixed time stamp (1 January 2024, 00:00) and the permissions
// rw-r--r--, and no extra fields (which would carry access times or owners). False with
// `error` set when an entry cannot be compressed or the file cannot be written.
bool WriteZip(const std::vector<ZipItem> &items, const QString &path, QString &error);

// Packs every file at the top level of `folder`, sorted by name, into `path`.
bool PackFolder(const QString &folder, const QString &path, QString &error);

} // namespace lumaskin::skingen
