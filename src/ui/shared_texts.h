#pragma once

// Texts that several windows of the program show.

#include "core/system_file.h" // the save question (kSaveQuestionText) lives with the system file

inline constexpr const char* kMainCaption = "CAROVELA SUPERENALOTTO";

inline constexpr const char* kHomePageAddress = "https://www.carovela-superenalotto.it/";
inline constexpr const char* kAboutTitle = "Informazioni su CAROVELA SUPERENALOTTO";
