#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <string>

namespace lumaskin {

// A borderless single-line edit in the skin's colours. Its text is its value. The border
// colour is not drawn around the edit itself; the combo box frames its open list with it.
class SkinEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit SkinEdit(QWidget *parent = nullptr);
    ~SkinEdit() override;

    void Create(const QRect &rect);

    void SetBkColor(std::uint32_t color);
    void SetTextColor(std::uint32_t color);
    void SetBorderColor(std::uint32_t color);
    QColor BkColor() const { return m_bkColor; }
    QColor TextColor() const { return m_textColor; }
    QColor BorderColor() const { return m_borderColor; }

    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

private:
    void ApplyColours();

    std::string m_name;
    int m_index = 0;
    QColor m_textColor = QColor(0, 0, 0);
    QColor m_bkColor = QColor(0x98, 0xE4, 0xE7);
    QColor m_borderColor = QColor(255, 255, 255);
    QBrush m_bkBrush = QBrush(m_bkColor);
    QString m_faceName = QStringLiteral("Arial");
};

} // namespace lumaskin
