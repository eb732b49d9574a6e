#include "shell/UPri.h"

#include "core/Globali.h"
#include "shell/command_table.h"
#include "shell/summary.h"
#include "ui/column_strip.h"
#include "ui/gui_services.h"
#include "ui/number_board.h"
#include "ui/shared_texts.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kFirstFixedEdit = 23; // the fields are Edit23 .. Edit27

QLabel* SummaryLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TPri::TPri(Globali& globali, GuiServices& services, QWidget* parent)
    : QMainWindow(parent), g_(globali), services_(services) {
    setObjectName("Pri");
    setWindowTitle(kMainCaption);

    auto* central = new QWidget(this);
    central->setObjectName("PriClient");
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* boardHost = new QWidget(central);
    buildBoardArea(boardHost);
    top->addWidget(boardHost, 0, Qt::AlignTop);
    auto* summaryHost = new QWidget(central);
    buildSummary(summaryHost);
    top->addWidget(summaryHost, 0, Qt::AlignTop);

    EnterLeavePan1 = new QFrame(central);
    EnterLeavePan1->setObjectName("EnterLeavePan1");
    EnterLeavePan1->hide();
    statisticsArea = new QFrame(central);
    statisticsArea->setObjectName("StatisticsArea");
    statisticsArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    top->addWidget(statisticsArea, 1);
    outer->addLayout(top, 1);

    auto* listBox = new QGroupBox(" Colonne finali ", central);
    listBox->setObjectName("ColumnListBox");
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->setContentsMargins(6, 4, 6, 4);
    columnStrip = new ColumnStrip(g_.system.columns, listBox);
    listLayout->addWidget(columnStrip);
    outer->addWidget(listBox, 0);
    setCentralWidget(central);

    NumStatHiderTimer.setObjectName("NumStatHiderTimer");
    NumStatHiderTimer.setSingleShot(true);
    NumStatHiderTimer.setInterval(250);
    connect(&NumStatHiderTimer, &QTimer::timeout, this, [this] {
        if (!EnterLeavePan1->underMouse()) EnterLeavePan1->hide();
    });
    EnterLeavePan1->installEventFilter(this);

    buildMenu();
    buildToolBar();
    registerKnownCommands();
    connect(columnStrip, &ColumnStrip::modifySelectedRequested, this,
            [this] { runCommand("Modificacolonneselezionate1"); });
    connect(columnStrip, &ColumnStrip::deleteSelectedRequested, this,
            [this] { runCommand("Eliminacolonneselezionate1"); });

    ShowFixed();
    RefreshColumnList();
    RefreshSummary();
}

TPri::~TPri() = default;

void TPri::buildBoardArea(QWidget* host) {
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* boardFrame = new QGroupBox(" Pronostico iniziale ", host);
    boardFrame->setObjectName("BoardBox");
    auto* boardLayout = new QVBoxLayout(boardFrame);
    boardLayout->setContentsMargins(6, 4, 6, 6);
    Vss = new NumberBoard(g_.system.forecast, g_.system.fixed, boardFrame);
    boardLayout->addWidget(Vss);
    layout->addWidget(boardFrame);
    connect(Vss, &NumberBoard::forecastEdited, this, [this](int, bool) {
        g_.system.invalidateResults();
        RefreshSummary();
    });
    connect(Vss, &NumberBoard::numberHovered, this, [this](int number) {
        NumStatHiderTimer.stop();
        emit numberHovered(number);
    });
    connect(Vss, &NumberBoard::mouseLeft, this, [this] { NumStatHiderTimer.start(); });

    auto* row = new QHBoxLayout;
    GroupBox2 = new QGroupBox("Fisse", host);
    GroupBox2->setObjectName("GroupBox2");
    auto* fixedLayout = new QHBoxLayout(GroupBox2);
    fixedLayout->setContentsMargins(6, 4, 6, 6);
    for (int i = 0; i < 5; ++i) {
        auto* edit = new QLineEdit(GroupBox2);
        edit->setObjectName(QString("Edit%1").arg(kFirstFixedEdit + i));
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000") + 14);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { fixedFieldChanged(i); });
        fixedEdits[static_cast<std::size_t>(i)] = edit;
        fixedLayout->addWidget(edit);
    }
    row->addWidget(GroupBox2);
    row->addSpacing(12);

    CheckBox1 = new QCheckBox("Partecipazione a \"SuperStar\"", host);
    CheckBox1->setObjectName("CheckBox1");
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        g_.system.superStar = on;
        RefreshSummary();
    });
    row->addWidget(CheckBox1, 0, Qt::AlignBottom);
    row->addStretch(1);
    layout->addLayout(row);
}

void TPri::buildSummary(QWidget* host) {
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox(" Riepilogo ", host);
    box->setObjectName("SummaryBox");
    auto* inner = new QVBoxLayout(box);
    inner->setSpacing(5);
    Label13 = SummaryLabel(box, "Label13");
    Label1 = SummaryLabel(box, "Label1");
    Label14 = SummaryLabel(box, "Label14");
    Label17 = SummaryLabel(box, "Label17");
    Label18 = SummaryLabel(box, "Label18");
    Label21 = SummaryLabel(box, "Label21");
    Label22 = SummaryLabel(box, "Label22");
    Label23 = SummaryLabel(box, "Label23");
    Label5 = SummaryLabel(box, "Label5");
    Label4 = SummaryLabel(box, "Label4");
    for (QLabel* label : {Label13, Label1, Label14, Label17}) inner->addWidget(label);
    inner->addSpacing(6);
    for (QLabel* label : {Label18, Label21, Label22}) inner->addWidget(label);
    inner->addSpacing(6);
    for (QLabel* label : {Label23, Label5, Label4}) inner->addWidget(label);
    inner->addStretch(1);
    for (QLabel* label : {Label5, Label4}) label->installEventFilter(this);
    box->setMinimumWidth(
        box->fontMetrics().horizontalAdvance("Probabilità relativa di vincita: 0,0000000 %") + 30);
    layout->addWidget(box);
}

void TPri::buildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    for (const CommandMenu& menuEntry : CommandMenus()) {
        QMenu* menu = MainMenu1->addMenu(menuEntry.caption);
        menu->setObjectName(menuEntry.name);
        addItems(menu, menuEntry.items);
    }
}

void TPri::addItems(QMenu* menu, const std::vector<CommandItem>& items) {
    for (const CommandItem& item : items) {
        switch (item.kind) {
        case ItemKind::Separator:
            menu->addSeparator();
            break;
        case ItemKind::Submenu: {
            QMenu* sub = menu->addMenu(item.caption);
            sub->setObjectName(item.name);
            sub->menuAction()->setObjectName(QString(item.name) + "Action");
            addItems(sub, item.children);
            break;
        }
        case ItemKind::Command: {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            if (*item.shortcut) action->setShortcut(QKeySequence(item.shortcut));
            const QString name = item.name;
            connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
            itemActions_[name] = action;
            break;
        }
        }
    }
}

void TPri::registerCommand(const std::string& handler, std::function<void()> run) {
    registerTaggedCommand(handler, [run = std::move(run)](int) { run(); });
}

void TPri::registerTaggedCommand(const std::string& handler, std::function<void(int)> run) {
    handlers_[handler] = std::move(run);
    updateCommandStates();
}

bool TPri::isRegistered(const std::string& handler) const {
    return handlers_.count(handler) != 0;
}

void TPri::updateCommandStates() {
    for (auto& [name, action] : itemActions_) {
        const CommandItem* item = FindCommandItem(name.toStdString());
        action->setEnabled(item && isRegistered(item->handler));
    }
    for (auto& [action, itemName] : toolActions_) {
        const auto found = itemActions_.find(itemName);
        action->setEnabled(found != itemActions_.end() && found->second->isEnabled());
    }
    for (QLabel* label : {Label5, Label4}) {
        const char* item =
            label == Label5 ? "Calcolaprobabilitrelativadivincita1" : "Calcolaprobabilitassolutadivincita1";
        const auto found = itemActions_.find(item);
        const bool live = found != itemActions_.end() && found->second->isEnabled();
        label->setCursor(live ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void TPri::runCommand(const QString& itemName) {
    const CommandItem* item = FindCommandItem(itemName.toStdString());
    if (!item || item->kind != ItemKind::Command) return;
    const auto handler = handlers_.find(item->handler);
    if (handler == handlers_.end()) return;
    if (item->saveQuestion && !SaveQuestion()) return;
    const FixedFieldTexts fields = fixedFieldTexts();
    const bool selected = columnStrip->selection().state == ColumnSelection::Selected;
    if (!CheckCommand(*item, g_, CommandContext{fields, selected})) return;
    // Copied: a handler may register commands, which would invalidate the iterator.
    const std::function<void(int)> run = handler->second;
    run(item->tag);
    Vss->update();
    RefreshSummary();
    RefreshColumnList();
}

void TPri::RefreshSummary() {
    const SummaryTexts t = ComputeSummary(g_.system, g_.settings);
    Label13->setText(QString::fromStdString(t.label13));
    Label1->setText(QString::fromStdString(t.label1));
    Label14->setText(QString::fromStdString(t.label14));
    Label17->setText(QString::fromStdString(t.label17));
    Label18->setText(QString::fromStdString(t.label18));
    Label21->setText(QString::fromStdString(t.label21));
    Label22->setText(QString::fromStdString(t.label22));
    Label23->setText(QString::fromStdString(t.label23));
    Label5->setText(QString::fromStdString(t.label5));
    Label4->setText(QString::fromStdString(t.label4));
}

void TPri::RefreshColumnList() {
    columnStrip->refresh();
}

FixedFieldTexts TPri::fixedFieldTexts() const {
    FixedFieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fixedEdits[i]->text().toStdString();
    return texts;
}

int TPri::ValidateFixed() {
    return ::ValidateFixed(fixedFieldTexts(), g_.system.forecast, g_.system.fixed);
}

bool TPri::RequireForecast(int k) {
    const bool ok = ::RequireForecast(k, fixedFieldTexts(), g_.system.forecast, g_.system.fixed, g_.messages);
    Vss->update();
    return ok;
}

void TPri::ShowFixed() {
    fillingFixed_ = true;
    const FixedNumbers& fixed = g_.system.fixed;
    for (std::size_t i = 0; i < fixedEdits.size(); ++i) {
        const bool set = static_cast<std::int32_t>(i) < fixed.count && fixed.numbers[i] != 0;
        fixedEdits[i]->setText(set ? QString::number(fixed.numbers[i]) : QString());
    }
    fillingFixed_ = false;
    Vss->update();
}

bool TPri::fixedFieldKey(int, QKeyEvent* event) {
    const QString text = event->text();
    // Keys that type nothing (arrows, shifts) and the focus keys are not typing.
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return false;
    g_.system.modified = true;
    const QChar c = text.at(0);
    const bool printable = c.isPrint();
    if (printable && !c.isDigit()) {
        RefreshSummary();
        return true; // discarded
    }
    RefreshSummary();
    return false;
}

void TPri::fixedFieldChanged(int field) {
    if (fillingFixed_) return;
    QLineEdit* edit = fixedEdits[static_cast<std::size_t>(field)];
    const std::string text = edit->text().toStdString();
    if (IsAcceptableFixedText(text)) return;
    g_.messages.warning(kFixedValueInvalidText);
    edit->clear();
}

void TPri::fixedFieldLeft(int field) {
    if (checkingFixed_) return;
    checkingFixed_ = true;
    const int code =
        ValidateFixedOnLeave(fixedFieldTexts(), g_.system.forecast, g_.system.fixed, g_.messages);
    if (code != 0) fixedEdits[static_cast<std::size_t>(field)]->setFocus(Qt::OtherFocusReason);
    checkingFixed_ = false;
    Vss->update();
    RefreshSummary();
}

bool TPri::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 5; ++i) {
        if (watched != fixedEdits[static_cast<std::size_t>(i)]) continue;
        if (event->type() == QEvent::KeyPress) return fixedFieldKey(i, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            // A message box or a menu taking the focus for a moment is not leaving the field.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) fixedFieldLeft(i);
        }
        return false;
    }
    if ((watched == Label5 || watched == Label4) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        runCommand(watched == Label5 ? "Calcolaprobabilitrelativadivincita1"
                                     : "Calcolaprobabilitassolutadivincita1");
        return true;
    }
    if (watched == EnterLeavePan1 && event->type() == QEvent::Leave) EnterLeavePan1->hide();
    return QMainWindow::eventFilter(watched, event);
}

bool TPri::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && tag_ == 0) {
        tag_ = 1;
        FirstActivation();
    }
    return QMainWindow::event(event);
}

void TPri::FirstActivation() {
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2 && QFileInfo(arguments.at(1)).isFile()) {
        OpenSystemFromCommandLine(arguments.at(1));
        showNormal();
        showMaximized();
    }
}

void TPri::setCommandLineOpener(std::function<void(const QString&)> opener) {
    commandLineOpener_ = std::move(opener);
}

void TPri::OpenSystemFromCommandLine(const QString& path) {
    // Until a system file can be opened the argument is ignored.
    if (commandLineOpener_) commandLineOpener_(path);
}

bool TPri::SaveQuestion() {
    if (!g_.system.modified) return true;
    switch (g_.messages.askYesNoCancel(kSaveQuestionText)) {
    case MessageAnswer::Yes:
        SaveSystemAs();
        return !g_.system.modified;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void TPri::SaveSystemAs() {
    const auto handler = handlers_.find("Salvaconnome1Click");
    if (handler == handlers_.end()) return;
    const std::function<void(int)> run = handler->second;
    run(0);
    RefreshSummary();
}

void TPri::closeEvent(QCloseEvent* event) {
    if (g_.system.modified) {
        switch (g_.messages.askYesNoCancel(kSaveQuestionText)) {
        case MessageAnswer::Yes:
            SaveSystemAs();
            if (g_.system.modified) {
                event->ignore();
                return;
            }
            break;
        case MessageAnswer::No:
            g_.system.modified = false;
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
}
