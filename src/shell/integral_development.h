#pragma once

#include "shell/operation_host.h"

struct Globali;

// Shown by the command before the window opens when the list already holds columns.
inline constexpr const char* kDevelopmentSlowWarningText =
    "Lo sviluppo integrale potrebbe essere rallentato dalla presenza di colonne finali.\rIn questo caso, "
    "prima dello sviluppo integrale, sarà sufficiente eliminare le colonne finali.";

// Shown by the window when the development found nothing to add.
inline constexpr const char* kNothingAddedText =
    "Non è stata aggiunta nemmeno una colonna!\rVerificare la presenza delle fisse nel pronostico.";

// The yield interval of the integral development.
inline constexpr std::int64_t kDevelopmentYieldMs = 500;

// Appends to the final columns every column of the forecast that is not yet listed, in
// lexicographic order of the forecast positions; with `considerFixed`, only the columns that
// respect the fixed numbers. Takes the undo snapshot, announces C(n, 6) work units to the host and
// yields to it every 500 ms. Completed commits and invalidates the results; Interrupted,
// GrowthFailed and NothingAdded leave the list and the system as they were (the shortage message of
// a growth failure has already been shown; the others are the caller's to show).
OperationOutcome DevelopForecast(Globali& g, OperationHost& host, bool considerFixed);
