#pragma once

class TPri;
struct Globali;
struct GuiServices;

// Gives the main window every command whose window exists, so its menu items and buttons come
// alive, and schedules the archive-update reminder shortly after the window appears.
void RegisterProgramCommands(TPri& window, Globali& g, GuiServices& services);
