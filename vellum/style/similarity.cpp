#include "vellum/style/similarity.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/color.h"

namespace vellum {

int32_t ClampScore(int64_t score)
{
    if (score > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (score < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(score);
}

int32_t ValueSimilarity(int32_t reference, int32_t value, int32_t weight)
{
    if (reference == 0) {
        // |value| <= 2^31 and |weight| <= 2^31, so the product fits in 64 bits.
        int64_t factor = 1 - std::llabs(static_cast<int64_t>(value));
        return ClampScore(factor * weight);
    }
    double distance = std::fabs(static_cast<double>(reference) - static_cast<double>(value));
    double score = (1.0 - distance / std::fabs(static_cast<double>(reference))) * weight;
    // nearbyint rounds halves to even in the default rounding mode.
    double rounded = std::nearbyint(score);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

namespace {

bool HasBrightComponent(platform::Color rgb)
{
    return platform::RedOf(rgb) > 64 || platform::GreenOf(rgb) > 64 || platform::BlueOf(rgb) > 64;
}

int64_t ComponentDistance(int a, int b, int32_t weight)
{
    // Integer division per component, as the score has always been computed.
    return static_cast<int64_t>(std::abs(a - b)) * weight / 255;
}

} // namespace

int32_t ColorSimilarity(platform::Color a, platform::Color b, int32_t componentWeight, int32_t classBonus)
{
    if (a == clNone && b == clNone)
        return ClampScore(static_cast<int64_t>(classBonus) + 3 * static_cast<int64_t>(componentWeight));
    if (a == clNone || b == clNone)
        return 0;
    platform::Color ra = platform::ResolveColor(a);
    platform::Color rb = platform::ResolveColor(b);
    int64_t score = 0;
    score -= ComponentDistance(platform::RedOf(ra), platform::RedOf(rb), componentWeight);
    score -= ComponentDistance(platform::GreenOf(ra), platform::GreenOf(rb), componentWeight);
    score -= ComponentDistance(platform::BlueOf(ra), platform::BlueOf(rb), componentWeight);
    if (HasBrightComponent(ra) == HasBrightComponent(rb))
        score += classBonus;
    return ClampScore(score);
}

} // namespace vellum
