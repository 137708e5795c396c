#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Cheap looks at the first bytes of a file, one per format. Each reads only headers and never
// trusts a length or offset without checking it against the buffer.
Probe ProbeJpeg(Bytes bytes);
Probe ProbePng(Bytes bytes);
Probe ProbePdf(Bytes bytes);
Probe ProbeBmp(Bytes bytes);
Probe ProbeGif(Bytes bytes);
Probe ProbePcx(Bytes bytes);
Probe ProbeTga(Bytes bytes);
Probe ProbeIco(Bytes bytes);
Probe ProbeWbmp(Bytes bytes);
Probe ProbeTiff(Bytes bytes);
Probe ProbePsd(Bytes bytes);
Probe ProbeWmf(Bytes bytes);
Probe ProbeJp2(Bytes bytes);
Probe ProbeJ2k(Bytes bytes);
Probe ProbePgx(Bytes bytes);
Probe ProbeRas(Bytes bytes);
Probe ProbePnm(Bytes bytes);
Probe ProbeWebp(Bytes bytes);
Probe ProbeAvif(Bytes bytes);
Probe ProbeHeif(Bytes bytes);
Probe ProbeJxl(Bytes bytes);
Probe ProbeSvg(Bytes bytes);

} // namespace lumaskin
