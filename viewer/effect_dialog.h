#pragma once

#include "platform/message_box.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <cstdint>
#include <variant>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace lumaskin {

class CImageViewer;

// What the two effect windows share: a modeless window, created hidden, whose rows of edit
// boxes are bound to integer or real fields; "Change" buttons that apply an effect to the
// owner's viewer; "Ok", "Cancel", Enter, Escape and the close box.
//
// Reading the edit boxes goes field by field in binding order and stops at the first text that
// is not a number: the user is told, the focus goes to that edit box, and the later fields keep
// their old values.
class EffectDialog : public QDialog
{
    Q_OBJECT

public:
    ~EffectDialog() override;

    // The viewer the "Change" buttons act on; may be null (then they only set their marks).
    void SetViewer(CImageViewer *viewer) { m_viewer = viewer; }
    CImageViewer *Viewer() const { return m_viewer; }

    // Reads every bound edit box into its field; false after the first bad text.
    bool ReadEdits();
    // The same for the bound edit boxes among `edits` only.
    bool ReadEdits(const QList<QLineEdit *> &edits);
    // Writes every field into its edit box.
    void WriteEdits();

    // "Change" acts on the shown picture: without one the buttons are disabled.
    void SetChangesEnabled(bool enabled);

    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }

protected:
    // Refusals are put to `messages`, which outlives the window.
    EffectDialog(const QString &title, CImageViewer *viewer, QWidget *owner,
                 MessageBoxes &messages);

    // Builders for the rows, in the grid inside the group frame. Columns: the label, then
    // `editColumns` columns of edit boxes (a list takes some of them), then "Change".
    void SetEditColumns(int editColumns) { m_editColumns = editColumns; }
    int AddRow(const QString &label);
    void AddCaptions(const QStringList &captions);
    QLineEdit *AddEdit(int row, int column, const QString &name);
    QComboBox *AddList(int row, int column, int span, const QString &name,
                       const QStringList &items);
    QPushButton *AddChangeButton(int row, const QString &name);
    // Adds the group frame and "Ok"/"Cancel" below it; call once every row is in place.
    void FinishLayout();

    // Binds an edit box to a field. Bindings are read and written in the order they are made.
    void Bind(QLineEdit *edit, std::int32_t &field);
    void Bind(QLineEdit *edit, float &field);

    // Runs before "Ok" reads the edit boxes.
    virtual void StoreSelections() {}

    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Binding
    {
        QLineEdit *edit;
        std::variant<std::int32_t *, float *> field;
    };

    bool Read(const Binding &binding);
    void Ok();
    // The default confirmation of a dialog: read everything; close when that works.
    void Confirm();
    void Refuse(QLineEdit *edit, const QString &message);

    CImageViewer *m_viewer;
    MessageBoxes &m_messages;
    QList<Binding> m_bindings;
    QList<QPushButton *> m_changeButtons;
    QGridLayout *m_grid = nullptr;
    int m_editColumns = 1;
    int m_nextRow = 0;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace lumaskin
