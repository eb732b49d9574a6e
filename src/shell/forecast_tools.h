#pragma once

#include "core/forecast.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class ColumnStore;
class MessageService;
class RandomGenerator;
struct Globali;

// The quantity dialogs: minimum 1, maximum set by the command. The "most probable" dialog lowers a
// value above the maximum to the maximum; the random one refuses it.
enum class QuantityLimit { LowerToMaximum, RefuseAboveMaximum };
// Whether a quantity dialog adds numbers to the forecast or takes them out.
enum class ForecastChange { Add, Remove };

std::string QuantityRefusalText(int minimum, int maximum);
// The accepted quantity, or nullopt when the text is not a whole number in range.
std::optional<int> ParseQuantity(std::string_view text, int minimum, int maximum, QuantityLimit limit);
// As ParseQuantity, showing the refusal ("Attenzione", warning icon) when the value is not valid.
std::optional<int> AcceptQuantity(MessageService& messages, std::string_view text, int minimum, int maximum,
                                  QuantityLimit limit);

// Numbers 1..90 ordered by probability with the program's exchange sort: for every pair i < j of
// list positions, entries i and j swap when j's probability is higher (lower with ascending).
// Equal probabilities keep whatever order the exchanges left them in.
std::array<int, 90> OrderByProbability(const std::array<double, 91>& probability, bool descending);

// Adds the `quantity` most probable numbers missing from the forecast; returns how many it added.
int AddMostProbable(ForecastFlags& forecast, const std::array<double, 91>& probability, int quantity);
// Removes the `quantity` least probable numbers of the forecast; returns how many it removed.
int RemoveLeastProbable(ForecastFlags& forecast, const std::array<double, 91>& probability, int quantity);
// Uniform draws over 1..90 with retries until `quantity` numbers were added (removed). The
// quantity is limited to what can be added (removed), so the loop always ends.
int AddRandom(ForecastFlags& forecast, RandomGenerator& random, int quantity);
int RemoveRandom(ForecastFlags& forecast, RandomGenerator& random, int quantity);
// The forecast becomes the numbers used by the final columns 1..count.
void ForecastFromColumnList(ForecastFlags& forecast, const ColumnStore& columns);

// The menu commands after their dialog accepted `quantity`. Each recomputes the probabilities
// first (the dialog may have changed their settings) and again afterwards, and invalidates the
// results when the forecast changed.
void AddMostProbableNumbers(Globali& g, int quantity);
void RemoveLeastProbableNumbers(Globali& g, int quantity);
void AddRandomNumbers(Globali& g, int quantity);
void RemoveRandomNumbers(Globali& g, int quantity);
// "Pronostico da colonne" and "Elimina tutti i numeri" with their messages; true when the
// forecast was changed.
bool ForecastFromColumns(Globali& g);
bool ClearForecastNumbers(Globali& g);

// The largest quantity each command's dialog accepts (0: the command does nothing).
int AddableCount(const ForecastFlags& forecast);
int RemovableCount(const ForecastFlags& forecast);

inline constexpr const char* kEmptyColumnListText = "L'elenco delle colonne finali è vuoto.";
inline constexpr const char* kForecastFromColumnsQuestion =
    "Inserire nel pronostico i numeri presenti nelle colonne finali ?";
inline constexpr const char* kClearForecastQuestion = "Eliminare tutti numeri del pronostico iniziale ?";
