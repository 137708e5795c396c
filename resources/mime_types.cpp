// lumaskin-mime-types FILE: writes the MIME type of every format Lumaskin reads into FILE, one a
// line, for the desktop entry and the AppStream metainfo that the build makes.
#include "engine/formats.h"

#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: lumaskin-mime-types FILE\n", stderr);
        return 2;
    }
    QStringList types;
    for (const lumaskin::Format &format : lumaskin::Formats())
        types << format.mimeTypes;
    types.removeDuplicates();
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write((types.join(u'\n') + u'\n').toUtf8()) < 0) {
        std::fprintf(stderr, "lumaskin-mime-types: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
