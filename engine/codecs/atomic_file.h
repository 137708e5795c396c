#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

namespace lumaskin {

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a failure
// leaves no partial file and leaves an existing file at `path` untouched. Every write and the
// flush to the disk are checked before the rename, so a full disk fails the write (saying so)
// instead of replacing the file with a short one. The temporary is created exclusively in
// the target's folder and renamed over the name itself: a symbolic link at `path` is replaced
// by the file, never written through. An existing file keeps its permissions.
//
// Where the file system allows, the file has no name until it is complete, so that a run killed
// midway leaves nothing in the folder; elsewhere a hidden ".lumaskin-*.tmp" beside the target.
//
// With `keep`, nothing at the name is ever replaced, not even a file that appears there while
// this one is written: the name is taken only if it is free at that moment (see NameTaken).
struct NameTaken;
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                         const NameTaken *keep = nullptr);

// Where bytes go, in order, as they are made.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    // False once writing has failed; Error() says why.
    virtual bool Write(const void *data, std::size_t size) = 0;
    // Starts again from nothing.
    virtual bool Rewind() = 0;
    virtual QString Error() const = 0;
};

// Bytes kept in memory.
class ByteArraySink : public ByteSink
{
public:
    bool Write(const void *data, std::size_t size) override;
    bool Rewind() override;
    QString Error() const override { return {}; }
    QByteArray bytes;
};

// The same as WriteFileAtomically, for a file written as it is made: Open makes the temporary
// (or says why it cannot), Write adds to it, Commit puts it in place; a file not committed
// leaves nothing behind. `keep` (if given) must outlive it.
class AtomicFile : public ByteSink
{
public:
    AtomicFile();
    ~AtomicFile() override;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool Open(const QString &path, QString *error, const NameTaken *keep = nullptr);
    bool Write(const void *data, std::size_t size) override;
    bool Rewind() override;
    QString Error() const override;
    bool Commit(QString *error);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// What a write that keeps existing files does when it finds its name taken.
struct NameTaken
{
    // Another name in the same folder to try; an empty one gives up, and the write fails
    // ("a file of that name exists already"). Asked again while the names it gives are taken.
    std::function<QString()> another;
    // Set to the path written, and to whether a file was found in the way.
    QString *writtenAs = nullptr;
    bool *existed = nullptr;
};

// A plain reason for a failed file operation, from its errno ("the disk is full").
QString FileErrorText(int errorNumber);

} // namespace lumaskin
