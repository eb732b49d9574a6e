#pragma once

#include <QString>

class QWidget;

// What a file dialog shows: its caption, the folder it starts in, the proposed name and the
// filters in Qt's form ("Sistemi (*.sxv);;Tutti i file (*)").
struct FileDialogRequest {
    QString title;
    QString folder;
    QString fileName;      // proposed name (save dialogs); may be empty
    QString filter;        // empty: every file
    QString defaultSuffix; // added by save dialogs to a typed name without one, e.g. "sxv"
};

// Open, save and folder dialogs. Each returns the chosen path, or an empty string when the user
// cancels. GUI tests install a scripted replacement.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual QString openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& folder) = 0;
};

class QtFileDialogService final : public FileDialogService {
public:
    QString openFile(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFile(QWidget* parent, const FileDialogRequest& request) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& folder) override;
};
