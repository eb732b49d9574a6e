#pragma once

#include <string>
#include <vector>

// A deliberately plain checker of covering promises, sharing nothing with the optimiser: it walks
// every subset of 1..v and looks for a column that meets it in enough numbers.
namespace checker {

using Column = std::vector<int>;

// Number of m-subsets of 1..v that share fewer than t numbers with every column; m = t for an
// orthogonal table ("orto"), m = drawn (6 unless a smaller draw is asked) for a guarantee table
// ("gara").
long CountUncovered(const std::string& kind, int v, int t, const std::vector<Column>& columns, int drawn = 6);

// Reads a covering file: one column per line, blanks between numbers, '#' lines and blank lines
// skipped. Fails (false, with a reason) on anything but six distinct numbers in 1..v per line.
bool ReadCovering(const std::string& path, int v, std::vector<Column>& columns, std::string& error);

} // namespace checker
