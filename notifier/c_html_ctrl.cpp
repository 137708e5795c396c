#include "notifier/c_html_ctrl.h"

#include "notifier/c_html_page.h"
#include "notifier/start_page_scheme.h"

#include <QChildEvent>
#include <QWebEngineProfile>

namespace lumaskin {

CHtmlCtrl::CHtmlCtrl(QWidget *parent) : QWebEngineView(parent)
{
    m_timers.SetOwner(parent);
    StartPageSchemeHandler::InstallOn(QWebEngineProfile::defaultProfile());
    m_page = new CHtmlPage(this);
    setPage(m_page);
    connect(this, &QWebEngineView::loadFinished, this,
            [this](bool) { m_timers.OnPageLoaded(page()->title()); });
}

CHtmlCtrl::~CHtmlCtrl() = default;

void CHtmlCtrl::NavigateStartPage(const QString &pcode)
{
    load(StartPageUrl(pcode));
}

bool CHtmlCtrl::event(QEvent *event)
{
    // The page is drawn by a child widget that gets the mouse; watch it for clicks.
    if (event->type() == QEvent::ChildPolished) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child())
            child->installEventFilter(this);
    }
    return QWebEngineView::event(event);
}

bool CHtmlCtrl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_timers.OnMouseActivate();
    return QWebEngineView::eventFilter(watched, event);
}

TaskBarWindow::HtmlViewFactory StartPageViewFactory(const QString &pcode)
{
    return [pcode](TaskBarWindow &window) -> QWidget * {
        auto *view = new CHtmlCtrl(&window);
        view->NavigateStartPage(pcode);
        return view;
    };
}

} // namespace lumaskin
