#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TNotificaAgg;
class TImpoNotifiche;
} // namespace Ui
struct Globali;
struct GuiServices;

// Offers the internet update when the archive is out of date.
class TNotificaAgg : public QDialog {
    Q_OBJECT
public:
    TNotificaAgg(const QString& text, QWidget* parent = nullptr);
    ~TNotificaAgg() override;
    bool dontShowAgain() const;

private:
    std::unique_ptr<Ui::TNotificaAgg> ui_;
};

// The reminder's settings: on or off, and the draw days.
class TImpoNotifiche : public QDialog {
    Q_OBJECT
public:
    TImpoNotifiche(Globali& g, GuiServices& services, QWidget* parent = nullptr);
    ~TImpoNotifiche() override;

private:
    void BitBtn1Click();

    std::unique_ptr<Ui::TImpoNotifiche> ui_;
    Globali& g_;
};

void RunImpoNotifiche(Globali& g, GuiServices& services, QWidget* parent);

// The reminder's check, run once shortly after the main window appears: when the archive is out of
// date it shows the reminder and, on "Aggiorna", runs the update it is given.
void RunUpdateReminder(Globali& g, QWidget* parent, const std::function<void()>& internetUpdate);
