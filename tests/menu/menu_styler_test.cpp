#include "menu/menu_styler.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

constexpr QRgb kMenu = 0xffd4d0c8;       // 212, 208, 200
constexpr QRgb kA = 0xfff9f8f7;          // 249, 248, 247
constexpr QRgb kB = 0xffdad7d0;          // 218, 215, 208
constexpr QRgb kD = 0xff6a6864;          // 106, 104, 100
constexpr QRgb kButtonText = 0xff000080; // high-contrast line
constexpr QMargins kOwnShadowInset(2, 2, 5, 6);

QImage Background(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((7 * x) % 256, (5 * y) % 256, (x + y) % 256));
    return image;
}

void FillMenu(QMenu &menu)
{
    for (const char *text : {"&Orange", "&Black", "&Purple", "B&lue"})
        menu.addAction(QString::fromLatin1(text));
}

QSize NaturalSize()
{
    QMenu menu;
    FillMenu(menu);
    return menu.sizeHint();
}

class MenuStylerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedPalette = QApplication::palette();
        QPalette palette = m_savedPalette;
        palette.setColor(QPalette::Window, kMenu);
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Button, kMenu);
        palette.setColor(QPalette::ButtonText, kButtonText);
        palette.setColor(QPalette::Dark, QColor(128, 128, 128));
        QApplication::setPalette(palette);
        QApplication::setPalette(palette, "QMenu");
        m_natural = NaturalSize();
    }
    void TearDown() override
    {
        QApplication::setPalette(m_savedPalette);
        QApplication::setPalette(m_savedPalette, "QMenu");
    }

    std::unique_ptr<MenuStyler> MakeStyler(PlatformProfile profile = {})
    {
        return std::make_unique<MenuStyler>(profile, [this](const QRect &rect) {
            m_grabs.push_back(rect);
            return Background(rect.size());
        });
    }

    static QImage Shot(QMenu &menu)
    {
        return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QPalette m_savedPalette;
    QSize m_natural;
    std::vector<QRect> m_grabs;
};

TEST_F(MenuStylerTest, TenStylesWithStyleTwoSelected)
{
    const auto styler = MakeStyler();
    std::vector<int> numbers;
    for (const MenuStyle &style : styler->Styles()) {
        numbers.push_back(style.Number());
        EXPECT_EQ(style.DrawsOwnFrame(), style.Number() % 2 == 0);
        EXPECT_EQ(style.FrameInset(), QSize(2, 2));
    }
    EXPECT_EQ(numbers, (std::vector<int>{6, 7, 0, 1, 2, 3, 8, 9, 4, 5}));
    EXPECT_EQ(styler->SelectedStyle().Number(), 2);
    EXPECT_TRUE(styler->SelectedStyle().DrawsFlatFrame());
    EXPECT_EQ(styler->SelectedStyle().ClientInset(true), QMargins(2, 2, 2, 2));
    EXPECT_EQ(styler->SelectedStyle().AdjustedGeometry(QRect(10, 20, 100, 50), false),
              QRect(10, 19, 102, 52));
    EXPECT_EQ(styler->SelectedStyle().AdjustedGeometry(QRect(10, 20, 100, 50), true),
              QRect(10, 19, 98, 48));
}

TEST_F(MenuStylerTest, PopupGetsFrameAndShadowFromTheScreenUnderIt)
{
    const auto styler = MakeStyler();
    QMenu menu;
    FillMenu(menu);
    menu.popup(QPoint(100, 100));
    ASSERT_TRUE(styler->IsStyled(&menu));
    EXPECT_TRUE(menu.property(MenuStyler::kStyledProperty).toBool());
    EXPECT_EQ(menu.contentsMargins(), kOwnShadowInset);
    // Room for the inset, 2 pixels more each way, one pixel higher up.
    const QRect expected(100, 99, m_natural.width() + 7 + 2, m_natural.height() + 8 + 2);
    EXPECT_EQ(menu.geometry(), expected);
    ASSERT_EQ(m_grabs.size(), 1u);
    EXPECT_EQ(m_grabs[0], QRect(100, 99, expected.width() + 10, expected.height() + 10));

    const int w = expected.width();
    const int h = expected.height();
    const QImage shot = Shot(menu);
    ASSERT_EQ(shot.size(), QSize(w, h));
    const QImage background = Background(m_grabs[0].size());
    EXPECT_EQ(shot.pixel(0, 0), kD);
    EXPECT_EQ(shot.pixel(w - 5, 10), kD);
    EXPECT_EQ(shot.pixel(10, h - 5), kD);
    EXPECT_EQ(shot.pixel(1, 1), kA);
    EXPECT_EQ(shot.pixel(w - 6, 10), kA);
    EXPECT_EQ(shot.pixel(1, 5), kB);
    EXPECT_EQ(shot.pixel(w - 1, 2), background.pixel(w - 1, 2));
    EXPECT_EQ(shot.pixel(w - 1, 10), DarkenColour(30, background.pixel(w - 1, 10)));
    EXPECT_EQ(shot.pixel(w - 4, 5), DarkenColour(48, background.pixel(w - 4, 5)));
    EXPECT_EQ(shot.pixel(10, h - 2), DarkenColour(60, background.pixel(10, h - 2)));
}

TEST_F(MenuStylerTest, StyledOncePerDisplayAndUndoneWhenHidden)
{
    const auto styler = MakeStyler();
    QMenu menu;
    FillMenu(menu);
    menu.popup(QPoint(50, 60));
    const QRect first = menu.geometry();
    EXPECT_EQ(styler->StylingCount(), 1);
    // Further triggers during the same display change nothing.
    QEvent polish(QEvent::Polish);
    QCoreApplication::sendEvent(&menu, &polish);
    QShowEvent show;
    QCoreApplication::sendEvent(&menu, &show);
    EXPECT_EQ(styler->StylingCount(), 1);
    EXPECT_EQ(menu.contentsMargins(), kOwnShadowInset);
    EXPECT_EQ(menu.geometry(), first);

    menu.hide();
    EXPECT_FALSE(styler->IsStyled(&menu));
    EXPECT_FALSE(menu.property(MenuStyler::kStyledProperty).isValid());
    EXPECT_EQ(menu.contentsMargins(), QMargins());

    menu.popup(QPoint(50, 60));
    EXPECT_EQ(styler->StylingCount(), 2);
    EXPECT_EQ(menu.contentsMargins(), kOwnShadowInset);
    EXPECT_EQ(menu.geometry(), first);
    menu.hide();
}

TEST_F(MenuStylerTest, DesktopShadowsLeaveTheShadowOutAndFrameTheWindowEdges)
{
    PlatformProfile profile;
    profile.systemShadows = true;
    const auto styler = MakeStyler(profile);
    QMenu menu;
    FillMenu(menu);
    menu.popup(QPoint(100, 100));
    EXPECT_EQ(menu.contentsMargins(), QMargins(2, 2, 2, 2));
    EXPECT_EQ(menu.geometry(),
              QRect(100, 99, m_natural.width() + 4 - 2, m_natural.height() + 4 - 2));
    EXPECT_TRUE(m_grabs.empty());
    const QImage shot = Shot(menu);
    const int w = shot.width();
    const int h = shot.height();
    for (QPoint p : {QPoint(w - 1, 0), QPoint(w - 1, 5), QPoint(5, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(shot.pixel(p), kD) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixel(w - 2, 5), kA);
    EXPECT_EQ(shot.pixel(5, h - 2), kA);
    EXPECT_EQ(m_grabs.size(), 0u);
}

TEST_F(MenuStylerTest, HighContrastDrawsOneButtonTextLineAndNoShadow)
{
    PlatformProfile profile;
    profile.highContrast = true;
    const auto styler = MakeStyler(profile);
    QMenu menu;
    FillMenu(menu);
    menu.popup(QPoint(100, 100));
    const QImage shot = Shot(menu);
    const int w = shot.width();
    const int h = shot.height();
    ASSERT_EQ(m_grabs.size(), 1u);
    const QImage background = Background(m_grabs[0].size());
    EXPECT_EQ(shot.pixel(0, 0), kButtonText);
    EXPECT_EQ(shot.pixel(w - 5, 10), kButtonText);
    EXPECT_EQ(shot.pixel(10, h - 5), kButtonText);
    EXPECT_EQ(shot.pixel(1, 5), kA);
    // What was under the shadow's place shows through unchanged.
    EXPECT_EQ(shot.pixel(w - 1, 10), background.pixel(w - 1, 10));
    EXPECT_EQ(shot.pixel(w - 4, 10), background.pixel(w - 4, 10));
    EXPECT_EQ(shot.pixel(10, h - 1), background.pixel(10, h - 1));
}

TEST_F(MenuStylerTest, MovesAndRelayoutsWhileShown)
{
    const auto styler = MakeStyler();
    QMenu menu;
    FillMenu(menu);
    menu.popup(QPoint(100, 100));
    ASSERT_EQ(m_grabs.size(), 1u);
    // A move keeps the style; the background is taken again where the menu is now.
    menu.move(140, 120);
    QCoreApplication::processEvents();
    ASSERT_EQ(menu.pos(), QPoint(140, 120));
    Shot(menu);
    ASSERT_EQ(m_grabs.size(), 2u);
    EXPECT_EQ(m_grabs[1].topLeft(), QPoint(140, 120));
    EXPECT_TRUE(styler->IsStyled(&menu));
    // Moved and resized at once, the menu is left to whoever lays it out.
    menu.setGeometry(QRect(150, 130, menu.width() + 20, menu.height()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(styler->IsStyled(&menu));
    EXPECT_EQ(menu.contentsMargins(), QMargins());
    menu.hide();
}

TEST_F(MenuStylerTest, LineEditContextMenuAndMenusThatComeAndGo)
{
    const auto styler = MakeStyler();
    QLineEdit edit(QStringLiteral("text"));
    edit.show();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              edit.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&edit, &request);
    QPointer<QMenu> context = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_TRUE(context);
    EXPECT_TRUE(styler->IsStyled(context));
    EXPECT_EQ(context->contentsMargins(), kOwnShadowInset);
    context->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(context);

    // Menus destroyed while shown leave nothing behind that a new menu could be mistaken for.
    for (int round = 0; round < 3; ++round) {
        auto menu = std::make_unique<QMenu>();
        FillMenu(*menu);
        menu->popup(QPoint(20, 20));
        EXPECT_TRUE(styler->IsStyled(menu.get())) << round;
        EXPECT_EQ(menu->contentsMargins(), kOwnShadowInset) << round;
    }
    EXPECT_EQ(styler->StylingCount(), 4);

    // A menu turned into an ordinary child widget is no popup and keeps its looks.
    QWidget host;
    QMenu embedded(&host);
    embedded.setWindowFlags(Qt::Widget);
    FillMenu(embedded);
    host.show();
    embedded.show();
    EXPECT_FALSE(styler->IsStyled(&embedded));
}

TEST_F(MenuStylerTest, RemovingTheStylerRestoresShownMenus)
{
    auto styler = MakeStyler();
    QMenu menu;
    FillMenu(menu);
    menu.setContentsMargins(1, 1, 1, 1);
    menu.popup(QPoint(100, 100));
    EXPECT_EQ(menu.contentsMargins(), kOwnShadowInset);
    styler.reset();
    EXPECT_EQ(menu.contentsMargins(), QMargins(1, 1, 1, 1));
    EXPECT_FALSE(menu.property(MenuStyler::kStyledProperty).isValid());
    // Painting goes straight to Qt again.
    const QImage shot = Shot(menu);
    EXPECT_NE(shot.pixel(1, 5), kB);
    menu.hide();
    menu.popup(QPoint(100, 100));
    EXPECT_EQ(menu.contentsMargins(), QMargins(1, 1, 1, 1));
    menu.hide();
}

} // namespace
} // namespace lumaskin
