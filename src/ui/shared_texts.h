#pragma once

// Texts that several windows of the program show.

inline constexpr const char* kMainCaption = "CAROVELA SUPERENALOTTO";

// Asked before a modified system is replaced or the program closes (Yes / No / Cancel).
inline constexpr const char* kSaveQuestionText =
    "Il sistema attuale non è stato salvato!\rSalvare il sistema sul disco ?";

inline constexpr const char* kHomePageAddress = "https://www.carovela-superenalotto.it/";
inline constexpr const char* kAboutTitle = "Informazioni su CAROVELA SUPERENALOTTO";
