// Windows face names that stored documents and the window ask for, mapped to the families that
// a Debian desktop installs. The application installs these as Qt font substitutions at start-up
// and the canvas builds its fallback chains from the same table, so widgets and documents agree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FaceSubstitution {
    std::u16string face;                 // as documents name it, e.g. u"宋体"
    std::vector<std::u16string> families; // installed families to try, in order
};

// The whole table, for start-up registration and for `wenlocke-cli fonts`.
const std::vector<FaceSubstitution>& FaceSubstitutions();

// Families to try for FACE, matched case-insensitively; empty when the face is not in the table
// (the face is then used as it is).
const std::vector<std::u16string>& SubstituteFamilies(std::u16string_view face);

// The CJK family that stands in for glyphs a Latin face lacks, and the symbol family.
const std::vector<std::u16string>& CjkFallbackFamilies();
const std::vector<std::u16string>& SymbolFallbackFamilies();

} // namespace platform
