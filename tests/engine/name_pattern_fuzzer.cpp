// Name patterns from arbitrary bytes: every refusal says why, and every name a pattern gives,
// for ordinary and awkward files alike, stays inside the folder it goes into.
#include "engine/file_name.h"
#include "engine/name_pattern.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumaskin;
    QString error;
    const std::optional<NamePattern> pattern = NamePattern::Parse(
        FileNameFromNative(QByteArrayView(data, static_cast<qsizetype>(size))), &error);
    if (!pattern) {
        if (error.isEmpty())
            __builtin_trap();
        return 0;
    }
    NameFields ordinary;
    ordinary.name = QStringLiteral("photo");
    ordinary.ext = QStringLiteral("jpg");
    ordinary.folder = QStringLiteral("pictures");
    ordinary.place = 12;
    ordinary.date = QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59));
    ordinary.size = QSize(640, 480);
    NameFields awkward;
    awkward.name = QStringLiteral("..");
    awkward.place = 1;
    awkward.size = QSize(1, 1);
    for (const NameFields &fields : {ordinary, awkward}) {
        error.clear();
        const std::optional<QString> name = pattern->Expand(fields, &error);
        if (!name) {
            if (error.isEmpty())
                __builtin_trap();
            continue;
        }
        const QStringList parts = name->split(u'/');
        for (qsizetype i = 0; i < parts.size(); ++i)
            if (parts[i].isEmpty() ||
                (i + 1 < parts.size() && (parts[i] == u'.' || parts[i] == QLatin1String(".."))))
                __builtin_trap();
    }
    return 0;
}
