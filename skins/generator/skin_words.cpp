#include "skins/generator/skin_words.h"

#include "skins/generator/skin_layout.h"

#include <algorithm>

namespace lumaskin::skingen {

namespace {

bool HasLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// A C++ string literal holding `text` in UTF-8.
std::string Literal(const QString &text)
{
    std::string literal = "\"";
    for (const char c : text.toStdString()) {
        if (c == '"' || c == '\\')
            literal += '\\';
        literal += c;
    }
    return literal + '"';
}

} // namespace

std::vector<QString> BundledSkinWords()
{
    std::vector<QString> words;
    const auto add = [&](const QString &text) {
        if (HasLetter(text))
            words.push_back(text);
    };
    for (const LayoutKind kind : {LayoutKind::Standard, LayoutKind::Deluxe}) {
        const SkinLayout layout = MakeLayout(kind);
        for (const ButtonSpec &b : layout.buttons) {
            add(b.text);
            add(b.tooltip);
        }
        for (const ToggleSpec &t : layout.toggles) {
            add(t.text);
            add(t.tooltip);
        }
        for (const LabelSpec &l : layout.labels)
            add(l.text);
        for (const SliderSpec &s : layout.sliders)
            add(s.tooltip);
    }
    add(MakeNotifierLayout().close.tooltip);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

std::string SkinWordsSource()
{
    std::string source =
        "// The words of the bundled skins, for the translation catalogue: the program shows the\n"
        "// labels, tooltips and button captions of a skin through translation in context "
        "\"Skin\".\n"
        "// Written by `lumaskin-skingen --words skins/skin_words.h`; a test checks it against "
        "the skins.\n"
        "#pragma once\n\n#include <QtGlobal>\n\nnamespace lumaskin {\n\n"
        "inline constexpr const char *kBundledSkinWords[] = {\n";
    for (const QString &word : BundledSkinWords())
        source += "    QT_TRANSLATE_NOOP(\"Skin\", " + Literal(word) + "),\n";
    return source + "};\n\n} // namespace lumaskin\n";
}

} // namespace lumaskin::skingen
