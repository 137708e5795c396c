#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

namespace lumaskin {

class SkinHost;

// A text label standing straight on the skin: it keeps a copy of the host's background
// under itself, taken at its first paint, and draws its text over that copy with its own
// font and colour, so a new text never leaves traces of the old one. Lines break only at
// line feeds; "&" marks a mnemonic as on a static control ("&&" shows one "&").
class CLabel : public QWidget
{
    Q_OBJECT
public:
    explicit CLabel(QWidget *parent = nullptr);
    ~CLabel() override;

    void Create(const QRect &rect);
    void SetHost(SkinHost *host) { m_host = host; }

    // Does not repaint by itself; callers update() the label. Screen readers hear the new
    // text.
    void SetText(const QString &text);
    const QString &Text() const { return m_text; }
    void SetTextColor(std::uint32_t color);
    QColor TextColor() const { return m_textColor; }
    void SetFontName(const QString &face);
    // Points at the 96 pixels per inch the skins are drawn for, so text keeps its size
    // relative to the skin whatever the screen's own resolution.
    void SetFontSize(int points);
    void SetFontBold(bool on);
    void SetFontItalic(bool on);
    void SetFontUnderline(bool on);
    // Kept for completeness; the label never fills with it.
    void SetBkColor(std::uint32_t color);
    const QFont &LabelFont() const { return m_font; }

    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

    // Pixel height of a font of `points` points at 96 pixels per inch, rounded.
    static int PointsToPixels(int points);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void DrawText(QPainter &painter);

    SkinHost *m_host = nullptr;
    std::string m_name;
    int m_index = 0;
    QImage m_background;
    QString m_text;
    QFont m_font;
    QColor m_textColor = QColor(255, 255, 255);
    QBrush m_backBrush = Qt::NoBrush;
};

} // namespace lumaskin
