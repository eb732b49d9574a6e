#pragma once

class TPri;
struct Globali;
struct GuiServices;

// Places the statistics area and the per-number panel into the main window, and gives it the
// statistics menu items.
void RegisterStatisticsViews(TPri& window, Globali& g, GuiServices& services);
