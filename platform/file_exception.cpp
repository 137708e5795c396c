#include "platform/file_exception.h"

#include <cstring>

namespace lumaskin {

namespace {

std::string Describe(FileException::Operation operation, const std::string &path, int error)
{
    const char *verb = "use";
    switch (operation) {
    case FileException::Operation::Open:
        verb = "open";
        break;
    case FileException::Operation::Create:
        verb = "create";
        break;
    case FileException::Operation::Read:
        verb = "read";
        break;
    case FileException::Operation::Write:
        verb = "write to";
        break;
    case FileException::Operation::Seek:
        verb = "move within";
        break;
    case FileException::Operation::Close:
        verb = "finish writing";
        break;
    case FileException::Operation::Attributes:
        verb = "change the attributes of";
        break;
    }
    std::string text = std::string("Cannot ") + verb + " \"" + path + "\"";
    if (error != 0) {
        // strerror's texts ("No such file or directory", "Permission denied") are the
        // plainest words the system has for the reason.
        text += ": ";
        text += std::strerror(error);
    }
    text += '.';
    return text;
}

} // namespace

FileException::FileException(Operation operation, std::string path, int error)
    : std::runtime_error(Describe(operation, path, error)), m_operation(operation),
      m_path(std::move(path)), m_error(error)
{}

} // namespace lumaskin
