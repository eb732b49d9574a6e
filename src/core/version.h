#pragma once

inline constexpr const char* kProgramName = "CAROVELA SUPERENALOTTO";
inline constexpr const char* kProgramVersion = "0.1.0";
