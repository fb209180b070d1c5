#pragma once
// Seeds a fuzz target offers the replay driver (the libFuzzer build ignores them).
#include <string>
#include <vector>

// Defined by a target that has seeds; the driver's weak default offers none.
void VokFuzzSeeds(std::vector<std::string>& seeds);
