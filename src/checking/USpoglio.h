#pragma once

#include "checking/draw_check.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class TSpoglio;
}
class QLineEdit;
class CheckResultModel;
class TDaiNumEstra;
struct Globali;
struct GuiServices;

// Checks the final columns against one winning column and lists the winners.
class TSpoglio : public QDialog {
    Q_OBJECT
public:
    TSpoglio(Globali& g, GuiServices& services, TDaiNumEstra& picker, QWidget* parent = nullptr);
    ~TSpoglio() override;

    // What "Internet" runs: the main window's archive update. Without it the button stays disabled.
    void setInternetUpdate(std::function<void()> update);
    const CheckResultList& result() const { return result_; }

protected:
    void done(int r) override;

private slots:
    void goClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void UpDown1Click(int direction);

private:
    void FormShow();
    void fillFromDraw(int record);
    std::array<std::string, 6> numberFields() const;
    void showCounters();

    std::unique_ptr<Ui::TSpoglio> ui_;
    Globali& g_;
    GuiServices& services_;
    TDaiNumEstra& picker_;
    std::array<QLineEdit*, 8> fields_{};
    CheckResultList result_;
    CheckResultModel* model_ = nullptr;
    bool holdsResult_ = false;
    bool checking_ = false;
    std::function<void()> internetUpdate_;
};

// Opens the checking window for the command "Spoglio delle colonne".
void RunSpoglio(Globali& g, GuiServices& services, TDaiNumEstra& picker, QWidget* parent,
                std::function<void()> internetUpdate = {});

inline constexpr const char* kNoColumnsToCheckText = "Non ci sono colonne finali da controllare.";
