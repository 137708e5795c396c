#include "recording_viewer.h"
#include "viewer/c_image_viewer.h"
#include "engine/effects/effect_table.h"
#include "viewer/viewer_control.h"

#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace lumaskin {
namespace {

using test::RecordingViewer;

struct Expected
{
    const char *operation;
    std::function<void(CImageViewer &)> call;
    DispatchId id;
    QVariantList arguments; // values and automation types both checked
};

QVariant S(int value)
{
    return QVariant::fromValue<short>(static_cast<short>(value));
}

std::vector<Expected> EveryOperation()
{
    using Id = DispatchId;
    const QString path = QStringLiteral("/tmp/out/a.b");
    return {
        {"FileName",
         [](CImageViewer &v) { v.SetFileName("/p/x.jpg"); },
         Id::FileName,
         {QStringLiteral("/p/x.jpg")}},
        {"ViewMode", [](CImageViewer &v) { v.SetViewMode(9); }, Id::ViewMode, {S(9)}},
        {"DisplayOption",
         [](CImageViewer &v) { v.SetDisplayOption(true); },
         Id::DisplayOption,
         {QVariant(true)}},
        {"LoadOption",
         [](CImageViewer &v) { v.SetLoadOption(70000); },
         Id::LoadOption,
         {QVariant(70000)}},
        {"SaveAs",
         [&](CImageViewer &v) { v.SaveAs(path, "png"); },
         Id::SaveAs,
         {path, QStringLiteral("png")}},
        {"SaveAsIcon",
         [&](CImageViewer &v) { v.SaveAsIcon(path, "ico", 32, 32); },
         Id::SaveAsIcon,
         {path, QStringLiteral("ico"), S(32), S(32)}},
        {"InvertColor", [](CImageViewer &v) { v.InvertColor(); }, Id::InvertColor, {}},
        {"AdjustRGB",
         [](CImageViewer &v) { v.AdjustRGB(70000, -70000, 32768); },
         Id::AdjustRGB,
         {S(4464), S(-4464), S(-32768)}},
        {"Contrast", [](CImageViewer &v) { v.Contrast(200); }, Id::Contrast, {S(200)}},
        {"Saturation", [](CImageViewer &v) { v.Saturation(65736); }, Id::Saturation, {S(200)}},
        {"Hue", [](CImageViewer &v) { v.Hue(1, 2, 3); }, Id::Hue, {S(1), S(2), S(3)}},
        {"Gamma", [](CImageViewer &v) { v.Gamma(2.5); }, Id::Gamma, {QVariant(2.5)}},
        {"Lightness",
         [](CImageViewer &v) { v.Lightness(120, 120, 120); },
         Id::Lightness,
         {S(120), S(120), S(120)}},
        {"Desaturate", [](CImageViewer &v) { v.Desaturate(); }, Id::Desaturate, {}},
        {"Sharpen", [](CImageViewer &v) { v.Sharpen(); }, Id::Sharpen, {}},
        {"AntiNoise", [](CImageViewer &v) { v.AntiNoise(3); }, Id::AntiNoise, {S(3)}},
        {"Diffuse", [](CImageViewer &v) { v.Diffuse(4); }, Id::Diffuse, {S(4)}},
        {"Emboss", [](CImageViewer &v) { v.Emboss(3, 6); }, Id::Emboss, {S(3), S(6)}},
        {"Mosaic", [](CImageViewer &v) { v.Mosaic(1, 8); }, Id::Mosaic, {S(1), S(8)}},
        {"Monochrome",
         [](CImageViewer &v) { v.Monochrome(100, 0xFFFFFF, 0); },
         Id::Monochrome,
         {S(100), QVariant(0xFFFFFF), QVariant(0)}},
        {"FocalBW",
         [](CImageViewer &v) { v.FocalBW(10, 20, 200, -200); },
         Id::FocalBW,
         {S(10), S(20), S(200), S(-200)}},
        {"SharpenEdge", [](CImageViewer &v) { v.SharpenEdge(100); }, Id::SharpenEdge, {S(100)}},
        {"Twirl", [](CImageViewer &v) { v.Twirl(-90); }, Id::Twirl, {S(-90)}},
        {"Noise", [](CImageViewer &v) { v.Noise(100, 1); }, Id::Noise, {S(100), S(1)}},
        {"ZoomIn", [](CImageViewer &v) { v.ZoomIn(); }, Id::ZoomIn, {}},
        {"ZoomOut", [](CImageViewer &v) { v.ZoomOut(); }, Id::ZoomOut, {}},
        {"RestoreImage",
         [](CImageViewer &v) { v.RestoreImage(false); },
         Id::RestoreImage,
         {QVariant(false)}},
        {"Median", [](CImageViewer &v) { v.Median(5); }, Id::Median, {S(5)}},
        {"Blur", [](CImageViewer &v) { v.Blur(); }, Id::Blur, {}},
    };
}

TEST(CImageViewer, EveryOperationReachesItsIdentifierWithTypedArguments)
{
    for (const Expected &expected : EveryOperation()) {
        SCOPED_TRACE(expected.operation);
        RecordingViewer recorder;
        expected.call(recorder.viewer);
        ASSERT_EQ(recorder.calls.size(), 1u);
        EXPECT_EQ(recorder.Last().id, static_cast<int>(expected.id));
        const QVariantList &actual = recorder.Last().arguments;
        ASSERT_EQ(actual.size(), expected.arguments.size());
        for (qsizetype i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(actual[i].metaType(), expected.arguments[i].metaType()) << "argument " << i;
            EXPECT_EQ(actual[i], expected.arguments[i]) << "argument " << i;
        }
    }
}

TEST(CImageViewer, EffectIdentifiersAndArgumentCountsMatchTheViewersTable)
{
    for (const Expected &expected : EveryOperation()) {
        const EffectDescriptor *effect = FindEffect(expected.operation);
        if (!effect)
            continue; // properties, saves, zoom and restore are not effects
        SCOPED_TRACE(expected.operation);
        EXPECT_EQ(effect->dispatchId, expected.id);
        EXPECT_EQ(effect->arguments.size(), static_cast<std::size_t>(expected.arguments.size()));
    }
    // And every effect with an identifier can be reached.
    const auto operations = EveryOperation();
    for (const EffectDescriptor &effect : Effects()) {
        if (!effect.dispatchId)
            continue;
        const bool wrapped = std::any_of(operations.begin(), operations.end(),
                                         [&](auto &e) { return effect.operation == e.operation; });
        EXPECT_TRUE(wrapped) << effect.operation;
    }
}

TEST(CImageViewer, SaveResultsComeBackAndDetachedCallsDoNothing)
{
    CImageViewer answering(
        [](DispatchId, const QVariantList &) { return QVariant::fromValue<short>(1); });
    EXPECT_EQ(answering.SaveAs("x", "png"), 1);
    EXPECT_EQ(answering.SaveAsIcon("x", "ico", 32, 32), 1);

    CImageViewer detached;
    EXPECT_EQ(detached.Control(), nullptr);
    EXPECT_EQ(detached.SaveAs("x", "png"), 0);
    detached.ZoomIn(); // nothing to reach; must not crash
}

TEST(CImageViewer, DrivesTheRealWidgetAndLetsGoWhenItIsDestroyed)
{
    auto parent = std::make_unique<QWidget>();
    CImageViewer viewer;
    ViewerControl *control = viewer.Create(parent.get());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(viewer.Control(), control);
    EXPECT_EQ(control->parentWidget(), parent.get());

    viewer.SetViewMode(3);
    EXPECT_EQ(control->ViewMode(), 3);
    viewer.SetViewMode(65536 + 5); // low 16 bits: 5
    EXPECT_EQ(control->ViewMode(), 5);
    viewer.SetDisplayOption(false);
    EXPECT_FALSE(control->DisplayOption());
    viewer.SetLoadOption(7);
    EXPECT_EQ(control->LoadOption(), 7);

    parent.reset();
    EXPECT_EQ(viewer.Control(), nullptr);
    viewer.SetViewMode(2);
    EXPECT_EQ(viewer.SaveAs("x", "png"), 0);
}

} // namespace
} // namespace lumaskin
