#pragma once
// What may be wrong in a thermodynamic database that the loader reads without a word:
// headers whose two readings differ, polynomials that jump at the common temperature,
// species defined twice. Warnings only: the records are used as the loader reads them.

#include "text/Finding.h"

#include <map>
#include <string>
#include <vector>

namespace zorbel {

/// The species of a database that a check of a mechanism consults: the header line of
/// the record used (the first of each name, upper-cased) and its element counts.
struct CheckedSpecies {
    std::size_t line = 0;
    std::map<std::string, double> elements;
};

struct DatabaseCheck {
    std::vector<Finding> findings;
    std::map<std::string, CheckedSpecies> species;
};

DatabaseCheck checkDatabase(const std::vector<std::string>& fileLines, const std::string& file);

/// The element counts of a header: four fields of five columns from column 25, each an
/// element symbol in two columns and its count in three.
std::map<std::string, double> headerElements(const std::string& header);

} // namespace zorbel
