#pragma once

#include "core/system_file.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QAction;
class TPri;
struct Globali;
struct GuiServices;

// The system file commands of the main window: New, Open, the recent files, Save and Save as, and
// the caption that names the open system. It starts the first, empty system.
class SystemFileCommands : public QObject {
    Q_OBJECT
public:
    SystemFileCommands(TPri& window, Globali& g, GuiServices& services);

    void UpdateTitle();
    // Opens a system without the save question (the file named on the command line).
    void openFile(const QString& path);

private:
    void Nuovo1Click();
    void Apri1Click();
    void riaClick(int item);
    bool Salvax1Click();
    void Salvaconnome1Click();
    void afterNewOrOpen();
    void RebuildRecentFiles(const std::string* savedPath);
    NewSystemOptions newSystemOptions() const;

    TPri& window_;
    Globali& g_;
    GuiServices& services_;
    RecentFileItems recent_;
    std::array<QAction*, 9> recentActions_{};
};
