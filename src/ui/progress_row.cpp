#include "ui/progress_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressRow BuildProgressRow(QDialog& dialog) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("Stato avanzamento"), &dialog);
    label->setObjectName("Label4");
    auto* bar = new QProgressBar(&dialog);
    bar->setObjectName("gg");
    bar->setTextVisible(false);
    auto* stop = new QPushButton(QStringLiteral("Interrompi"), &dialog);
    stop->setObjectName("stopbtn");
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(bar, 1);
    row->addWidget(stop);
    layout->addLayout(row);
    dialog.setMinimumWidth(420);
    return {label, bar, stop};
}
