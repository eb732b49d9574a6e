#pragma once

class TPri;
struct Globali;
struct GuiServices;

// Installs the commands of the "Colonne finali" menu that move columns between the list and
// files (the three imports and the text export) and "Ordina colonne".
void RegisterColumnFileCommands(TPri& window, Globali& globali, GuiServices& services);
