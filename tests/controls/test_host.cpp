#include "tests/controls/test_host.h"

#include <QPainter>
#include <QTest>

namespace lumaskin::test {

TestHost::TestHost(QSize size, QColor colour) : m_colour(colour)
{
    resize(size);
}

void TestHost::ShowAndWait()
{
    show();
    (void)QTest::qWaitForWindowExposed(this);
}

QImage TestHost::Screen()
{
    return grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestHost::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    if (!background.isNull())
        painter.drawImage(QPoint(0, 0), background);
}

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString WriteBmp(const std::filesystem::path &folder, const std::string &name, const QImage &image)
{
    const QString path = QString::fromStdString((folder / name).string());
    image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return path;
}

QImage Gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

QRgb Rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace lumaskin::test
