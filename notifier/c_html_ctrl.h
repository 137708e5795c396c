#pragma once

#include "notifier/html_view_timers.h"
#include "notifier/task_bar_window.h"

#include <QWebEngineView>

namespace lumaskin {

class CHtmlPage;

// The notifier's web page view. It reports to its owner, the task-bar window: the page
// shown (one second after a load, unless titled "KORVAN"), expired (30 seconds after a
// load) and clicked. "app:" links never navigate.
class CHtmlCtrl : public QWebEngineView
{
    Q_OBJECT
public:
    // The parent is also the owner that receives the messages.
    explicit CHtmlCtrl(QWidget *parent = nullptr);
    ~CHtmlCtrl() override;

    void SetOwner(QObject *owner) { m_timers.SetOwner(owner); }
    // Shows the program's own start page for the skin named `pcode`.
    void NavigateStartPage(const QString &pcode);

    CHtmlPage *Page() const { return m_page; }
    HtmlViewTimers &Timers() { return m_timers; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CHtmlPage *m_page = nullptr; // child of this view
    HtmlViewTimers m_timers;
};

// Creates the task-bar window's page view showing the start page for `pcode`.
TaskBarWindow::HtmlViewFactory StartPageViewFactory(const QString &pcode);

} // namespace lumaskin
