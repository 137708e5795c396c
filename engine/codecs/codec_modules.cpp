#include "engine/codecs/codec_modules.h"

#include "engine/codecs/avif_library.h"
#include "engine/codecs/heif_library.h"
#include "engine/codecs/jxl_library.h"
#include "engine/codecs/magick_library.h"
#include "engine/codecs/pdf_writer.h"
#include "engine/codecs/poppler_library.h"
#include "engine/codecs/svg_library.h"
#include "engine/codecs/tiff_library.h"

#include <QFile>
#include <algorithm>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <string>

namespace lumaskin {

namespace {

// The folder of the engine library: the modules are installed, and built, beside it.
std::string ModuleFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&LoadCodecModule), &info) == 0 || !info.dli_fname)
        return ".";
    const std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
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
        const std::string file = ModuleFolder() + "/lumaskin-" + name + ".so";
        // Never closed: the module's functions may be running on other threads until exit.
        void *handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        using Entry = const void *(*)();
        const auto entry =
            handle ? reinterpret_cast<Entry>(
                         dlsym(handle, ("lumaskin_codec_module_" + std::string(name)).c_str()))
                   : nullptr;
        if (entry)
            module->second.table = entry();
        else
            module->second.error =
                QStringLiteral("Lumaskin's %1 module cannot be loaded (%2); reinstall Lumaskin")
                    .arg(QString::fromLatin1(name), QString::fromLocal8Bit(dlerror()));
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
