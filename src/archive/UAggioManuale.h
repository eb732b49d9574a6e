#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TAggioManuale;
}
class DrawArchiveModel;
struct Globali;
struct GuiServices;

// The archive window: every draw in a grid, with new, modify, delete, internet update, import from
// text and the print-out of one draw.
class TAggioManuale : public QDialog {
    Q_OBJECT
public:
    TAggioManuale(Globali& g, GuiServices& services, std::function<void()> internetUpdate,
                  QWidget* parent = nullptr);
    ~TAggioManuale() override;

    // The archived draw of the selected row, or 0.
    int selectedRecord() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private slots:
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();
    void BitBtn5Click();

private:
    void refill();
    void selectLast();

    std::unique_ptr<Ui::TAggioManuale> ui_;
    Globali& g_;
    GuiServices& services_;
    std::function<void()> internetUpdate_;
    DrawArchiveModel* model_ = nullptr;
};

// The commands of the archive menu that work on the archive file and the archive window.
void RunAggioManuale(Globali& g, GuiServices& services, QWidget* parent,
                     std::function<void()> internetUpdate);
void RunEsportaArchivio(Globali& g, GuiServices& services, QWidget* parent);
void RunCopiaSicurezzaArchivio(Globali& g, GuiServices& services, QWidget* parent);
// True when the archive was restored (the caller then shows the statistics again).
bool RunRipristinoArchivio(Globali& g, GuiServices& services, QWidget* parent);
