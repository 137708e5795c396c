#pragma once

#include "platform/message_box.h"
#include "viewer/c_image_viewer.h"

#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace lumaskin::test {

// A viewer that records every call instead of touching pixels.
struct RecordingViewer
{
    struct Call
    {
        int id;
        QVariantList arguments;
    };

    std::vector<Call> calls;
    CImageViewer viewer{[this](DispatchId id, const QVariantList &arguments) {
        calls.push_back({static_cast<int>(id), arguments});
        return QVariant();
    }};

    const Call &Last() const { return calls.back(); }
};

// Answers every message box with OK and remembers its text.
class RecordingMessages final : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons, MessageIcon) override
    {
        texts.append(text);
        return MessageAnswer::Ok;
    }
    QStringList texts;
};

// The values of a call's arguments as integers, for compact comparisons.
inline std::vector<long long> Values(const QVariantList &arguments)
{
    std::vector<long long> result;
    for (const QVariant &argument : arguments)
        result.push_back(argument.toLongLong());
    return result;
}

// Every recorded call as its id and integer arguments.
inline std::vector<std::pair<int, std::vector<long long>>>
RecordedCalls(const RecordingViewer &recorder)
{
    std::vector<std::pair<int, std::vector<long long>>> calls;
    for (const RecordingViewer::Call &call : recorder.calls)
        calls.emplace_back(call.id, Values(call.arguments));
    return calls;
}

} // namespace lumaskin::test
