#pragma once
// A check of the input files, warnings only: what the database and the mechanism hold
// that would make a reversal wrong or leave a reaction out, each finding with its file and
// line. Nothing is rewritten.

#include "text/Finding.h"

#include <string>
#include <vector>

namespace zorbel {

/// The database's findings (headers read two ways, jumps at the common temperature,
/// species defined twice), then, when a mechanism is given, its findings in line order:
/// species missing from the database, reactions whose elements do not balance (counted
/// from the element fields of the species' headers), reactions written twice without
/// DUPLICATE.
std::vector<Finding> checkInputs(const std::vector<std::string>& thermoLines,
                                 const std::string& thermoFile,
                                 const std::vector<std::string>* mechanismLines,
                                 const std::string& mechanismFile);

} // namespace zorbel
