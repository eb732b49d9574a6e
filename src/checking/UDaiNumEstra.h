#pragma once

#include "archive/draw_archive.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TDaiNumEstra;
}

// The draw picker: a scroll bar over the archived draws kept in step with year, month and day
// lists. One instance lives for the whole run, so it reopens where the user left it.
class TDaiNumEstra : public QDialog {
    Q_OBJECT
public:
    explicit TDaiNumEstra(const DrawArchive& archive, QWidget* parent = nullptr);
    ~TDaiNumEstra() override;

    // Shows the picker modally; true when the user confirmed a draw.
    bool pick();
    // The record the scroll bar stands on.
    int chosenRecord() const;

private slots:
    void sbdbChange(int record);
    void ComboChange();

private:
    void syncRange();

    std::unique_ptr<Ui::TDaiNumEstra> ui_;
    const DrawArchive& archive_;
    int knownCount_ = -1;
    bool updating_ = false;
};
