#pragma once

#include "engine/codecs/codec.h"

#include <vector>

namespace lumaskin {

// Every format Lumaskin knows, in the order their content checks are tried.
const std::vector<Codec> &Codecs();

// The codec whose content check fits the bytes best: the first sure match in registry order,
// else the first plausible one. nullptr when none fits; *probe gets the winner's probe.
const Codec *FindReader(Bytes bytes, Probe *probe);

// The codec that writes `format` (lower case), or nullptr.
const Codec *FindWriter(const QString &format);

} // namespace lumaskin
