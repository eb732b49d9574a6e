#pragma once

class TPri;
struct Globali;
struct GuiServices;

// The commands of the "Pronostico iniziale" menu, and the smorfia and combination-analysis pages
// of the statistics area.
void RegisterAnalysisPages(TPri& window, Globali& g, GuiServices& services);
