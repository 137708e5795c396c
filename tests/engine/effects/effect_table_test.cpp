// The table, and the rules every effect keeps: neutral values are neutral, alpha is never
// touched, results do not depend on threads, and no argument crashes or hangs.

#include "engine/effects/effect_table.h"
#include "engine/parallel.h"
#include "tests/engine/effects/effect_test_support.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace lumaskin::test {
namespace {

std::vector<double> Defaults(const EffectDescriptor &effect)
{
    std::vector<double> values;
    for (const EffectArgument &argument : effect.arguments)
        values.push_back(argument.defaultValue);
    return values;
}

// Arguments that make every effect do something visible.
std::vector<double> Working(const EffectDescriptor &effect)
{
    static const std::map<std::string_view, std::vector<double>> values = {
        {"AdjustRGB", {30, -20, 10}},
        {"Contrast", {150}},
        {"Gamma", {1.8}},
        {"Hue", {0, 0, 127}},
        {"Saturation", {180}},
        {"Lightness", {80, 120, 100}},
        {"AntiNoise", {2}},
        {"Diffuse", {4}},
        {"Emboss", {3, 5}},
        {"FocalBW", {5, 15, 10, 40}},
        {"Monochrome", {100, 0xFFFFFF, 0}},
        {"Mosaic", {1, 4}},
        {"Noise", {60, 1}},
        {"SharpenEdge", {300}},
        {"Twirl", {200}},
        {"Median", {5}},
    };
    if (const auto found = values.find(effect.operation); found != values.end())
        return found->second;
    // Otherwise every argument that has a neutral value a quarter of the way from it to the far
    // end of its range.
    std::vector<double> arguments = Defaults(effect);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const EffectArgument &a = effect.arguments[i];
        if (a.neutral) {
            const double far =
                a.maximum - *a.neutral >= *a.neutral - a.minimum ? a.maximum : a.minimum;
            arguments[i] = *a.neutral + (far - *a.neutral) / 4;
        }
    }
    return arguments;
}

TEST(EffectTable, ListsEveryEffectOnceAndKeepsTheDispatchIds)
{
    // The automation surface's identifiers of the effects that have one never change.
    const std::map<std::string_view, int> kept = {
        {"InvertColor", 115}, {"AdjustRGB", 117},  {"Contrast", 118},  {"Saturation", 119},
        {"Hue", 120},         {"Gamma", 121},      {"Lightness", 122}, {"Desaturate", 123},
        {"Sharpen", 124},     {"AntiNoise", 125},  {"Diffuse", 126},   {"Emboss", 127},
        {"Mosaic", 128},      {"Monochrome", 129}, {"FocalBW", 130},   {"SharpenEdge", 131},
        {"Twirl", 132},       {"Noise", 133},      {"Median", 191},    {"Blur", 192},
    };
    for (const auto &[operation, id] : kept) {
        const EffectDescriptor *effect = FindEffect(operation);
        ASSERT_NE(effect, nullptr) << operation;
        EXPECT_EQ(effect->dispatchId, DispatchId{id}) << operation;
    }
    std::set<int> ids;
    std::set<std::string_view> commands;
    for (const EffectDescriptor &effect : Effects()) {
        if (effect.dispatchId) {
            EXPECT_TRUE(ids.insert(static_cast<int>(*effect.dispatchId)).second)
                << effect.operation;
            EXPECT_EQ(FindEffectByDispatchId(*effect.dispatchId), &effect);
        }
        EXPECT_TRUE(commands.insert(effect.command).second) << effect.command;
        std::string lower(effect.operation);
        for (char &c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(effect.command, lower);
        EXPECT_FALSE(effect.meaning.empty());
        EXPECT_NE(effect.run, nullptr);
        EXPECT_LE(effect.arguments.size(), EffectDescriptor::kMaxArguments);
        EXPECT_EQ(FindEffect(effect.operation), &effect);
        EXPECT_EQ(FindEffect(lower), &effect);
        std::set<std::string_view> names;
        for (const EffectArgument &argument : effect.arguments) {
            EXPECT_TRUE(names.insert(argument.name).second) << effect.operation;
            EXPECT_LT(argument.minimum, argument.maximum);
            EXPECT_GE(argument.defaultValue, argument.minimum);
            EXPECT_LE(argument.defaultValue, argument.maximum);
            if (argument.neutral) {
                EXPECT_GE(*argument.neutral, argument.minimum);
                EXPECT_LE(*argument.neutral, argument.maximum);
            }
            EXPECT_FALSE(argument.meaning.empty());
        }
    }
    EXPECT_EQ(FindEffect("TWIRL")->dispatchId, DispatchId{132});
    EXPECT_EQ(FindEffect("brightness"), nullptr);
    EXPECT_EQ(FindEffectByDispatchId(DispatchId{116}), nullptr);
}

TEST(EffectTable, ClampsRoundsAndFillsInArguments)
{
    const EffectDescriptor &adjust = *FindEffect("AdjustRGB");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> given = {300.0, nan};
    const auto clamped = adjust.ClampArguments(given);
    EXPECT_EQ(clamped[0], 255);
    EXPECT_EQ(clamped[1], 0); // not a number: the default
    EXPECT_EQ(clamped[2], 0); // missing: the default
    const std::vector<double> fractions = {2.6, -inf, 7};
    EXPECT_EQ(adjust.ClampArguments(fractions)[0], 3);
    EXPECT_EQ(adjust.ClampArguments(fractions)[1], -255);
    const std::vector<double> gamma = {0.001};
    EXPECT_EQ(FindEffect("gamma")->ClampArguments(gamma)[0], 0.01);
    const std::vector<double> fraction = {2.25};
    EXPECT_EQ(FindEffect("gamma")->ClampArguments(fraction)[0], 2.25);
    const std::vector<double> colour = {128, -1, 1e12};
    EXPECT_EQ(FindEffect("monochrome")->ClampArguments(colour)[1], 0);
    EXPECT_EQ(FindEffect("monochrome")->ClampArguments(colour)[2], 0xFFFFFF);

    const std::vector<double> neutral = {0, 0, 0};
    EXPECT_TRUE(adjust.IsNeutral(neutral));
    EXPECT_TRUE(adjust.IsNeutral({}));
    const std::vector<double> notNeutral = {0, 1, 0};
    EXPECT_FALSE(adjust.IsNeutral(notNeutral));
    EXPECT_FALSE(FindEffect("blur")->IsNeutral({}));
    EXPECT_FALSE(FindEffect("emboss")->IsNeutral({}));
}

TEST(EffectTable, NeutralValuesLeaveThePictureAlone)
{
    const Image original = RandomImage(33, 17, 31);
    int checked = 0;
    for (const EffectDescriptor &effect : Effects()) {
        std::vector<double> arguments = Defaults(effect);
        bool hasNeutral = false;
        for (std::size_t i = 0; i < arguments.size(); ++i)
            if (effect.arguments[i].neutral) {
                arguments[i] = *effect.arguments[i].neutral;
                hasNeutral = true;
            }
        if (!hasNeutral)
            continue;
        ASSERT_TRUE(effect.IsNeutral(arguments)) << effect.operation;
        // Arguments without a neutral value take every value they may have.
        std::vector<std::vector<double>> variants = {arguments};
        for (std::size_t i = 0; i < arguments.size(); ++i)
            if (!effect.arguments[i].neutral)
                for (double v : {effect.arguments[i].minimum, effect.arguments[i].maximum}) {
                    variants.push_back(arguments);
                    variants.back()[i] = v;
                }
        for (const auto &variant : variants) {
            Image image = original.Clone();
            effect.Apply(image, variant);
            EXPECT_TRUE(image == original) << effect.operation;
        }
        ++checked;
    }
    EXPECT_GE(checked, 12);
    // Every grey is without hue.
    Image image = original.Clone();
    ApplyEffect(image, "hue", 77, 77, 77);
    EXPECT_TRUE(image == original);
}

TEST(EffectTable, EveryEffectKeepsAlpha)
{
    const Image original = RandomImage(33, 17, 32);
    for (const EffectDescriptor &effect : Effects()) {
        for (const auto &arguments : {Defaults(effect), Working(effect)}) {
            Image image = original.Clone();
            effect.Apply(image, arguments);
            EXPECT_TRUE(SameAlpha(image, original)) << effect.operation;
        }
    }
}

TEST(EffectTable, ResultsDoNotDependOnThreadsOrRuns)
{
    // Odd sizes, tall enough for several chunks of rows, and more workers than most machines
    // have cores, so that every effect's bands meet at several seams.
    const Image original = PhotoLikeImage(61, 701);
    for (const EffectDescriptor &effect : Effects()) {
        const std::vector<double> arguments = Working(effect);
        Image first = original.Clone();
        effect.Apply(first, arguments);
        Image second = original.Clone();
        effect.Apply(second, arguments);
        Image single = original.Clone();
        {
            ParallelismLimit limit(1);
            effect.Apply(single, arguments);
        }
        Image many = original.Clone();
        {
            ParallelismLimit limit(7);
            effect.Apply(many, arguments);
        }
        EXPECT_TRUE(first == second) << effect.operation;
        EXPECT_TRUE(first == single) << effect.operation;
        EXPECT_TRUE(many == single) << effect.operation;
        EXPECT_FALSE(first == original) << effect.operation << " changed nothing";
    }
}

TEST(EffectTable, ExtremeArgumentsNeitherCrashNorHang)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto &[width, height] :
         {std::pair{1, 1}, std::pair{1, 9}, std::pair{9, 1}, std::pair{7, 5}, std::pair{2, 70}}) {
        const Image original = RandomImage(width, height, 33);
        for (const EffectDescriptor &effect : Effects()) {
            const std::size_t count = effect.arguments.size();
            std::vector<std::vector<double>> sets = {{}};
            for (double v : {-1e9, 1e9, -inf, inf, nan, 0.0, -1.0})
                sets.emplace_back(count, v);
            std::vector<double> low, high;
            for (const EffectArgument &argument : effect.arguments) {
                low.push_back(argument.minimum);
                high.push_back(argument.maximum);
            }
            sets.push_back(low);
            sets.push_back(high);
            for (const auto &arguments : sets) {
                Image image = original.Clone();
                effect.Apply(image, arguments);
                ASSERT_EQ(image.Width(), width);
                ASSERT_EQ(image.Height(), height);
                EXPECT_TRUE(SameAlpha(image, original)) << effect.operation;
            }
        }
    }
    // A null picture is left alone.
    Image null;
    for (const EffectDescriptor &effect : Effects())
        effect.Apply(null, Working(effect));
    EXPECT_TRUE(null.IsNull());
}

} // namespace
} // namespace lumaskin::test
