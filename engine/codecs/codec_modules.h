#pragma once

#include <QString>
#include <string>

// The libraries behind some formats are large: ImageMagick, poppler, librsvg with cairo, the
// AV1, HEVC and JPEG XL decoders and libtiff map over a hundred shared libraries between them,
// which costs a process more time to start than a whole JPEG conversion takes. Each lives in a
// module of its own (lumaskin-<name>.so beside the engine library) that is loaded the first time
// a picture needs it.
//
// The engine keeps the functions its callers know (DecodeHeif, EncodeWithMagick ...); their
// definitions here load the module and call its table. A module is built with hidden
// visibility, so its own definitions of those functions bind inside the module and it hands
// them over only through the table below.

namespace lumaskin {

// The module's table of functions, or null with *error set when it cannot be loaded (the
// installation is broken). Loaded once per process, from any thread.
const void *LoadCodecModule(const char *name, QString *error);

// Where the modules are: the folder of the engine library, where they are built and installed
// (with the helper programs that draw for them).
std::string CodecModuleFolder();

// ImageMagick takes its resource limits from policy files, where the system's (Debian's caps
// pictures at 128 megapixels and 1 GB of temporary files per process, whatever the number of
// files converted at once) would refuse pictures Lumaskin reads by its own limits. Names the
// magick module's own policy (beside the modules; resource limits only, the system's rules on
// formats and outside programs still hold) to be read first. Sets an environment variable:
// called at the start of main, before any thread runs.
void UseOwnImageMagickLimits();

template <typename Table> const Table *CodecModule(const char *name, QString *error)
{
    return static_cast<const Table *>(LoadCodecModule(name, error));
}

} // namespace lumaskin

// Names a module's table (the rest of the arguments); written once in each module's source.
#define LUMASKIN_CODEC_MODULE(name, ...)                                                           \
    extern "C" __attribute__((visibility("default"))) const void *lumaskin_codec_module_##name()   \
    {                                                                                              \
        static const auto functions = __VA_ARGS__;                                                 \
        return &functions;                                                                         \
    }
