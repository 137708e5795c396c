// Every bundled skin built into a window with the program's own control creators: each
// control lands where the skin says, on the opaque background, and nothing covers a button,
// field or list where the user would click it.
#include "controls/bitmap_helpers.h"
#include "controls/skin_host.h"
#include "skin/control_factory.h"
#include "tests/skins/skin_under_test.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace lumaskin::test {
namespace {

// The part of a skinned dialog the controls see: a window that paints its background.
class SkinWindow : public QWidget, public SkinHost
{
public:
    explicit SkinWindow(const QImage &background) : m_background(background)
    {
        resize(background.size());
    }
    void OnButtonClicked(int) override {}
    void OnOptionClicked(int) override {}
    void OnCheckClicked(int) override {}
    void OnSliderMoved(int, int) override {}
    void OnListClicked() override {}
    QImage BackgroundContext() const override { return m_background; }
    QWidget *HostWidget() override { return this; }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_background); }

private:
    QImage m_background;
};

class WindowTest : public ::testing::TestWithParam<std::string>
{
};

// Whatever the user sees at the middle of `widget` is `widget` itself, or a part of it.
void ExpectReachable(QWidget &window, QWidget *widget, const std::string &what)
{
    ASSERT_NE(widget, nullptr) << what;
    QWidget *found = window.childAt(widget->geometry().center());
    EXPECT_TRUE(found == widget || (found && widget->isAncestorOf(found)))
        << what << " is covered at its middle by "
        << (found ? found->metaObject()->className() : "nothing");
}

TEST_P(WindowTest, ControlsLandOnTheBackgroundWithNothingInTheWay)
{
    const SkinUnderTest &skin = SkinUnderTest::Get(GetParam());
    ASSERT_TRUE(skin.Extracted());
    const SkinIni &ini = skin.Ini();
    const QImage background = skin.Background();
    ASSERT_FALSE(background.isNull());

    SkinWindow window(background);
    const ControlSite site{&window, &window, QString::fromStdString(skin.Folder().Path()),
                           *ReadTransparentColour(ini)};
    std::vector<QWidget *> controls; // children of the window
    std::vector<std::pair<std::string, QWidget *>> reachable;
    int index = 0;
    for (const auto &entry : ReadButtons(ini)) {
        auto button = CreateButton(*entry, index++, site);
        if (entry->name == "BUTTON_PAUSE")
            button->hide(); // as the dialog does once the buttons are read
        else
            reachable.emplace_back(entry->name, button);
        controls.push_back(button);
    }
    index = 0;
    for (const auto &entry : ReadSliders(ini)) {
        auto slider = CreateSlider(*entry, index++, site);
        // The slider sizes itself from its bitmaps: the skin's rectangle is that size.
        EXPECT_EQ(slider->geometry(), ToQRect(entry->rect)) << entry->name;
        reachable.emplace_back(entry->name, slider);
        controls.push_back(slider);
    }
    index = 0;
    for (const auto &entry : ReadOptionButtons(ini)) {
        reachable.emplace_back(entry->name, nullptr);
        controls.push_back(CreateOptionButton(*entry, index++, site));
        reachable.back().second = controls.back();
    }
    index = 0;
    for (const auto &entry : ReadCheckBoxes(ini)) {
        reachable.emplace_back(entry->name, nullptr);
        controls.push_back(CreateCheckBox(*entry, index++, site));
        reachable.back().second = controls.back();
    }
    controls.push_back(CreateCaption(*ReadCaption(ini), site));
    index = 0;
    for (const auto &entry : ReadLabels(ini))
        controls.push_back(CreateLabel(*entry, index++, site));
    index = 0;
    for (const auto &entry : ReadEditBoxes(ini)) {
        reachable.emplace_back(entry->name, nullptr);
        controls.push_back(CreateEditBox(*entry, index++, site));
        reachable.back().second = controls.back();
    }
    index = 0;
    for (const auto &entry : ReadListBoxes(ini)) {
        auto list = CreateListBox(*entry, index++, site);
        // The list gives the strip at its right to its scroll bar; together they fill the
        // skin's rectangle.
        const QWidget *bar = list->ScrollBar();
        const QRect barArea = bar ? bar->geometry() : QRect();
        EXPECT_FALSE(barArea.isEmpty());
        EXPECT_EQ(list->geometry().united(barArea), ToQRect(entry->rect));
        reachable.emplace_back(entry->name, list);
        reachable.emplace_back(entry->name + " scroll bar", list->ScrollBar());
        controls.push_back(list);
    }
    index = 0;
    for (const auto &entry : ReadComboBoxes(ini)) {
        auto combo = CreateComboBox(*entry, index++, site);
        reachable.emplace_back("COMBO_EDIT", combo->Edit());
        reachable.emplace_back("COMBO_BTN", combo->Button());
        controls.push_back(combo);
    }
    window.show();

    for (const auto &[name, widget] : reachable)
        ExpectReachable(window, widget, name);
    // Everything that shows stands on the opaque part of the window.
    for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        const QRect area = child->geometry();
        ASSERT_TRUE(background.rect().contains(area)) << child->metaObject()->className();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ASSERT_FALSE(IsKey(background.pixel(x, y)))
                    << child->metaObject()->className() << " over key colour at " << x << "," << y;
            }
        }
    }
    window.hide();
    controls.clear();
}

INSTANTIATE_TEST_SUITE_P(Bundled, WindowTest, ::testing::ValuesIn(PackageNames()), PackageTestName);

} // namespace
} // namespace lumaskin::test
