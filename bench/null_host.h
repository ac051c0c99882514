#pragma once
// The benchmarks' host: windowless, its spectrum fields the spectrum screen's
// defaults at 150 kV, so a benchmark measures the computation alone.

#include "core/host.h"
#include "core/text_host.h"

namespace tervolin::bench {

class NullHost : public TextHost {
 public:
  NullHost() {
    energyText = "100";
    for (const SpectrumField field : kSpectrumFields) spectrumFields[field] = DefaultSpectrumFieldText(field);
    spectrumFields[SpectrumField::TubeVoltage] = "150";
  }
};

}  // namespace tervolin::bench
