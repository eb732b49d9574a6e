#include "online/Uperrtf.h"

#include "archive/update_protocol.h"
#include "online/rtf_reader.h"

#include "ui_Uperrtf.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

Tperrtf::Tperrtf(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::Tperrtf>()) {
    ui_->setupUi(this);
    rtf = ui_->rtf;
    BitBtn1 = ui_->BitBtn1;
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

Tperrtf::~Tperrtf() = default;

bool Tperrtf::loadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // The file came from the network through the same size limit; reading past it is never needed.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxUpdateAnswerBytes));
    loadDocument(ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    return true;
}

void Tperrtf::loadDocument(const RtfDocument& document) {
    FillTextDocument(*rtf->document(), document);
}

void FillTextDocument(QTextDocument& target, const RtfDocument& document) {
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (!first) cursor.insertBlock();
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            format.setFontPointSize(std::max(1.0, run.fontSizeHalfPoints / 2.0));
            if (run.color) format.setForeground(QColor(run.color->red, run.color->green, run.color->blue));
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, format);
        }
    }
}

void ShowRtfMessage(const QString& path, QWidget* parent) {
    Tperrtf window(parent);
    if (!window.loadFile(path)) return;
    window.exec();
}
