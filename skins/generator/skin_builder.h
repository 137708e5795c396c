#pragma once

#include "skins/generator/theme.h"

#include <QImage>
#include <QString>
#include <map>
#include <string>

namespace lumaskin::skingen {

// "btnAdd.bmp" -> "btnAdd@2x.bmp": the name of a bitmap's twice-as-large companion.
std::string HiDpiFileName(const std::string &file);

// Everything one package holds: its Skin.ini and its bitmaps by file name, each with its
// "@2x" companion.
struct SkinContents
{
    std::string ini;
    std::map<std::string, QImage> bitmaps;
};

// Paints every bitmap of the theme's skin and writes its description. Empty `error` on
// success; otherwise what is wrong with the layout (a text with a comma, say).
SkinContents BuildSkin(const Theme &theme, QString &error);

// Writes the contents into `folder` (created if missing; files of an earlier run that are
// not part of the skin are removed), every file readable by all and writable by the owner,
// so that the packed archive does not depend on the umask. False with `error` on failure.
bool WriteSkin(const SkinContents &contents, const QString &folder, QString &error);

} // namespace lumaskin::skingen
