#include "spectraroute.h"

#include "spectrabars.h"
#include "spectrumcurve.h"

std::optional<SpectraRoute> SpectraRoute::of(int channel, int type, int mode)
{
    if (channel < 0)
        return std::nullopt;
    if (mode == 1) {
        if (channel + 1 >= SpectrumCurve::pointCount)
            return std::nullopt;
        return SpectraRoute{Target::Curve, channel + 1};
    }
    if (mode != 0 || type < 0 || type > 2 || channel >= spectraBars(type).size())
        return std::nullopt;
    return SpectraRoute{Target(type), channel};
}
