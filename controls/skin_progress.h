#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

namespace lumaskin {

class SkinHost;

// A progress bar: a copy of the host's background under it, with the filled part covered by
// whole tiles from the left and one last tile squeezed into what remains. It only displays.
class SkinProgress : public QWidget
{
    Q_OBJECT
public:
    explicit SkinProgress(QWidget *parent = nullptr);
    ~SkinProgress() override;

    void Create(const QRect &rect);
    void SetHost(SkinHost *host) { m_host = host; }
    // Set before the tile is loaded: the tile's key-coloured pixels are cut at loading.
    void SetTransparentColor(std::uint32_t color) { m_keyColor = color; }

    void SetRange(int minPos, int maxPos);
    void SetMinPos(int minPos);
    void SetMaxPos(int maxPos);
    void SetPos(int pos);
    int GetPos() const { return m_pos; }
    int MinPos() const { return m_minPos; }
    int MaxPos() const { return m_maxPos; }
    bool SetTileBitmap(const QString &path);

    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

    // Width covered by tiles: width x pos / (max - min), counted from 0 and kept within the
    // bar; 0 for an empty range.
    int FilledWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinHost *m_host = nullptr;
    int m_index = 0;
    std::string m_name;
    int m_pos = 0;
    int m_maxPos = 100;
    int m_minPos = 0;
    QImage m_tile;
    int m_tileWidth = 0;
    int m_tileHeight = 0;
    std::uint32_t m_keyColor = 0;
    bool m_backgroundPending = true;
    QImage m_backgroundCopy;
};

} // namespace lumaskin
