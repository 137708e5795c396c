#pragma once

#include <QWebEnginePage>

namespace lumaskin {

// The notifier's web page: links whose address begins with "app:" (in any letter case) are
// commands for the program, not places to go, so they never navigate.
class CHtmlPage : public QWebEnginePage
{
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

protected:
    // The command after "app:"; the notifier has none of its own yet.
    virtual void OnAppCommand(const QString &command);
};

} // namespace lumaskin
