#pragma once

#include <stdexcept>
#include <string>

namespace lumaskin {

// A file-system failure: a file or folder could not be opened, created, read, written or
// changed. Carries the path, the operation and the system's error number, and reads as a
// plain sentence for the user.
class FileException : public std::runtime_error
{
public:
    enum class Operation
    {
        Open,
        Create,
        Read,
        Write,
        Seek,
        Close,
        Attributes
    };

    // `error` is an errno value; 0 means "no system error given" (for example a short write).
    FileException(Operation operation, std::string path, int error);

    Operation operation() const { return m_operation; }
    const std::string &path() const { return m_path; }
    int error() const { return m_error; }

private:
    Operation m_operation;
    std::string m_path;
    int m_error;
};

} // namespace lumaskin
