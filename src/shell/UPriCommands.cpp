// The tool bar of the main window and the commands whose windows exist, registered by handler name.

#include "shell/UPri.h"

#include "core/Globali.h"
#include "core/version.h"
#include "shell/UImpoCostoCol.h"
#include "shell/USviluppoIntegrale.h"
#include "shell/command_table.h"
#include "ui/gui_services.h"
#include "ui/shared_texts.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolBar>

namespace {

// Tool-bar pictures: a rounded tile in the colour of the command's family with a short mark, so
// the buttons read at a glance without shipping image files.
QIcon TileIcon(const QColor& colour, const QString& mark) {
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 48);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 3, 42, 42), 9, 9);
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(mark.size() > 2 ? 15 : 20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(3, 3, 42, 42), Qt::AlignCenter, mark);
    return QIcon(picture);
}

QIcon ButtonIcon(int number, QStyle* style) {
    const QColor file(0x45, 0x6F, 0x9E);
    const QColor reduction(0x2E, 0x8B, 0x57);
    const QColor statistical(0x8E, 0x5E, 0xA2);
    const QColor columns(0xC0, 0x6C, 0x1E);
    const QColor check(0xB0, 0x3A, 0x2E);
    switch (number) {
    case 1:
        return style->standardIcon(QStyle::SP_FileIcon);
    case 2:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case 3:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case 4:
        return TileIcon(reduction, "RG");
    case 5:
        return TileIcon(reduction, "RC");
    case 6:
        return TileIcon(reduction, "#");
    case 7:
        return TileIcon(statistical, "PR");
    case 8:
        return TileIcon(statistical, "PF");
    case 9:
        return TileIcon(columns, "↶");
    case 10:
        return TileIcon(columns, "✕");
    case 11:
        return TileIcon(columns, "✎");
    case 12:
        return TileIcon(check, "✓");
    case 13:
        return TileIcon(file, "5P");
    case 14:
        return TileIcon(file, "⇩");
    case 15:
        return TileIcon(check, "%");
    case 16:
        return TileIcon(reduction, "RO");
    case 17:
        return TileIcon(check, "↑%");
    default:
        return {};
    }
}

} // namespace

void TPri::buildToolBar() {
    Miopan1 = new QToolBar(this);
    Miopan1->setObjectName("Miopan1");
    Miopan1->setMovable(false);
    Miopan1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, Miopan1);
    for (const ToolBarButton& button : ToolBarButtons()) {
        // A group of file commands, of reductions, of column editing and of the rest.
        if (button.number == 4 || button.number == 9 || button.number == 12) Miopan1->addSeparator();
        QAction* action = Miopan1->addAction(ButtonIcon(button.number, style()), QString());
        action->setObjectName(QString("ToolButton%1").arg(button.number));
        action->setToolTip(button.hint);
        action->setStatusTip(QString(button.hint).trimmed());
        const QString item = button.item;
        connect(action, &QAction::triggered, this, [this, item] { runCommand(item); });
        toolActions_.emplace_back(action, item);
    }
    updateCommandStates();
}

// One line per command whose window exists; every other item stays disabled.
void TPri::registerKnownCommands() {
    registerCommand("Fine1Click", [this] { close(); });
    registerCommand("Sommario1Click", [this] { services_.help.showContents(); });
    registerCommand("HomePage1Click", [this] { services_.shell.openUrl(kHomePageAddress); });
    registerCommand("Informazioni1Click", [this] {
        g_.messages.information(std::string(kProgramName) + "\rVersione " + kProgramVersion +
                                    "\r\rIl programma per costruire, ridurre, controllare e stampare i "
                                    "sistemi del SuperEnalotto.",
                                kAboutTitle);
    });
    registerCommand("Modificacostodellecolonne1Click", [this] { RunImpoCostoCol(g_, services_, this); });
    registerCommand("Sviluppointegraledelpronostico1Click",
                    [this] { RunSviluppoIntegrale(g_, services_, this); });
}
