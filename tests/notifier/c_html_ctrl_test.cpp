#include "notifier/c_html_ctrl.h"
#include "notifier/start_page.h"
#include "notifier/task_bar_window.h"
#include "tests/support/temp_dir.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

class RecordingView : public CHtmlCtrl
{
public:
    using CHtmlCtrl::CHtmlCtrl;
    QStringList commands;

protected:
    void OnAppCommand(const QString &command) override { commands << command; }
};

TEST(CHtmlCtrlTest, AppLinksAreCommandsInAnyLetterCaseAndNothingNavigates)
{
    RecordingView view;
    view.NavigateStartPage(QStringLiteral("Blue"));
    const QUrl page = view.source();
    for (const char *address : {"app:close", "APP:close", "aPp:close"})
        EXPECT_TRUE(view.FollowLink(QUrl(QString::fromLatin1(address)))) << address;
    EXPECT_EQ(view.commands, QStringList({"close", "close", "close"}));

    for (const char *address : {"https://example.org/app:x", "application:x", "file:///etc/passwd",
                                "lumaskin://start/myindex3.php?pcode=Red"})
        EXPECT_FALSE(view.FollowLink(QUrl(QString::fromLatin1(address)))) << address;
    EXPECT_EQ(view.commands.size(), 3);
    EXPECT_EQ(view.source(), page) << "the page stays";
    EXPECT_EQ(view.Title(), QStringLiteral("Blue - Lumaskin"));
}

TEST(StartPageTest, ReplyShowsTheSkinNameSafely)
{
    const std::optional<QString> page = StartPageReply(StartPageUrl(QStringLiteral("Purple")));
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->contains("<title>Purple - Lumaskin</title>"));
    EXPECT_TRUE(page->contains("Skin loaded: <span class=\"skin\">Purple</span>"));
    EXPECT_FALSE(page->contains("{{"));

    // A package that failed is not called loaded.
    const std::optional<QString> failed =
        StartPageReply(StartPageUrl(QStringLiteral("Orange"), true));
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->contains("Skin failed to load: <span class=\"skin\">Orange</span>"));
    EXPECT_FALSE(failed->contains("Skin loaded"));

    const std::optional<QString> hostile =
        StartPageReply(StartPageUrl(QStringLiteral("<script>x()</script>&")));
    ASSERT_TRUE(hostile);
    EXPECT_FALSE(hostile->contains("<script>"));
    EXPECT_TRUE(hostile->contains("&lt;script&gt;x()&lt;/script&gt;&amp;"));

    const std::optional<QString> unnamed = StartPageReply(StartPageUrl({}));
    ASSERT_TRUE(unnamed);
    EXPECT_TRUE(unnamed->contains("<title>Lumaskin - Lumaskin</title>"));

    EXPECT_FALSE(StartPageReply(QUrl(QStringLiteral("lumaskin://start/other.php?pcode=a"))));
    EXPECT_FALSE(StartPageReply(QUrl(QStringLiteral("https://start/myindex3.php?pcode=a"))));
}

TEST(CHtmlCtrlTest, StartPageFitsItsViewNamesTheSkinAndAClickClosesTheWindow)
{
    // The notifier bitmap the bundled skins have, and the page area it leaves.
    test::TempDir dir;
    QImage art(300, 240, QImage::Format_RGB32);
    art.fill(Qt::darkCyan);
    const QString path = QString::fromStdString((dir / "n.bmp").string());
    ASSERT_TRUE(art.save(path, "BMP"));

    QWidget parent;
    TaskBarWindow window;
    window.SetScreenAreasSource([] {
        return TaskBarWindow::ScreenAreas{QRect(0, 0, 800, 560), QRect(0, 0, 800, 600)};
    });
    window.SetHtmlViewFactory(StartPageViewFactory(QStringLiteral("Purple")));
    window.Create(&parent);
    auto *view = qobject_cast<CHtmlCtrl *>(window.HtmlView());
    ASSERT_NE(view, nullptr);
    window.SetSkinBitmap(path, 255, 0, 255);
    window.StartPopUp(300, 1000, 300, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(view->Title(), QStringLiteral("Purple - Lumaskin"));
    EXPECT_TRUE(view->Timers().IsTimerActive(HtmlViewTimers::kShownTimer));
    EXPECT_TRUE(view->Timers().IsTimerActive(HtmlViewTimers::kExpiredTimer));
    const QString text = view->toPlainText().trimmed();
    EXPECT_TRUE(text.contains(QStringLiteral("Skin loaded: Purple")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Click here to close this note.")));
    // All of it, its last line included, within the view at the default font.
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(view->document()->documentLayout()->documentSize().height(),
              view->viewport()->height());

    view->NavigateStartPage(QStringLiteral("Deluxe"));
    EXPECT_EQ(view->Title(), QStringLiteral("Deluxe - Lumaskin"));

    while (window.IsTimerActive(TaskBarWindow::SlideInTimer))
        window.OnTimer(TaskBarWindow::SlideInTimer);
    ASSERT_EQ(window.CurrentState(), TaskBarWindow::Shown);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
}

} // namespace
} // namespace lumaskin
