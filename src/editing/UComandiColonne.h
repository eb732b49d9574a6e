#pragma once

class TPri;
struct Globali;
struct GuiServices;

// The column-editing commands of the main window: typing new columns, rewriting or deleting the
// selected range, and the distribution of the numbers in the columns.
void RegisterColumnEditingCommands(TPri& window, Globali& g, GuiServices& services);
