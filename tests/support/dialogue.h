#pragma once
// The third line of the dialogue as its play button speaks it: what a test
// expects to hear, and where the longer silence of its comma falls.

#include <cstddef>
#include <string>
#include <vector>

namespace test_support {

inline const std::vector<std::string> kLine3{"wo3", "jiao4", "tian2", "zhong1", "ni3",
                                             "jiao4", "shen2", "me0", "ming2", "zi4"};
// The comma follows the syllable at this place ("zhong1").
inline constexpr std::size_t kLine3Comma = 3;

}  // namespace test_support
