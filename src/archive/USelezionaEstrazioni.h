#pragma once

#include "archive/draw_archive.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSelezionaEstrazioni;
}

// Chooses a range of archived draws with two scroll bars that never cross.
class TSelezionaEstrazioni : public QDialog {
    Q_OBJECT
public:
    TSelezionaEstrazioni(const DrawArchive& archive, QWidget* parent = nullptr);
    ~TSelezionaEstrazioni() override;

    void setExplanation(const QString& text);
    void setRange(int first, int last);
    int first() const;
    int last() const;

private:
    void scb1Change(int value);
    void scb2Change(int value);
    void showLabels();

    std::unique_ptr<Ui::TSelezionaEstrazioni> ui_;
    const DrawArchive& archive_;
};
