#include "viewer/effect_dialog.h"

#include "viewer/automation_arguments.h"
#include "viewer/c_image_viewer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace lumaskin {

namespace {

// Decimal text as the program writes it: blanks around it allowed, an optional sign, digits.
// The result must fit the field; anything else is refused.
std::string TrimmedDigits(const QString &text)
{
    std::string s = text.trimmed().toStdString();
    // from_chars takes no plus sign.
    if (s.size() > 1 && s[0] == '+' && s[1] != '-' && s[1] != '+')
        s.erase(0, 1);
    return s;
}

std::optional<std::int32_t> ParseInteger(const QString &text)
{
    const std::string s = TrimmedDigits(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// A finite real that fits a float; independent of the user's locale, since the program
// writes "." as its decimal point.
std::optional<float> ParseReal(const QString &text)
{
    const std::string s = TrimmedDigits(text);
    double value = 0;
    const auto [end, error] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

QString FormatReal(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label, caption or list entry of the rows, in the user's language.
QString Shown(std::string_view text)
{
    return QCoreApplication::translate("EffectWindowRow", QByteArray(text.data(), text.size()));
}

} // namespace

EffectDialog::EffectDialog(const QString &title, std::span<const EffectWindowRow> rows,
                           CImageViewer *viewer, QWidget *owner, MessageBoxes &messages)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_rows(rows), m_viewer(viewer), m_messages(messages)
{
    appliedFlags.assign(rows.size(), 0);
    setWindowTitle(title);
    setModal(false);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(6);
    BuildRows();
    FinishLayout();
    Reset();
}

EffectDialog::~EffectDialog() = default;

void EffectDialog::BuildRows()
{
    // Columns: the label, then as many columns of edit boxes as the widest row has (a list
    // takes the rest of them), then "Change". Widgets go into the grid in the order the focus
    // moves through them.
    std::size_t editColumns = 0;
    for (const EffectWindowRow &row : m_rows)
        editColumns = std::max(editColumns, row.FieldCount());
    int gridRow = 0;
    for (const EffectWindowRow &row : m_rows) {
        Row built{&row, FindEffect(row.effect), m_bindings.size(), row.FieldCount()};
        Q_ASSERT(built.effect);
        const auto fields = std::span(row.fields).first(built.fieldCount);
        if (std::ranges::any_of(fields, [](const auto &field) { return !field.caption.empty(); })) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                auto *caption = new QLabel(Shown(fields[i].caption));
                caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                m_grid->addWidget(caption, gridRow, 1 + static_cast<int>(i));
            }
            ++gridRow;
        }
        auto *rowLabel = new QLabel(Shown(row.label));
        m_grid->addWidget(rowLabel, gridRow, 0);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const EffectWindowRow::Field &field = fields[i];
            Binding binding{&field};
            const int column = 1 + static_cast<int>(i);
            // Screen readers name each field after its row, and its column where it has one.
            const QString caption = Shown(field.caption);
            const QString fieldName =
                caption.isEmpty() ? rowLabel->text() : rowLabel->text() + u' ' + caption;
            if (field.kind == EffectWindowRow::Field::Kind::Choice) {
                binding.list = new QComboBox;
                binding.list->setObjectName(Text(field.objectName));
                for (std::string_view choice : field.choices)
                    binding.list->addItem(Shown(choice));
                binding.list->setMaxVisibleItems(8);
                m_grid->addWidget(binding.list, gridRow, column, 1,
                                  static_cast<int>(editColumns - i));
                binding.list->setAccessibleName(fieldName);
            } else {
                binding.edit = new QLineEdit;
                binding.edit->setObjectName(Text(field.objectName));
                binding.edit->setFixedWidth(
                    binding.edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
                m_grid->addWidget(binding.edit, gridRow, column);
                binding.edit->setAccessibleName(fieldName);
                m_readOrder.push_back(m_bindings.size());
            }
            if (i == 0)
                rowLabel->setBuddy(binding.list ? static_cast<QWidget *>(binding.list)
                                                : binding.edit);
            m_bindings.push_back(binding);
        }
        built.change = new QPushButton(QCoreApplication::translate("EffectDialog", "Change"));
        built.change->setObjectName(QStringLiteral("change") + Text(row.name));
        built.change->setAutoDefault(false); // see keyPressEvent
        m_grid->addWidget(built.change, gridRow, 1 + static_cast<int>(editColumns));
        built.mark = new QLabel;
        built.mark->setObjectName(QStringLiteral("mark") + Text(row.name));
        built.mark->setMinimumWidth(built.mark->fontMetrics().horizontalAdvance(
            QStringLiteral("\u2713 -0000, -0000, -0000")));
        m_grid->addWidget(built.mark, gridRow, 2 + static_cast<int>(editColumns));
        const std::size_t index = m_built.size();
        connect(built.change, &QPushButton::clicked, this, [this, index] { Change(index); });
        m_built.push_back(built);
        ++gridRow;
    }
    std::ranges::sort(m_readOrder, {},
                      [this](std::size_t i) { return m_bindings[i].field->readOrder; });
}

void EffectDialog::FinishLayout()
{
    auto *frame = new QGroupBox;
    frame->setLayout(m_grid);

    m_ok = new QPushButton(QCoreApplication::translate("EffectDialog", "Ok"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel = new QPushButton(QCoreApplication::translate("EffectDialog", "Cancel"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &EffectDialog::Ok);
    connect(m_cancel, &QPushButton::clicked, this, &EffectDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // A fixed frame, like a dialog box.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

const EffectDialog::Row *EffectDialog::FindRow(std::string_view name) const
{
    const auto row = std::ranges::find(m_built, name, [](const Row &r) { return r.row->name; });
    return row == m_built.end() ? nullptr : &*row;
}

const EffectDialog::Binding *EffectDialog::FindBinding(std::string_view objectName) const
{
    const auto binding = std::ranges::find(m_bindings, objectName,
                                           [](const Binding &b) { return b.field->objectName; });
    return binding == m_bindings.end() ? nullptr : &*binding;
}

bool EffectDialog::IsMarked(const Row &row) const
{
    return appliedFlags[static_cast<std::size_t>(row.row->mark)] != 0;
}

bool EffectDialog::IsApplied(std::string_view row) const
{
    const Row *found = FindRow(row);
    return found && IsMarked(*found);
}

QString EffectDialog::MarkText(std::string_view row) const
{
    const Row *found = FindRow(row);
    return found ? found->mark->text() : QString();
}

QString EffectDialog::ValuesText(const Row &row) const
{
    QStringList values;
    for (std::size_t i = row.firstBinding; i < row.firstBinding + row.fieldCount; ++i) {
        const Binding &binding = m_bindings[i];
        if (binding.list)
            values << binding.list->itemText(static_cast<int>(binding.value));
        else if (binding.field->kind == EffectWindowRow::Field::Kind::Integer)
            values << QString::number(static_cast<std::int32_t>(binding.value));
        else
            values << FormatReal(static_cast<float>(binding.value));
    }
    return values.join(QStringLiteral(", "));
}

namespace {

// "InvertColor" as people write it: "Invert color".
QString Spoken(std::string_view name)
{
    QString words;
    for (const QChar c : Text(name)) {
        if (c.isUpper() && !words.isEmpty() && words.back().isLower())
            words += u' ' + c.toLower();
        else
            words += c;
    }
    return words;
}

} // namespace

QStringList EffectDialog::InForce() const
{
    QStringList effects;
    for (const Row &row : m_built) {
        if (!IsMarked(row))
            continue;
        const QString values = ValuesText(row);
        const QString name = Spoken(row.row->name);
        effects << (values.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, values));
    }
    return effects;
}

void EffectDialog::ShowMarks()
{
    for (const Row &row : m_built) {
        const bool marked = IsMarked(row);
        row.mark->setText(marked ? QStringLiteral("\u2713 ") + ValuesText(row) : QString());
        row.mark->setToolTip(
            marked ? QCoreApplication::translate("EffectDialog", "In force: converting applies it")
                   : QString());
        row.mark->setAccessibleName(
            marked ? QCoreApplication::translate("EffectDialog", "In force: ") + ValuesText(row)
                   : QString());
    }
    emit inForceChanged();
}

QPushButton *EffectDialog::ChangeButton(std::string_view row) const
{
    const Row *found = FindRow(row);
    return found ? found->change : nullptr;
}

QLineEdit *EffectDialog::Edit(std::string_view objectName) const
{
    const Binding *binding = FindBinding(objectName);
    return binding ? binding->edit : nullptr;
}

QComboBox *EffectDialog::List(std::string_view objectName) const
{
    const Binding *binding = FindBinding(objectName);
    return binding ? binding->list : nullptr;
}

double EffectDialog::Value(std::string_view objectName) const
{
    const Binding *binding = FindBinding(objectName);
    return binding ? binding->value : 0;
}

bool EffectDialog::Read(Binding &binding)
{
    if (binding.field->kind == EffectWindowRow::Field::Kind::Integer) {
        const auto value = ParseInteger(binding.edit->text());
        if (!value) {
            Refuse(binding.edit,
                   QCoreApplication::translate("EffectDialog", "Please enter an integer."));
            return false;
        }
        binding.value = *value;
        return true;
    }
    const auto value = ParseReal(binding.edit->text());
    if (!value) {
        Refuse(binding.edit, QCoreApplication::translate("EffectDialog", "Please enter a number."));
        return false;
    }
    binding.value = *value;
    return true;
}

bool EffectDialog::ReadEdits(std::size_t first, std::size_t last)
{
    bool whole = true;
    for (std::size_t i : m_readOrder) {
        if (i >= first && i < last && !Read(m_bindings[i])) {
            whole = false;
            break;
        }
    }
    // Values read before a refusal are held, and the marks show them.
    ShowMarks();
    return whole;
}

bool EffectDialog::ReadEdits()
{
    return ReadEdits(0, m_bindings.size());
}

void EffectDialog::WriteEdits()
{
    for (std::size_t i : m_readOrder) {
        const Binding &binding = m_bindings[i];
        if (binding.field->kind == EffectWindowRow::Field::Kind::Integer)
            binding.edit->setText(QString::number(static_cast<std::int32_t>(binding.value)));
        else
            binding.edit->setText(FormatReal(static_cast<float>(binding.value)));
    }
}

void EffectDialog::Reset()
{
    std::ranges::fill(appliedFlags, 0);
    for (Binding &binding : m_bindings) {
        binding.value = binding.field->start;
        if (binding.list)
            binding.list->setCurrentIndex(static_cast<int>(binding.value));
    }
    WriteEdits();
    ShowMarks();
}

void EffectDialog::SetChangesEnabled(bool enabled)
{
    for (const Row &row : m_built)
        row.change->setEnabled(enabled);
}

void EffectDialog::Change(std::size_t index)
{
    const Row &row = m_built[index];
    const std::size_t last = row.firstBinding + row.fieldCount;
    // What the row shows, list choice included, is what is applied, and what a conversion
    // applies later.
    if (!ReadEdits(row.firstBinding, last))
        return;
    for (std::size_t i = row.firstBinding; i < last; ++i) {
        if (QComboBox *list = m_bindings[i].list)
            m_bindings[i].value = list->currentIndex();
    }
    appliedFlags[static_cast<std::size_t>(row.row->mark)] = 1;
    ShowMarks();
    if (m_viewer)
        m_viewer->ApplyEffect(StepOf(row));
}

EffectStep EffectDialog::StepOf(const Row &row) const
{
    EffectStep step{row.effect, {}};
    if (!row.effect)
        return step;
    for (std::size_t i = 0; i < row.effect->arguments.size(); ++i) {
        const EffectWindowRow::Argument &source = row.row->arguments[i];
        double value =
            source.field < 0
                ? source.fixed
                : m_bindings[row.firstBinding + static_cast<std::size_t>(source.field)].value;
        // The window's whole numbers reach the effects as their low 16 bits, as the viewer's
        // automation "shorts" do (70000 becomes 4464); reals and colours go as they are.
        if (row.effect->arguments[i].kind == ArgumentKind::Int)
            value = ToShort(static_cast<std::int64_t>(value));
        step.arguments.push_back(value);
    }
    return step;
}

std::vector<EffectStep> EffectDialog::MarkedSteps() const
{
    std::vector<EffectStep> steps;
    for (const Row &row : m_built) {
        if (appliedFlags[static_cast<std::size_t>(row.row->mark)] != 0)
            steps.push_back(StepOf(row));
    }
    return steps;
}

void EffectDialog::Refuse(QLineEdit *edit, const QString &message)
{
    m_messages.Show(message, MessageButtons::Ok, MessageIcon::None);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void EffectDialog::Ok()
{
    for (Binding &binding : m_bindings) {
        if (binding.list)
            binding.value = binding.list->currentIndex();
    }
    ReadEdits();
    // The write-back replaces any refused text with the field's value, so the confirmation's
    // second reading succeeds.
    WriteEdits();
    Confirm();
}

void EffectDialog::Confirm()
{
    if (ReadEdits())
        accept();
}

void EffectDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus; anywhere else it confirms the window
    // without "Ok"'s own steps. No button is marked as the default, since none of them is
    // what Enter does. Escape hides, as QDialog does.
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isEnabled())
            button->click();
        else
            Confirm();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lumaskin
