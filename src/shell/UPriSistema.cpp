#include "shell/UPriSistema.h"

#include "core/Globali.h"
#include "core/settings_store.h"
#include "shell/UPri.h"
#include "ui/gui_services.h"
#include "ui/qt_message_service.h"
#include "ui/shared_texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include <filesystem>

namespace {

const QString kSystemFilter = "Sistemi (*.sxv);;Tutti i file (*)";

std::string RecentValueKey(int k) {
    return "mrf_" + std::to_string(k);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void PumpMessages() {
    QApplication::processEvents();
}

} // namespace

SystemFileCommands::SystemFileCommands(TPri& window, Globali& g, GuiServices& services)
    : QObject(&window), window_(window), g_(g), services_(services) {
    if (auto* menu = window_.findChild<QMenu*>("Riapri1")) {
        for (int k = 0; k < 9; ++k) {
            QAction* action = menu->addAction("-");
            action->setObjectName(QString("ria%1").arg(k + 1));
            action->setVisible(false);
            connect(action, &QAction::triggered, this, [this, k] { riaClick(k); });
            recentActions_[static_cast<std::size_t>(k)] = action;
        }
    }
    window_.registerCommand("Nuovo1Click", [this] { Nuovo1Click(); });
    window_.registerCommand("Apri1Click", [this] { Apri1Click(); });
    window_.registerCommand("Salvax1Click", [this] { Salvax1Click(); });
    window_.registerCommand("Salvaconnome1Click", [this] { Salvaconnome1Click(); });
    window_.setCommandLineOpener([this](const QString& path) { openFile(path); });

    NewSystem(g_, newSystemOptions());
    afterNewOrOpen();
}

NewSystemOptions SystemFileCommands::newSystemOptions() const {
    NewSystemOptions options;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    options.initialDir = QDir(documents).exists() ? documents.toStdString() + "/" : g_.dirs.appDir;
    options.proFreMode = WindowSettingInteger(g_.settingsStore(), "ProFreTC", 0, SettingAccess::Read);
    options.proRitMode = WindowSettingInteger(g_.settingsStore(), "ProRitTC", 0, SettingAccess::Read);
    return options;
}

void SystemFileCommands::UpdateTitle() {
    const QString name = QFileInfo(QString::fromStdString(g_.system.currentPath)).fileName();
    window_.setWindowTitle(QString("%1 - [%2]").arg(kMainCaption, name));
    if (auto* save = window_.findChild<QAction*>("Salvax1")) save->setText("Salva " + name);
}

void SystemFileCommands::afterNewOrOpen() {
    UpdateTitle();
    window_.CheckBox1->setChecked(g_.system.superStar);
    window_.ShowFixed();
    g_.system.modified = false;
    RebuildRecentFiles(nullptr);
    window_.RefreshColumnList();
    window_.RefreshSummary();
}

void SystemFileCommands::RebuildRecentFiles(const std::string* savedPath) {
    RecentFileValues stored;
    for (int k = 1; k <= 9; ++k)
        stored[static_cast<std::size_t>(k - 1)] =
            WindowSettingText(g_.settingsStore(), RecentValueKey(k), "", SettingAccess::Read);
    const auto toStore = ::RebuildRecentFiles(recent_, stored, g_.system.currentPath, savedPath, FileExists);
    if (toStore)
        for (int k = 1; k <= 9; ++k)
            WindowSettingText(g_.settingsStore(), RecentValueKey(k),
                              (*toStore)[static_cast<std::size_t>(k - 1)], SettingAccess::Write);
    for (std::size_t k = 0; k < recentActions_.size(); ++k) {
        if (!recentActions_[k]) continue;
        recentActions_[k]->setText(QString::fromStdString(recent_[k].caption));
        recentActions_[k]->setToolTip(QString::fromStdString(recent_[k].path));
        recentActions_[k]->setVisible(recent_[k].visible);
    }
}

void SystemFileCommands::Nuovo1Click() {
    NewSystem(g_, newSystemOptions());
    afterNewOrOpen();
}

void SystemFileCommands::openFile(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    OpenSystem(g_, path.toStdString(), newSystemOptions(), PumpMessages);
    QApplication::restoreOverrideCursor();
    afterNewOrOpen();
}

void SystemFileCommands::Apri1Click() {
    const QString folder = QFileInfo(QString::fromStdString(g_.system.currentPath)).absolutePath();
    const QString path =
        services_.fileDialogs.openFile(&window_, {"Apri sistema", folder, {}, kSystemFilter, "sxv"});
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    openFile(path);
}

void SystemFileCommands::riaClick(int item) {
    const std::string path = recent_[static_cast<std::size_t>(item)].path;
    if (path.empty() || !FileExists(path) || !window_.SaveQuestion()) return;
    openFile(QString::fromStdString(path));
}

bool SystemFileCommands::Salvax1Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = SaveSystem(g_, PumpMessages);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        services_.messages.error(kSaveFailedText);
    } else {
        const std::string path = g_.system.currentPath;
        RebuildRecentFiles(&path);
    }
    window_.RefreshSummary();
    return saved;
}

void SystemFileCommands::Salvaconnome1Click() {
    const QFileInfo current(QString::fromStdString(g_.system.currentPath));
    const QString path =
        services_.fileDialogs.saveFile(&window_, {"Salva sistema con nome", current.absolutePath(),
                                                  current.fileName(), kSystemFilter, "sxv"});
    if (path.isEmpty()) return;
    g_.system.currentPath = path.toStdString();
    UpdateTitle();
    Salvax1Click();
}
