#pragma once

#include "shell/fixed_numbers_rules.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QToolBar;
class ColumnStrip;
class NumberBoard;
struct CommandItem;
struct Globali;
struct GuiServices;

// The main window: the forecast board, the fixed numbers, the summary and the column strip, and
// the menu and tool bar through which every other window is reached. A command's menu item and
// tool-bar button stay disabled until the command is registered.
class TPri : public QMainWindow {
    Q_OBJECT
public:
    TPri(Globali& globali, GuiServices& services, QWidget* parent = nullptr);
    ~TPri() override;

    void RefreshSummary();
    void RefreshColumnList();
    void ShowFixed();
    // ValidateFixed and RequireForecast over the five fields (see fixed_numbers_rules.h).
    int ValidateFixed();
    bool RequireForecast(int k);
    FixedFieldTexts fixedFieldTexts() const;

    // What the command with this handler name does; enables every item and button that runs it.
    // The window checks the item's conditions first and refreshes the summary and the list after.
    void registerCommand(const std::string& handler, std::function<void()> run);
    // For handlers shared by several items, which receive the item's tag.
    void registerTaggedCommand(const std::string& handler, std::function<void(int tag)> run);
    bool isRegistered(const std::string& handler) const;
    // Runs a menu item (by objectName) as its click would.
    void runCommand(const QString& itemName);

    // Asks to save a modified system. True when the caller may go on (saved, or not wanted).
    bool SaveQuestion();
    // Saves under a name the user chooses: the "Salva con nome" command once registered.
    void SaveSystemAs();
    // Opens the system file named on the command line; the system-file work installs it.
    void setCommandLineOpener(std::function<void(const QString& path)> opener);

    int tag() const { return tag_; }

    NumberBoard* Vss;
    QGroupBox* GroupBox2;
    std::array<QLineEdit*, 5> fixedEdits{}; // Edit23 .. Edit27
    QCheckBox* CheckBox1;
    QLabel* Label13;
    QLabel* Label1;
    QLabel* Label14;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label21;
    QLabel* Label22;
    QLabel* Label23;
    QLabel* Label5;
    QLabel* Label4;
    QWidget* statisticsArea;  // the statistics view is placed here
    QWidget* EnterLeavePan1;  // the per-number panel, shown while the pointer is over the board
    QTimer NumStatHiderTimer; // hides the per-number panel shortly after the pointer left the board
    ColumnStrip* columnStrip; // holds sg_col and ScrollBar1
    QMenuBar* MainMenu1;
    QToolBar* Miopan1;

signals:
    void numberHovered(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // FormCloseQuery

private:
    void buildBoardArea(QWidget* host);
    void buildSummary(QWidget* host);
    void buildMenu();
    void addItems(QMenu* menu, const std::vector<CommandItem>& items);
    void buildToolBar();
    void registerKnownCommands();
    void updateCommandStates();
    void fixedFieldChanged(int field);
    bool fixedFieldKey(int field, QKeyEvent* event);
    void fixedFieldLeft(int field);
    void FirstActivation();
    void OpenSystemFromCommandLine(const QString& path);

    Globali& g_;
    GuiServices& services_;
    int tag_ = 0; // 1 after the first activation
    bool fillingFixed_ = false;
    bool checkingFixed_ = false;
    std::map<std::string, std::function<void(int)>> handlers_;
    std::map<QString, QAction*> itemActions_;               // objectName -> menu item
    std::vector<std::pair<QAction*, QString>> toolActions_; // tool-bar button -> item it runs
    std::function<void(const QString&)> commandLineOpener_;
};
