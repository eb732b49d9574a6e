#pragma once

#include "reductions/mathematical/forecast_reduction.h"
#include "ui/running_state.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;
class QTreeWidget;
struct GuiServices;

namespace Ui {
class TRiduzionePronostico;
}

// The frame the two reductions of the forecast share: score, guarantee table, "Considera fisse",
// the labels that tell whether a table will be used, and the run. Each window owns its bitmap and
// pool for its whole life.
class TRiduzionePronostico : public QDialog {
    Q_OBJECT
public:
    ~TRiduzionePronostico() override;

    QComboBox* ComboBox1;
    QTreeWidget* ListView1;
    QCheckBox* usafisse;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* gobtn;
    QPushButton* stopbtn;
    QPushButton* BitBtn4;
    QPushButton* BitBtn3;
    QPushButton* BitBtn1;
    QProgressBar* gg;
    QLabel* Label1;

public slots:
    void reject() override; // Esc and BitBtn4: refused while running
    void done(int result) override;

protected:
    struct Kind {
        CoveringKind kind;
        const char* caption;
        const char* helpTopic;
        const char* setting;  // the combo index, persisted
        const char* pageMode; // idm of the download page
    };
    TRiduzionePronostico(Globali& globali, GuiServices& services, const Kind& kind, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void ComboBox1Change();
    void usafisseClick();
    void gobtnClick();
    void BitBtn3Click();
    void BitBtn1Click();
    void refreshTable();
    void refreshLabels();
    int score() const;

    Globali& g_;
    GuiServices& services_;
    Kind kind_;
    std::unique_ptr<Ui::TRiduzionePronostico> ui_;
    RunningState running_;
    std::unique_ptr<RunningStateControls> controls_;
    std::unique_ptr<CoverageBitmap> bitmap_; // may be absent: the search then runs without it
    std::unique_ptr<CandidatePool> pool_;
    bool activated_ = false;
};

// The guaranteed score of each row of the table: top row 6 numbers in the forecast, down to 1.
int GuaranteedScore(CoveringKind kind, int k, int numbersInForecast);
