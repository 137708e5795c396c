// The conversion's progress panel, drawn in each bundled skin's colours.
#include "app/conversion_progress.h"
#include "tests/support/temp_dir.h"

#include <QPushButton>
#include <QSettings>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

double Luminance(QRgb rgb)
{
    const auto linear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast between the button's ground (at its left edge, inside the border)
// and any pixel of its label.
double LabelContrast(QPushButton &button)
{
    const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb ground = image.pixel(3, image.height() / 2);
    double best = 1.0;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 8; x < image.width() - 8; ++x)
            best = std::max(best, Contrast(image.pixel(x, y), ground));
    return best;
}

TEST(ConversionProgressTest, StoppingIsLegibleInEverySkin)
{
    const auto themes = test::SourceDir() / "skins" / "themes";
    int skins = 0;
    for (const auto &entry : std::filesystem::directory_iterator(themes)) {
        QSettings theme(QString::fromStdString(entry.path().string()), QSettings::IniFormat);
        theme.beginGroup(QStringLiteral("Colours"));
        const auto colour = [&](const char *key) {
            return QColor(theme.value(QLatin1String(key)).toString());
        };
        ConversionProgress progress;
        progress.resize(480, 320);
        progress.SetColours(colour("ListBack"), colour("ListText"), colour("ListSelBack"));
        progress.Start(10);
        progress.SetStopping();
        ASSERT_FALSE(progress.CancelButton()->isEnabled());
        // The whole label fits its button.
        EXPECT_GE(progress.CancelButton()->width(), progress.CancelButton()->sizeHint().width());
        EXPECT_GE(LabelContrast(*progress.CancelButton()), 4.0) << entry.path().filename();
        ++skins;
    }
    EXPECT_GE(skins, 8);
}

} // namespace
} // namespace lumaskin
