#pragma once

#include "engine/effects/effect_step.h"
#include "platform/message_box.h"
#include "viewer/effect_window_row.h"

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumaskin {

class CImageViewer;

// What the two effect windows share: a modeless window, created hidden, built from its table of
// rows (EffectWindowRow). Each row shows a label, edit boxes and lists bound to the values the
// window holds, and a "Change" button that reads the row, marks its effect and applies it at
// once to the owner's viewer with the values shown; a conversion later applies every marked
// effect to each file, in the order of the rows, with the values held at that time. Below
// the rows: "Ok", "Cancel"; Enter, Escape and the close box work as in a dialog box.
//
// Reading the edit boxes goes one after another in the rows' reading order and stops at the
// first text that is not a number: the user is told, the focus goes to that edit box, and the
// later fields keep their old values.
class EffectDialog : public QDialog
{
    Q_OBJECT

public:
    ~EffectDialog() override;

    std::span<const EffectWindowRow> Rows() const { return m_rows; }

    // Reads every edit box into its value; false after the first bad text.
    bool ReadEdits();
    // Writes every value into its edit box.
    void WriteEdits();
    // Puts every mark, value and list choice back to its starting value and shows them.
    void Reset();

    // The marked effects, once each, in the order of the rows, with the values held now.
    std::vector<EffectStep> MarkedSteps() const;
    // The same, as people read them: "Contrast 20", "Emboss (North)", one for each.
    QStringList InForce() const;

    // "Change" acts on the shown picture: without one the buttons are disabled.
    void SetChangesEnabled(bool enabled);

    // By the row's name ("Contrast").
    bool IsApplied(std::string_view row) const;
    QPushButton *ChangeButton(std::string_view row) const;
    // By the object name of the edit box or list ("editContrast", "listEmboss"): the widget,
    // and the value it is bound to. Null, or 0, for a name the window does not have.
    QLineEdit *Edit(std::string_view objectName) const;
    QComboBox *List(std::string_view objectName) const;
    double Value(std::string_view objectName) const;

    // The mark beside a row's "Change" button: its values while the row is in force, else empty.
    QString MarkText(std::string_view row) const;

    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }

    // The marks, in the order of the rows' `mark`; read by the conversion and cleared by Reset.
    std::vector<std::int32_t> appliedFlags;

signals:
    // The effects in force, or the values they are applied with, may have changed.
    void inForceChanged();

protected:
    // "Change" acts on `viewer`, which may be null (then it only marks). Refusals are put to
    // `messages`, which outlives the window; `rows` too.
    EffectDialog(const QString &title, std::span<const EffectWindowRow> rows, CImageViewer *viewer,
                 QWidget *owner, MessageBoxes &messages);

    void keyPressEvent(QKeyEvent *event) override;

private:
    // An edit box or list with the value it is bound to.
    struct Binding
    {
        const EffectWindowRow::Field *field;
        QLineEdit *edit = nullptr;
        QComboBox *list = nullptr;
        double value = 0;
    };
    // A row's effect, "Change" button and values.
    struct Row
    {
        const EffectWindowRow *row;
        const EffectDescriptor *effect;
        std::size_t firstBinding; // its fields' bindings start here in m_bindings
        std::size_t fieldCount;
        QPushButton *change = nullptr;
        QLabel *mark = nullptr; // "✓ 20" while in force
    };

    void BuildRows();
    void FinishLayout();
    const Row *FindRow(std::string_view name) const;
    const Binding *FindBinding(std::string_view objectName) const;

    // Reads the edit boxes of the bindings from `first` to before `last`, in reading order.
    bool ReadEdits(std::size_t first, std::size_t last);
    bool Read(Binding &binding);
    void Change(std::size_t row);
    EffectStep StepOf(const Row &row) const;
    bool IsMarked(const Row &row) const;
    // The row's values as shown beside it: "20", "North", "10, 0, 0".
    QString ValuesText(const Row &row) const;
    // Brings the marks beside the rows up to date and tells whoever listens.
    void ShowMarks();
    void Ok();
    // The default confirmation of a dialog: read everything; close when that works.
    void Confirm();
    void Refuse(QLineEdit *edit, const QString &message);

    std::span<const EffectWindowRow> m_rows;
    CImageViewer *m_viewer;
    MessageBoxes &m_messages;
    std::vector<Row> m_built;
    std::vector<Binding> m_bindings;
    std::vector<std::size_t> m_readOrder; // the edit boxes, as indices into m_bindings
    QGridLayout *m_grid = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace lumaskin
