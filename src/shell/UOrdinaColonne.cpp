#include "shell/UOrdinaColonne.h"

#include "core/Globali.h"
#include "shell/column_sort.h"
#include "ui/progress_row.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

class SortHost final : public OperationHost {
public:
    SortHost(TOrdinaColonne& window, Clock& clock) : window_(window), clock_(clock) {}
    std::int64_t nowMs() override { return clock_.nowMs(); }
    void processMessages() override { QApplication::processEvents(); }
    bool stopRequested() override { return window_.Tag == 0; }
    void clearStopRequest() override {}
    bool confirmStop() override { return true; }
    void showProgress(std::int64_t done) override {
        window_.gg->setValue(static_cast<int>(std::clamp<std::int64_t>(done, 0, window_.gg->maximum())));
    }
    void showStatus(const std::string&) override {}
    void setProgressMaximum(std::int64_t units) override {
        window_.gg->setRange(
            0, static_cast<int>(std::min<std::int64_t>(units, std::numeric_limits<int>::max())));
    }

private:
    TOrdinaColonne& window_;
    Clock& clock_;
};

} // namespace

TOrdinaColonne::TOrdinaColonne(Globali& globali, QWidget* parent) : QDialog(parent), g_(globali) {
    setObjectName("TOrdinaColonne");
    setWindowTitle(QStringLiteral("Ordinamento colonne in corso ..."));
    const ProgressRow controls = BuildProgressRow(*this);
    Label4 = controls.label;
    gg = controls.bar;
    stopbtn = controls.stop;
    connect(stopbtn, &QPushButton::clicked, this, [this] { Tag = 0; });
    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &TOrdinaColonne::Timer1Timer);
    Timer1.start();
}

void TOrdinaColonne::Timer1Timer() {
    Tag = 2;
    SortHost host(*this, g_.clock);
    outcome_ = SortFinalColumns(g_, host);
    Tag = 0;
    accept();
}

void TOrdinaColonne::closeEvent(QCloseEvent* event) {
    // Closing while sorting is a stop: the sort ends at its next yield and closes the window.
    if (Tag == 2) {
        Tag = 0;
        event->ignore();
        return;
    }
    Timer1.stop();
    event->accept();
}

void TOrdinaColonne::reject() {
    if (Tag == 2) {
        Tag = 0;
        return;
    }
    Timer1.stop();
    QDialog::reject();
}
