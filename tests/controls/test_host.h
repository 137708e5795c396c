#pragma once

#include "controls/skin_host.h"
#include "controls/task_bar_host.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lumaskin::test {

// A window that hosts skinned controls the way the skinned dialog does: it paints its
// background image (or a plain colour without one) and records every notification.
class TestHost : public QWidget, public SkinHost, public TaskBarHost
{
public:
    explicit TestHost(QSize size = QSize(320, 200), QColor colour = QColor(10, 20, 30));

    void OnButtonClicked(int index) override { buttonClicks.push_back(index); }
    void OnOptionClicked(int index) override { optionClicks.push_back(index); }
    void OnCheckClicked(int index) override { checkClicks.push_back(index); }
    void OnSliderMoved(int index, int position) override
    {
        sliderMoves.emplace_back(index, position);
    }
    void OnListClicked() override { ++listClicks; }
    QImage BackgroundContext() const override { return background; }
    QWidget *HostWidget() override { return this; }
    void CloseTaskBar(const std::string &name) override { taskBarCloses.push_back(name); }

    // Shows the window and waits until it can take events.
    void ShowAndWait();
    // The window as it appears on screen, controls included.
    QImage Screen();

    QImage background;
    std::vector<int> buttonClicks;
    std::vector<int> optionClicks;
    std::vector<int> checkClicks;
    std::vector<std::pair<int, int>> sliderMoves;
    int listClicks = 0;
    std::vector<std::string> taskBarCloses;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

// A part that must exist; a null one ends the test with an exception.
template <class T> T &Need(T *pointer)
{
    if (!pointer)
        throw std::runtime_error("a part the test needs is missing");
    return *pointer;
}

// An image of one colour.
QImage Filled(QSize size, QColor colour);
// A 24-bit BMP file written into `folder`; returns its path.
QString WriteBmp(const std::filesystem::path &folder, const std::string &name, const QImage &image);
// A background with a distinct colour at every pixel, to tell apart where a copy came from.
QImage Gradient(QSize size);
// Colour of a pixel without alpha, for comparisons.
QRgb Rgb(const QImage &image, int x, int y);

} // namespace lumaskin::test
