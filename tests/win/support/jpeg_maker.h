// Small JPEG pictures made by the tests themselves.
#pragma once

#include <string>

namespace testing_support {

// The bytes of a JPEG file of solid halves: left red, right blue.
std::string MakeJpeg(int width, int height);

}  // namespace testing_support
