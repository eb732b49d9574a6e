#pragma once

#include <QDialog>
#include <QString>

#include <memory>

struct RtfDocument;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace Ui {
class Tperrtf;
}

// The message the update server sent with the draws, shown read-only.
class Tperrtf final : public QDialog {
    Q_OBJECT
public:
    explicit Tperrtf(QWidget* parent = nullptr);
    ~Tperrtf() override;

    // False when the file cannot be read; an unreadable document shows what could be read of it.
    bool loadFile(const QString& path);
    void loadDocument(const RtfDocument& document);

    QTextEdit* rtf;
    QPushButton* BitBtn1;

private:
    std::unique_ptr<Ui::Tperrtf> ui_;
};

// Fills a text document from the RTF model: one block per paragraph, one format per run.
void FillTextDocument(QTextDocument& target, const RtfDocument& document);

// Shows an RTF file modally in the message window.
void ShowRtfMessage(const QString& path, QWidget* parent);
