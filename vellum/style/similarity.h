// The number functions behind the similarity scores of style records. Scores add up in 64 bits
// and are clamped to 32 bits at the end, so no pair of styles can overflow them.
#pragma once

#include <cstdint>

#include "vellum/style/style_types.h"

namespace vellum {

// WEIGHT for equal values, less the further VALUE lies from REFERENCE relative to REFERENCE:
// (1 - |reference - value| / |reference|) x weight, rounded half to even; for a zero reference
// (1 - |value|) x weight. Clamped to the 32-bit range.
int32_t ValueSimilarity(int32_t reference, int32_t value, int32_t weight);

// Closeness of two colours: CLASSBONUS + 3 x COMPONENTWEIGHT for two none colours, 0 when only one
// is none; else minus the per-component distance (each |a - b| x weight div 255), plus CLASSBONUS
// when both or neither colour has a component above 64. System colours are resolved first.
int32_t ColorSimilarity(platform::Color a, platform::Color b, int32_t componentWeight, int32_t classBonus);

// A 64-bit sum as a 32-bit score.
int32_t ClampScore(int64_t score);

} // namespace vellum
