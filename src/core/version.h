#pragma once

inline constexpr const char* kProgramName = "CAROVELA SUPERENALOTTO";
inline constexpr const char* kProgramVersion = "0.1.0";

// The publisher's web site, printed in the footers of the print-outs.
inline constexpr const char* kPublisherWebAddress = "www.carovela-superenalotto.it";
