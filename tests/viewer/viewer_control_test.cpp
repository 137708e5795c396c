#include "engine/codecs/poppler_library.h"
#include "engine/effects/effect_table.h"
#include "engine/image_io.h"
#include "tests/support/hostile_files.h"
#include "tests/support/temp_dir.h"
#include "viewer/viewer_control.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace lumaskin {
namespace {

Image RandomImage(int w, int h, unsigned seed = 1)
{
    Image image(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t *p = image.Pixel(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(rng());
            p[3] = static_cast<std::uint8_t>(128 + rng() % 128);
        }
    return image;
}

// Arguments that change the picture: the i-th of n arguments with a neutral value is moved
// (i + 1) / (n + 2) of the way from it toward the far end of its range, so that no two are
// equal (three equal hue components would be a grey, which has no hue); the others take
// their default.
QVariantList ChangingArguments(const EffectDescriptor &effect, std::vector<double> *asDoubles)
{
    QVariantList list;
    const double n = static_cast<double>(effect.arguments.size());
    double i = 0;
    for (const EffectArgument &a : effect.arguments) {
        ++i;
        double v = a.defaultValue;
        if (a.neutral) {
            const double far =
                (a.maximum - *a.neutral >= *a.neutral - a.minimum) ? a.maximum : a.minimum;
            v = *a.neutral + (far - *a.neutral) * i / (n + 2);
            if (a.kind != ArgumentKind::Double)
                v = std::round(v);
        }
        asDoubles->push_back(v);
        list << (a.kind == ArgumentKind::Double ? QVariant(v)
                                                : QVariant(static_cast<qlonglong>(v)));
    }
    return list;
}

class ViewerControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        viewer.resize(200, 100);
        viewer.show();
    }
    ViewerControl viewer;
};

TEST_F(ViewerControlTest, EveryEffectIdentifierRunsItsEffectWithItsArguments)
{
    for (const EffectDescriptor &effect : Effects()) {
        if (!effect.dispatchId)
            continue;
        SCOPED_TRACE(std::string(effect.operation));
        viewer.SetImage(RandomImage(23, 17));
        std::vector<double> values;
        const QVariantList arguments = ChangingArguments(effect, &values);
        Image expected = viewer.CurrentImage().Clone();
        effect.Apply(expected, values);

        viewer.Invoke(*effect.dispatchId, arguments);
        EXPECT_TRUE(viewer.CurrentImage() == expected);
        if (!effect.IsNeutral(values)) {
            EXPECT_FALSE(viewer.CurrentImage() == viewer.OriginalImage());
        }
    }
}

TEST_F(ViewerControlTest, ShortArgumentsAreTheLowSixteenBits)
{
    Image grey(4, 4, 0x80808080u);
    viewer.SetImage(grey.Clone());
    // 70000 arrives as 4464, clamped to +255: red saturates. 65535 arrives as -1.
    viewer.Invoke(DispatchId::AdjustRGB, {70000, 65535, 0});
    EXPECT_EQ(viewer.CurrentImage().Pixel(1, 1)[0], 255);
    EXPECT_EQ(viewer.CurrentImage().Pixel(1, 1)[1], 0x7f);
    EXPECT_EQ(viewer.CurrentImage().Pixel(1, 1)[2], 0x80);
    EXPECT_EQ(viewer.CurrentImage().Pixel(1, 1)[3], 0x80); // alpha kept
}

TEST_F(ViewerControlTest, UnknownIdentifiersAndMissingPictureDoNothing)
{
    EXPECT_FALSE(viewer.Invoke(DispatchId{9999}, {1, 2}).isValid());
    // No picture yet: nothing to invert, nothing crashes.
    viewer.Invoke(DispatchId::InvertColor, {});
    EXPECT_TRUE(viewer.CurrentImage().IsNull());
}

TEST_F(ViewerControlTest, ViewModesAreFixedZoomsAndNineFitsShrinkingOnly)
{
    viewer.SetImage(Image(400, 100, 0xff0000ffu));
    const double expected[] = {0.25, 1.0 / 3.0, 0.5, 0.75, 1.0, 1.5, 2.0};
    for (int mode = 1; mode <= 7; ++mode) {
        viewer.Invoke(DispatchId::ViewMode, {mode});
        EXPECT_NEAR(viewer.Zoom(), expected[mode - 1], 1e-9) << "mode " << mode;
    }
    viewer.Invoke(DispatchId::ViewMode, {9});
    EXPECT_NEAR(viewer.Zoom(), 0.5, 1e-9);    // 400 wide into 200
    viewer.Invoke(DispatchId::ViewMode, {8}); // not a mode: the view stays
    EXPECT_NEAR(viewer.Zoom(), 0.5, 1e-9);

    viewer.SetImage(Image(50, 20, 0xff0000ffu)); // smaller than the view: never enlarged
    viewer.SetViewMode(9);
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 1.0);
    EXPECT_DOUBLE_EQ(viewer.PanOffset().x(), 75.0); // centred
    EXPECT_DOUBLE_EQ(viewer.PanOffset().y(), 40.0);
}

TEST_F(ViewerControlTest, ZoomStepsFollowTheLadderUpToEightHundredPercent)
{
    viewer.SetImage(Image(40, 40, 0xff0000ffu));
    viewer.SetViewMode(1);
    std::vector<double> seen{viewer.Zoom()};
    for (int i = 0; i < 14; ++i) {
        viewer.Invoke(DispatchId::ZoomIn, {});
        seen.push_back(viewer.Zoom());
    }
    const std::vector<double> ladder = {0.25, 1.0 / 3.0, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8};
    for (std::size_t i = 0; i < ladder.size(); ++i)
        EXPECT_NEAR(seen[i], ladder[i], 1e-9);
    EXPECT_DOUBLE_EQ(seen.back(), 8.0); // stays at the top
    for (int i = 0; i < 14; ++i)
        viewer.ZoomOut();
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 0.25);

    // From a fitted zoom between steps, zooming in takes the next larger step.
    viewer.SetImage(Image(600, 100, 0xff0000ffu));
    viewer.SetViewMode(9);
    EXPECT_NEAR(viewer.Zoom(), 1.0 / 3.0, 1e-9);
    viewer.ZoomIn();
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 0.5);
}

TEST_F(ViewerControlTest, LargePictureCanBePannedWithinItsEdges)
{
    viewer.SetImage(Image(1000, 1000, 0xff0000ffu));
    viewer.SetViewMode(5);
    const QPointF start = viewer.PanOffset();
    QTest::mousePress(&viewer, Qt::LeftButton, {}, QPoint(100, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 30), viewer.mapToGlobal(QPointF(60, 30)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&viewer, &move);
    QTest::mouseRelease(&viewer, Qt::LeftButton, {}, QPoint(60, 30));
    EXPECT_DOUBLE_EQ(viewer.PanOffset().x(), start.x() - 40);
    EXPECT_DOUBLE_EQ(viewer.PanOffset().y(), start.y() - 20);

    // Dragging far beyond the edge stops at the edge.
    QTest::mousePress(&viewer, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent far(QEvent::MouseMove, QPointF(5000, 5000), viewer.mapToGlobal(QPointF(5000, 5000)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&viewer, &far);
    QTest::mouseRelease(&viewer, Qt::LeftButton, {}, QPoint(5000, 5000));
    EXPECT_DOUBLE_EQ(viewer.PanOffset().x(), 0.0);
    EXPECT_DOUBLE_EQ(viewer.PanOffset().y(), 0.0);
}

TEST_F(ViewerControlTest, PaintsThePictureCentredAtFit)
{
    viewer.SetImage(Image(100, 50, 0x00ff00ffu)); // opaque green
    viewer.SetViewMode(9);
    const QImage shot = viewer.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(100, 50)), QColor(0, 255, 0));
    EXPECT_NE(QColor(shot.pixel(10, 10)), QColor(0, 255, 0)); // outside the picture
}

TEST_F(ViewerControlTest, FilesLoadSaveAndRestore)
{
    test::TempDir dir;
    const QString source = QString::fromStdString((dir / "start.png").string());
    QString error;
    ASSERT_TRUE(WriteImage(RandomImage(30, 20, 5), source, QStringLiteral("png"), &error))
        << error.toStdString();

    viewer.Invoke(DispatchId::LoadOption, {1});
    viewer.Invoke(DispatchId::DisplayOption, {true});
    viewer.Invoke(DispatchId::FileName, {source});
    viewer.Invoke(DispatchId::ViewMode, {9});
    ASSERT_FALSE(viewer.CurrentImage().IsNull());
    EXPECT_EQ(viewer.FileName(), source);

    viewer.Invoke(DispatchId::InvertColor, {});
    const QString base = QString::fromStdString((dir / "out").string());
    EXPECT_EQ(viewer.Invoke(DispatchId::SaveAs, {base, QStringLiteral("png")}).toInt(), 1);
    Image written = ReadImage(base + QStringLiteral(".png"), &error);
    EXPECT_TRUE(written == viewer.CurrentImage());

    viewer.Invoke(DispatchId::RestoreImage, {false});
    EXPECT_TRUE(viewer.CurrentImage() == viewer.OriginalImage());
    EXPECT_FALSE(viewer.CurrentImage() == written);

    EXPECT_EQ(viewer.Invoke(DispatchId::SaveAsIcon, {base, QStringLiteral("ico"), 32, 32}).toInt(),
              1);
    Image icon = ReadImage(base + QStringLiteral(".ico"), &error);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);

    // A save into a folder that does not exist reports failure and writes nothing.
    const QString missing = QString::fromStdString((dir / "no" / "such").string());
    EXPECT_EQ(viewer.Invoke(DispatchId::SaveAs, {missing, QStringLiteral("png")}).toInt(), 0);
    EXPECT_FALSE(viewer.LastError().isEmpty());
}

TEST_F(ViewerControlTest, BadFileKeepsWhatWasShown)
{
    test::TempDir dir;
    viewer.SetImage(Image(8, 8, 0x112233ffu));
    const auto bad = dir / "bad.jpg";
    test::WriteFile(bad, "this is not a picture");
    viewer.SetFileName(QString::fromStdString(bad.string()));
    EXPECT_EQ(viewer.CurrentImage().Width(), 8);
    EXPECT_FALSE(viewer.LastError().isEmpty());

    viewer.SetFileName(QString()); // an empty path does nothing
    EXPECT_EQ(viewer.CurrentImage().Width(), 8);
}

// A file that takes long to read leaves the window working; calls made meanwhile keep their
// order, a newer file supersedes it, and its failure comes in its own time.
TEST_F(ViewerControlTest, SlowFilesAreReadOffTheInterfaceThread)
{
    test::TempDir dir;
    const auto slow = dir / "forms.pdf";
    test::WriteFile(slow, test::NestedFormsPdf(12));
    const QString picture = QString::fromStdString((dir / "picture.png").string());
    QString error;
    const Image source = RandomImage(30, 20, 9);
    ASSERT_TRUE(WriteImage(source, picture, QStringLiteral("png"), &error));
    const double budget = PdfRenderSeconds();
    SetPdfRenderSeconds(2);

    viewer.SetImage(Image(8, 8, 0x112233ffu));
    ASSERT_TRUE(viewer.SetFileName(QString::fromStdString(slow.string())));
    viewer.Invoke(DispatchId::InvertColor, {}); // meant for the PDF, dropped with it below
    viewer.SetViewMode(5);                      // 100 %: for the view, whatever it shows
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QTest::qWait(200);
    EXPECT_GT(ticks, 5) << "the event loop ran while the file was read";
    EXPECT_TRUE(viewer.IsLoading());
    EXPECT_DOUBLE_EQ(viewer.Zoom(), 1.0);

    // A newer file wins; the effect asked for after it waits for it.
    ASSERT_TRUE(viewer.SetFileName(picture));
    viewer.Invoke(DispatchId::InvertColor, {});
    QSignalSpy changed(&viewer, &ViewerControl::imageChanged);
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_FALSE(viewer.IsLoading());
    EXPECT_EQ(viewer.FileName(), picture);
    Image inverted = source.Clone();
    FindEffect("invertcolor")->Apply(inverted, {});
    EXPECT_TRUE(viewer.CurrentImage() == inverted);
    EXPECT_TRUE(viewer.OriginalImage() == source) << "Restore has the picture as read";

    // The slow file alone fails once its time is up, and the picture stays.
    QSignalSpy failed(&viewer, &ViewerControl::loadFailed);
    ASSERT_TRUE(viewer.SetFileName(QString::fromStdString(slow.string())));
    ASSERT_TRUE(failed.wait(30000));
    EXPECT_TRUE(viewer.LastError().endsWith("the PDF page takes too long to draw (more than 2 "
                                            "seconds)"))
        << viewer.LastError().toStdString();
    EXPECT_TRUE(viewer.CurrentImage() == inverted);
    SetPdfRenderSeconds(budget);
}

} // namespace
} // namespace lumaskin
