#pragma once

#include <string>

#include "platform/files.h"

namespace kolven {

// Why a file the user asked for was not saved, said in a notice; empty when
// it was saved.
std::string saveNoticeText(platform::SaveOutcome outcome, const std::string& path);

}  // namespace kolven
