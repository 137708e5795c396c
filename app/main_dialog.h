#pragma once

#include "platform/message_box.h"
#include "skin/skin_dialog.h"
#include "viewer/c_image_viewer.h"
#include "viewer/effect_dialog_one.h"
#include "viewer/effect_dialog_two.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

namespace lumaskin {

// The program's only window: a skinned dialog that hosts the image viewer at the place its
// skin reserves, with the output format list in the skin's first combo box.
class MainDialog : public SkinDialog
{
    Q_OBJECT

public:
    // Questions and reports go to `messages`, or to message boxes over this window.
    explicit MainDialog(MessageBoxes *messages = nullptr, QWidget *parent = nullptr);
    ~MainDialog() override;

    // Loads the start-up skin "Purple.skn" from `packageFolder` (the folder current when the
    // program started) through a private working folder that is gone again on return, then
    // fills the format list and places the viewer.
    void OnInitDialog(const QString &packageFolder);

    // The formats a conversion can write, as the format combo box offers them.
    static QStringList OutputFormatList();

    ViewerControl *Viewer() const { return m_viewer.control(); }
    CImageViewer &ImageViewer() { return m_viewer; }
    EffectDialogOne &EffectOne() { return m_effectDialogOne; }
    EffectDialogTwo &EffectTwo() { return m_effectDialogTwo; }
    const QIcon &Icon() const { return m_icon; }

    void OnControlClicked(const std::string &name) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void FillFormatComboBox();
    void PlaceViewer();

    std::unique_ptr<MessageBoxes> m_ownMessages;
    MessageBoxes *m_messages;
    QIcon m_icon;
    // Declared so that they go in the reverse order: the viewer's wrapper first, then the
    // second effect window, then the first. Both windows act on the viewer.
    EffectDialogOne m_effectDialogOne;
    EffectDialogTwo m_effectDialogTwo;
    // Wraps the viewer widget, a child window deleted with the dialog.
    CImageViewer m_viewer;
};

} // namespace lumaskin
