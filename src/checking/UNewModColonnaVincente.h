#pragma once

#include "archive/draw_archive.h"
#include "checking/winning_entry.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TNewModColonnaVincente;
}
class MessageService;

// The editor of one winning column, for a new draw or to modify an archived one. It validates;
// the caller stores the accepted record.
class TNewModColonnaVincente : public QDialog {
    Q_OBJECT
public:
    enum class Mode { New, Modify };

    TNewModColonnaVincente(const DrawArchive& archive, MessageService& messages, Mode mode,
                           QWidget* parent = nullptr);
    ~TNewModColonnaVincente() override;

    void setFields(const DrawFields& fields);
    DrawFields fields() const;
    // The record built from the fields once the user confirmed.
    const DrawRecord& record() const { return record_; }

private slots:
    void BitBtn1Click();

private:
    std::unique_ptr<Ui::TNewModColonnaVincente> ui_;
    const DrawArchive& archive_;
    MessageService& messages_;
    Mode mode_;
    DrawRecord record_;
};
