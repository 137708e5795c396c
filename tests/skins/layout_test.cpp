// The bundled skins as the user sees them: a shaped window whose every control stands on
// the opaque part of the background without covering another, button strips of four
// distinct faces, texts that fit, and a notifier shaped by magenta with its close button.
#include "controls/bitmap_helpers.h"
#include "controls/state_strip.h"
#include "tests/skins/skin_under_test.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace lumaskin::test {
namespace {

// Close to the key colour without being it: a fringe that would show as a pink seam.
bool NearKey(QRgb pixel)
{
    return !IsKey(pixel) && std::max({255 - qRed(pixel), qGreen(pixel), 255 - qBlue(pixel)}) < 60;
}

// The shape the window gets: the background without its key-coloured pixels. Checks that
// the border all round is key colour, that the opaque pixels form one piece (4-connected),
// and that no opaque pixel next to the key colour is nearly magenta.
void ExpectShaped(const QImage &image, const std::string &what)
{
    ASSERT_FALSE(image.isNull()) << what;
    const int w = image.width();
    const int h = image.height();
    for (int x = 0; x < w; ++x) {
        ASSERT_TRUE(IsKey(image.pixel(x, 0))) << what << ": top row at " << x;
        ASSERT_TRUE(IsKey(image.pixel(x, h - 1))) << what << ": bottom row at " << x;
    }
    for (int y = 0; y < h; ++y) {
        ASSERT_TRUE(IsKey(image.pixel(0, y))) << what << ": left column at " << y;
        ASSERT_TRUE(IsKey(image.pixel(w - 1, y))) << what << ": right column at " << y;
    }

    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    int opaque = 0;
    QPoint start(-1, -1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (IsKey(pixel))
                continue;
            ++opaque;
            if (start.x() < 0)
                start = QPoint(x, y);
            const bool edge = IsKey(image.pixel(x - 1, y)) || IsKey(image.pixel(x + 1, y)) ||
                              IsKey(image.pixel(x, y - 1)) || IsKey(image.pixel(x, y + 1));
            if (edge) {
                ASSERT_FALSE(NearKey(pixel)) << what << ": fringe at " << x << "," << y;
            }
        }
    }
    ASSERT_GT(opaque, w * h / 2) << what << ": most of the window is cut away";
    std::vector<QPoint> stack{start};
    seen[static_cast<size_t>(start.y()) * w + start.x()] = 1;
    int reached = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        ++reached;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                continue;
            char &mark = seen[static_cast<size_t>(q.y()) * w + q.x()];
            if (!mark && !IsKey(image.pixel(q))) {
                mark = 1;
                stack.push_back(q);
            }
        }
    }
    EXPECT_EQ(reached, opaque) << what << ": the shape falls into pieces";

    // The program cuts its window with the same pixels: nothing opaque may be lost to the
    // region builder's rounding of the width.
    const auto region = RegionFromBitmap(image, 255, 0, 255);
    ASSERT_TRUE(region);
    long long area = 0;
    for (const QRect &r : *region)
        area += static_cast<long long>(r.width()) * r.height();
    EXPECT_EQ(area, opaque) << what;
}

void ExpectOnOpaque(const QImage &image, const QRect &rect, const std::string &what)
{
    ASSERT_TRUE(image.rect().contains(rect)) << what << " leaves the bitmap";
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            ASSERT_FALSE(IsKey(image.pixel(x, y)))
                << what << " stands on key colour at " << x << "," << y;
    }
}

// Four faces of a strip, cut the way the buttons cut them, are all different.
void ExpectFourDistinctFaces(const QImage &strip, QSize faceSize, const std::string &what)
{
    ASSERT_FALSE(strip.isNull()) << what;
    EXPECT_EQ(strip.width() % 4, 0) << what;
    const auto faces = CutStateStrip(strip, faceSize, 0xFF00FF);
    for (int i = 0; i < 4; ++i) {
        ASSERT_FALSE(faces[i].isNull()) << what;
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NE(faces[i], faces[j]) << what << ": faces " << i << " and " << j;
    }
}

QFont LabelFont(const std::string &face, int points)
{
    QFont font(QString::fromStdString(face));
    font.setPixelSize((points * 96 + 36) / 72);
    return font;
}

class LayoutTest : public ::testing::TestWithParam<std::string>
{
protected:
    const SkinUnderTest &Skin() const
    {
        const SkinUnderTest &skin = SkinUnderTest::Get(GetParam());
        EXPECT_TRUE(skin.Extracted());
        return skin;
    }
    bool IsDeluxe() const { return GetParam() == "Deluxe.zip"; }
};

TEST_P(LayoutTest, WindowIsOneShapedPieceSurroundedByTheKeyColour)
{
    const QImage background = Skin().Background();
    ASSERT_FALSE(background.isNull());
    EXPECT_GE(background.width(), 940);
    EXPECT_GE(background.height(), 620);
    ExpectShaped(background, "background");
}

TEST_P(LayoutTest, EveryControlStandsOnTheOpaqueBackground)
{
    const SkinUnderTest &skin = Skin();
    const QImage background = skin.Background();
    ASSERT_FALSE(background.isNull());
    for (const Occupied &place : skin.Places()) {
        EXPECT_FALSE(place.rect.isEmpty()) << place.what;
        ExpectOnOpaque(background, place.rect, place.what);
    }
}

// Two controls overlap when their rectangles share a pixel (right and bottom edges are
// exclusive). The combo box counts with its whole drop list and the frame around it: the
// open list lies over the window, so nothing may sit there. Play and pause are the one
// allowed pair: they share a place and only one of them is shown at a time.
TEST_P(LayoutTest, NoTwoControlsOverlap)
{
    const std::vector<Occupied> places = Skin().Places();
    ASSERT_GT(places.size(), 20u);
    for (size_t i = 0; i < places.size(); ++i) {
        for (size_t j = i + 1; j < places.size(); ++j) {
            const Occupied &a = places[i];
            const Occupied &b = places[j];
            const std::set<std::string> pair{a.what, b.what};
            if (pair == std::set<std::string>{"BUTTON_PLAY", "BUTTON_PAUSE"}) {
                EXPECT_EQ(a.rect, b.rect) << "play and pause take turns in one place";
                continue;
            }
            EXPECT_FALSE(a.rect.intersects(b.rect)) << a.what << " and " << b.what;
        }
    }
}

TEST_P(LayoutTest, ButtonNamesAreTheOnesTheWindowReactsTo)
{
    const SkinIni &ini = Skin().Ini();
    std::set<std::string> names;
    for (const auto &button : ReadButtons(ini)) {
        ASSERT_TRUE(button);
        EXPECT_NE(std::find(CommandNames().begin(), CommandNames().end(), button->name),
                  CommandNames().end())
            << button->name << " does nothing";
        EXPECT_TRUE(names.insert(button->name).second) << button->name << " twice";
    }
    const std::set<std::string> everySkin = {
        "BUTTON_MINIMIZE", "BUTTON_ADD",      "BUTTON_DEL",     "BUTTON_DELALL", "BUTTON_PLAY",
        "BUTTON_ZOOM25",   "BUTTON_ZOOM33",   "BUTTON_ZOOM50",  "BUTTON_ZOOM75", "BUTTON_ZOOM100",
        "BUTTON_ZOOM150",  "BUTTON_ZOOM200",  "BUTTON_IN",      "BUTTON_OUT",    "BUTTON__RESTORE",
        "BUTTON__EFFECT1", "BUTTON__EFFECT2", "BUTTON_CONVERT", "BUTTON_STEPS"};
    for (const std::string &name : everySkin)
        EXPECT_TRUE(names.count(name)) << name << " missing";
    EXPECT_TRUE(names.count("BUTTON_CLOSE") || names.count("BUTTON_EXIT"));

    if (IsDeluxe()) {
        // The showcase has every command, the position slider with its time, and the
        // other kinds of control.
        // Not the video row's choosers: a picture program has no use for them.
        for (const std::string &name : CommandNames()) {
            if (name != "BUTTON_CLOSE" && name != "BUTTON_BROWSE" && name != "BUTTON_BROWSEVIDEO1") {
                EXPECT_TRUE(names.count(name)) << name << " missing from the showcase";
            }
        }
        const auto sliders = ReadSliders(ini);
        ASSERT_EQ(sliders.size(), 1u);
        EXPECT_EQ(sliders[0]->name, "SLIDER_PROGRESS");
        EXPECT_FALSE(sliders[0]->vertical);
        const auto labels = ReadLabels(ini);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [](const auto &l) { return l->name == "LABEL_TIME"; }));
        EXPECT_EQ(ReadEditBoxes(ini).size(), 1u);
        EXPECT_FALSE(ReadOptionButtons(ini).empty());
        EXPECT_FALSE(ReadCheckBoxes(ini).empty());
    }
}

TEST_P(LayoutTest, ButtonStripsHaveFourDistinctFacesOfTheButtonsSize)
{
    const SkinUnderTest &skin = Skin();
    auto check = [&skin](const std::string &name, const std::string &file, const Rect &rect) {
        const QImage strip = skin.Bitmap(file);
        ASSERT_FALSE(strip.isNull()) << name;
        // Faces drawn at the button's size are shown without stretching.
        EXPECT_EQ(StateSize(strip), QSize(rect.Width(), rect.Height())) << name;
        ExpectFourDistinctFaces(strip, QSize(rect.Width(), rect.Height()), name);
    };
    for (const auto &b : ReadButtons(skin.Ini()))
        check(b->name, b->bitmap, b->rect);
    for (const auto &b : ReadTaskBarButtons(skin.Ini()))
        check(b->name, b->bitmap, b->rect);
    for (const auto &o : ReadOptionButtons(skin.Ini()))
        check(o->name, o->bitmap, o->rect);
    for (const auto &c : ReadCheckBoxes(skin.Ini()))
        check(c->name, c->bitmap, c->rect);
    for (const auto &c : ReadComboBoxes(skin.Ini())) {
        const QImage strip = skin.Bitmap(c->buttonBitmap);
        const QSize face = StateSize(strip);
        EXPECT_EQ(face.width(), face.height()) << "the drop button is square";
        ExpectFourDistinctFaces(strip, LayOutCombo(c->rect, face).button.size(), c->name);
    }
}

TEST_P(LayoutTest, ScrollBarAndSliderBitmapsFitTogether)
{
    const SkinUnderTest &skin = Skin();
    for (const auto &list : ReadListBoxes(skin.Ini())) {
        const ScrollBarBitmaps &bar = list->scrollBar;
        const int width = skin.Bitmap(bar.upArrow).width();
        EXPECT_GT(width, 8);
        for (const std::string &file : {bar.track, bar.upArrow, bar.upArrowPressed, bar.downArrow,
                                        bar.downArrowPressed, bar.thumb, bar.thumbPressed})
            EXPECT_EQ(skin.Bitmap(file).width(), width) << file;
        EXPECT_NE(skin.Bitmap(bar.upArrow), skin.Bitmap(bar.upArrowPressed));
        EXPECT_NE(skin.Bitmap(bar.downArrow), skin.Bitmap(bar.downArrowPressed));
        EXPECT_NE(skin.Bitmap(bar.thumb), skin.Bitmap(bar.thumbPressed));
        EXPECT_NE(skin.Bitmap(bar.upArrow), skin.Bitmap(bar.downArrow));
        // Room for the rows beside the bar.
        EXPECT_GT(list->rect.Width() - width, 200);
    }
    for (const auto &slider : ReadSliders(skin.Ini())) {
        const QImage channel = skin.Bitmap(slider->channelBitmap);
        const QImage thumb = skin.Bitmap(slider->thumbBitmap);
        const QImage active = skin.Bitmap(slider->activeThumbBitmap);
        ASSERT_FALSE(channel.isNull() || thumb.isNull() || active.isNull());
        EXPECT_EQ(channel.size(), QSize(slider->rect.Width(), slider->rect.Height()));
        EXPECT_EQ(thumb.size(), active.size());
        EXPECT_NE(thumb, active);
        // The thumb is round: its corners are cut away by the key colour, its middle is not.
        EXPECT_TRUE(IsKey(thumb.pixel(0, 0)));
        EXPECT_TRUE(IsKey(thumb.pixel(thumb.width() - 1, thumb.height() - 1)));
        EXPECT_FALSE(IsKey(thumb.pixel(thumb.width() / 2, thumb.height() / 2)));
        for (int y = 0; y < thumb.height(); ++y) {
            for (int x = 0; x < thumb.width(); ++x) {
                ASSERT_FALSE(NearKey(thumb.pixel(x, y))) << "thumb fringe at " << x << "," << y;
            }
        }
    }
}

TEST_P(LayoutTest, TextsFitTheirLabelsAndTheFormatsFitTheComboBox)
{
    const SkinUnderTest &skin = Skin();
    std::vector<LabelEntry> labels;
    for (const auto &label : ReadLabels(skin.Ini()))
        labels.push_back(*label);
    labels.push_back(*ReadCaption(skin.Ini()));
    for (const LabelEntry &label : labels) {
        const QFontMetrics metrics(LabelFont(label.fontFace, label.fontSize));
        EXPECT_EQ(QFontInfo(LabelFont(label.fontFace, label.fontSize)).family(),
                  QString::fromStdString(label.fontFace))
            << "the font is not installed";
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label.text)), label.rect.Width())
            << label.name;
        EXPECT_LE(metrics.height(), label.rect.Height()) << label.name;
    }

    // The edit of the combo box shows the chosen format in the default font.
    const QFontMetrics field(QApplication::font());
    int widest = 0;
    for (const std::string &format : FormatNames())
        widest = std::max(widest, field.horizontalAdvance(QString::fromStdString(format)));
    for (const auto &combo : ReadComboBoxes(skin.Ini())) {
        const QSize face = StateSize(skin.Bitmap(combo->buttonBitmap));
        const ComboParts parts = LayOutCombo(combo->rect, face);
        EXPECT_GE(parts.edit.width(), widest + 12);
        EXPECT_GE(parts.edit.height(), field.height() + 4);
        // The open list shows several formats at once.
        EXPECT_GE(parts.list.height(), 4 * 18);
    }
}

TEST_P(LayoutTest, NotifierIsShapedByMagentaAndHasItsCloseButton)
{
    const SkinUnderTest &skin = Skin();
    const QImage notifier = skin.Notifier();
    ExpectShaped(notifier, "dlgTaskNotifier.bmp");
    EXPECT_GE(notifier.width(), 200);
    EXPECT_GE(notifier.height(), 150);
    const auto buttons = ReadTaskBarButtons(skin.Ini());
    ASSERT_EQ(buttons.size(), 1u);
    ExpectOnOpaque(notifier, ToQRect(buttons[0]->rect), "TASKBUTTON_EXIT");
    // The page needs most of the window: the button sits in the upper strip.
    EXPECT_LT(buttons[0]->rect.bottom, notifier.height() / 5);
}

INSTANTIATE_TEST_SUITE_P(Bundled, LayoutTest, ::testing::ValuesIn(PackageNames()), PackageTestName);

} // namespace
} // namespace lumaskin::test
