#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QPushButton;

namespace lumaskin {

// The conversion's progress, drawn over the viewer in the skin's own colours: how many files of
// how many are done, the file just written, a bar, and a button to stop.
class ConversionProgress : public QWidget
{
    Q_OBJECT

public:
    explicit ConversionProgress(QWidget *parent = nullptr);

    // The colours of the skin it sits on: the panel, its text and the filled part of the bar.
    void SetColours(const QColor &panel, const QColor &text, const QColor &bar);

    void Start(int total);
    // A source taken in hand; it stays in hand until its progress comes.
    void FileStarted(const QString &source);
    void SetProgress(int finished, int total, const QString &currentFile,
                     const QString &source = QString());
    // After a cancel, until the files in hand are done: the bar then counts those.
    void SetStopping();

    int Finished() const { return m_finished; }
    int Total() const { return m_total; }
    const QString &CurrentFile() const { return m_currentFile; }
    const QStringList &InHand() const { return m_inHand; }
    // The line under the title, as drawn.
    QString StatusLine() const;
    QPushButton *CancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect PanelRect() const;
    void PlaceButton();
    void StyleButton();

    QPushButton *m_cancel; // child
    QColor m_panel{30, 30, 36};
    QColor m_text{Qt::white};
    QColor m_bar{80, 160, 230};
    int m_finished = 0;
    int m_total = 0;
    QString m_currentFile;
    QStringList m_inHand;
    bool m_stopping = false;
    int m_inHandAtStop = 0;
};

} // namespace lumaskin
