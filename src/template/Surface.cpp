#include "template/Surface.h"

#include <algorithm>
#include <cmath>

namespace tafomat {

std::int64_t inStift(double pixel) {
    return std::llround(std::clamp(pixel, -GrößteLage, GrößteLage) * StiftJePixel);
}

std::int64_t ganzerPixel(std::int64_t stift) {
    return stift / StiftJePixel - ((stift % StiftJePixel != 0) && (stift < 0) ? 1 : 0);
}

}  // namespace tafomat
