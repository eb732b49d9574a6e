#include "archive/UCerchioCiclometricoSE.h"

#include "core/Globali.h"
#include "ui/gui_services.h"

#include "ui_UCerchioCiclometricoSE.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpressionValidator>

TCerchioCiclometricoSE::TCerchioCiclometricoSE(Globali& globali, GuiServices& services, QWidget* parent)
    : QDialog(parent), g_(globali), services_(services), ui_(std::make_unique<Ui::TCerchioCiclometricoSE>()) {
    ui_->setupUi(this);
    PaintBox1 = ui_->PaintBox1;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    Label6 = ui_->Label6;
    Label7 = ui_->Label7;
    Label8 = ui_->Label8;
    Edit = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6};
    sbdb = ui_->sbdb;
    BitBtn1 = ui_->BitBtn1;
    BitBtn2 = ui_->BitBtn2;
    BitBtn3 = ui_->BitBtn3;

    PaintBox1->installEventFilter(this);
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (QLineEdit* e : Edit) {
        e->setValidator(digits);
        connect(e, &QLineEdit::textEdited, this, [this] { BitBtn1->setEnabled(true); });
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TCerchioCiclometricoSE::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this,
            [this] { services_.help.showTopic("stats_ciclometriase.htm"); });
    BitBtn1->setEnabled(false);

    const int count = g_.archive.count();
    sbdb->setEnabled(count > 0);
    if (count > 0) {
        sbdb->setRange(1, count);
        sbdb->setValue(count);
        sbdbChange();
    }
    connect(sbdb, &QScrollBar::valueChanged, this, &TCerchioCiclometricoSE::sbdbChange);
}

TCerchioCiclometricoSE::~TCerchioCiclometricoSE() = default;

void TCerchioCiclometricoSE::sbdbChange() {
    const int k = sbdb->value();
    if (k < 1 || k > g_.archive.count()) return;
    const DrawRecord& r = g_.archive.record(k);
    Label3->setText(QString("Del:%1/%2/%3").arg(r.day).arg(r.month).arg(r.year));
    Label4->setText(QString("Nº:%1").arg(k));
    const CircleNumbers n = CircleNumbersOfDraw(r);
    for (int i = 0; i < 6; ++i)
        Edit[static_cast<std::size_t>(i)]->setText(QString::number(n[static_cast<std::size_t>(i)]));
    ShowNumbers(n);
}

void TCerchioCiclometricoSE::BitBtn1Click() {
    std::array<std::string, 6> fields;
    for (int i = 0; i < 6; ++i)
        fields[static_cast<std::size_t>(i)] = Edit[static_cast<std::size_t>(i)]->text().toStdString();
    const CircleFieldsResult r = ReadCircleFields(fields);
    if (!r.parsed) {
        services_.messages.warning(InvalidCircleNumberText(r.invalidPosition));
        return;
    }
    // The values go back sorted even when two of them turn out equal.
    for (int i = 0; i < 6; ++i)
        Edit[static_cast<std::size_t>(i)]->setText(QString::number(r.numbers[static_cast<std::size_t>(i)]));
    if (!r.ok) {
        services_.messages.warning(InvalidCircleNumberText(r.invalidPosition));
        return;
    }
    ShowNumbers(r.numbers);
}

void TCerchioCiclometricoSE::ShowNumbers(const CircleNumbers& n) {
    numbers_ = n;
    Label6->setText(QString::fromStdString(CircleNumbersLabel(n)));
    Label7->setText(QString::fromStdString(CircleSidesLabel(n)));
    Label8->setText(QString::fromStdString(CircleDistancesLabel(n)));
    BitBtn1->setEnabled(false);
    PaintBox1->update();
}

bool TCerchioCiclometricoSE::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PaintBox1 && event->type() == QEvent::Paint) {
        PaintBox1Paint();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCerchioCiclometricoSE::PaintBox1Paint() {
    QPainter p(PaintBox1);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = std::min(PaintBox1->width(), PaintBox1->height());
    p.fillRect(QRectF(0, 0, w, w), Qt::white);
    const double c = w / 2;
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QRectF(16, 16, w - 32, w - 32));
    const double inner = (w - 34) / 2, outer = (w - 29) / 2;
    for (int k = 1; k <= 90; ++k) {
        const CirclePoint a = CirclePointOf(k, inner, c, c), b = CirclePointOf(k, outer, c, c);
        p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    }
    if (!numbers_) return;
    QPolygonF hexagon;
    for (int n : *numbers_) {
        const CirclePoint pt = CirclePointOf(n, inner, c, c);
        hexagon << QPointF(pt.x, pt.y);
    }
    p.setBrush(Qt::green);
    p.setPen(QPen(Qt::red, 3));
    p.drawPolygon(hexagon);
}
