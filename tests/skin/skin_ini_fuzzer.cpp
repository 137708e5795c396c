// Feeds arbitrary bytes to the INI parser and every entry parser: none may crash, hang or
// read out of bounds, whatever a skin package holds.
#include "skin/ini_document.h"
#include "skin/skin_entries.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumaskin;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const IniDocument document = IniDocument::Parse(text);
    for (const IniDocument::Section &section : document.Sections()) {
        for (const auto &[key, value] : section.keys) {
            (void)ButtonEntry::Parse(value);
            (void)OptionEntry::Parse(value);
            (void)SliderEntry::Parse(value);
            (void)LabelEntry::Parse(value);
            (void)ProgressEntry::Parse(value);
            (void)EditBoxEntry::Parse(value);
            (void)ListBoxEntry::Parse(value);
            (void)ComboBoxEntry::Parse(value);
            (void)IconEntry::Parse(value);
        }
    }
    return 0;
}
