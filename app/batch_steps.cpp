#include "app/batch_steps.h"

#include "app/app_settings.h"
#include "app/conversion_choice.h"
#include "engine/convert_options.h"
#include "engine/preset_file.h"

#include <algorithm>
#include <utility>

namespace lumaskin {

namespace {

// Row `row` of `rows` replaced, or taken out; false when there is no such row.
template <typename Row> bool ReplaceRow(std::vector<Row> &rows, int row, Row value)
{
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return false;
    rows[static_cast<std::size_t>(row)] = std::move(value);
    return true;
}

template <typename Row> bool RemoveRow(std::vector<Row> &rows, int row)
{
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return false;
    rows.erase(rows.begin() + row);
    return true;
}

} // namespace

void BatchSteps::RememberIn(AppSettings *settings)
{
    m_settings = nullptr;
    if (settings) {
        const QString text = settings->BatchPreset();
        // What another version left, or a damaged file, is forgotten rather than half taken.
        if (const auto options =
                text.isEmpty() ? std::nullopt
                               : ConvertOptionsFromPresetText(text.toUtf8(), QString(), nullptr))
            Take(options->request);
    }
    m_settings = settings;
    emit changed();
}

void BatchSteps::Take(const ConversionRequest &request)
{
    m_steps = request.steps;
    m_outputs = request.outputs;
    m_rename = request.rename;
    m_place = request.place;
    m_strip = request.write.stripMetadata;
}

void BatchSteps::Changed()
{
    if (m_settings) {
        ConversionRequest kept;
        kept.steps = m_steps;
        kept.outputs = m_outputs;
        kept.rename = m_rename;
        kept.place = m_place;
        kept.write.stripMetadata = m_strip;
        m_settings->SetBatchPreset(QString::fromUtf8(PresetText(RequestOptions(kept))));
        m_settings->Sync();
    }
    emit changed();
}

void BatchSteps::Add(Step step)
{
    m_steps.push_back(std::move(step));
    Changed();
}

void BatchSteps::Replace(int row, Step step)
{
    if (ReplaceRow(m_steps, row, std::move(step)))
        Changed();
}

void BatchSteps::Move(int row, int offset)
{
    const int to = row + offset;
    const int count = static_cast<int>(m_steps.size());
    if (row < 0 || row >= count || to < 0 || to >= count)
        return;
    std::swap(m_steps[static_cast<std::size_t>(row)], m_steps[static_cast<std::size_t>(to)]);
    Changed();
}

void BatchSteps::Remove(int row)
{
    if (RemoveRow(m_steps, row))
        Changed();
}

void BatchSteps::AddOutput(ConversionOutput output)
{
    m_outputs.push_back(std::move(output));
    Changed();
}

void BatchSteps::ReplaceOutput(int row, ConversionOutput output)
{
    if (ReplaceRow(m_outputs, row, std::move(output)))
        Changed();
}

void BatchSteps::RemoveOutput(int row)
{
    if (RemoveRow(m_outputs, row))
        Changed();
}

void BatchSteps::SetRename(std::optional<NamePattern> rename)
{
    const auto text = [](const std::optional<NamePattern> &p) { return p ? p->Text() : QString(); };
    if (text(rename) == text(m_rename) && rename.has_value() == m_rename.has_value())
        return;
    m_rename = std::move(rename);
    Changed();
}

void BatchSteps::SetPlace(TargetPlace place)
{
    if (place == m_place)
        return;
    m_place = place;
    Changed();
}

void BatchSteps::SetStripMetadata(bool strip)
{
    if (strip == m_strip)
        return;
    m_strip = strip;
    Changed();
}

std::optional<ConversionRequest> BatchSteps::Request(const ConversionChoice &choice,
                                                     const std::vector<EffectStep> &effects,
                                                     const QStringList &sources,
                                                     const QString &folder, QString *error) const
{
    ConversionRequest request;
    request.sources = sources;
    request.folder = folder;
    request.format = choice.Format();
    request.write.quality = choice.Quality();
    request.write.stripMetadata = m_strip;
    request.steps.assign(effects.begin(), effects.end());
    request.steps.insert(request.steps.end(), m_steps.begin(), m_steps.end());
    request.outputs = m_outputs;
    request.rename = m_rename;
    request.place = m_place;
    if (m_place == TargetPlace::BesideSource)
        request.folder.clear();
    if (!LoadStepFiles(request.steps, error))
        return std::nullopt;
    return request;
}

bool BatchSteps::LoadPreset(const QString &file, ConversionChoice &choice, QString *error)
{
    const auto options = ConvertOptionsFromPreset(file, error);
    if (!options)
        return false;
    const ConversionRequest &request = options->request;
    if (!request.format.isEmpty())
        choice.ChooseFormat(request.format);
    choice.SetQuality(request.write.quality);
    if (!request.folder.isEmpty())
        choice.SetFolder(request.folder);
    Take(request);
    Changed();
    return true;
}

bool BatchSteps::SavePreset(const QString &file, const ConversionRequest &request, QString *error)
{
    return WritePreset(file, RequestOptions(request), error);
}

} // namespace lumaskin
