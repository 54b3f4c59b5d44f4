#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kolven::platform {

// The hidden name under which a new export file is written before it is
// renamed over file: "." file "." and 16 hexadecimal digits of bits.
std::string temporaryNameFor(std::string_view file, std::uint64_t bits);

// Whether name has exactly that form, for the given file.
bool isTemporaryNameFor(std::string_view file, std::string_view name);

// Removes, from the open folder, the temporaries of file that a program
// killed between writing and renaming left there: regular files of that
// name, of this user, with a single link, untouched for over a minute.
// Links, folders, other users' files and other names are left alone.
void removeStaleTemporaries(int folder, std::string_view file);

}  // namespace kolven::platform
