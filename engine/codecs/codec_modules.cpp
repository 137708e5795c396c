#include "engine/codecs/codec_modules.h"

#include "engine/codecs/avif_library.h"
#include "engine/codecs/heif_library.h"
#include "engine/codecs/jxl_library.h"
#include "engine/codecs/magick_library.h"
#include "engine/codecs/pdf_writer.h"
#include "engine/codecs/poppler_library.h"
#include "engine/codecs/svg_library.h"
#include "engine/codecs/svg_process.h"
#include "engine/codecs/tiff_library.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lumaskin {

std::string CodecModuleFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&LoadCodecModule), &info) == 0 || !info.dli_fname)
        return ".";
    const std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void UseOwnImageMagickLimits()
{
    const std::string own = CodecModuleFolder() + "/magick";
    const char *given = std::getenv("MAGICK_CONFIGURE_PATH");
    const std::string path = given && *given ? own + ":" + given : own;
    ::setenv("MAGICK_CONFIGURE_PATH", path.c_str(), 1);
}

namespace {

// Whether the file holds every part its ELF header promises. A module cut short (a failed
// copy, a full disk during installation) would be mapped all the same, and the first touch of a
// missing page would end the program with SIGBUS rather than a message.
bool ModuleIsWhole(const std::string &file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true; // dlopen says why
    struct stat status = {};
    Elf64_Ehdr header = {};
    bool whole = ::fstat(fd, &status) == 0 &&
                 ::pread(fd, &header, sizeof header, 0) == static_cast<ssize_t>(sizeof header);
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const auto within = [size](std::uint64_t offset, std::uint64_t length) {
        return offset <= size && length <= size - offset;
    };
    whole = whole && header.e_phentsize == sizeof(Elf64_Phdr) &&
            within(header.e_phoff, std::uint64_t{header.e_phnum} * sizeof(Elf64_Phdr)) &&
            within(header.e_shoff, std::uint64_t{header.e_shnum} * header.e_shentsize);
    for (int i = 0; whole && i < header.e_phnum; ++i) {
        Elf64_Phdr segment = {};
        whole = ::pread(fd, &segment, sizeof segment,
                        static_cast<off_t>(header.e_phoff + i * sizeof segment)) ==
                    static_cast<ssize_t>(sizeof segment) &&
                (segment.p_type != PT_LOAD || within(segment.p_offset, segment.p_filesz));
    }
    ::close(fd);
    return whole;
}

} // namespace

const void *LoadCodecModule(const char *name, QString *error)
{
    struct Loaded
    {
        const void *table = nullptr;
        QString error;
    };
    static std::mutex mutex;
    static std::map<std::string, Loaded> modules;
    const std::lock_guard lock(mutex);
    auto [module, first] = modules.try_emplace(name);
    if (first) {
        const std::string file = CodecModuleFolder() + "/lumaskin-" + name + ".so";
        const bool whole = ModuleIsWhole(file);
        // Never closed: the module's functions may be running on other threads until exit.
        void *handle = whole ? dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
        using Entry = const void *(*)();
        const auto entry =
            handle ? reinterpret_cast<Entry>(
                         dlsym(handle, ("lumaskin_codec_module_" + std::string(name)).c_str()))
                   : nullptr;
        if (entry)
            module->second.table = entry();
        else
            module->second.error =
                QCoreApplication::translate(
                    "Codec", "Lumaskin's %1 module cannot be loaded (%2); reinstall Lumaskin")
                    .arg(QString::fromLatin1(name),
                         whole ? QString::fromLocal8Bit(dlerror())
                               : QCoreApplication::translate("Codec", "%1 is cut short")
                                     .arg(QString::fromStdString(file)));
    }
    if (!module->second.table && error)
        *error = module->second.error;
    return module->second.table;
}

// What the engine's callers know, handed to the modules.

Image DecodeAvif(Bytes bytes, QString *error)
{
    const auto *avif = CodecModule<AvifModule>("avif", error);
    return avif ? avif->decode(bytes, error) : Image();
}

bool EncodeAvif(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    const auto *avif = CodecModule<AvifModule>("avif", error);
    return avif && avif->encode(image, settings, out, error);
}

Image DecodeHeif(Bytes bytes, QString *error)
{
    const auto *heif = CodecModule<HeifModule>("heif", error);
    return heif ? heif->decode(bytes, error) : Image();
}

Image DecodeJxl(Bytes bytes, QString *error)
{
    const auto *jxl = CodecModule<JxlModule>("jxl", error);
    return jxl ? jxl->decode(bytes, error) : Image();
}

Image DecodeWithMagick(Bytes bytes, const MagickReadOptions &options, QString *error)
{
    const auto *magick = CodecModule<MagickModule>("magick", error);
    return magick ? magick->decode(bytes, options, error) : Image();
}

bool EncodeWithMagick(const Image &image, const MagickWriteOptions &options, QByteArray &out,
                      QString *error)
{
    const auto *magick = CodecModule<MagickModule>("magick", error);
    return magick && magick->encode(image, options, out, error);
}

bool EncodeGifWithMagick(const Image &image, QByteArray &out, QString *error)
{
    const auto *magick = CodecModule<MagickModule>("magick", error);
    return magick && magick->encodeGif(image, out, error);
}

Image RenderSvg(Bytes bytes, QString *error)
{
    if (SvgDrawnInHelper())
        return RenderSvgInHelper(bytes, error);
    const auto *svg = CodecModule<SvgModule>("svg", error);
    return svg ? svg->render(bytes, error) : Image();
}

Image DecodeTiff(Bytes bytes, QString *error)
{
    const auto *tiff = CodecModule<TiffModule>("tiff", error);
    return tiff ? tiff->decode(bytes, error) : Image();
}

bool EncodeTiff(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    const auto *tiff = CodecModule<TiffModule>("tiff", error);
    return tiff && tiff->encode(image, settings, out, error);
}

Image RenderFirstPdfPage(Bytes bytes, double dotsPerInch, QString *error)
{
    const auto *pdf = CodecModule<PdfModule>("pdf", error);
    return pdf ? pdf->render(bytes, dotsPerInch, error) : Image();
}

bool EncodePdf(const Image &image, QByteArray &out, QString *error)
{
    const auto *pdf = CodecModule<PdfModule>("pdf", error);
    return pdf && pdf->encode(image, out, error);
}

// A PDF page's time budget and the wish to stop drawing it belong to the caller, who sets them
// before the module is loaded.

namespace {

std::atomic<double> renderSeconds{15.0};
thread_local const std::atomic<bool> *t_cancel = nullptr;

} // namespace

double PdfRenderSeconds()
{
    return renderSeconds.load(std::memory_order_relaxed);
}

void SetPdfRenderSeconds(double seconds)
{
    renderSeconds.store(std::max(0.001, seconds), std::memory_order_relaxed);
}

PdfRenderCancel::PdfRenderCancel(const std::atomic<bool> *cancel) : m_previous(t_cancel)
{
    t_cancel = cancel;
}

PdfRenderCancel::~PdfRenderCancel()
{
    t_cancel = m_previous;
}

const std::atomic<bool> *PdfRenderCancelFlag()
{
    return t_cancel;
}

} // namespace lumaskin
