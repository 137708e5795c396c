// Presets from arbitrary bytes: every refusal says why, and every preset read writes itself out
// as a preset that reads back to the same options.
#include "engine/convert_options.h"
#include "engine/preset_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumaskin;
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<ConvertOptions> options =
        ConvertOptionsFromPresetText(text, QStringLiteral("fuzz.preset"), &error);
    if (!options) {
        if (error.isEmpty())
            __builtin_trap();
        return 0;
    }
    const std::optional<ConvertOptions> again =
        ConvertOptionsFromPresetText(PresetText(options->given), QStringLiteral("again"), &error);
    if (!again || again->given != options->given)
        __builtin_trap();
    return 0;
}
